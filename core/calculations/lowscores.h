#ifndef MERVANE_CORE_CALCULATIONS_LOWSCORES_H
#define MERVANE_CORE_CALCULATIONS_LOWSCORES_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/calculation.h"
#include "core/box.h"

namespace core {

// The low-scores window's boxes, as pasted and typed.
struct LowScoresInputs {
    std::string txtRows;          // the battery, read as the profile reads it
    std::string txtCorrelation;   // the average correlation between the measures
    std::string txtCorrelations;  // or their correlation matrix, one row a line
    std::string txtAbility{};             // the person's estimated ability, a standard score, if given
    std::string txtAbilityCorrelation{};  // its average correlation with the measures, or its row in the matrix
};

using LowScoresInputBox = Box<LowScoresInputs>;

inline constexpr std::array<LowScoresInputBox, 5> kLowScoresInputs{{
    {"txtRows", &LowScoresInputs::txtRows},
    {"txtCorrelation", &LowScoresInputs::txtCorrelation},
    {"txtCorrelations", &LowScoresInputs::txtCorrelations},
    {"txtAbility", &LowScoresInputs::txtAbility},
    {"txtAbilityCorrelation", &LowScoresInputs::txtAbilityCorrelation},
}};

// The Monte Carlo sample of the matrix path: its size, its seed, and the
// slice a window draws before it looks up.
inline constexpr std::uint64_t kLowScoreDraws = 1'000'000;
inline constexpr std::uint64_t kLowScoreSeed = 20261209;
inline constexpr std::uint64_t kLowScoreSlice = 25'000;
// The most measures the matrix path takes.
inline constexpr std::size_t kMostCorrelated = 60;

// How many low scores healthy people have on the person's battery: at four
// cut-offs, how many of the person's measures are at or below it, the share
// of healthy people with as many or more, and the least count that fewer than
// 5% of them have. The population's z scores are multivariate normal: with an
// average correlation, exactly (by quadrature); with a correlation matrix, by
// a seeded Monte Carlo sample of a million that every platform draws alike.
// With the person's ability, every share is among healthy people of that
// ability: the same normal, given the ability's z a, has means rho_i a and
// covariance R - rho rho'. With average correlations r and rho, r >= rho^2,
// the measures stay equicorrelated and the path exact; otherwise it is the
// Monte Carlo one, on that covariance's Cholesky factor.
// The table goes in the window's grid; the report in txtReport. Run in
// slices: the matrix path takes a fraction of a second.
std::unique_ptr<Run> StartLowScores(const LowScoresInputs& in, std::string_view decimalSeparator);

// The whole run at once.
Shown CountLowScores(const LowScoresInputs& in, std::string_view decimalSeparator = ".");

// The low-scores window's calculation, in slices.
extern const Calculation kLowScores;

}  // namespace core

#endif
