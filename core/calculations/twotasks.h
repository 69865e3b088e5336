#ifndef MERVANE_CORE_CALCULATIONS_TWOTASKS_H
#define MERVANE_CORE_CALCULATIONS_TWOTASKS_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

// The two-tasks window's boxes, as typed; a check box reads "1" when ticked.
struct TwoTasksInputs {
    std::string txtNameX, txtMeanX, txtSDX, txtScoreX, chkLowerX;
    std::string txtNameY, txtMeanY, txtSDY, txtScoreY, chkLowerY;
    std::string txtN, txtCorrelation, txtLevel;
};

// Its result boxes, each empty or a text as shown, and the message that
// stopped the run, if one did: then every result is empty.
struct TwoTasksResults {
    std::string txtTX, txtPOneX, txtBelowX, txtTY, txtPOneY, txtBelowY;
    std::string txtTDiff, txtDF, txtPTwo, txtMoreExtreme, txtZdcc, txtVerdict;
    std::string txtReport;
    std::optional<std::string> message;
};

using TwoTasksInputBox = Box<TwoTasksInputs>;
using TwoTasksResultBox = Box<TwoTasksResults>;

inline constexpr std::array<TwoTasksInputBox, 13> kTwoTasksInputs{{
    {"txtNameX", &TwoTasksInputs::txtNameX},
    {"txtMeanX", &TwoTasksInputs::txtMeanX},
    {"txtSDX", &TwoTasksInputs::txtSDX},
    {"txtScoreX", &TwoTasksInputs::txtScoreX},
    {"chkLowerX", &TwoTasksInputs::chkLowerX},
    {"txtNameY", &TwoTasksInputs::txtNameY},
    {"txtMeanY", &TwoTasksInputs::txtMeanY},
    {"txtSDY", &TwoTasksInputs::txtSDY},
    {"txtScoreY", &TwoTasksInputs::txtScoreY},
    {"chkLowerY", &TwoTasksInputs::chkLowerY},
    {"txtN", &TwoTasksInputs::txtN},
    {"txtCorrelation", &TwoTasksInputs::txtCorrelation},
    {"txtLevel", &TwoTasksInputs::txtLevel},
}};

inline constexpr std::array<TwoTasksResultBox, 13> kTwoTasksResults{{
    {"txtTX", &TwoTasksResults::txtTX},
    {"txtPOneX", &TwoTasksResults::txtPOneX},
    {"txtBelowX", &TwoTasksResults::txtBelowX},
    {"txtTY", &TwoTasksResults::txtTY},
    {"txtPOneY", &TwoTasksResults::txtPOneY},
    {"txtBelowY", &TwoTasksResults::txtBelowY},
    {"txtTDiff", &TwoTasksResults::txtTDiff},
    {"txtDF", &TwoTasksResults::txtDF},
    {"txtPTwo", &TwoTasksResults::txtPTwo},
    {"txtMoreExtreme", &TwoTasksResults::txtMoreExtreme},
    {"txtZdcc", &TwoTasksResults::txtZdcc},
    {"txtVerdict", &TwoTasksResults::txtVerdict},
    {"txtReport", &TwoTasksResults::txtReport},
}};

// Whether a case's difference between two tasks is a dissociation, against a
// small control sample: Crawford and Howell's test of each task on its own
// (a deficit is t below 0 with its one-tailed p below alpha), and Crawford
// and Garthwaite's Revised Standardized Difference Test of the difference
// between the case's z scores, with the effect size z_DCC; the verdict
// follows the p values as shown, each against alpha = (100 - level) / 100
// taken exactly. A task turned round (lower is better) has its t, deficit
// and percentage on the turned scale, and turns its correlation round with
// it. Inputs are read strictly; results are written with `decimalSeparator`.
TwoTasksResults CompareTwoTasks(const TwoTasksInputs& in, std::string_view decimalSeparator = ".");

// The two-tasks window's calculation.
extern const Calculation kTwoTasks;

}  // namespace core

#endif
