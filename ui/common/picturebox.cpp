#include "ui/common/picturebox.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QTimer>

namespace ui {

namespace {

// What a screen reader sees of the picture: a button it can press.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* picture) : QAccessibleWidget(picture, QAccessible::Button) {}

    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }

    void doAction(const QString& name) override
    {
        if (name != pressAction()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        // Later, from the event loop: the click opens a modal window, and the
        // assistive technology's call must be answered before that.
        QTimer::singleShot(0, widget(), [picture = static_cast<PictureBox*>(widget())] { emit picture->clicked(); });
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::PictureBox") && object && object->isWidgetType())
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    return nullptr;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
    static const bool registered = (QAccessible::installFactory(&MakeAccessible), true);
    (void)registered;
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    // A click is a press and release over the picture, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace ui
