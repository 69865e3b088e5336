#ifndef MERVANE_CORE_CALCULATIONS_BATCH_H
#define MERVANE_CORE_CALCULATIONS_BATCH_H

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/box.h"
#include "core/calculation.h"

namespace core {

class StatisticsComponent;

// The many-scores window's boxes, as typed or pasted.
struct BatchInputs {
    std::string txtMeasure;
    std::string txtMean;
    std::string txtSD;
    std::string txtReliability;
    std::string txtLevel;
    std::string txtScores;  // one score a line
};

using BatchInputBox = Box<BatchInputs>;

inline constexpr std::array<BatchInputBox, 6> kBatchInputs{{
    {"txtMeasure", &BatchInputs::txtMeasure},
    {"txtMean", &BatchInputs::txtMean},
    {"txtSD", &BatchInputs::txtSD},
    {"txtReliability", &BatchInputs::txtReliability},
    {"txtLevel", &BatchInputs::txtLevel},
    {"txtScores", &BatchInputs::txtScores},
}};

// One pasted line, read strictly: a silently wrong row is worse than a refused one.
struct ScoreLine {
    enum class Kind { Empty, Number, NotANumber };
    Kind kind = Kind::Empty;
    std::string text;    // trimmed of blanks and tabs, as pasted
    std::string number;  // a Number's text with the point as its separator
};

// A line counts as a number when NumberSyntax accepts it: the one strict
// reading that the boxes of these windows get too.
ScoreLine ReadScoreLine(std::string_view line, std::string_view decimalSeparator);

// The table: its column names, one row per non-empty line in the pasted
// order, and the message that stopped the run, if one did.
struct BatchTable {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::optional<std::string> message;

    // Tab-separated, a header row and then one line per row, for a spreadsheet
    // of the same locale: a pasted score is written with the locale's separator
    // as the figures are, and a line that is no number as pasted.
    std::string Tsv() const;
};

inline constexpr std::size_t kMostScores = 10'000;

// Interprets every pasted score with the window's mean, SD, reliability and
// level: each row's figures are the texts InterpretScore gives for its score.
// A line that is no number keeps its row, with "not a number" and no figures.
BatchTable InterpretBatch(const BatchInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats);
BatchTable InterpretBatch(const BatchInputs& in, std::string_view decimalSeparator = ".");

// The many-scores window's calculation.
extern const Calculation kManyScores;

}  // namespace core

#endif
