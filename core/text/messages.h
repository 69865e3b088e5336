#ifndef MERVANE_CORE_TEXT_MESSAGES_H
#define MERVANE_CORE_TEXT_MESSAGES_H

#include <cstddef>
#include <string>
#include <string_view>

#include "core/stats/normal.h"

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

// The interpretation window's.
inline constexpr std::string_view kMeanSdAndScoreRequired = "Enter the measure's mean, its SD and a raw score.";
inline constexpr std::string_view kReliabilityOutOfRange = "The reliability must be above 0 and below 1.";
inline constexpr std::string_view kChangeNeedsReliability = "Reliable change needs the measure's reliability.";
inline constexpr std::string_view kTooManyScores = "Paste at most 10,000 scores at a time.";
inline constexpr std::string_view kNoScores = "Paste the scores, one a line.";

// The profile window's.
inline constexpr std::string_view kTooManyMeasures = "Paste at most 200 measures at a time.";
inline constexpr std::string_view kNoMeasures = "Paste the measures, one a line.";

// The two-scores window's.
inline constexpr std::string_view kEachScoreRequired = "Enter each score's mean, SD and raw score.";
inline constexpr std::string_view kDifferenceNeedsBothReliabilities = "A reliable difference needs both reliabilities.";
inline constexpr std::string_view kCorrelationOutOfRange = "The correlation must be above -1 and below 1.";

// The small-sample window's.
inline constexpr std::string_view kCaseAndControlsRequired =
    "Enter the controls' mean, SD and size, and the case's score.";
inline constexpr std::string_view kControlsSampleSize = "The control sample size must be a whole number of 2 or more.";
inline constexpr std::string_view kControlsSdMustBePositive = "The controls' SD must be above 0.";
// The same of one of two tasks: "The controls' SD of task X must be above 0."
std::string ControlsSdMustBePositive(std::string_view task);
inline constexpr std::string_view kLimitsNotComputed =
    "The confidence limits cannot be computed for figures this extreme.";

// The low-scores window's.
inline constexpr std::string_view kTwoMeasuresNeeded = "The battery needs at least two measures that can be computed.";
inline constexpr std::string_view kCorrelationNeeded =
    "Give the average correlation between the measures, or their correlations.";
inline constexpr std::string_view kAverageCorrelationOutOfRange = "The average correlation must be from 0 up to 1.";
inline constexpr std::string_view kNotPositiveDefinite =
    "These correlations cannot all hold at once: the matrix is not positive definite.";
inline constexpr std::string_view kTooManyCorrelated =
    "The correlations serve at most 60 measures: give the average correlation for a larger battery.";
std::string CorrelationNotANumber(std::size_t row, std::string_view text);
std::string CorrelationsRagged(std::size_t row, std::size_t values);
std::string CorrelationsCount(std::size_t given, std::size_t battery);
std::string CorrelationsDiagonal(std::size_t row, const std::string& value);
std::string CorrelationOutOfRange(std::size_t row, const std::string& value);
std::string CorrelationsAsymmetric(std::size_t row, std::size_t column);

// The predicted-score window's.
inline constexpr std::string_view kObtainedScoreRequired = "Enter the person's obtained score.";
inline constexpr std::string_view kEquationOrSample =
    "Fill in either the equation or the sample's statistics, not both.";
inline constexpr std::string_view kEquationOrSampleRequired =
    "Give the equation (its intercept, coefficients and SEE) or the sample's statistics (the predictor's and the "
    "score's means and SDs, their correlation and n).";
inline constexpr std::string_view kEquationNeedsPredictor =
    "The equation needs at least one predictor, with its coefficient and the person's value.";
inline constexpr std::string_view kEquationNeedsIntercept = "The equation needs its intercept.";
inline constexpr std::string_view kEquationNeedsSee = "The equation needs its SEE.";
inline constexpr std::string_view kSeeMustBePositive = "The SEE must be above 0.";
inline constexpr std::string_view kSampleOnePredictor =
    "A sample's statistics predict from predictor 1 alone: clear predictors 2 to 4, or give an equation.";
inline constexpr std::string_view kTestNeedsOnePredictor = "The test needs an equation with one predictor.";
inline constexpr std::string_view kTestNeedsSample = "The test needs the sample's n and the predictor's mean and SD.";
inline constexpr std::string_view kSampleSizeForTest = "The sample's n must be a whole number of 3 or more.";
inline constexpr std::string_view kPredictorSdMustBePositive = "The predictor's SD must be above 0.";
inline constexpr std::string_view kScoreSdMustBePositive = "The score's SD must be above 0.";
std::string PredictorIncomplete(int number);

// The two-tasks window's.
inline constexpr std::string_view kTwoTasksRequired =
    "Enter each task's controls' mean and SD and the case's score, the number of controls and the correlation "
    "between the tasks.";

// What a value is called in the messages about it.
namespace subject {
inline constexpr std::string_view kMean = "The measure mean";
inline constexpr std::string_view kLevel = "The confidence level";
inline constexpr std::string_view kAverageCorrelation = "The average correlation";
inline constexpr std::string_view kObtainedScore = "The obtained score";
inline constexpr std::string_view kIntercept = "The intercept";
inline constexpr std::string_view kCoefficient = "The coefficient";
inline constexpr std::string_view kPersonsValue = "The person's value";
inline constexpr std::string_view kSeeOfEquation = "The SEE";
inline constexpr std::string_view kSampleSize = "The number in the sample";
inline constexpr std::string_view kPredictorMean = "The predictor's mean";
inline constexpr std::string_view kPredictorSd = "The predictor's SD";
inline constexpr std::string_view kScoreMean = "The score's mean";
inline constexpr std::string_view kScoreSd = "The score's SD";
inline constexpr std::string_view kPredicted = "The predicted score";
inline constexpr std::string_view kDiscrepancy = "The discrepancy";
inline constexpr std::string_view kDiscrepancyZ = "The z of the discrepancy";
inline constexpr std::string_view kSeNewCase = "The standard error for a new case";
inline constexpr std::string_view kCutoff = "The cut-off at the 5th percentile";
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
inline constexpr std::string_view kTScore = "The T score";
inline constexpr std::string_view kStandardScore = "The standard score";
inline constexpr std::string_view kScaledScore = "The scaled score";
inline constexpr std::string_view kNce = "The normal curve equivalent";
inline constexpr std::string_view kReliability = "The reliability";
inline constexpr std::string_view kCriticalZ = "The critical z for this confidence level";
inline constexpr std::string_view kSem = "The standard error of measurement";
inline constexpr std::string_view kObservedLow = "The low end of the observed score's interval";
inline constexpr std::string_view kObservedHigh = "The high end of the observed score's interval";
inline constexpr std::string_view kTrueScore = "The estimated true score";
inline constexpr std::string_view kSee = "The standard error of estimation";
inline constexpr std::string_view kTrueLow = "The low end of the true score's interval";
inline constexpr std::string_view kTrueHigh = "The high end of the true score's interval";
inline constexpr std::string_view kTrueLowPercentile = "The percentile of the true score's low end";
inline constexpr std::string_view kTrueHighPercentile = "The percentile of the true score's high end";
inline constexpr std::string_view kRetest = "The retest score";
inline constexpr std::string_view kPractice = "The practice effect";
inline constexpr std::string_view kSdiff = "The standard error of the difference";
inline constexpr std::string_view kRci = "The reliable change index";
inline constexpr std::string_view kRciConf = "The confidence of the change";
inline constexpr std::string_view kDifference = "The difference";
inline constexpr std::string_view kCriticalDifference = "The critical difference";
inline constexpr std::string_view kDifferenceZ = "The z of the difference";
inline constexpr std::string_view kDifferenceConfidence = "The confidence of the difference";
inline constexpr std::string_view kCorrelation = "The correlation";
inline constexpr std::string_view kRarity = "The share of the population with a larger difference in the same direction";
inline constexpr std::string_view kControlsMean = "The controls' mean";
inline constexpr std::string_view kControlsSd = "The controls' SD";
inline constexpr std::string_view kControls = "The number of controls";
inline constexpr std::string_view kCaseScore = "The case's score";
inline constexpr std::string_view kT = "The t of the case";
inline constexpr std::string_view kRsdt = "The t of the difference";
inline constexpr std::string_view kEffectSize = "The effect size";
}  // namespace subject

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
