#ifndef MERVANE_CORE_DESIGN_FRMPROFILE_H
#define MERVANE_CORE_DESIGN_FRMPROFILE_H

#include "core/design/design.h"

namespace core::design {

// A battery on one page: each measure on its own norms, side by side on the
// standard-score scale, with the person's relative strengths and weaknesses.
inline constexpr Control kFrmProfileControls[] = {
    // kind  name              left   top  width height text                 accessible             colour      font  align   tab     flags
    {TextBox, "txtRows",        120,   405, 8640, 2790, "",                  "Measures",            Compulsory, Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {TextBox, "txtLevel",      2460,  3360, 1200,  285, "95",                "Confidence Level (%)", Optional,  Sans, Left,   kTab,   kNumeric},
    {Button,  "cmdGo",          120,  3780,  975,  375, "&Go!",              "",                    Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox, "txtMeanScore",  5640,  3360, 1080,  285, "",                  "Mean standard score", Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtReport",      120,  4590, 8640, 1710, "",                  "Report",              Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Grid,    "grdProfile",     120,  6480, 14160, 3480, "",                 "Profile table",       Field,      Sans, Left,   kTab,   kStacked},
    {Button,  "cmdCopy",       1200,  3780, 1350,  375, "Co&py Table",       "",                    Face,       Sans, Centre, kTab,   kNoFlags, {}, "grdProfile"},
    {Button,  "cmdSave",       2670,  3780, 1500,  375, "&Save Picture...",  "",                    Face,       Sans, Centre, kTab,   kNoFlags, {}, "picProfile"},
    {Button,  "cmdClose",      4290,  3780,  975,  375, "&Close",            "",                    Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdLowScores",  5385,  3780, 1500,  375, "&Low Scores...",    "",                    Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdComposite",  7005,  3780, 1500,  375, "Co&mposite...",     "",                    Face,       Sans, Centre, kTab,   kNoFlags},
    // captions and the picture
    {Label,   "lblRows",        120,     0, 8640,  405, "Measures, one a line: name, mean, SD, score, reliability, direction, separated by tabs or semicolons:", "", Face, Sans, Left, kNoTab, kWordWrap, {}, "txtRows"},
    {Label,   "lblLevel",       120,  3375, 2250,  255, "Confidence Level (%):", "",                Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {Label,   "lblMeanScore",  3780,  3375, 1770,  255, "Mean standard score:", "",                 Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeanScore"},
    {Drawing, "picProfile",    8880,   120, 5400, 6180, "profile.svg",       "Score profile",       Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtReport"},
    {Label,   "lblReport",      120,  4320, 1500,  255, "Report",            "",                    Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the main window's measure as the first line, when it has a mean, an SD and a raw score.
inline constexpr Carry kFrmProfileCarried[] = {{"txtRows", {"txtMeasure", "txtMean", "txtSD", "txtScore"}, kIntoEmpty}};

inline constexpr Window frmProfile{"frmProfile", "Score Profile", 14400, 10080, Border::FixedSingle, Icon::Calculator,
                                   kFrmProfileControls, kFrmProfileCarried, true};

}  // namespace core::design

#endif
