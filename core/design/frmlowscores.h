#ifndef MERVANE_CORE_DESIGN_FRMLOWSCORES_H
#define MERVANE_CORE_DESIGN_FRMLOWSCORES_H

#include "core/design/design.h"

namespace core::design {

// How many low scores healthy people have on the same battery.
inline constexpr Control kFrmLowScoresControls[] = {
    // kind  name                left   top  width height text                   accessible                  colour      font  align   tab     flags
    {TextBox, "txtRows",          120,   405, 5520, 2400, "",                    "Measures",                 Compulsory, Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {TextBox, "txtCorrelation",  2460,  2970, 1200,  285, "",                    "Average correlation",      Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtCorrelations", 5880,   405, 5400, 2400, "",                    "Correlations",             Optional,   Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {TextBox, "txtAbility",     10080,  2970, 1200,  285, "",                    "Ability (standard score)", Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtAbilityCorrelation", 10080, 3420, 1200, 285, "",               "Its correlation with the measures", Optional, Sans, Left, kTab, kNumeric | kSigned},
    {Button,  "cmdGo",            120,  3420,  975,  375, "&Go!",                "",                         Face,       Bold, Centre, kTab,   kNoFlags},
    {Grid,    "grdLowScores",     120,  3960, 11160, 1920, "",                   "Low scores table",         Field,      Sans, Left,   kTab,   kStacked},
    {TextBox, "txtReport",        120,  6360, 11160, 1500, "",                   "Report",                   Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button,  "cmdCopy",         1200,  3420, 1350,  375, "Co&py Table",         "",                         Face,       Sans, Centre, kTab,   kNoFlags, {}, "grdLowScores"},
    {Button,  "cmdClose",        2670,  3420,  975,  375, "&Close",              "",                         Face,       Sans, Centre, kTab,   kNoFlags},
    // captions
    {Label,   "lblRows",          120,   135, 5520,  255, "Measures, one a line, as in the profile:", "", Face,     Sans, Left,   kNoTab, kNoFlags, {}, "txtRows"},
    {Label,   "lblCorrelation",   120,  2985, 2250,  255, "Average correlation:", "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtCorrelation"},
    {Label,   "lblCorrelations", 5880,     0, 5400,  405, "Correlations, one row a line, in the battery's order (optional):", "", Face, Sans, Left, kNoTab, kWordWrap, {}, "txtCorrelations"},
    {Label,   "lblAbility",      6180,  2985, 3780,  255, "Ability (standard score):", "",              Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtAbility"},
    {Label,   "lblAbilityCorrelation", 6180, 3435, 3780, 255, "Its correlation with the measures:", "",     Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtAbilityCorrelation"},
    {Label,   "lblReport",        120,  6090, 1500,  255, "Report",              "",                         Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the profile's battery, its directions included.
inline constexpr Carry kFrmLowScoresCarried[] = {{"txtRows", {"txtRows"}}};

inline constexpr Window frmLowScores{"frmLowScores", "Low Scores", 11400, 8010, Border::FixedSingle, Icon::Calculator,
                                     kFrmLowScoresControls, kFrmLowScoresCarried, true};

}  // namespace core::design

#endif
