#include "ui/common/modalwindow.h"

#include <QKeyEvent>
#include <QPushButton>

#include "ui/common/units.h"

ModalWindow::ModalWindow(QWidget* owner, const QString& caption, const QSize& clientTwips, Frame frame)
    : QDialog(owner)
{
    setWindowTitle(caption);
    setModal(true);
    const QSize size(ui::Px(clientTwips.width()), ui::Px(clientTwips.height()));
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame == Frame::Resizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
        resize(size);
    } else {
        setFixedSize(size);
    }
    setWindowFlags(flags);
    ui::CentreOnScreen(this);
}

void ModalWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter clicks the button that has the focus, and no other.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button && event->modifiers() == Qt::NoModifier)
            button->click();
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

bool ModalWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        // The focused button answers Enter and Space at once, so it is marked
        // from the start, as if reached with Tab. Activation gives the focus
        // after this event, and unmarks it; mark it once that is done.
        QMetaObject::invokeMethod(
            this,
            [this] {
                setAttribute(Qt::WA_KeyboardFocusChange);
                if (QWidget* focused = focusWidget())
                    focused->update();
            },
            Qt::QueuedConnection);
    }
    return QDialog::event(event);
}

void ModalWindow::showEvent(QShowEvent* event)
{
    // A dialog makes its first auto-default button the default when shown;
    // these windows have none.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    QDialog::showEvent(event);
}
