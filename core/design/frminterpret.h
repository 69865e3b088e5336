#ifndef MERVANE_CORE_DESIGN_FRMINTERPRET_H
#define MERVANE_CORE_DESIGN_FRMINTERPRET_H

#include "core/design/design.h"

namespace core::design {

// The interpretation of a score: the scales, the label, the confidence
// intervals from the reliability and the reliable change at a retest.
inline constexpr Control kFrmInterpretControls[] = {
    // kind  name                       left    top  width height text                      accessible                 colour      font  align   tab     flags
    // inputs: each caption names the box to its right
    {Label,   "lblMeasure",                120,   135,  2250,  255, "Measure Name:",           "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeasure"},
    {TextBox, "txtMeasure",               2460,   120,  1800,  285, "",                        "Measure Name",            Optional,      Sans, Left,   kTab,   kInput},
    {Label,   "lblMean",                   120,   495,  2250,  255, "Measure Mean:",           "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMean"},
    {TextBox, "txtMean",                  2460,   480,  1800,  285, "",                        "Measure Mean",            Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {Label,   "lblSD",                     120,   855,  2250,  255, "Measure SD:",             "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSD"},
    {TextBox, "txtSD",                    2460,   840,  1800,  285, "",                        "Measure SD",              Compulsory, Sans, Left,   kTab,   kNumeric},
    {Label,   "lblScore",                  120,  1215,  2250,  255, "Raw Score:",              "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScore"},
    {TextBox, "txtScore",                 2460,  1200,  1800,  285, "",                        "Raw Score",               Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {Label,   "lblReliability",            120,  1575,  2250,  255, "Reliability:",            "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliability"},
    {TextBox, "txtReliability",           2460,  1560,  1800,  285, "",                        "Reliability",             Optional,   Sans, Left,   kTab,   kNumeric},
    {Label,   "lblLevel",                  120,  1935,  2250,  255, "Confidence Level (%):",   "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {TextBox, "txtLevel",                 2460,  1920,  1800,  285, "95",                      "Confidence Level (%)",    Optional,   Sans, Left,   kTab,   kNumeric},
    {Label,   "lblRetest",                 120,  2295,  2250,  255, "Retest Score:",           "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtRetest"},
    {TextBox, "txtRetest",                2460,  2280,  1800,  285, "",                        "Retest Score",            Optional,   Sans, Left,   kTab,   kNumeric | kSigned},
    {Label,   "lblPractice",               120,  2655,  2250,  255, "Practice Effect:",        "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPractice"},
    {TextBox, "txtPractice",              2460,  2640,  1800,  285, "",                        "Practice Effect",         Optional,   Sans, Left,   kTab,   kNumeric | kSigned},
    // Go and the curve
    {Button,  "cmdGo",                     120,  3120,   975,  375, "&Go!",                    "",                        Face,       Bold, Centre, kTab,   kNoFlags},
    {Drawing, "picCurve",                 4500,   120,  5880, 2880, "",                        "Normal curve",            Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtReport"},
    // scales
    {Label,   "lblGroupScales",            120,  3600,  1500,  255, "Scales",                  "",                        Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,   "lblZScore",                 120,  3915,  1560,  255, "z Score:",                "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtZScore"},
    {TextBox, "txtZScore",                1740,  3900,  1560,  285, "",                        "z Score",                 Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblPercentile",             120,  4275,  1560,  255, "Percentile:",             "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPercentile"},
    {TextBox, "txtPercentile",            1740,  4260,  1560,  285, "",                        "Percentile",              Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTScore",                 120,  4635,  1560,  255, "T Score:",                "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTScore"},
    {TextBox, "txtTScore",                1740,  4620,  1560,  285, "",                        "T Score",                 Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblStandardScore",          120,  4995,  1560,  255, "Standard Score:",         "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtStandardScore"},
    {TextBox, "txtStandardScore",         1740,  4980,  1560,  285, "",                        "Standard Score",          Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblScaledScore",            120,  5355,  1560,  255, "Scaled Score:",           "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScaledScore"},
    {TextBox, "txtScaledScore",           1740,  5340,  1560,  285, "",                        "Scaled Score",            Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblNCE",                    120,  5715,  1560,  255, "NCE:",                    "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtNCE"},
    {TextBox, "txtNCE",                   1740,  5700,  1560,  285, "",                        "NCE",                     Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblStanine",                120,  6075,  1560,  255, "Stanine:",                "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtStanine"},
    {TextBox, "txtStanine",               1740,  6060,  1560,  285, "",                        "Stanine",                 Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblSten",                   120,  6435,  1560,  255, "Sten:",                   "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSten"},
    {TextBox, "txtSten",                  1740,  6420,  1560,  285, "",                        "Sten",                    Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblLabel",                  120,  6795,  1560,  255, "Label:",                  "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLabel"},
    {TextBox, "txtLabel",                 1740,  6780,  1560,  285, "",                        "Label",                   Field,      Sans, Left,   kTab,   kReadOnly},
    // interval
    {Label,   "lblGroupInterval",         3480,  3600,  1500,  255, "Interval",                "",                        Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,   "lblCriticalZ",             3480,  3915,  1860,  255, "Critical z:",             "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtCriticalZ"},
    {TextBox, "txtCriticalZ",             5400,  3900,  1500,  285, "",                        "Critical z",              Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblSEM",                   3480,  4275,  1860,  255, "SEM:",                    "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSEM"},
    {TextBox, "txtSEM",                   5400,  4260,  1500,  285, "",                        "SEM",                     Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblObservedLow",           3480,  4635,  1860,  255, "Observed Low:",           "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtObservedLow"},
    {TextBox, "txtObservedLow",           5400,  4620,  1500,  285, "",                        "Observed Low",            Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblObservedHigh",          3480,  4995,  1860,  255, "Observed High:",          "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtObservedHigh"},
    {TextBox, "txtObservedHigh",          5400,  4980,  1500,  285, "",                        "Observed High",           Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueScore",             3480,  5355,  1860,  255, "True Score:",             "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueScore"},
    {TextBox, "txtTrueScore",             5400,  5340,  1500,  285, "",                        "True Score",              Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblSEE",                   3480,  5715,  1860,  255, "SEE:",                    "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSEE"},
    {TextBox, "txtSEE",                   5400,  5700,  1500,  285, "",                        "SEE",                     Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueLow",               3480,  6075,  1860,  255, "True Low:",               "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueLow"},
    {TextBox, "txtTrueLow",               5400,  6060,  1500,  285, "",                        "True Low",                Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueHigh",              3480,  6435,  1860,  255, "True High:",              "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueHigh"},
    {TextBox, "txtTrueHigh",              5400,  6420,  1500,  285, "",                        "True High",               Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueLowPercentile",     3480,  6795,  1860,  255, "True Low Percentile:",    "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueLowPercentile"},
    {TextBox, "txtTrueLowPercentile",     5400,  6780,  1500,  285, "",                        "True Low Percentile",     Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueHighPercentile",    3480,  7155,  1860,  255, "True High Percentile:",   "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueHighPercentile"},
    {TextBox, "txtTrueHighPercentile",    5400,  7140,  1500,  285, "",                        "True High Percentile",    Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueLowLabel",          3480,  7515,  1860,  255, "True Low Label:",         "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueLowLabel"},
    {TextBox, "txtTrueLowLabel",          5400,  7500,  1500,  285, "",                        "True Low Label",          Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblTrueHighLabel",         3480,  7875,  1860,  255, "True High Label:",        "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueHighLabel"},
    {TextBox, "txtTrueHighLabel",         5400,  7860,  1500,  285, "",                        "True High Label",         Field,      Sans, Left,   kTab,   kReadOnly},
    // change
    {Label,   "lblGroupChange",           7080,  3600,  1500,  255, "Change",                  "",                        Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,   "lblSdiff",                 7080,  3915,  1560,  255, "Sdiff:",                  "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSdiff"},
    {TextBox, "txtSdiff",                 8700,  3900,  1680,  285, "",                        "Sdiff",                   Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblRCI",                   7080,  4275,  1560,  255, "RCI:",                    "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtRCI"},
    {TextBox, "txtRCI",                   8700,  4260,  1680,  285, "",                        "RCI",                     Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblRCIConf",               7080,  4635,  1560,  255, "RCI Confidence:",         "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtRCIConf"},
    {TextBox, "txtRCIConf",               8700,  4620,  1680,  285, "",                        "RCI Confidence",          Field,      Sans, Left,   kTab,   kReadOnly},
    {Label,   "lblChange",                7080,  4995,  1560,  255, "Change:",                 "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtChange"},
    {TextBox, "txtChange",                8700,  4980,  1680,  285, "",                        "Change",                  Field,      Sans, Left,   kTab,   kReadOnly},
    // the report
    {Label,   "lblReport",                 120,  8280,  1500,  255, "Report",                  "",                        Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
    {TextBox, "txtReport",                 120,  8550, 10260, 1200, "",                        "Report",                  Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    // commands after the report in tab order
    {Button,  "cmdCopy",                  1200,  3120,  1350,  375, "Co&py Report",            "",                        Face,       Sans, Centre, kTab,   kNoFlags, {}, "txtReport"},
    {Button,  "cmdClose",                 2670,  3120,   975,  375, "&Close",                  "",                        Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdBatch",                 3750,  3120,  1350,  375, "&Many Scores",            "",                        Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdPredict",               5220,  3120,  1650,  375, "Pre&dicted Score...",     "",                        Face,       Sans, Centre, kTab,   kNoFlags},
};

// It opens with the main window's measure, mean, SD and raw score.
inline constexpr Carry kFrmInterpretCarried[] = {
    {"txtMeasure", {"txtMeasure"}}, {"txtMean", {"txtMean"}}, {"txtSD", {"txtSD"}}, {"txtScore", {"txtScore"}}};

inline constexpr Window frmInterpret{"frmInterpret", "Score Interpretation", 10500, 9900, Border::FixedSingle,
                                     Icon::Calculator, kFrmInterpretControls, kFrmInterpretCarried, true};

}  // namespace core::design

#endif
