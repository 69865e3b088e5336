#include "core/calculations/scoreanalysis.h"

#include <array>
#include <string>

#include <gtest/gtest.h>

#include "tests/core/recordingstatistics.h"

namespace {

using core::ScoreInputs;
using core::ScoreResults;
// The wording users know, odd spelling included, written out so that a changed text fails.
const std::string kMeanAndSd = "At the least, measure mean and measure SD field mus be entered.";
const std::string kPercentileRange = "You cannot have a percentile above 100 or below 0";

// The fourteen fields in the order the analysis fills them, for whole-record comparisons.
std::array<std::string, 14> Fields(const ScoreResults& r)
{
    std::array<std::string, 14> fields;
    for (std::size_t i = 0; i < fields.size(); ++i)
        fields[i] = r.*core::kResultBoxes[i].text;
    return fields;
}

ScoreInputs Inputs(std::string mean, std::string sd, std::string score = "", std::string k = "", std::string p = "")
{
    return {std::move(mean), std::move(sd), std::move(score), std::move(k), std::move(p)};
}

TEST(AnalyzeScores, TypicalRequests)
{
    struct Row {
        const char* name;
        ScoreInputs in;
        std::array<std::string, 14> expected;
    };
    const Row rows[] = {
        {"measure only", Inputs("50", "10"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "", "", "", ""}},
        {"every box", Inputs("50", "10", "65", "2", "90"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "1.5", "93.32", "86.64", "2", "70", "90", "62.82"}},
        {"below the mean", Inputs("50", "10", "35"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "-1.5", "6.68", "86.64", "", "", "", ""}},
        {"at the mean", Inputs("50", "10", "50"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "0", "50", "0", "", "", "", ""}},
        // the percentile comes from the raw score, the confidence from the rounded z
        {"confidence from rounded z", Inputs("0", "1", "1.9649"),
         {"1", "1.96", "2.58", "-0.67", "0.67", "1.64", "2.33", "1.96", "97.53", "95", "", "", "", ""}},
        {"half a percentile", Inputs("50", "10", "", "", "0.5"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "", "", "0.5", "24.24"}},
        {"stipulated SD unrounded", Inputs("50", "10", "", "1.50"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "1.5", "65", "", ""}},
        // the stipulated figures are shown as parsed, not rounded
        {"stipulated SD with three decimals", Inputs("50", "10", "", "1.234", "97.725"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "1.234", "62.34", "97.725", "70"}},
        // a 0.125 that only the 57th digit lifts above the exact half
        {"every digit counts", Inputs("0", "1", "", "0.125000000000000013877787807814456755295395851135253906251"),
         {"1", "1.96", "2.58", "-0.67", "0.67", "1.64", "2.33", "", "", "", "0.125", "0.13", "", ""}},
        {"stipulated SD 0", Inputs("50.126", "10", "", "0"),
         {"60.13", "69.73", "75.93", "43.38", "56.87", "66.57", "73.39", "", "", "", "0", "50.13", "", ""}},
        {"percentile bounds accepted", Inputs("50", "10", "", "", "100"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "", "", "100", "∞"}},
        {"percentile 0", Inputs("50", "10", "", "", "0"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "", "", "0", "-∞"}},
        {"blank mean is 0", Inputs(" ", "1"),
         {"1", "1.96", "2.58", "-0.67", "0.67", "1.64", "2.33", "", "", "", "", "", "", ""}},
        {"comma ends the mean", Inputs("1,5", "10"),
         {"11", "20.6", "26.8", "-5.74", "7.74", "17.45", "24.26", "", "", "", "", "", "", ""}},
        {"exact half down", Inputs("0", "0.125"),
         {"0.12", "0.24", "0.32", "-0.08", "0.08", "0.21", "0.29", "", "", "", "", "", "", ""}},
        {"exact half up", Inputs("0", "0.375"),
         {"0.38", "0.74", "0.97", "-0.25", "0.25", "0.62", "0.87", "", "", "", "", "", "", ""}},
        {"octal raw score", Inputs("50", "10", "&o17"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "-3.5", "0.02", "99.95", "", "", "", ""}},
        {"&0 is no octal", Inputs("50", "10", "&017"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "-5", "0", "100", "", "", "", ""}},
        {"& and digits read 0", Inputs("&50", "10"),
         {"10", "19.6", "25.8", "-6.74", "6.74", "16.45", "23.26", "", "", "", "", "", "", ""}},
        {"1,200 zeros and a long exponent", Inputs("0." + std::string(1200, '0') + "1e1300", "10"),
         {"1E+99", "1E+99", "1E+99", "1E+99", "1E+99", "1E+99", "1E+99", "", "", "", "", "", "", ""}},
        {"tiny stipulated SD", Inputs("50", "10", "", "0.0000000001"),
         {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26", "", "", "", "1E-10", "50", "", ""}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScoreResults r = core::AnalyzeScores(row.in);
        EXPECT_EQ(Fields(r), row.expected);
        EXPECT_FALSE(r.message.has_value()) << *r.message;
    }
}

TEST(AnalyzeScores, WritesEveryResultWithTheLocaleSeparator)
{
    const ScoreResults r = core::AnalyzeScores(Inputs("50", "10", "65.5", "1.5", "97.5"), ",");
    EXPECT_EQ(Fields(r), (std::array<std::string, 14>{"60", "69,6", "75,8", "43,26", "56,74", "66,45", "73,26", "1,55",
                                                      "93,94", "87,89", "1,5", "65", "97,5", "69,6"}));
}

TEST(AnalyzeScores, RoundsTheQuantileOnceFromItsExactValue)
{
    // 534457114103740.70 exactly; a product rounded to double first ends in ...740
    EXPECT_EQ(core::AnalyzeScores(Inputs("0", "324926853883217")).txt95Percent, "534457114103741");
}

TEST(AnalyzeScores, AFailedStipulatedSdEndsTheRun)
{
    for (const char* percentile : {"50", "150"}) {
        SCOPED_TRACE(percentile);
        const ScoreResults r = core::AnalyzeScores(Inputs("0", "10000000000", "", "1" + std::string(300, '0'), percentile));
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, "The score at the user stipulated SD is too large a number to work with.");
        EXPECT_EQ(r.txtPercentileUser, "");
        EXPECT_EQ(r.txtUserPercentileAnswer, "");
    }
}

TEST(AnalyzeScores, StopsWithAMessageAndKeepsWhatCameBefore)
{
    const std::string measure[] = {"60", "69.6", "75.8", "43.26", "56.74", "66.45", "73.26"};
    struct Row {
        const char* name;
        ScoreInputs in;
        std::string message;
        std::size_t filled;  // leading fields of the fourteen that are filled
        std::array<std::string, 7> tail;  // the other seven, z score first
    };
    const std::array<std::string, 7> none{};
    const Row rows[] = {
        {"mean missing", Inputs("", "10", "65", "1", "50"), kMeanAndSd, 0, none},
        {"SD missing", Inputs("50", "", "65", "1", "50"), kMeanAndSd, 0, none},
        {"percentile above 100", Inputs("50", "10", "", "1.5", "150"), kPercentileRange, 7,
         {"", "", "", "1.5", "65", "", ""}},
        {"percentile just above 100", Inputs("50", "10", "", "1.5", "100.5"),
         kPercentileRange, 7, {"", "", "", "1.5", "65", "", ""}},
        {"pasted negative percentile", Inputs("50", "10", "65", "1.5", "-5"),
         kPercentileRange, 7, {"1.5", "93.32", "86.64", "1.5", "65", "", ""}},
        {"mean too large", Inputs("1e400", "10", "65"), "The measure mean is too large a number to work with.", 0, none},
        {"SD too large", Inputs("1", "-1e400"), "The measure SD is too large a number to work with.", 0, none},
        {"raw score too large", Inputs("50", "10", "9e999"), "The raw score is too large a number to work with.", 7, none},
        {"stipulated SD too large", Inputs("50", "10", "", "1e309"), "The user stipulated SD is too large a number to work with.", 7,
         none},
        {"percentile too large", Inputs("50", "10", "", "", "1e999"), kPercentileRange, 7,
         none},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScoreResults r = core::AnalyzeScores(row.in);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, row.message);
        const auto fields = Fields(r);
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(fields[i], i < row.filled ? measure[i] : "") << "field " << i;
        for (std::size_t i = 0; i < 7; ++i)
            EXPECT_EQ(fields[7 + i], row.tail[i]) << "field " << 7 + i;
    }
}

TEST(AnalyzeScores, RefusesAnSdOfZeroOrBelowAfterTheCutOffs)
{
    struct Row {
        const char* sd;
        std::array<std::string, 3> cutoffs;
    };
    // a negative SD only arrives by pasting, and is used unchanged until then
    const Row rows[] = {{"0", {"50", "50", "50"}}, {"-10", {"40", "30.4", "24.2"}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.sd);
        const ScoreResults r = core::AnalyzeScores(Inputs("50", row.sd, "65", "1", "50"));
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, "The measure SD must be above 0.");
        const auto fields = Fields(r);
        EXPECT_EQ((std::array{fields[0], fields[1], fields[2]}), row.cutoffs);
        for (std::size_t i = 3; i < fields.size(); ++i)
            EXPECT_EQ(fields[i], "") << "field " << i;
    }
}

TEST(AnalyzeScores, NamesTheResultThatOverflows)
{
    struct Row {
        const char* name;
        ScoreInputs in;
        std::string_view what;
        const std::string ScoreResults::*lastFilled;
    };
    const Row rows[] = {
        {"mean + SD", Inputs("1e308", "1e308"), "The score at 1 SD", nullptr},
        {"mean + 2.58 SD", Inputs("0", "7e307"), "The score at 2.58 SD", &ScoreResults::txtSD196},
        {"difference from the mean", Inputs("-1e308", "1", "1e308"), "The z score of the raw score", &ScoreResults::txt99Percent},
        {"division by a tiny SD", Inputs("0", "1e-300", "1e10"), "The z score of the raw score", &ScoreResults::txt99Percent},
        {"score at the stipulated SD", Inputs("0", "1e10", "", "1e300"), "The score at the user stipulated SD",
         &ScoreResults::txtSDUser},
        {"quantile beyond a double", Inputs("0", "5e307", "", "", "99.9999"), "The score at the user stipulated percentile",
         &ScoreResults::txtPercentileUser},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const ScoreResults r = core::AnalyzeScores(row.in);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, std::string(row.what) + " is too large a number to work with.");
        if (row.lastFilled) {
            EXPECT_NE(r.*row.lastFilled, "");
        }
        for (const std::string& f : Fields(r))
            EXPECT_EQ(f.find_first_of("ni"), std::string::npos) << f;  // no "inf" or "nan"
    }
}

TEST(AnalyzeScores, CallsTheStatisticsComponentInOrder)
{
    using Call = RecordingStatistics::Call;
    RecordingStatistics stats;
    core::AnalyzeScores(Inputs("50", "10", "31.5", "2", "90"), ".", stats);
    const std::vector<Call> expected{
        {"NormalQuantile", 0.25, 50, 10}, {"NormalQuantile", 0.75, 50, 10}, {"NormalQuantile", 0.95, 50, 10},
        {"NormalQuantile", 0.99, 50, 10}, {"NormalCdf", 31.5, 50, 10},
        // |z| after rounding: -1.85 becomes 1.85 under the standard normal
        {"NormalCdf", 1.85, 0, 1},        {"NormalQuantile", 0.9, 50, 10},
    };
    EXPECT_EQ(stats.calls, expected);

    RecordingStatistics bounds;
    core::AnalyzeScores(Inputs("50", "10", "", "", "100"), ".", bounds);
    ASSERT_EQ(bounds.calls.size(), 5u);
    EXPECT_EQ(bounds.calls.back().value, 1.0);
}

TEST(AnalyzeScores, StopsAtAFailedCallOfTheStatisticsComponent)
{
    struct Row {
        std::size_t failingCall;
        core::StatFailure why;
        std::string message;
        std::size_t filled;
    };
    const Row rows[] = {
        {0, core::StatFailure::Internal, "The 25th percentile of the measure could not be computed.", 3},
        {2, core::StatFailure::Overflow, "The 95th percentile of the measure is too large a number to work with.", 5},
        {4, core::StatFailure::Internal, "The percentile of the raw score could not be computed.", 8},
        {5, core::StatFailure::Internal, "The confidence level of the raw score could not be computed.", 9},
        {6, core::StatFailure::NonPositiveSd, "The measure SD must be above 0.", 13},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        RecordingStatistics stats;
        stats.FailCall(row.failingCall, row.why);
        const ScoreResults r = core::AnalyzeScores(Inputs("50", "10", "65", "2", "90"), ".", stats);
        EXPECT_EQ(stats.calls.size(), row.failingCall + 1);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, row.message);
        const auto fields = Fields(r);
        // the stipulated SD comes after the raw score, so a failure there leaves it empty
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(fields[i].empty(), i >= row.filled) << "field " << i;
    }
}

}  // namespace
