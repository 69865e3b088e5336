#ifndef MERVANE_CORE_DESIGN_FRMMAIN_H
#define MERVANE_CORE_DESIGN_FRMMAIN_H

#include "core/design/design.h"
#include "core/text/texts.h"

namespace core::design {

// The calculator's working window: its tab stops first, in tab order, then
// the controls that Tab passes by. Controls are created in this order.
inline constexpr Control kFrmMainControls[] = {
    // kind     name                            left  top   width height text                      accessible                                                  colour      font  align   tab     flags
    {TextBox,   "txtScore",                      360, 2280, 3975,  285, "",                        "Raw Score",                                                Optional,   Sans, Left,   kTab,   kNumeric},
    {Button,    "cmdGo",                         360, 3600,  975,  375, "&Go!",                    "",                                                         Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox,   "txtMean",                      5280, 1920, 3735,  285, "",                        "Measure Mean",                                             Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,   "txtSD",                        5280, 3120, 3735,  285, "",                        "Measure SD",                                               Compulsory, Sans, Left,   kTab,   kNumeric},
    {TextBox,   "txtMeasure",                   5280,  720, 3735,  285, "",                        "Measure Name",                                             Field,      Sans, Left,   kTab,   kInput},
    {Button,    "cmdClear",                     1920, 3600,  975,  375, "&Clear",                  "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdExit",                      3600, 3600,  975,  375, "E&xit",                   "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {TextBox,   "txtZScore",                    2520, 4920, 2295,  285, "",                        "Z Score of Raw Score",                                     Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtPercentile",                2520, 5520, 2295,  285, "",                        "Percentile of Raw Score",                                  Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtSD1",                       7320, 4200, 2295,  285, "",                        "1 SD (68.26%)",                                            Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtSD196",                     7320, 4680, 2295,  285, "",                        "1.96 SD (95%)",                                            Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtSD258",                     7320, 5160, 2295,  285, "",                        "2.58 SD (99%)",                                            Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtConf",                      2520, 6120, 2295,  285, "",                        "Confidence Level That Raw Score Is Different To The Mean", Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txt95Percent",                 7320, 7200, 2295,  285, "",                        "95th Percentile of Measure",                               Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txt75Percent",                 7320, 6720, 2295,  285, "",                        "75th Percentile of Measure",                               Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txt99Percent",                 7320, 7680, 2295,  285, "",                        "99th Percentile of Measure",                               Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txt25Percent",                 7320, 6240, 2295,  285, "",                        "25th Percentile of Measure",                               Field,      Sans, Left,   kTab,   kNoFlags},
    {Button,    "cmdCredits",                   3000, 4200,  735,  255, "Cre&dits",                "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdAssumptions",               1080, 4200, 1095,  255, "&Assumptions",            "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {TextBox,   "txtUserStipulatedSD",           360, 3120, 1815,  285, "",                        "User Stipulated SD",                                       Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox,   "txtUserStipulatedPercentile",  2520, 3120, 1815,  285, "",                        "User Stipulated Percentile",                               Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox,   "txtUserSDAnswer",              3960, 6720,  855,  285, "",                        "User stipulated SD equates to a score of",                 Field,      Sans, Left,   kTab,   kNoFlags},
    {TextBox,   "txtUserPercentileAnswer",      3960, 7320,  855,  285, "",                        "User stipulated %ile equates to a score of",               Field,      Sans, Left,   kTab,   kNoFlags},
    {Button,    "cmdInterpret",                  240, 7800, 1065,  255, "&Interpret",              "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdProfile",                   1330, 7800, 1065,  255, "&Profile",                "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdCompare",                   2420, 7800, 1065,  255, "T&wo Scores",             "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdCase",                      3510, 7800, 1065,  255, "Small &Sample",           "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    {Button,    "cmdReport",                    3840, 4200, 1035,  255, "&Report...",              "",                                                         Face,       Sans, Centre, kTab,   kNoFlags},
    // echo boxes
    {TextBox,   "txtSDUser",                    1800, 6765,  615,  195, "",                        "User stipulated SD of",                                    Face,       Sans, Centre, kNoTab, kBorder},
    {TextBox,   "txtPercentileUser",            1800, 7365,  615,  195, "",                        "User stipulated %ile of",                                  Face,       Sans, Centre, kNoTab, kBorder},
    // caption boxes
    {TextBox,   "txtInstructions",               360,  120, 4455, 1575, texts::kInstructions,      "Instructions",                                             Face,       Sans, Left,   kNoTab, kMultiLine | kWordWrap},
    {TextBox,   "txtScoreName",                  360, 1920, 3855,  285, "Raw Score",               "",                                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtScore"},
    {TextBox,   "txtMeasureName",               5280,  360, 3855,  285, "Measure Name",            "",                                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtMeasure"},
    {TextBox,   "txtSoreName",                  5280, 1560, 3855,  285, "Measure Mean",            "",                                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtMean"},
    {TextBox,   "txtMeasureSDName",             5280, 2760, 3855,  285, "Measure SD",              "",                                                         Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtSD"},
    {TextBox,   "txtZScoreName",                 720, 4965, 1695,  195, "Z Score of Raw Score:",   "",                                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtZScore"},
    {TextBox,   "txtPercName",                   600, 5565, 1815,  195, "Percentile of Raw Score:", "",                                                        Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPercentile"},
    {TextBox,   "Text1",                         240, 6765, 1575,  195, "User stipulated SD of",   "",                                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSDUser"},
    {TextBox,   "Text3",                         240, 7365, 1575,  195, "User stipulated %ile of", "",                                                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPercentileUser"},
    // labels
    {Label,     "lbl1SD_0",                     5520, 4215, 1695,  255, "1 SD (68.26%):",             "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtSD1"},
    {Label,     "lbl1SD_1",                     5880, 5160, 1335,  255, "2.58 SD (99%):",             "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtSD258"},
    {Label,     "lbl1SD_2",                     5160, 7215, 2055,  255, "95th Percentile of Measure:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txt95Percent"},
    {Label,     "lbl1SD_3",                     5160, 6735, 2055,  255, "75th Percentile of Measure:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txt75Percent"},
    {Label,     "lbl1SD_4",                     5160, 7695, 2055,  255, "99th Percentile of Measure:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txt99Percent"},
    {Label,     "lbl1SD_5",                     5160, 6255, 2055,  255, "25th Percentile of Measure:", "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txt25Percent"},
    {Label,     "lbl1SD_6",                      360, 2760, 1455,  255, "User Stipulated SD",         "", Face, Sans, Left,  kNoTab, kNoFlags, {}, "txtUserStipulatedSD"},
    {Label,     "lbl1SD_7",                     2520, 2760, 2055,  255, "User Stipulated Percentile", "", Face, Sans, Left,  kNoTab, kNoFlags, {}, "txtUserStipulatedPercentile"},
    {Label,     "Label1",                       5520, 4695, 1695,  255, "1.96 SD (95%):",             "", Face, Sans, Right, kNoTab, kNoFlags, {}, "txtSD196"},
    {Label,     "Label2",                          0, 6015, 2415,  480, "Confidence Level That Raw Score Is Different To The Mean:", "", Face, Sans, Right, kNoTab, kWordWrap, {}, "txtConf"},
    {Label,     "Label3",                       5280, 5760, 3495,  255, "Percentiles of Measure",     "", Face, Bold, Left,  kNoTab, kNoFlags},
    {Label,     "Label4",                       2400, 6765, 1575,  195, "equates to a score of:",     "", Face, Sans, Left,  kNoTab, kNoFlags, {}, "txtUserSDAnswer"},
    {Label,     "Label5",                       2400, 7365, 1575,  195, "equates to a score of:",     "", Face, Sans, Left,  kNoTab, kNoFlags, {}, "txtUserPercentileAnswer"},
    {Label,     "lblConf",                      5280, 3720, 3495,  255, "Confidence Level Cut-Offs of Measure", "", Face, Bold, Left, kNoTab, kNoFlags},
    // picture, lines, status bar
    {Picture,   "picConf",                      1800, 2767,  240,  240, "help.png",                "Converter (F1)", Face, Sans, Left, kNoTab, kNoFlags,
     "Converter (F1)"},
    {Line,      "lnVertical",                   5040,  240, 5040, 8160, "", "", Face, Sans, Left, kNoTab, kNoFlags, {}, {}, {}, 1},
    {Line,      "lnHorizontal",                 5040, 4560,    0, 4560, "", "", Face, Sans, Left, kNoTab, kNoFlags, {}, {}, {}, 3},
    {StatusBar, "StatusBar",                       0, 8160, 9900,  285, "Lorvi's Generator",       "", Face, Sans, Left, kNoTab, kNoFlags},
};

inline constexpr Window frmMain{"frmMain", "Mervane", 9900, 8445, Border::Sizable, Icon::Calculator, kFrmMainControls};

}  // namespace core::design

#endif
