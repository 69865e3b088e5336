#ifndef MERVANE_CORE_CALCULATIONS_SCOREANALYSIS_H
#define MERVANE_CORE_CALCULATIONS_SCOREANALYSIS_H

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

class StatisticsComponent;

// The five input boxes of the main window, as typed.
struct ScoreInputs {
    std::string txtMean;
    std::string txtSD;
    std::string txtScore;
    std::string txtUserStipulatedSD;
    std::string txtUserStipulatedPercentile;
};

// The fourteen result boxes, each empty or a number text, and the message that
// stopped the run, if one did.
struct ScoreResults {
    std::string txtSD1;
    std::string txtSD196;
    std::string txtSD258;
    std::string txt25Percent;
    std::string txt75Percent;
    std::string txt95Percent;
    std::string txt99Percent;
    std::string txtZScore;
    std::string txtPercentile;
    std::string txtConf;
    std::string txtSDUser;
    std::string txtUserSDAnswer;
    std::string txtPercentileUser;
    std::string txtUserPercentileAnswer;
    std::optional<std::string> message;
};

// The main window's: results stand in the order the analysis fills them.
using InputBox = Box<ScoreInputs>;
using ResultBox = Box<ScoreResults>;

inline constexpr std::array<InputBox, 5> kInputBoxes{{
    {"txtMean", &ScoreInputs::txtMean},
    {"txtSD", &ScoreInputs::txtSD},
    {"txtScore", &ScoreInputs::txtScore},
    {"txtUserStipulatedSD", &ScoreInputs::txtUserStipulatedSD},
    {"txtUserStipulatedPercentile", &ScoreInputs::txtUserStipulatedPercentile},
}};

inline constexpr std::array<ResultBox, 14> kResultBoxes{{
    {"txtSD1", &ScoreResults::txtSD1},
    {"txtSD196", &ScoreResults::txtSD196},
    {"txtSD258", &ScoreResults::txtSD258},
    {"txt25Percent", &ScoreResults::txt25Percent},
    {"txt75Percent", &ScoreResults::txt75Percent},
    {"txt95Percent", &ScoreResults::txt95Percent},
    {"txt99Percent", &ScoreResults::txt99Percent},
    {"txtZScore", &ScoreResults::txtZScore},
    {"txtPercentile", &ScoreResults::txtPercentile},
    {"txtConf", &ScoreResults::txtConf},
    {"txtSDUser", &ScoreResults::txtSDUser},
    {"txtUserSDAnswer", &ScoreResults::txtUserSDAnswer},
    {"txtPercentileUser", &ScoreResults::txtPercentileUser},
    {"txtUserPercentileAnswer", &ScoreResults::txtUserPercentileAnswer},
}};

// Places a score within the norms of a measure. Results are written with the
// given decimal separator; inputs are always read with the point. Results
// produced before a message stay in the record.
ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator,
                           StatisticsComponent& stats);
// The same with the program's shared statistics component.
ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator = ".");

// The main window's calculation, behind Go!.
extern const Calculation kAnalysis;

}  // namespace core

#endif
