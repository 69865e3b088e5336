#ifndef MERVANE_CORE_CALCULATIONS_CASECONTROLS_H
#define MERVANE_CORE_CALCULATIONS_CASECONTROLS_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

// The small-sample window's boxes, as typed; a check box reads "1" when ticked.
struct CaseInputs {
    std::string txtMean;   // the controls'
    std::string txtSD;     // the controls'
    std::string txtN;      // how many controls
    std::string txtScore;  // the case's
    std::string txtLevel;
    std::string txtMeasure = {};
    std::string chkLower = {};  // a lower score is better: the case's z is turned round
};

// Its result boxes, each empty or a text as shown, and the message that
// stopped the run, if one did: then every result is empty, but for the test
// itself when only its confidence limits could not be computed.
struct CaseResults {
    std::string txtT, txtDF, txtPOne, txtPTwo;
    std::string txtBelow, txtBelowLow, txtBelowHigh;
    std::string txtZcc, txtZccLow, txtZccHigh;
    std::string txtReport;
    std::optional<std::string> message;
};

using CaseInputBox = Box<CaseInputs>;
using CaseResultBox = Box<CaseResults>;

inline constexpr std::array<CaseInputBox, 7> kCaseInputs{{
    {"txtMeasure", &CaseInputs::txtMeasure},
    {"chkLower", &CaseInputs::chkLower},
    {"txtMean", &CaseInputs::txtMean},
    {"txtSD", &CaseInputs::txtSD},
    {"txtN", &CaseInputs::txtN},
    {"txtScore", &CaseInputs::txtScore},
    {"txtLevel", &CaseInputs::txtLevel},
}};

inline constexpr std::array<CaseResultBox, 11> kCaseResults{{
    {"txtT", &CaseResults::txtT},
    {"txtDF", &CaseResults::txtDF},
    {"txtPOne", &CaseResults::txtPOne},
    {"txtPTwo", &CaseResults::txtPTwo},
    {"txtBelow", &CaseResults::txtBelow},
    {"txtBelowLow", &CaseResults::txtBelowLow},
    {"txtBelowHigh", &CaseResults::txtBelowHigh},
    {"txtZcc", &CaseResults::txtZcc},
    {"txtZccLow", &CaseResults::txtZccLow},
    {"txtZccHigh", &CaseResults::txtZccHigh},
    {"txtReport", &CaseResults::txtReport},
}};

// One person against a small control sample, whose mean and SD are
// estimates: Crawford and Howell's (1998) modified t test, the estimated
// percentage of the control population below the case, and the effect size,
// each with the confidence limits of Crawford and Garthwaite (2002) from the
// non-central t distribution (Boost.Math's, its roots by TOMS 748). Inputs
// are read as the interpretation reads them; results are written with
// `decimalSeparator`.
CaseResults CompareCaseToControls(const CaseInputs& in, std::string_view decimalSeparator = ".");

// The small-sample window's calculation.
extern const Calculation kCaseAgainstControls;

}  // namespace core

#endif
