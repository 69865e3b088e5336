#include "ui/common/modalwindow.h"

#include <QKeyEvent>

#include "ui/common/units.h"

namespace ui {
namespace {

// The dialog's own frame, set up before its controls are built.
QDialog* Framed(QDialog* dialog, const core::design::Window& design)
{
    ApplyDesign(dialog, design);
    dialog->setModal(true);
    const QSize size(Px(design.width), Px(design.height));
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (design.border == core::design::Border::Sizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
        dialog->resize(size);
    } else {
        dialog->setFixedSize(size);
    }
    dialog->setWindowFlags(flags);
    return dialog;
}

}  // namespace

ModalWindow::ModalWindow(QWidget* owner, const core::design::Window& design)
    : QDialog(owner), form_(Framed(this, design), design)
{
    CentreOnScreen(this);
    if (QWidget* first = form_.FirstTabStop())
        first->setFocus();
}

void ModalWindow::keyPressEvent(QKeyEvent* event)
{
    // Escape closes a window that keeps its inputs, as its Close does; the original windows ignore it.
    if (event->key() == Qt::Key_Escape && form_.Design().keeps) {
        close();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:  // a focused button has answered it already
    case Qt::Key_Enter:
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

}  // namespace ui
