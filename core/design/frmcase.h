#ifndef MERVANE_CORE_DESIGN_FRMCASE_H
#define MERVANE_CORE_DESIGN_FRMCASE_H

#include "core/design/design.h"

namespace core::design {

// One person against a small control sample.
inline constexpr Control kFrmCaseControls[] = {
    // kind   name            left   top  width height text                        accessible                                  colour      font  align   tab     flags
    {TextBox, "txtMean",      3090,  120, 1320,  285, "",                         "Controls' mean",                           Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox, "txtSD",        3090,  480, 1320,  285, "",                         "Controls' SD",                             Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtN",         3090,  840, 1320,  285, "",                         "Number of controls",                       Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtScore",     3090, 1200, 1320,  285, "",                         "Case's score",                             Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox, "txtLevel",     3090, 1560, 1320,  285, "95",                       "Confidence Level (%)",                     Optional,   Sans, Left,   kTab,   kNumeric},
    {Button,  "cmdGo",         120, 2040,  975,  375, "&Go!",                     "",                                         Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox, "txtT",         3090, 2880, 1320,  285, "",                         "t",                                        Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtDF",        3090, 3240, 1320,  285, "",                         "Degrees of freedom",                       Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtPOne",      3090, 3600, 1320,  285, "",                         "p (one-tailed)",                           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtPTwo",      3090, 3960, 1320,  285, "",                         "p (two-tailed)",                           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtBelow",     3090, 4320, 1320,  285, "",                         "Controls expected below the case (%)",     Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtBelowLow",  4530, 4320, 1260,  285, "",                         "Lower limit of controls below the case (%)", Field,    Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtBelowHigh", 5910, 4320, 1260,  285, "",                         "Upper limit of controls below the case (%)", Field,    Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtZcc",       3090, 4860, 1320,  285, "",                         "Effect size (z)",                          Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtZccLow",    4530, 4860, 1260,  285, "",                         "Lower limit of the effect size",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtZccHigh",   5910, 4860, 1260,  285, "",                         "Upper limit of the effect size",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtReport",     120, 5610, 7050, 1380, "",                         "Report",                                   Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button,  "cmdCopy",      1200, 2040, 1350,  375, "Co&py Report",             "",                                         Face,       Sans, Centre, kTab,   kNoFlags, {}, "txtReport"},
    {Button,  "cmdClose",     2670, 2040,  975,  375, "&Close",                   "",                                         Face,       Sans, Centre, kTab,   kNoFlags},
    // captions: each names the box to its right
    {Label,   "lblMean",       120,  135, 2880,  255, "Controls' mean:",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMean"},
    {Label,   "lblSD",         120,  495, 2880,  255, "Controls' SD:",            "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSD"},
    {Label,   "lblN",          120,  855, 2880,  255, "Number of controls:",      "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtN"},
    {Label,   "lblScore",      120, 1215, 2880,  255, "Case's score:",            "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScore"},
    {Label,   "lblLevel",      120, 1575, 2880,  255, "Confidence Level (%):",    "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {Label,   "lblResults",    120, 2580, 2880,  255, "Against the controls",     "",                                         Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,   "lblLow",       4530, 2595, 1260,  255, "Lower limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags},
    {Label,   "lblHigh",      5910, 2595, 1260,  255, "Upper limit",              "",                                         Face,       Sans, Left,   kNoTab, kNoFlags},
    {Label,   "lblT",          120, 2895, 2880,  255, "t:",                       "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtT"},
    {Label,   "lblDF",         120, 3255, 2880,  255, "Degrees of freedom:",      "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtDF"},
    {Label,   "lblPOne",       120, 3615, 2880,  255, "p (one-tailed):",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPOne"},
    {Label,   "lblPTwo",       120, 3975, 2880,  255, "p (two-tailed):",          "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPTwo"},
    {Label,   "lblBelow",      120, 4335, 2880,  480, "Controls expected below the case (%):", "",                            Face,       Sans, Right,  kNoTab, kWordWrap, {}, "txtBelow"},
    {Label,   "lblZcc",        120, 4875, 2880,  255, "Effect size (z):",         "",                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtZcc"},
    {Label,   "lblReport",     120, 5340, 1500,  255, "Report",                   "",                                         Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the main window's mean, SD and raw score as the controls' and the case's.
inline constexpr Carry kFrmCaseCarried[] = {{"txtMean", {"txtMean"}}, {"txtSD", {"txtSD"}}, {"txtScore", {"txtScore"}}};

inline constexpr Window frmCase{"frmCase", "Case Against Controls", 7290, 7110, Border::FixedSingle, Icon::Calculator,
                                kFrmCaseControls, kFrmCaseCarried, true};

}  // namespace core::design

#endif
