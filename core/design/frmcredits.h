#ifndef MERVANE_CORE_DESIGN_FRMCREDITS_H
#define MERVANE_CORE_DESIGN_FRMCREDITS_H

#include "core/design/design.h"
#include "core/text/texts.h"

namespace core::design {

inline constexpr Control kFrmCreditsControls[] = {
    // kind   name               left  top   width height text                                          accessible colour font  align   tab     flags
    {Label,   "Label4",           105,  135, 4740,  225, "Mervane",                                     "",        Face,  Bold, Left,   kNoTab, kNoFlags},
    {TextBox, "Text2",            105,  480, 6210,  525, texts::kCitation,                              "Citation", Face, Sans, Left,   kNoTab, kMultiLine | kWordWrap | kBorder | kReadOnly},
    {Button,  "cmdQuenloWebsite", 6405, 600, 2115,  540, "Visit Quenlo Website For More Software",      "",        Face,  Bold, Centre, kTab,   kWordWrap},
    {Label,   "Label2",           105, 1290, 3795,  225, "Dedicated to Maren Lorvi, who asked first.",  "",        Face,  Bold, Left,   kNoTab, kNoFlags},
    {Label,   "lblLicense",       105, 1920, 1215,  255, "License:",                                    "",        Face,  Bold, Left,   kNoTab, kNoFlags, {}, "Text1"},
    {TextBox, "Text1",            105, 2370, 8730, 4845, texts::kLicence,                               "License", Field, Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly},
    {Button,  "cmdExit",         6960, 1560,  975,  375, "&Close",                                      "",        Face,  Bold, Centre, kTab,   kNoFlags},
};

inline constexpr Window frmCredits{"frmCredits", "Programme Credits", 9000, 7500, Border::FixedSingle, Icon::Calculator,
                                   kFrmCreditsControls};

}  // namespace core::design

#endif
