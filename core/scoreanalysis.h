#ifndef MERVANE_CORE_SCOREANALYSIS_H
#define MERVANE_CORE_SCOREANALYSIS_H

#include <optional>
#include <string>
#include <string_view>

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

// Places a score within the norms of a measure. Results are written with the
// given decimal separator; inputs are always read with the point. Results
// produced before a message stay in the record.
ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator,
                           StatisticsComponent& stats);
// The same with the program's shared statistics component.
ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator = ".");

}  // namespace core

#endif
