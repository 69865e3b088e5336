#ifndef MERVANE_CORE_DESIGN_FRMTWOTASKS_H
#define MERVANE_CORE_DESIGN_FRMTWOTASKS_H

#include "core/design/design.h"

namespace core::design {

// A case's two tasks against controls: a deficit on each, and whether the
// difference between them is a dissociation.
inline constexpr Control kFrmTwoTasksControls[] = {
    // kind, name, left, top, width, height, text, accessible, colour, font, align, tab, flags, tip, buddy
    {TextBox, "txtNameX", 2010, 405, 1740, 285, "", "Task X: Name", Optional, Sans, Left, kTab, kInput},
    {TextBox, "txtMeanX", 2010, 765, 1740, 285, "", "Task X: Controls' mean", Compulsory, Sans, Left, kTab, kNumeric | kSigned},
    {TextBox, "txtSDX", 2010, 1125, 1740, 285, "", "Task X: Controls' SD", Compulsory, Sans, Left, kTab, kNumeric},
    {TextBox, "txtScoreX", 2010, 1485, 1740, 285, "", "Task X: Case's score", Compulsory, Sans, Left, kTab, kNumeric | kSigned},
    {CheckBox, "chkLowerX", 2010, 1845, 1740, 285, "Lower is better", "Task X: lower is better", Face, Sans, Left, kTab, kNoFlags},
    {TextBox, "txtNameY", 5850, 405, 1740, 285, "", "Task Y: Name", Optional, Sans, Left, kTab, kInput},
    {TextBox, "txtMeanY", 5850, 765, 1740, 285, "", "Task Y: Controls' mean", Compulsory, Sans, Left, kTab, kNumeric | kSigned},
    {TextBox, "txtSDY", 5850, 1125, 1740, 285, "", "Task Y: Controls' SD", Compulsory, Sans, Left, kTab, kNumeric},
    {TextBox, "txtScoreY", 5850, 1485, 1740, 285, "", "Task Y: Case's score", Compulsory, Sans, Left, kTab, kNumeric | kSigned},
    {CheckBox, "chkLowerY", 5850, 1845, 1740, 285, "Lower is better", "Task Y: lower is better", Face, Sans, Left, kTab, kNoFlags},
    {TextBox, "txtN", 9990, 405, 1290, 285, "", "Number of controls", Compulsory, Sans, Left, kTab, kNumeric},
    {TextBox, "txtCorrelation", 9990, 765, 1290, 285, "", "Correlation between the tasks", Compulsory, Sans, Left, kTab, kNumeric | kSigned},
    {TextBox, "txtLevel", 9990, 1485, 1290, 285, "95", "Confidence Level (%)", Optional, Sans, Left, kTab, kNumeric},
    {Button, "cmdGo", 120, 2340, 975, 375, "&Go!", "", Face, Bold, Centre, kTab, kNoFlags},
    {TextBox, "txtTX", 2010, 3180, 1740, 285, "", "Task X: t", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtPOneX", 2010, 3540, 1740, 285, "", "Task X: p (one-tailed)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtBelowX", 2010, 3900, 1740, 285, "", "Task X: Controls below the case (%)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtTY", 5850, 3180, 1740, 285, "", "Task Y: t", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtPOneY", 5850, 3540, 1740, 285, "", "Task Y: p (one-tailed)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtBelowY", 5850, 3900, 1740, 285, "", "Task Y: Controls below the case (%)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtTDiff", 9990, 3180, 1290, 285, "", "t of the difference", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtDF", 9990, 3540, 1290, 285, "", "Degrees of freedom", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtPTwo", 9990, 3900, 1290, 285, "", "p (two-tailed)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtMoreExtreme", 9990, 4260, 1290, 285, "", "More extreme (%)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtZdcc", 9990, 4620, 1290, 285, "", "Effect size (z)", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtVerdict", 2010, 5160, 9270, 285, "", "Verdict", Field, Sans, Left, kTab, kReadOnly},
    {TextBox, "txtReport", 120, 5910, 11160, 1380, "", "Report", Field, Sans, Left, kTab, kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button, "cmdCopy", 1200, 2340, 1350, 375, "Co&py Report", "", Face, Sans, Centre, kTab, kNoFlags, {}, "txtReport"},
    {Button, "cmdClose", 2670, 2340, 975, 375, "&Close", "", Face, Sans, Centre, kTab, kNoFlags},
    // headings and captions: each names the box to its right
    {Label, "lblGroupX", 120, 120, 3390, 255, "Task X", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblNameX", 120, 420, 1800, 255, "Task Name:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtNameX"},
    {Label, "lblMeanX", 120, 780, 1800, 255, "Controls' mean:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtMeanX"},
    {Label, "lblSDX", 120, 1140, 1800, 255, "Controls' SD:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtSDX"},
    {Label, "lblScoreX", 120, 1500, 1800, 255, "Case's score:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtScoreX"},
    {Label, "lblGroupY", 3780, 120, 3390, 255, "Task Y", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblNameY", 3870, 420, 1890, 255, "Task Name:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtNameY"},
    {Label, "lblMeanY", 3870, 780, 1890, 255, "Controls' mean:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtMeanY"},
    {Label, "lblSDY", 3870, 1140, 1890, 255, "Controls' SD:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtSDY"},
    {Label, "lblScoreY", 3870, 1500, 1890, 255, "Case's score:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtScoreY"},
    {Label, "lblGroupBoth", 7800, 120, 3480, 255, "Both", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblN", 7800, 420, 2100, 255, "Number of controls:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtN"},
    {Label, "lblCorrelation", 7800, 780, 2100, 480, "Correlation between the tasks:", "", Face, Sans, Right, kNoTab, kWordWrap, {}, "txtCorrelation"},
    {Label, "lblLevel", 7800, 1500, 2100, 255, "Confidence Level (%):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtLevel"},
    {Label, "lblResultsX", 120, 2880, 3390, 255, "Task X against the controls", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblResultsY", 3780, 2880, 3390, 255, "Task Y against the controls", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblResultsDiff", 7800, 2880, 3480, 255, "The difference (RSDT)", "", Face, Bold, Left, kNoTab, kNoFlags},
    {Label, "lblTX", 120, 3195, 1800, 255, "t:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtTX"},
    {Label, "lblPOneX", 120, 3555, 1800, 255, "p (one-tailed):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtPOneX"},
    {Label, "lblBelowX", 120, 3915, 1800, 480, "Controls below the case (%):", "", Face, Sans, Right, kNoTab, kWordWrap, {}, "txtBelowX"},
    {Label, "lblTY", 3870, 3195, 1890, 255, "t:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtTY"},
    {Label, "lblPOneY", 3870, 3555, 1890, 255, "p (one-tailed):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtPOneY"},
    {Label, "lblBelowY", 3870, 3915, 1890, 480, "Controls below the case (%):", "", Face, Sans, Right, kNoTab, kWordWrap, {}, "txtBelowY"},
    {Label, "lblTDiff", 7800, 3195, 2100, 255, "t of the difference:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtTDiff"},
    {Label, "lblDF", 7800, 3555, 2100, 255, "Degrees of freedom:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtDF"},
    {Label, "lblPTwo", 7800, 3915, 2100, 255, "p (two-tailed):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtPTwo"},
    {Label, "lblMoreExtreme", 7800, 4275, 2100, 255, "More extreme (%):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtMoreExtreme"},
    {Label, "lblZdcc", 7800, 4635, 2100, 255, "Effect size (z):", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtZdcc"},
    {Label, "lblVerdict", 120, 5175, 1800, 255, "Verdict:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtVerdict"},
    {Label, "lblReport", 120, 5640, 1500, 255, "Report", "", Face, Bold, Left, kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the small-sample window's figures as task X's: its measure,
// the controls' mean, SD and number, the case's score and its direction.
inline constexpr Carry kFrmTwoTasksCarried[] = {{"txtNameX", {"txtMeasure"}}, {"txtMeanX", {"txtMean"}},
                                                {"txtSDX", {"txtSD"}},         {"txtScoreX", {"txtScore"}},
                                                {"chkLowerX", {"chkLower"}},   {"txtN", {"txtN"}}};

inline constexpr Window frmTwoTasks{"frmTwoTasks", "Two Tasks Against Controls", 11400, 7410, Border::FixedSingle,
                                    Icon::Calculator, kFrmTwoTasksControls, kFrmTwoTasksCarried, true};

}  // namespace core::design

#endif
