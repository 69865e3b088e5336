#include "core/calculations/conversion.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/core/recordingstatistics.h"

namespace {

// The wording users know, written out so that a changed text fails.
constexpr std::string_view kOutOfRange = "Your confidence level must be below 100 and above 0.";
constexpr std::string_view kOneBoxOnly = "You must enter data in one box only";
constexpr std::string_view kOneOfTheBoxes = "You must enter data in one of the boxes";

const std::string kDeviations = "Standard Deviation = ";
const std::string kLevel = "Confidence Interval = ";

TEST(ConvertDeviationConfidence, AnswersOrRefuses)
{
    struct Row {
        std::string confidence;
        std::string deviations;
        std::string answer;
        std::string_view message;
    };
    const Row rows[] = {
        {"95", "", kDeviations + "1.96", {}},
        {"99", "", kDeviations + "2.58", {}},
        {"90", "", kDeviations + "1.64", {}},
        {"50", "", kDeviations + "0.67", {}},
        {"99.999", "", kDeviations + "4.42", {}},
        {"0.0000001", "", kDeviations + "0", {}},
        {"0", "", "", kOutOfRange},
        {"100", "", "", kOutOfRange},
        {"150", "", "", kOutOfRange},
        {".", "", "", kOutOfRange},
        {" ", "", "", kOutOfRange},
        {"1e999", "", "", kOutOfRange},
        {"", "1", kLevel + "68.27", {}},
        {"", "1.96", kLevel + "95", {}},
        {"", "2", kLevel + "95.45", {}},
        {"", "3", kLevel + "99.73", {}},
        {"", "0", kLevel + "0", {}},
        {"", ".", kLevel + "0", {}},
        {"", " ", kLevel + "0", {}},
        {"", "40", kLevel + "100", {}},
        {"", "1e300", kLevel + "100", {}},
        {"", "-1", kLevel + "-68.27", {}},
        {"", "-40", kLevel + "-100", {}},
        // The level is (1 - (1 - P) * 2) * 100 in that order: 200 * P - 100
        // rounds these to 67 and -87.35.
        {"", "0.974214593831", kLevel + "67.01", {}},
        {"", "-1.52784913335", kLevel + "-87.34", {}},
        {"95", "1.96", "", kOneBoxOnly},
        {" ", "x", "", kOneBoxOnly},
        {"", "", "", kOneOfTheBoxes},
        {"", "1e400", "", "The number of standard deviations is too large a number to work with."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("confidence \"" + row.confidence + "\", deviations \"" + row.deviations + "\"");
        const core::ConversionResult r = core::ConvertDeviationConfidence(row.confidence, row.deviations);
        EXPECT_EQ(r.txtAnswer, row.answer);
        EXPECT_EQ(r.message.value_or(""), row.message);
    }
}

TEST(ConvertDeviationConfidence, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(core::ConvertDeviationConfidence("95", "", ",").txtAnswer, kDeviations + "1,96");
    EXPECT_EQ(core::ConvertDeviationConfidence("", "2", ",").txtAnswer, kLevel + "95,45");
}

TEST(ConvertDeviationConfidence, CallsTheStandardNormalOnce)
{
    using Call = RecordingStatistics::Call;
    RecordingStatistics toDeviations;
    core::ConvertDeviationConfidence("95", "", ".", toDeviations);
    EXPECT_EQ(toDeviations.calls, (std::vector<Call>{{"NormalQuantile", 0.025, 0, 1}}));

    RecordingStatistics toLevel;
    core::ConvertDeviationConfidence("", "1.5", ".", toLevel);
    EXPECT_EQ(toLevel.calls, (std::vector<Call>{{"NormalCdf", 1.5, 0, 1}}));

    RecordingStatistics refused;
    core::ConvertDeviationConfidence("100", "", ".", refused);
    EXPECT_TRUE(refused.calls.empty());
}

TEST(ConvertDeviationConfidence, RefusesWhenTheStatisticsComponentFails)
{
    RecordingStatistics stats;
    stats.FailCall(0, core::StatFailure::Internal);
    const auto r = core::ConvertDeviationConfidence("", "2", ".", stats);
    EXPECT_EQ(r.txtAnswer, "");
    EXPECT_EQ(r.message.value_or(""), "The confidence level for this number of standard deviations could not be computed.");
}

}  // namespace
