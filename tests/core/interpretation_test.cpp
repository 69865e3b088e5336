#include "core/calculations/interpretation.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/pictures/curve.h"

namespace {

using core::InterpretInputs;
using core::InterpretResults;

// mean, SD, raw score, reliability, level, retest, practice; no measure name.
InterpretInputs Inputs(std::string m, std::string s, std::string x, std::string r = "", std::string level = "95",
                       std::string retest = "", std::string practice = "")
{
    return {"", std::move(m), std::move(s), std::move(x), std::move(r), std::move(level), std::move(retest),
            std::move(practice)};
}

std::vector<std::string> Fields(const InterpretResults& r)
{
    std::vector<std::string> out;
    for (const core::InterpretResultBox& box : core::kInterpretResults)
        if (box.name != "txtReport")
            out.push_back(r.*box.text);
    return out;
}

// The worked example: mean 50, SD 10, score 65, reliability 0.9, level 95, retest 72 (figures from an
// independent computation in double with the normal CDF through erfc).
const std::vector<std::string> kExample{"1.5",   "93.32", "65",    "122.5", "14.5",  "81.59", "8",
                                        "9",     "Above average",  "1.96",  "3.16",  "58.8",  "71.2",
                                        "63.5",  "3",     "57.62", "69.38", "77.7",  "97.37", "High average",
                                        "Above average",  "4.47",  "1.57",  "88.36", "No reliable change"};

TEST(InterpretScore, TheWorkedExampleAndItsReport)
{
    InterpretInputs in = Inputs("50", "10", "65", "0.9", "95", "72");
    in.txtMeasure = "the Word List test";
    const InterpretResults r = core::InterpretScore(in);
    EXPECT_FALSE(r.message.has_value());
    EXPECT_EQ(Fields(r), kExample);
    EXPECT_EQ(r.txtReport,
              "On the Word List test (mean 50, SD 10), a raw score of 65 is at z = 1.5, percentile rank 93.32 (T 65, "
              "standard score 122.5, scaled score 14.5, NCE 81.59, stanine 8, sten 9), in the Above average range. "
              "With a reliability of 0.9, the 95% confidence interval for the true score is 57.62 to 69.38 "
              "(percentile ranks 77.7 to 97.37; High average to Above average), around an estimated true score of "
              "63.5; the observed score's interval is 58.8 to 71.2 (SEM 3.16). At retest, a score of 72 gives a "
              "reliable change index of 1.57 (SE of the difference 4.47), 88.36% confidence: no reliable change at "
              "the 95% level.");
}

TEST(InterpretScore, WritesTheLocaleSeparator)
{
    const InterpretResults r = core::InterpretScore(Inputs("50", "10", "65", "0.9", "95", "72"), ",");
    std::vector<std::string> expected = kExample;
    for (std::string& text : expected)
        if (const auto at = text.find('.'); at != std::string::npos)
            text[at] = ',';
    EXPECT_EQ(Fields(r), expected);
    EXPECT_NE(r.txtReport.find("z = 1,5, percentile rank 93,32"), std::string::npos) << r.txtReport;
}

TEST(InterpretScore, LabelsTheStandardScoreAsShown)
{
    struct Row {
        const char* score;  // on a measure of mean 100 and SD 15, the standard score itself
        const char* label;
    };
    const Row rows[] = {
        {"129.5", "Exceptionally high"}, {"129.49", "Above average"}, {"119.5", "Above average"},
        {"119.49", "High average"},      {"109.5", "High average"},   {"109.49", "Average"},
        {"89.5", "Average"},             {"89.49", "Low average"},    {"79.5", "Low average"},
        {"79.49", "Below average"},      {"69.5", "Below average"},   {"69.49", "Exceptionally low"},
        {"129.496", "Exceptionally high"},  // shown as 129.5
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.score);
        EXPECT_EQ(core::InterpretScore(Inputs("100", "15", row.score)).txtLabel, row.label);
    }
}

TEST(InterpretScore, NoPercentileIsZeroOrAHundred)
{
    struct Row {
        const char* z;
        const char* percentile;  // of the score, and of its true score's interval at a reliability of 0.9
        const char* low;
        const char* high;
    };
    const Row rows[] = {
        // mpmath, 30 digits: 100 Phi(5) = 99.99997, Phi(3.912) = 99.99542, Phi(5.088) = 99.99998
        {"5", "> 99.99", "> 99.99", "> 99.99"},
        // 0.0032, 0.0014 and 0.1298
        {"-4", "< 0.01", "< 0.01", "0.13"},
        // 99.98999 (shown 99.99, not beyond it), 99.71021 and 99.99584
        {"3.719", "99.99", "99.71", "> 99.99"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.z);
        const InterpretResults r = core::InterpretScore(Inputs("0", "1", row.z, "0.9"));
        EXPECT_EQ(r.txtPercentile, row.percentile);
        EXPECT_EQ(r.txtTrueLowPercentile, row.low);
        EXPECT_EQ(r.txtTrueHighPercentile, row.high);
    }
}

TEST(InterpretScore, StanineAndStenTakeTheUpperBandOnABoundary)
{
    struct Row {
        const char* z;
        const char* stanine;
        const char* sten;
    };
    const Row rows[] = {
        {"0.25", "6", "6"},  {"0.2499", "5", "6"}, {"0", "5", "6"},    {"-0.0001", "5", "5"},
        {"0.5", "6", "7"},   {"0.4999", "6", "6"}, {"-0.25", "5", "5"}, {"-0.2501", "4", "5"},
        {"1.75", "9", "9"},  {"1.7499", "8", "9"}, {"2", "9", "10"},   {"-2", "1", "2"},
        {"-1.75", "2", "2"}, {"9e300", "9", "10"}, {"-9e300", "1", "1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.z);
        const InterpretResults r = core::InterpretScore(Inputs("0", "1", row.z));
        EXPECT_EQ(r.txtStanine, row.stanine);
        EXPECT_EQ(r.txtSten, row.sten);
    }
}

TEST(InterpretScore, ReliableChangeWithAPracticeEffect)
{
    struct Row {
        const char* retest;
        const char* practice;
        const char* level;
        const char* rci;
        const char* confidence;
        const char* change;
        const char* reported;
    };
    const Row rows[] = {
        {"72", "", "95", "1.57", "88.36", "No reliable change", "88.36% confidence: no reliable change at the 95% level."},
        // a confidence as shown at the level is enough
        {"72", "", "88.36", "1.57", "88.36", "Reliable increase", "88.36% confidence: a reliable increase at the 88.36% level."},
        {"72", "7", "95", "0", "0", "No reliable change", "(SE of the difference 4.47, practice effect 7), 0% confidence"},
        {"72", "20", "95", "-2.91", "99.64", "Reliable decrease", "99.64% confidence: a reliable decrease at the 95% level."},
        {"80", "", "95", "3.35", "99.92", "Reliable increase", "99.92% confidence: a reliable increase at the 95% level."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.retest) + " practice " + row.practice + " level " + row.level);
        const InterpretResults r =
            core::InterpretScore(Inputs("50", "10", "65", "0.9", row.level, row.retest, row.practice));
        EXPECT_EQ(r.txtRCI, row.rci);
        EXPECT_EQ(r.txtRCIConf, row.confidence);
        EXPECT_EQ(r.txtChange, row.change);
        EXPECT_NE(r.txtReport.find(row.reported), std::string::npos) << r.txtReport;
    }
}

TEST(InterpretScore, StopsAtTheFirstMessage)
{
    struct Row {
        const char* name;
        InterpretInputs in;
        std::string message;
        std::size_t filled;  // leading result boxes that are filled
    };
    const std::string level = "Your confidence level must be below 100 and above 0.";
    const std::string reliability = "The reliability must be above 0 and below 1.";
    const Row rows[] = {
        {"no raw score", Inputs("50", "10", ""), "Enter the measure's mean, its SD and a raw score.", 0},
        {"no mean", Inputs("", "10", "65"), "Enter the measure's mean, its SD and a raw score.", 0},
        {"SD of 0", Inputs("50", "0", "65"), "The measure SD must be above 0.", 0},
        {"mean abc", Inputs("abc", "10", "65"), "The measure mean is not a number.", 0},
        {"reliability 1", Inputs("50", "10", "65", "1"), reliability, 9},
        {"reliability 0", Inputs("50", "10", "65", "0"), reliability, 9},
        {"level 100", Inputs("50", "10", "65", "0.9", "100"), level, 9},
        {"empty level", Inputs("50", "10", "65", "0.9", ""), level, 9},
        {"retest without reliability", Inputs("50", "10", "65", "", "95", "72"),
         "Reliable change needs the measure's reliability.", 9},
        // a later rule never replaces an earlier message
        {"SD of 0, a retest and no reliability", Inputs("50", "0", "60", "", "95", "65"),
         "The measure SD must be above 0.", 0},
        {"raw score too large", Inputs("50", "10", "1e999"), "The raw score is too large a number to work with.", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const InterpretResults r = core::InterpretScore(row.in);
        ASSERT_TRUE(r.message.has_value());
        EXPECT_EQ(*r.message, row.message);
        const auto fields = Fields(r);
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(fields[i].empty(), i >= row.filled) << core::kInterpretResults[i].name;
    }
}

}  // namespace

namespace {

TEST(CurveSvg, MarksTheScoreAndAnArrowPointingOutAtTheEdgeBeyondFour)
{
    struct Row {
        double z;
        const char* x;      // where the mark stands: 16 + (z + 4) / 8 * 360, at most 4 either side
        const char* arrow;  // the arrow's tip and the base it points away from, or nothing
    };
    const Row rows[] = {{1.5, "263.5", ""},
                        {-4, "16", ""},
                        {4, "376", ""},
                        {5.2, "376", "M386 22 L376 16 L376 28 Z"},
                        {-9, "16", "M6 22 L16 16 L16 28 Z"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.z);
        const std::string svg = core::CurveSvg({row.z, std::nullopt, std::nullopt, "a <b> & c"});
        EXPECT_NE(svg.find(std::string("<line id=\"score\" x1=\"") + row.x + "\""), std::string::npos) << svg;
        const std::size_t at = svg.find("id=\"beyond\" d=\"") + 15;
        EXPECT_EQ(at < 15 ? "" : svg.substr(at, svg.find('"', at) - at), row.arrow);
        EXPECT_NE(svg.find("<desc>a &lt;b&gt; &amp; c</desc>"), std::string::npos);
    }
}

}  // namespace
