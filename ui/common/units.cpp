#include "ui/common/units.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QWidget>

namespace ui {
namespace {

QMargins FrameMargins(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void CentreWithin(QWidget* window, const QMargins& frameMargins)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The frame's top-left is what a move places, whether or not the frame is there yet.
    QRect frame(QPoint(), window->size().grownBy(frameMargins));
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// A window manager adds its frame only after the window is shown, so a window
// centred before then opens off-centre by half the frame. This centres the
// window again each time the frame it learns of differs from the one it last
// centred with, until the window manager has framed it (or, without one,
// until it has been shown a moment).
class Recentre : public QObject {
public:
    explicit Recentre(QWidget* window) : QObject(window), window_(window)
    {
        setObjectName(kName);
        window->installEventFilter(this);
    }

    static constexpr const char* kName = "recentre";

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::Show:
            QTimer::singleShot(kSettleMs, this, [this] { deleteLater(); });
            [[fallthrough]];
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::UpdateRequest:
            if (const QMargins m = FrameMargins(window_); m != centredWith_ && window_->isVisible()) {
                centredWith_ = m;
                CentreWithin(window_, m);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    static constexpr int kSettleMs = 1000;
    QWidget* window_;
    QMargins centredWith_;
};

}  // namespace

void CentreOnScreen(QWidget* window)
{
    CentreWithin(window, FrameMargins(window));
    if (!window->isVisible() && !window->findChild<QObject*>(QString::fromLatin1(Recentre::kName), Qt::FindDirectChildrenOnly))
        new Recentre(window);
}

}  // namespace ui
