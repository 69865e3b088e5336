#ifndef MERVANE_UI_COMMON_UNITS_H
#define MERVANE_UI_COMMON_UNITS_H

#include <QtGlobal>

#include "core/design/design.h"

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// The design's units and where windows stand. Windows are designed in twips;
// Qt scales device-independent pixels for high-density screens. The windows
// have no layouts: controls keep their design places when a window is resized.
namespace ui {

using core::design::Px;

// Centres a top-level window, frame included, on the available area of the
// screen it will appear on; a window not yet shown is centred again once the
// window manager has framed it.
void CentreOnScreen(QWidget* window);

}  // namespace ui

#endif
