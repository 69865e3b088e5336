#include "ui/common/units.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace ui {

void Place(QWidget* control, int left, int top, int width, int height)
{
    control->setGeometry(Twips(left, top, width, height));
}

void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

}  // namespace ui
