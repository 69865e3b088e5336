#ifndef MERVANE_CORE_TEXT_MESSAGES_H
#define MERVANE_CORE_TEXT_MESSAGES_H

#include <cstddef>
#include <string>
#include <string_view>

#include "core/stats/normal.h"

namespace core::messages {

// The messages more than one window gives; a window's own stand in its
// calculation's file. The wording users know from the program, odd spelling
// included.
inline constexpr std::string_view kConfidenceOutOfRange =
    "Your confidence level must be below 100 and above 0.";
inline constexpr std::string_view kSdMustBePositive = "The measure SD must be above 0.";
inline constexpr std::string_view kReliabilityOutOfRange = "The reliability must be above 0 and below 1.";
inline constexpr std::string_view kCorrelationOutOfRange = "The correlation must be above -1 and below 1.";
inline constexpr std::string_view kControlsSampleSize = "The control sample size must be a whole number of 2 or more.";
inline constexpr std::string_view kLimitsNotComputed =
    "The confidence limits cannot be computed for figures this extreme.";

// The battery reader's, which the profile and the low scores share.
inline constexpr std::string_view kTooManyMeasures = "Paste at most 200 measures at a time.";
inline constexpr std::string_view kNoMeasures = "Paste the measures, one a line.";

// The correlation matrix reader's.
std::string CorrelationNotANumber(std::size_t row, std::string_view text);
std::string CorrelationsRagged(std::size_t row, std::size_t values);
std::string CorrelationsCount(std::size_t given, std::size_t battery);
std::string CorrelationsDiagonal(std::size_t row, const std::string& value);
std::string CorrelationOutOfRange(std::size_t row, const std::string& value);
std::string CorrelationsAsymmetric(std::size_t row, std::size_t column);

// What a value is called in the messages about it.
namespace subject {
inline constexpr std::string_view kMean = "The measure mean";
inline constexpr std::string_view kLevel = "The confidence level";
inline constexpr std::string_view kSd = "The measure SD";
inline constexpr std::string_view kRawScore = "The raw score";
inline constexpr std::string_view kZScore = "The z score of the raw score";
inline constexpr std::string_view kRawPercentile = "The percentile of the raw score";
inline constexpr std::string_view kStandardScore = "The standard score";
inline constexpr std::string_view kReliability = "The reliability";
inline constexpr std::string_view kCriticalZ = "The critical z for this confidence level";
inline constexpr std::string_view kSdiff = "The standard error of the difference";
inline constexpr std::string_view kCorrelation = "The correlation";
inline constexpr std::string_view kControlsMean = "The controls' mean";
inline constexpr std::string_view kControlsSd = "The controls' SD";
inline constexpr std::string_view kControls = "The number of controls";
inline constexpr std::string_view kCaseScore = "The case's score";
inline constexpr std::string_view kT = "The t of the case";
inline constexpr std::string_view kEffectSize = "The effect size";
inline constexpr std::string_view kAverageCorrelation = "The average correlation";
}  // namespace subject

// A battery's correlations, as the windows that take them refuse them.
inline constexpr std::string_view kTwoMeasuresNeeded = "The battery needs at least two measures that can be computed.";
inline constexpr std::string_view kCorrelationNeeded =
    "Give the average correlation between the measures, or their correlations.";
inline constexpr std::string_view kAverageCorrelationOutOfRange = "The average correlation must be from 0 up to 1.";
inline constexpr std::string_view kNotPositiveDefinite =
    "These correlations cannot all hold at once: the matrix is not positive definite.";

// What the messages call a box of a numbered row: "The coefficient of predictor 2".
std::string Of(std::string_view what, int number);
// The message for a box whose text is not wholly a number.
std::string NotANumber(std::string_view what);
// The message for a value that does not fit a double.
std::string TooLarge(std::string_view what);
// The message for a failed call of the statistics component while computing `what`.
std::string StatisticsFailed(StatFailure why, std::string_view what);

}  // namespace core::messages

#endif
