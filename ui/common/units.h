#ifndef MERVANE_UI_COMMON_UNITS_H
#define MERVANE_UI_COMMON_UNITS_H

#include <QRect>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The design's units and where controls stand. Windows are designed in
// twips; Qt scales device-independent pixels for high-density screens.
namespace ui {

constexpr int kTwipsPerPixel = 15;
// Rounds to the nearest pixel: adding 7 of 15 twips makes the division round
// rather than truncate (halves, which 15 twips never give, would go down).
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }
constexpr QRect Twips(int left, int top, int width, int height)
{
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Puts a control at its design place. The windows have no layouts: controls
// keep their places when a window is resized.
void Place(QWidget* control, int left, int top, int width, int height);

// Centres a top-level window, frame included, on the available area of the
// screen it will appear on; a window not yet shown is centred again once the
// window manager has framed it.
void CentreOnScreen(QWidget* window);

}  // namespace ui

#endif
