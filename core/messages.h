#ifndef MERVANE_CORE_MESSAGES_H
#define MERVANE_CORE_MESSAGES_H

#include <string>
#include <string_view>

#include "core/normal.h"

namespace core::messages {

// The wording users know from the program, odd spelling included.
inline constexpr std::string_view kMeanAndSdRequired =
    "At the least, measure mean and measure SD field mus be entered.";
inline constexpr std::string_view kPercentileOutOfRange =
    "You cannot have a percentile above 100 or below 0";
inline constexpr std::string_view kConfidenceOutOfRange =
    "Your confidence level must be below 100 and above 0.";
inline constexpr std::string_view kOneBoxOnly = "You must enter data in one box only";
inline constexpr std::string_view kOneOfTheBoxes = "You must enter data in one of the boxes";

inline constexpr std::string_view kSdMustBePositive = "The measure SD must be above 0.";

// What a value is called in the messages about it.
namespace subject {
inline constexpr std::string_view kMean = "The measure mean";
inline constexpr std::string_view kSd = "The measure SD";
inline constexpr std::string_view kRawScore = "The raw score";
inline constexpr std::string_view kStipulatedSd = "The user stipulated SD";
inline constexpr std::string_view kScoreAt1Sd = "The score at 1 SD";
inline constexpr std::string_view kScoreAt196Sd = "The score at 1.96 SD";
inline constexpr std::string_view kScoreAt258Sd = "The score at 2.58 SD";
inline constexpr std::string_view k25thPercentile = "The 25th percentile of the measure";
inline constexpr std::string_view k75thPercentile = "The 75th percentile of the measure";
inline constexpr std::string_view k95thPercentile = "The 95th percentile of the measure";
inline constexpr std::string_view k99thPercentile = "The 99th percentile of the measure";
inline constexpr std::string_view kZScore = "The z score of the raw score";
inline constexpr std::string_view kRawPercentile = "The percentile of the raw score";
inline constexpr std::string_view kRawConfidence = "The confidence level of the raw score";
inline constexpr std::string_view kScoreAtStipulatedSd = "The score at the user stipulated SD";
inline constexpr std::string_view kScoreAtStipulatedPercentile = "The score at the user stipulated percentile";
inline constexpr std::string_view kDeviations = "The number of standard deviations";
inline constexpr std::string_view kDeviationsForLevel = "The number of standard deviations for this confidence level";
inline constexpr std::string_view kLevelForDeviations = "The confidence level for this number of standard deviations";
}  // namespace subject

// The message for a value that does not fit a double.
std::string TooLarge(std::string_view what);
// The message for a failed call of the statistics component while computing `what`.
std::string StatisticsFailed(StatFailure why, std::string_view what);

}  // namespace core::messages

#endif
