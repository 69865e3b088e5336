#ifndef MERVANE_CORE_TEXT_SCALE_H
#define MERVANE_CORE_TEXT_SCALE_H

#include <array>
#include <cstddef>
#include <string_view>

// The standard-score scale (mean 100, SD 15) that every calculation and
// picture puts a score on, and its descriptive labels.
namespace core {

constexpr double StandardScore(double z) { return 100 + 15 * z; }
constexpr double ZOfStandardScore(double standard) { return (standard - 100) / 15; }

// The AACN's 2020 consensus labels of a standard score (Guilmette et al.),
// from the lowest band up, and the scores at which the bands above the
// lowest begin, as shown to two places (the same as the whole score, halves up).
inline constexpr std::array<std::string_view, 7> kStandardScoreLabels{
    "Exceptionally low", "Below average", "Low average", "Average", "High average", "Above average",
    "Exceptionally high"};
inline constexpr std::array<double, 6> kLabelBandEdges{69.5, 79.5, 89.5, 109.5, 119.5, 129.5};

// The descriptive label of a standard score as shown.
constexpr std::string_view StandardScoreLabel(double shown)
{
    std::size_t band = 0;
    while (band < kLabelBandEdges.size() && shown >= kLabelBandEdges[band])
        ++band;
    return kStandardScoreLabels[band];
}

}  // namespace core

#endif
