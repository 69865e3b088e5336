#ifndef MERVANE_CORE_CALCULATIONS_COMPARE_H
#define MERVANE_CORE_CALCULATIONS_COMPARE_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

class StatisticsComponent;

// The two-scores window's boxes, as typed; a check box reads "1" when ticked.
struct CompareInputs {
    std::string txtNameA, txtMeanA, txtSDA, txtScoreA, txtReliabilityA, chkLowerA;
    std::string txtNameB, txtMeanB, txtSDB, txtScoreB, txtReliabilityB, chkLowerB;
    std::string txtCorrelation;
    std::string txtLevel;
};

// Its result boxes, each empty or a text as shown, and the message that
// stopped the run, if one did.
struct CompareResults {
    std::string txtStandardA, txtLabelA, txtStandardB, txtLabelB, txtDifference;
    std::string txtSEDiff, txtCritical, txtDiffZ, txtDiffConf, txtReliable;
    std::string txtAbnormalZ, txtRarity;
    std::string txtReport;
    std::optional<std::string> message;
};

using CompareInputBox = Box<CompareInputs>;
using CompareResultBox = Box<CompareResults>;

inline constexpr std::array<CompareInputBox, 14> kCompareInputs{{
    {"txtNameA", &CompareInputs::txtNameA},
    {"txtMeanA", &CompareInputs::txtMeanA},
    {"txtSDA", &CompareInputs::txtSDA},
    {"txtScoreA", &CompareInputs::txtScoreA},
    {"txtReliabilityA", &CompareInputs::txtReliabilityA},
    {"chkLowerA", &CompareInputs::chkLowerA},
    {"txtNameB", &CompareInputs::txtNameB},
    {"txtMeanB", &CompareInputs::txtMeanB},
    {"txtSDB", &CompareInputs::txtSDB},
    {"txtScoreB", &CompareInputs::txtScoreB},
    {"txtReliabilityB", &CompareInputs::txtReliabilityB},
    {"chkLowerB", &CompareInputs::chkLowerB},
    {"txtCorrelation", &CompareInputs::txtCorrelation},
    {"txtLevel", &CompareInputs::txtLevel},
}};

// The boxes the window writes, in the order the comparison fills them.
inline constexpr std::array<CompareResultBox, 13> kCompareResults{{
    {"txtStandardA", &CompareResults::txtStandardA},
    {"txtLabelA", &CompareResults::txtLabelA},
    {"txtStandardB", &CompareResults::txtStandardB},
    {"txtLabelB", &CompareResults::txtLabelB},
    {"txtDifference", &CompareResults::txtDifference},
    {"txtSEDiff", &CompareResults::txtSEDiff},
    {"txtCritical", &CompareResults::txtCritical},
    {"txtDiffZ", &CompareResults::txtDiffZ},
    {"txtDiffConf", &CompareResults::txtDiffConf},
    {"txtReliable", &CompareResults::txtReliable},
    {"txtAbnormalZ", &CompareResults::txtAbnormalZ},
    {"txtRarity", &CompareResults::txtRarity},
    {"txtReport", &CompareResults::txtReport},
}};

// Compares two of a person's scores on the standard-score scale, a score
// where a lower one is better turned round its mean: whether the difference
// is larger than the two tests' errors of measurement allow at the level (a
// reliable difference), and how many people in the population show a
// difference at least as large in the same direction, from the tests'
// correlation (how rare it is). Inputs are read as the interpretation reads
// them; results are written with `decimalSeparator`. Results computed before
// a message stay.
CompareResults CompareScores(const CompareInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats);
CompareResults CompareScores(const CompareInputs& in, std::string_view decimalSeparator = ".");

// The two-scores window's calculation.
extern const Calculation kComparison;

}  // namespace core

#endif
