#ifndef MERVANE_CORE_DESIGN_FRMCOMPARE_H
#define MERVANE_CORE_DESIGN_FRMCOMPARE_H

#include "core/design/design.h"

namespace core::design {

// Two of a person's scores compared: whether the difference is reliable, and how rare it is.
inline constexpr Control kFrmCompareControls[] = {
    // kind   name               left   top  width height text                 accessible                    colour      font  align   tab     flags
    {TextBox,  "txtNameA",         2010,  405, 1740,  285, "",                  "Score A: Measure Name",      Optional,      Sans, Left,   kTab,   kInput},
    {TextBox,  "txtMeanA",         2010,  765, 1740,  285, "",                  "Score A: Measure Mean",      Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox,  "txtSDA",           2010, 1125, 1740,  285, "",                  "Score A: Measure SD",        Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,  "txtScoreA",        2010, 1485, 1740,  285, "",                  "Score A: Raw Score",         Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox,  "txtReliabilityA",  2010, 1845, 1740,  285, "",                  "Score A: Reliability",       Optional,   Sans, Left,   kTab,   kNumeric},
    {CheckBox, "chkLowerA",        2010, 2205, 1700,  285, "Lower is better",   "Score A: lower is better",   Face,       Sans, Left,   kTab,   kNoFlags},
    {TextBox,  "txtNameB",         5850,  405, 1740,  285, "",                  "Score B: Measure Name",      Optional,      Sans, Left,   kTab,   kInput},
    {TextBox,  "txtMeanB",         5850,  765, 1740,  285, "",                  "Score B: Measure Mean",      Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox,  "txtSDB",           5850, 1125, 1740,  285, "",                  "Score B: Measure SD",        Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,  "txtScoreB",        5850, 1485, 1740,  285, "",                  "Score B: Raw Score",         Compulsory, Sans, Left,   kTab,   kNumeric | kSigned},
    {TextBox,  "txtReliabilityB",  5850, 1845, 1740,  285, "",                  "Score B: Reliability",       Optional,   Sans, Left,   kTab,   kNumeric},
    {CheckBox, "chkLowerB",        5850, 2205, 1700,  285, "Lower is better",   "Score B: lower is better",   Face,       Sans, Left,   kTab,   kNoFlags},
    {TextBox,  "txtCorrelation",   9990,  405, 1290,  285, "",                  "Correlation between the tests", Optional, Sans, Left,  kTab,   kNumeric | kSigned},
    {TextBox,  "txtLevel",         9990, 1125, 1290,  285, "95",                "Confidence Level (%)",       Optional,   Sans, Left,   kTab,   kNumeric},
    {Button,   "cmdGo",             120, 2700,  975,  375, "&Go!",              "",                           Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox,  "txtStandardA",     2010, 3600, 1500,  285, "",                  "Standard Score A",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtLabelA",        2010, 3960, 1500,  285, "",                  "Label A",                    Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtStandardB",     2010, 4320, 1500,  285, "",                  "Standard Score B",           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtLabelB",        2010, 4680, 1500,  285, "",                  "Label B",                    Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtDifference",    2010, 5040, 1500,  285, "",                  "Difference A minus B",       Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtSEDiff",        5850, 3600, 1860,  285, "",                  "SE of the difference",       Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtCritical",      5850, 3960, 1860,  285, "",                  "Critical difference",        Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtDiffZ",         5850, 4320, 1860,  285, "",                  "z of the difference",       Field,    Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtDiffConf",      5850, 4680, 1860,  285, "",                  "Confidence (%)",             Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtReliable",      5850, 5040, 1860,  285, "",                  "At the level",               Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtAbnormalZ",     9990, 3600, 1290,  285, "",                  "z for rarity",               Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox,  "txtRarity",        9990, 3960, 1290,  285, "",                  "Population with a larger difference in the same direction (%)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox,  "txtReport",         120, 5790, 11160, 1500, "",                 "Report",                     Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button,   "cmdCopy",          1200, 2700, 1350,  375, "Co&py Report",      "",                           Face,       Sans, Centre, kTab,   kNoFlags, {}, "txtReport"},
    {Button,   "cmdClose",         2670, 2700,  975,  375, "&Close",            "",                           Face,       Sans, Centre, kTab,   kNoFlags},
    // captions: each names the box to its right, or below it in the third column
    {Label,    "lblGroupA",         120,  120, 3390,  255, "Score A",           "",                           Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblNameA",          120,  420, 1800,  255, "Measure Name:",     "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtNameA"},
    {Label,    "lblMeanA",          120,  780, 1800,  255, "Measure Mean:",     "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeanA"},
    {Label,    "lblSDA",            120, 1140, 1800,  255, "Measure SD:",       "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSDA"},
    {Label,    "lblScoreA",         120, 1500, 1800,  255, "Raw Score:",        "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScoreA"},
    {Label,    "lblReliabilityA",   120, 1860, 1800,  255, "Reliability:",      "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliabilityA"},
    {Label,    "lblGroupB",        3780,  120, 3390,  255, "Score B",           "",                           Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblNameB",         3870,  420, 1890,  255, "Measure Name:",     "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtNameB"},
    {Label,    "lblMeanB",         3870,  780, 1890,  255, "Measure Mean:",     "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeanB"},
    {Label,    "lblSDB",           3870, 1140, 1890,  255, "Measure SD:",       "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSDB"},
    {Label,    "lblScoreB",        3870, 1500, 1890,  255, "Raw Score:",        "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtScoreB"},
    {Label,    "lblReliabilityB",  3870, 1860, 1890,  255, "Reliability:",      "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliabilityB"},
    {Label,    "lblGroupBoth",     7800,  120, 3480,  255, "Both",              "",                           Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblCorrelation",   7800,  420, 2100,  480, "Correlation between the tests:", "",              Face,       Sans, Right,  kNoTab, kWordWrap, {}, "txtCorrelation"},
    {Label,    "lblLevel",         7800, 1140, 2100,  255, "Confidence Level (%):", "",                       Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {Label,    "lblGroupScores",    120, 3300, 3390,  255, "Standard scores",   "",                           Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblStandardA",      120, 3615, 1800,  255, "Standard Score A:", "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtStandardA"},
    {Label,    "lblLabelA",         120, 3975, 1800,  255, "Label A:",          "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLabelA"},
    {Label,    "lblStandardB",      120, 4335, 1800,  255, "Standard Score B:", "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtStandardB"},
    {Label,    "lblLabelB",         120, 4695, 1800,  255, "Label B:",          "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLabelB"},
    {Label,    "lblDifference",     120, 5055, 1800,  255, "Difference (A \u2212 B):", "",                    Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtDifference"},
    {Label,    "lblGroupReliable", 3780, 3300, 3930,  255, "Reliable difference", "",                         Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblSEDiff",        3780, 3615, 1980,  255, "SE of the difference:", "",                       Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSEDiff"},
    {Label,    "lblCritical",      3780, 3975, 1980,  255, "Critical difference:", "",                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtCritical"},
    {Label,    "lblDiffZ",         3780, 4335, 1980,  255, "z of the difference:",                "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtDiffZ"},
    {Label,    "lblDiffConf",      3780, 4695, 1980,  255, "Confidence (%):",   "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtDiffConf"},
    {Label,    "lblReliable",      3780, 5055, 1980,  255, "At the level:",     "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliable"},
    {Label,    "lblGroupRare",     7800, 3300, 3480,  255, "How rare",          "",                           Face,       Bold, Left,   kNoTab, kNoFlags},
    {Label,    "lblAbnormalZ",     7800, 3615, 2100,  255, "z for rarity:",                "",                           Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtAbnormalZ"},
    {Label,    "lblRarity",        7800, 3975, 2100,  720, "Population with a larger difference in the same direction (%):", "",    Face,       Sans, Right,  kNoTab, kWordWrap, {}, "txtRarity"},
    {Label,    "lblReport",         120, 5520, 1500,  255, "Report",            "",                           Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// Score A opens as the main window's measure.
inline constexpr Carry kFrmCompareCarried[] = {
    {"txtNameA", {"txtMeasure"}}, {"txtMeanA", {"txtMean"}}, {"txtSDA", {"txtSD"}}, {"txtScoreA", {"txtScore"}}};

inline constexpr Window frmCompare{"frmCompare", "Two Scores", 11400, 7410, Border::FixedSingle, Icon::Calculator,
                                   kFrmCompareControls, kFrmCompareCarried, true};

}  // namespace core::design

#endif
