#ifndef MERVANE_CORE_CALCULATIONS_PROFILE_H
#define MERVANE_CORE_CALCULATIONS_PROFILE_H

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/box.h"
#include "core/calculation.h"
#include "core/pictures/profilepicture.h"

namespace core {

class StatisticsComponent;

// The profile window's boxes, as pasted and typed.
struct ProfileInputs {
    std::string txtRows;  // one measure a line: name, mean, SD, score, reliability, direction
    std::string txtLevel;
};

using ProfileInputBox = Box<ProfileInputs>;

inline constexpr std::array<ProfileInputBox, 2> kProfileInputs{{
    {"txtRows", &ProfileInputs::txtRows},
    {"txtLevel", &ProfileInputs::txtLevel},
}};

// The table, the mean standard score, the picture as SVG, the report, and
// the message that stopped the run, if one did: then nothing is computed.
struct ProfileResults {
    Table table;
    std::string txtMeanScore;
    std::string picProfile;
    std::string txtReport;
    std::optional<std::string> message;
};

// Puts every pasted measure on the standard-score scale by its own norms,
// turning round those where a lower score is better, and marks the scores
// that differ reliably from the person's own mean at the level. A line that
// cannot be computed keeps its row, with a note in place of its figures.
// Inputs are read with the point or `decimalSeparator`; figures are written
// with `decimalSeparator`.
ProfileResults ProfileScores(const ProfileInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats);
ProfileResults ProfileScores(const ProfileInputs& in, std::string_view decimalSeparator = ".");

// The profile window's calculation.
extern const Calculation kProfile;

}  // namespace core

#endif
