#ifndef MERVANE_CORE_CALCULATIONS_INTERPRETATION_H
#define MERVANE_CORE_CALCULATIONS_INTERPRETATION_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

class StatisticsComponent;

// The interpretation window's input boxes, as typed.
struct InterpretInputs {
    std::string txtMeasure;
    std::string txtMean;
    std::string txtSD;
    std::string txtScore;
    std::string txtReliability;
    std::string txtLevel;
    std::string txtRetest;
    std::string txtPractice;
};

// Its result boxes, each empty or a text as shown, the report, the curve as
// an SVG text, and the message that stopped the run, if one did.
struct InterpretResults {
    // scales
    std::string txtZScore;
    std::string txtPercentile;
    std::string txtTScore;
    std::string txtStandardScore;
    std::string txtScaledScore;
    std::string txtNCE;
    std::string txtStanine;
    std::string txtSten;
    std::string txtLabel;
    // interval
    std::string txtCriticalZ;
    std::string txtSEM;
    std::string txtObservedLow;
    std::string txtObservedHigh;
    std::string txtTrueScore;
    std::string txtSEE;
    std::string txtTrueLow;
    std::string txtTrueHigh;
    std::string txtTrueLowPercentile;
    std::string txtTrueHighPercentile;
    std::string txtTrueLowLabel;
    std::string txtTrueHighLabel;
    // change
    std::string txtSdiff;
    std::string txtRCI;
    std::string txtRCIConf;
    std::string txtChange;
    std::string txtReport;
    std::string picCurve;
    std::optional<std::string> message;
};

using InterpretInputBox = Box<InterpretInputs>;
using InterpretResultBox = Box<InterpretResults>;

inline constexpr std::array<InterpretInputBox, 8> kInterpretInputs{{
    {"txtMeasure", &InterpretInputs::txtMeasure},
    {"txtMean", &InterpretInputs::txtMean},
    {"txtSD", &InterpretInputs::txtSD},
    {"txtScore", &InterpretInputs::txtScore},
    {"txtReliability", &InterpretInputs::txtReliability},
    {"txtLevel", &InterpretInputs::txtLevel},
    {"txtRetest", &InterpretInputs::txtRetest},
    {"txtPractice", &InterpretInputs::txtPractice},
}};

// The boxes the window writes, in the order the interpretation fills them.
inline constexpr std::array<InterpretResultBox, 26> kInterpretResults{{
    {"txtZScore", &InterpretResults::txtZScore},
    {"txtPercentile", &InterpretResults::txtPercentile},
    {"txtTScore", &InterpretResults::txtTScore},
    {"txtStandardScore", &InterpretResults::txtStandardScore},
    {"txtScaledScore", &InterpretResults::txtScaledScore},
    {"txtNCE", &InterpretResults::txtNCE},
    {"txtStanine", &InterpretResults::txtStanine},
    {"txtSten", &InterpretResults::txtSten},
    {"txtLabel", &InterpretResults::txtLabel},
    {"txtCriticalZ", &InterpretResults::txtCriticalZ},
    {"txtSEM", &InterpretResults::txtSEM},
    {"txtObservedLow", &InterpretResults::txtObservedLow},
    {"txtObservedHigh", &InterpretResults::txtObservedHigh},
    {"txtTrueScore", &InterpretResults::txtTrueScore},
    {"txtSEE", &InterpretResults::txtSEE},
    {"txtTrueLow", &InterpretResults::txtTrueLow},
    {"txtTrueHigh", &InterpretResults::txtTrueHigh},
    {"txtTrueLowPercentile", &InterpretResults::txtTrueLowPercentile},
    {"txtTrueHighPercentile", &InterpretResults::txtTrueHighPercentile},
    {"txtTrueLowLabel", &InterpretResults::txtTrueLowLabel},
    {"txtTrueHighLabel", &InterpretResults::txtTrueHighLabel},
    {"txtSdiff", &InterpretResults::txtSdiff},
    {"txtRCI", &InterpretResults::txtRCI},
    {"txtRCIConf", &InterpretResults::txtRCIConf},
    {"txtChange", &InterpretResults::txtChange},
    {"txtReport", &InterpretResults::txtReport},
}};

// Interprets a raw score on a measure: its z score, percentile and the common
// scales with the descriptive label of the standard score; with a reliability,
// the confidence intervals of the observed and the estimated true score at a
// level; with a retest score, the reliable change index (Jacobson and Truax,
// with a practice effect after Chelune); and a paragraph of report text made
// of the figures as shown. Results are written with the given decimal
// separator; inputs are read with the point. Results produced before a
// message stay in the record.
InterpretResults InterpretScore(const InterpretInputs& in, std::string_view decimalSeparator,
                                StatisticsComponent& stats);
// The same with the program's shared statistics component.
InterpretResults InterpretScore(const InterpretInputs& in, std::string_view decimalSeparator = ".");
// The same figures and message, without the report and the curve: for many scores at once.
InterpretResults InterpretFigures(const InterpretInputs& in, std::string_view decimalSeparator,
                                  StatisticsComponent& stats);

// The interpretation window's calculation.
extern const Calculation kInterpretation;

}  // namespace core

#endif
