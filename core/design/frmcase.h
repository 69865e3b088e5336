#ifndef MERVANE_CORE_DESIGN_FRMCASE_H
#define MERVANE_CORE_DESIGN_FRMCASE_H

#include "core/design/design.h"

namespace core::design {

// One person against a small control sample.
inline constexpr Control kFrmCaseControls[] = {
    // kind    name            left   top  width height text                        accessible                                  colour      font  align   tab     flags
    {TextBox,  "txtMeasure",   3090,  120, 2580,  285, "",                         "Measure Name",                             Optional,   Sans, Left,   kTab,   kInput},
    {TextBox,  "txtMean",      3090,  480, 1320,  285, "",                         "Controls' mean",                           Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox,  "txtSD",        3090,  840, 1320,  285, "",                         "Controls' SD",                             Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,  "txtN",         3090, 1200, 1320,  285, "",                         "Number of controls",                       Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,  "txtScore",     3090, 1560, 1320,  285, "",                         "Case's score",                             Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {CheckBox, "chkLower",     3090, 1920, 2580,  285, "Lower is better",          "Case's score: lower is better",            Face,       Sans, Left,   kTab,   kNoFlags},
    {TextBox,  "txtLevel",     3090, 2280, 1320,  285, "95",                       "Confidence Level (%)",                     Optional,   Sans, Left,   kTab,   kNumeric},
    {Button,   "cmdGo",         120, 2760,  975,  375, "&Go!",                     "",                                         Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox,  "txtT",         3090, 3600, 1320,  285, "",                         "t",                                        Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtDF",        3090, 3960, 1320,  285, "",                         "Degrees of freedom",                       Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtPOne",      3090, 4320, 1320,  285, "",                         "p (one-tailed)",                           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtPTwo",      3090, 4680, 1320,  285, "",                         "p (two-tailed)",                           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtBelow",     3090, 5160, 1320,  285, "",                         "Controls expected below the case (%)",     Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtBelowLow",  4530, 5160, 1260,  285, "",                         "Lower limit of controls below the case (%)", Field,    Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtBelowHigh", 5910, 5160, 1260,  285, "",                         "Upper limit of controls below the case (%)", Field,    Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtZcc",       3090, 5880, 1320,  285, "",                         "Effect size (z)",                          Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtZccLow",    4530, 5880, 1260,  285, "",                         "Lower limit of the effect size",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtZccHigh",   5910, 5880, 1260,  285, "",                         "Upper limit of the effect size",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtReport",     120, 6630, 7050, 1380, "",                         "Report",                                   Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button,   "cmdCopy",      1200, 2760, 1350,  375, "Co&py Report",             "",                                         Face,       Sans, Centre, kTab,   kNoFlags, {}, "txtReport"},
    {Button,   "cmdClose",     2670, 2760,  975,  375, "&Close",                   "",                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,   "cmdTwoTasks",  3765, 2760, 1350,  375, "&Two Tasks...",            "",                                         Face,       Sans, Centre, kTab,   kNoFlags},
    // captions: each names the box to its right, or the limit box beneath it
    {Label,    "lblMeasure",    120,  135, 2880,  255, "Measure Name:",            "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeasure"},
    {Label,    "lblMean",       120,  495, 2880,  255, "Controls' mean:",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMean"},
    {Label,    "lblSD",         120,  855, 2880,  255, "Controls' SD:",            "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSD"},
    {Label,    "lblN",          120, 1215, 2880,  255, "Number of controls:",      "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtN"},
    {Label,    "lblScore",      120, 1575, 2880,  255, "Case's score:",            "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScore"},
    {Label,    "lblLevel",      120, 2295, 2880,  255, "Confidence Level (%):",    "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {Label,    "lblResults",    120, 3300, 7050,  255, "Against the controls",     "",                                         Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblT",          120, 3615, 2880,  255, "t:",                       "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtT"},
    {Label,    "lblDF",         120, 3975, 2880,  255, "Degrees of freedom:",      "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtDF"},
    {Label,    "lblPOne",       120, 4335, 2880,  255, "p (one-tailed):",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPOne"},
    {Label,    "lblPTwo",       120, 4695, 2880,  255, "p (two-tailed):",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPTwo"},
    {Label,    "lblBelow",      120, 5175, 2880,  480, "Controls expected below the case (%):", "",                            Face,       Sans, Right,  kNoTab, kWordWrap, {}, "txtBelow"},
    {Label,    "lblBelowLow",  4530, 4905, 1260,  255, "Lower limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtBelowLow"},
    {Label,    "lblBelowHigh", 5910, 4905, 1260,  255, "Upper limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtBelowHigh"},
    {Label,    "lblZcc",        120, 5895, 2880,  255, "Effect size (z):",         "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtZcc"},
    {Label,    "lblZccLow",    4530, 5625, 1260,  255, "Lower limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtZccLow"},
    {Label,    "lblZccHigh",   5910, 5625, 1260,  255, "Upper limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtZccHigh"},
    {Label,    "lblReport",     120, 6360, 1500,  255, "Report",                   "",                                         Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the main window's measure, mean, SD and raw score as the controls' and the case's.
inline constexpr Carry kFrmCaseCarried[] = {
    {"txtMeasure", {"txtMeasure"}}, {"txtMean", {"txtMean"}}, {"txtSD", {"txtSD"}}, {"txtScore", {"txtScore"}}};

inline constexpr Window frmCase{"frmCase", "Case Against Controls", 7290, 8130, Border::FixedSingle, Icon::Calculator,
                                kFrmCaseControls, kFrmCaseCarried, true};

}  // namespace core::design

#endif
