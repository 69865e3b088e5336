#include "core/conversion.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/messages.h"
#include "tests/core/recordingstatistics.h"

namespace {

namespace messages = core::messages;

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
        {"0", "", "", messages::kConfidenceOutOfRange},
        {"100", "", "", messages::kConfidenceOutOfRange},
        {"150", "", "", messages::kConfidenceOutOfRange},
        {".", "", "", messages::kConfidenceOutOfRange},
        {" ", "", "", messages::kConfidenceOutOfRange},
        {"1e999", "", "", messages::kConfidenceOutOfRange},
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
        {"95", "1.96", "", messages::kOneBoxOnly},
        {" ", "x", "", messages::kOneBoxOnly},
        {"", "", "", messages::kOneOfTheBoxes},
        {"", "1e400", "", "The number of standard deviations is too large a number to work with."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("confidence \"" + row.confidence + "\", deviations \"" + row.deviations + "\"");
        const core::ConversionResult r = core::ConvertDeviationConfidence(row.confidence, row.deviations);
        EXPECT_EQ(r.answer(), row.answer);
        EXPECT_EQ(r.message(), row.message);
    }
}

TEST(ConvertDeviationConfidence, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(core::ConvertDeviationConfidence("95", "", ",").answer(), kDeviations + "1,96");
    EXPECT_EQ(core::ConvertDeviationConfidence("", "2", ",").answer(), kLevel + "95,45");
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
    EXPECT_EQ(r.answer(), "");
    EXPECT_EQ(r.message(), "The confidence level for this number of standard deviations could not be computed.");
}

}  // namespace
