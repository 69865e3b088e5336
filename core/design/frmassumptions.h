#ifndef MERVANE_CORE_DESIGN_FRMASSUMPTIONS_H
#define MERVANE_CORE_DESIGN_FRMASSUMPTIONS_H

#include "core/design/design.h"
#include "core/text/texts.h"

namespace core::design {

inline constexpr Control kFrmAssumptionsControls[] = {
    // kind   name             left  top   width height text                 accessible     colour font  align   tab     flags
    {TextBox, "txtAssumptions", 120,  120, 6135,  975, texts::kAssumptions, "Assumptions", Face,  Sans, Left,   kNoTab, kMultiLine | kWordWrap | kBorder},
    {Button,  "cmdExit",       5160, 1200,  975,  375, "&Close",            "",            Face,  Bold, Centre, kTab,   kNoFlags},
};

inline constexpr Window frmAssumptions{"frmAssumptions", "Assumptions", 6420, 1590, Border::FixedSingle, Icon::Question,
                                       kFrmAssumptionsControls};

}  // namespace core::design

#endif
