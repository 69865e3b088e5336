#ifndef MERVANE_CORE_DESIGN_FRMREPORT_H
#define MERVANE_CORE_DESIGN_FRMREPORT_H

#include "core/design/design.h"

namespace core::design {

// The whole assessment as one document, from what every other window keeps,
// to print, save or paste; and the case, every window's inputs, as a file.
inline constexpr Control kFrmReportControls[] = {
    // kind  name              left  top  width height text               accessible            colour  font  align   tab     flags
    {TextBox, "txtPerson",     1200,  120, 3480,  285, "",                "Person",             Optional, Sans, Left,   kTab,   kInput},
    {TextBox, "txtDate",       6960,  120, 1800,  285, "",                "Date of assessment", Optional, Sans, Left,   kTab,   kInput},
    {TextBox, "txtExaminer",   1200,  480, 3480,  285, "",                "Examiner",           Optional, Sans, Left,   kTab,   kInput},
    {Button,  "cmdPrint",       120,  960, 1200,  375, "&Print...",       "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdSaveReport", 1440,  960, 1500,  375, "&Save Report...", "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdCopy",       3060,  960, 1350,  375, "Cop&y Report",    "",                   Face,   Sans, Centre, kTab,   kNoFlags, {}, "docReport"},
    {Button,  "cmdClose",      4530,  960,  975,  375, "&Close",          "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdNewCase",    5625,  960, 1200,  375, "&New Case",       "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdOpenCase",   6945,  960, 1380,  375, "&Open Case...",   "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Button,  "cmdSaveCase",   8445,  960, 1380,  375, "Sa&ve Case...",   "",                   Face,   Sans, Centre, kTab,   kNoFlags},
    {Viewer,  "docReport",      120, 1500, 10560, 7380, "report.pdf",     "Report",             Field,  Sans, Left,   kTab,   kNoFlags},
    // captions
    {Label,   "lblPerson",      120,  135, 1020,  255, "Person:",         "",                   Face,   Sans, Right,  kNoTab, kNoFlags, {}, "txtPerson"},
    {Label,   "lblDate",       4800,  135, 2100,  255, "Date of assessment:", "",               Face,   Sans, Right,  kNoTab, kNoFlags, {}, "txtDate"},
    {Label,   "lblExaminer",    120,  495, 1020,  255, "Examiner:",       "",                   Face,   Sans, Right,  kNoTab, kNoFlags, {}, "txtExaminer"},
};

inline constexpr Window frmReport{"frmReport", "Report", 10800, 9000, Border::FixedSingle, Icon::Calculator,
                                  kFrmReportControls, {}, true};

}  // namespace core::design

#endif
