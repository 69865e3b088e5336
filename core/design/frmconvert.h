#ifndef MERVANE_CORE_DESIGN_FRMCONVERT_H
#define MERVANE_CORE_DESIGN_FRMCONVERT_H

#include "core/design/design.h"
#include "core/text/texts.h"

namespace core::design {

inline constexpr Control kFrmConvertControls[] = {
    // kind   name            left  top   width height text                    accessible             colour  font  align   tab     flags
    {Label,   "Label1",        360,  240, 1455,  255, "Confidence Interval:",  "",                    Face,   Sans, Right,  kNoTab, kNoFlags, {}, "txtConf"},
    {TextBox, "txtConf",      1920,  225,  975,  285, "",                      "Confidence Interval", Field,  Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtSD",        1920,  840,  975,  285, "",                      "Standard Deviations", Field,  Sans, Left,   kTab,   kNumeric},
    {Label,   "Label3",        120,  840, 1695,  255, "Standard Deviations:",  "",                    Face,   Sans, Right,  kNoTab, kNoFlags, {}, "txtSD"},
    {Button,  "cmdDoIt",      1080, 1320,  975,  375, "&Do It",                "",                    Face,   Bold, Centre, kTab,   kNoFlags},
    {Button,  "cmdClose",     3600, 1320,  975,  375, "&Close",                "",                    Face,   Sans, Centre, kTab,   kNoFlags},
    {TextBox, "txtDirections", 3120, 360, 1815,  855, texts::kDirections,      "Directions",          Face,   Sans, Left,   kNoTab, kMultiLine | kWordWrap | kBorder},
    {TextBox, "txtAnswer",     240, 1800, 4575,  285, "",                      "Answer",              Face,   Sans, Centre, kNoTab, kBorder},
};

inline constexpr Window frmConvert{"frmConvert", "Converter", 5025, 2265, Border::Sizable, Icon::Question,
                                   kFrmConvertControls};

}  // namespace core::design

#endif
