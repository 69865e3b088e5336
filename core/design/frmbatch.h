#ifndef MERVANE_CORE_DESIGN_FRMBATCH_H
#define MERVANE_CORE_DESIGN_FRMBATCH_H

#include "core/design/design.h"

namespace core::design {

// Many scores at once: a pasted column in, a table out.
inline constexpr Control kFrmBatchControls[] = {
    // kind  name              left  top   width height text                   accessible      colour      font  align   tab     flags
    {Label,   "lblMeasure",      120,  135, 2250,  255, "Measure Name:",        "",             Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeasure"},
    {TextBox, "txtMeasure",     2460,  120, 1800,  285, "",                     "Measure Name", Optional,      Sans, Left,   kTab,   kInput},
    {Label,   "lblMean",         120,  495, 2250,  255, "Measure Mean:",        "",             Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMean"},
    {TextBox, "txtMean",        2460,  480, 1800,  285, "",                     "Measure Mean", Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {Label,   "lblSD",           120,  855, 2250,  255, "Measure SD:",          "",             Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSD"},
    {TextBox, "txtSD",          2460,  840, 1800,  285, "",                     "Measure SD",   Compulsory, Sans, Left,   kTab,   kNumeric},
    {Label,   "lblReliability",  120, 1215, 2250,  255, "Reliability:",         "",             Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliability"},
    {TextBox, "txtReliability", 2460, 1200, 1800,  285, "",                     "Reliability",  Optional,   Sans, Left,   kTab,   kNumeric},
    {Label,   "lblLevel",        120, 1575, 2250,  255, "Confidence Level (%):", "",            Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {TextBox, "txtLevel",       2460, 1560, 1800,  285, "",                     "Confidence Level (%)", Optional, Sans, Left,   kTab,   kNumeric},
    {Label,   "lblScores",       120, 1995, 4140,  255, "Scores, one a line:",  "",             Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtScores"},
    {TextBox, "txtScores",       120, 2280, 4140, 5100, "",                     "Scores",       Compulsory,      Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {Button,  "cmdGo",           120, 7560,  975,  375, "&Go!",                 "",             Face,       Bold, Centre, kTab,   kNoFlags},
    {Grid,    "grdScores",      4440,  120, 10440, 7815, "",                    "Scores table", Field,      Sans, Left,   kTab,   kNoFlags},
    {Button,  "cmdCopy",        1200, 7560, 1350,  375, "Co&py Table",          "",             Face,       Sans, Centre, kTab,   kNoFlags, {}, "grdScores"},
    {Button,  "cmdClose",       2670, 7560,  975,  375, "&Close",               "",             Face,       Sans, Centre, kTab,   kNoFlags},
};

// It opens with the interpretation window's measure, mean, SD, reliability and level.
inline constexpr Carry kFrmBatchCarried[] = {{"txtMeasure", {"txtMeasure"}},
                                             {"txtMean", {"txtMean"}},
                                             {"txtSD", {"txtSD"}},
                                             {"txtReliability", {"txtReliability"}},
                                             {"txtLevel", {"txtLevel"}}};

inline constexpr Window frmBatch{"frmBatch", "Many Scores", 15000, 8100, Border::FixedSingle, Icon::Calculator,
                                 kFrmBatchControls, kFrmBatchCarried, true};

}  // namespace core::design

#endif
