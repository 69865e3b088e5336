#ifndef MERVANE_CORE_DESIGN_FRMCOMPOSITE_H
#define MERVANE_CORE_DESIGN_FRMCOMPOSITE_H

#include "core/design/design.h"

namespace core::design {

// A composite of a battery's measures, as a manual builds an index.
inline constexpr Control kFrmCompositeControls[] = {
    // kind  name                left   top  width height text        accessible                               colour      font  align   tab     flags
    {TextBox, "txtRows",          120,   405, 5520, 2400, "",         "Measures",                              Compulsory, Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {TextBox, "txtCorrelations", 5880,   405, 5400, 2400, "",         "Correlations",                          Optional,   Sans, Left,   kTab,   kMultiLine | kScrollBars | kInput},
    {TextBox, "txtCorrelation",  2460,  2970, 1200,  285, "",         "Average correlation",                   Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtLevel",        6120,  2970, 1200,  285, "95",       "Confidence Level (%)",                  Optional,   Sans, Left,   kTab,   kNumeric},
    {TextBox, "txtName",         8280,  2970, 3000,  285, "",         "Composite's name",                      Optional,   Sans, Left,   kTab,   kInput},
    {Button,  "cmdGo",            120,  3420,  975,  375, "&Go!",     "",                                      Face,       Bold, Centre, kTab,   kNoFlags},
    {TextBox, "txtCount",        2460,  3960, 1200,  285, "",         "Measures used",                         Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtZ",            2460,  4320, 1200,  285, "",         "Composite z",                           Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtStandard",     2460,  4680, 1200,  285, "",         "Composite standard score",              Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtPercentile",   2460,  5040, 1200,  285, "",         "Composite percentile",                  Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtLabel",        2460,  5400, 1800,  285, "",         "Composite label",                       Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtMeanStandard", 7200,  3960, 1200,  285, "",         "Mean of the measures' standard scores", Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtReliability",  7200,  4320, 1200,  285, "",         "Composite reliability",                 Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtSEM",          7200,  4680, 1200,  285, "",         "Composite SEM",                         Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtTrue",         7200,  5040, 1200,  285, "",         "Estimated true score",                  Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtTrueLow",      7200,  5400, 1200,  285, "",         "Lower limit of the true score",         Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtTrueHigh",     8520,  5400, 1200,  285, "",         "Upper limit of the true score",         Field,      Sans, Left,   kTab,   kReadOnly},
    {TextBox, "txtReport",        120,  6120, 11160, 1260, "",        "Report",                                Field,      Sans, Left,   kTab,   kMultiLine | kWordWrap | kReadOnly | kScrollBars},
    {Button,  "cmdCopy",         1200,  3420, 1350,  375, "Co&py Report", "",                                  Face,       Sans, Centre, kTab,   kNoFlags, {}, "txtReport"},
    {Button,  "cmdClose",        2670,  3420,  975,  375, "&Close",   "",                                      Face,       Sans, Centre, kTab,   kNoFlags},
    // captions
    {Label,   "lblRows",          120,   135, 5520,  255, "Measures, one a line, as in the profile:", "",      Face,       Sans, Left,   kNoTab, kNoFlags, {}, "txtRows"},
    {Label,   "lblCorrelations", 5880,     0, 5400,  405, "Correlations, one row a line, in the battery's order (optional):", "", Face, Sans, Left, kNoTab, kWordWrap, {}, "txtCorrelations"},
    {Label,   "lblCorrelation",   120,  2985, 2250,  255, "Average correlation:", "",                          Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtCorrelation"},
    {Label,   "lblLevel",        3780,  2985, 2250,  255, "Confidence Level (%):", "",                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLevel"},
    {Label,   "lblName",         7440,  2985,  750,  255, "Name:",    "",                                      Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtName"},
    {Label,   "lblCount",         120,  3975, 2250,  255, "Measures used:", "",                                Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtCount"},
    {Label,   "lblZ",             120,  4335, 2250,  255, "z:",       "",                                      Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtZ"},
    {Label,   "lblStandard",      120,  4695, 2250,  255, "Standard score:", "",                               Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtStandard"},
    {Label,   "lblPercentile",    120,  5055, 2250,  255, "Percentile:", "",                                   Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtPercentile"},
    {Label,   "lblLabel",         120,  5415, 2250,  255, "Label:",   "",                                      Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtLabel"},
    {Label,   "lblMeanStandard", 4380,  3975, 2730,  255, "Mean of the standard scores:", "",                  Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtMeanStandard"},
    {Label,   "lblReliability",  4380,  4335, 2730,  255, "Reliability:", "",                                  Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtReliability"},
    {Label,   "lblSEM",          4380,  4695, 2730,  255, "SEM:",     "",                                      Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtSEM"},
    {Label,   "lblTrue",         4380,  5055, 2730,  255, "Estimated true score:", "",                         Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrue"},
    {Label,   "lblInterval",     4380,  5415, 2730,  255, "True-score interval:", "",                          Face,       Sans, Right,  kNoTab, kNoFlags, {}, "txtTrueLow"},
    {Label,   "lblReport",        120,  5850, 1500,  255, "Report",   "",                                      Face,       Bold, Left,   kNoTab, kNoFlags, {}, "txtReport"},
};

// It opens with the profile's battery, its directions included.
inline constexpr Carry kFrmCompositeCarried[] = {{"txtRows", {"txtRows"}}};

inline constexpr Window frmComposite{"frmComposite", "Composite Score", 11400, 7500, Border::FixedSingle,
                                     Icon::Calculator, kFrmCompositeControls, kFrmCompositeCarried, true};

}  // namespace core::design

#endif
