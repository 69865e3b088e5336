#include "core/calculations/compare.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using core::CompareInputs;

// Score A and score B as mean, SD, raw score, reliability and "1" for lower is
// better; the correlation and the level.
CompareInputs Inputs(std::vector<std::string> a, std::vector<std::string> b, std::string correlation = "",
                     std::string level = "95")
{
    return {"", a[0], a[1], a[2], a[3], a[4], "", b[0], b[1], b[2], b[3], b[4], std::move(correlation), std::move(level)};
}

std::vector<std::string> Results(const core::CompareResults& r)
{
    std::vector<std::string> out;
    for (const core::CompareResultBox& box : core::kCompareResults)
        if (box.name != "txtReport")
            out.push_back(r.*box.text);
    return out;
}

// Figures from an independent computation (mpmath, 30 digits); the two worked
// examples of the design first.
TEST(CompareScores, GivesTheReliableAndTheRareDifference)
{
    struct Row {
        const char* name;
        CompareInputs in;
        const char* separator;
        std::vector<std::string> results;
    };
    const Row rows[] = {
        {"worked example", Inputs({"100", "15", "112", "0.94", ""}, {"100", "15", "91", "0.9", ""}, "0.6"), ".",
         {"112", "High average", "91", "Average", "21", "6", "11.76", "3.5", "99.95", "Reliable difference", "1.57",
          "5.88"}},
        {"a timed test against a verbal one",
         Inputs({"75", "25", "110", "0.86", "1"}, {"10", "3", "14", "0.9", ""}, "0.4"), ".",
         {"79", "Below average", "120", "Above average", "-41", "7.35", "14.4", "-5.58", "> 99.99",
          "Reliable difference", "-2.5", "0.63"}},
        {"lower is better on B; reliabilities, no correlation",
         Inputs({"100", "15", "112", "0.94", ""}, {"30", "6", "21", "0.8", "1"}), ".",
         {"112", "High average", "122.5", "Above average", "-10.5", "7.65", "14.99", "-1.37", "82.93",
          "No reliable difference", "", ""}},
        {"a correlation of 0 and no reliabilities, comma locale",
         Inputs({"100", "15", "112", "", ""}, {"100", "15", "91", "", ""}, "0"), ",",
         {"112", "High average", "91", "Average", "21", "", "", "", "", "", "0,99", "16,11"}},
        {"a negative difference at 99%", Inputs({"100", "15", "91", "0.94", ""}, {"100", "15", "112", "0.9", ""}, "0.6", "99"),
         ".",
         {"91", "Average", "112", "High average", "-21", "6", "15.45", "-3.5", "99.95", "Reliable difference", "-1.57",
          "5.88"}},
        {"no difference", Inputs({"50", "10", "50", "0.9", ""}, {"50", "10", "50", "0.9", ""}, "-0.5"), ".",
         {"100", "Average", "100", "Average", "0", "6.71", "13.15", "0", "0", "No reliable difference", "0", "50"}},
        // the verdict is the difference against the critical difference, each unrounded, on each side of it
        {"just within measurement error", Inputs({"100", "15", "117.4", "0.875", ""}, {"100", "15", "100", "0.875", ""}, "", "97.97"),
         ".", {"117.4", "High average", "100", "Average", "17.4", "7.5", "17.41", "2.32", "97.97", "No reliable difference", "", ""}},
        {"just beyond it", Inputs({"100", "15", "117.42", "0.875", ""}, {"100", "15", "100", "0.875", ""}, "", "97.97"),
         ".", {"117.42", "High average", "100", "Average", "17.42", "7.5", "17.41", "2.32", "97.97", "Reliable difference", "", ""}},
        // the label of the standard score as shown, 109.5, not of 109.496
        {"a label on its edge", Inputs({"100", "15", "109.496", "", ""}, {"100", "15", "109.494", "", ""}), ".",
         {"109.5", "High average", "109.49", "Average", "0", "", "", "", "", "", "", ""}},
        // a rarity that rounds to 0 is no one's
        {"far apart", Inputs({"100", "15", "160", "", ""}, {"100", "15", "40", "", ""}, "0.9"), ".",
         {"160", "Exceptionally high", "40", "Exceptionally low", "120", "", "", "", "", "", "17.89", "< 0.01"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const core::CompareResults r = core::CompareScores(row.in, row.separator);
        EXPECT_FALSE(r.message.has_value()) << *r.message;
        EXPECT_EQ(Results(r), row.results);
    }
}

// A message about the scores stops the comparison; one about an input of one
// answer is that answer's, and the other answer is given.
TEST(CompareScores, GivesEachAnswerOnItsOwnInputs)
{
    struct Row {
        const char* name;
        CompareInputs in;
        std::string message;
        std::string filled;  // x for each result box that is filled
    };
    const std::vector<std::string> a{"100", "15", "112", "0.94", ""}, b{"100", "15", "91", "0.9", ""};
    const std::string reliability = "The reliability must be above 0 and below 1.";
    const std::string both = "A reliable difference needs both reliabilities.";
    const std::string correlation = "The correlation must be above -1 and below 1.";
    const Row rows[] = {
        {"no raw score B", Inputs(a, {"100", "15", "", "0.9", ""}), "Enter each score's mean, SD and raw score.", ""},
        {"no mean A, and SD B of 0", Inputs({"", "15", "112", "", ""}, {"100", "0", "91", "", ""}),
         "Enter each score's mean, SD and raw score.", ""},
        {"SD B of 0", Inputs(a, {"100", "0", "91", "0.9", ""}), "The measure SD must be above 0.", ""},
        {"mean A abc", Inputs({"abc", "15", "112", "", ""}, b), "The measure mean of score A is not a number.", ""},
        {"SD A below 0", Inputs({"100", "-15", "112", "0.94", ""}, b), "The measure SD must be above 0.", ""},
        {"reliability B 0,9", Inputs(a, {"100", "15", "91", "0,9", ""}), "The reliability of score B is not a number.",
         "xxxxx"},
        {"one reliability", Inputs(a, {"100", "15", "91", "", ""}, "0.6"), both, "xxxxx.....xx"},
        {"reliability 1", Inputs(a, {"100", "15", "91", "1", ""}, "0.6"), reliability, "xxxxx.....xx"},
        {"reliability 0", Inputs({"100", "15", "112", "0", ""}, b), reliability, "xxxxx"},
        {"level 100", Inputs(a, b, "0.6", "100"), "Your confidence level must be below 100 and above 0.",
         "xxxxx.....xx"},
        {"correlation 1", Inputs(a, b, "1"), correlation, "xxxxxxxxxx"},
        {"correlation -1, no reliabilities", Inputs({"100", "15", "112", "", ""}, {"100", "15", "91", "", ""}, "-1"),
         correlation, "xxxxx"},
        {"neither answer", Inputs(a, {"100", "15", "91", "", ""}, "1"), both + " " + correlation, "xxxxx"},
        {"a difference beyond a double", Inputs({"0", "1", "1e306", "0.9999999", ""}, {"0", "1", "-1e306", "0.9999999", ""}),
         "The z of the difference is too large a number to work with.", "xxxxx"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const core::CompareResults r = core::CompareScores(row.in);
        EXPECT_EQ(r.message, row.message);
        std::string filled;
        for (const std::string& result : Results(r))
            filled += result.empty() ? '.' : 'x';
        EXPECT_EQ(filled, (row.filled + std::string(12, '.')).substr(0, 12));
    }
}

// The report says each finding from the texts as shown, and never calls one by the other's name.
TEST(CompareScores, ReportsAReliableAndARareDifferenceEachByItsName)
{
    CompareInputs in = Inputs({"75", "25", "110", "0.86", "1"}, {"10", "3", "14", "0.9", ""}, "0.4");
    in.txtNameA = "Trail Making B";
    EXPECT_EQ(core::CompareScores(in).txtReport,
              "Trail Making B (lower is better) has a standard score of 79 (Below average) and score B one of 120 "
              "(Above average): Trail Making B is 41 points lower than score B. With reliabilities of 0.86 and 0.9, "
              "the difference is reliable at the 95% level: larger than measurement error alone would give (z = -5.58, "
              "more than 99.99% confidence; the critical difference is 14.4). With a correlation of 0.4 between the tests, 0.63% of "
              "the population would show a difference at least this large in the same direction.");
    const std::string unreliable =
        core::CompareScores(Inputs({"100", "15", "112", "0.94", ""}, {"30", "6", "21", "0.8", "1"})).txtReport;
    EXPECT_EQ(unreliable,
              "Score A has a standard score of 112 (High average) and score B (lower is better) one of 122.5 (Above "
              "average): Score A is 10.5 points lower than score B. With reliabilities of 0.94 and 0.8, the difference is not "
              "reliable at the 95% level: measurement error alone could give it (z = -1.37, 82.93% confidence; the "
              "critical difference is 14.99).");
    EXPECT_EQ(unreliable.find("abnormal"), std::string::npos);
    // Equal scores have no difference to judge; a point is one; the ends of a share in words.
    EXPECT_EQ(core::CompareScores(Inputs({"50", "10", "50", "0.9", ""}, {"10", "3", "10", "0.9", "1"}, "0.5")).txtReport,
              "Score A and score B (lower is better) both have a standard score of 100 (Average): the scores are equal.");
    EXPECT_EQ(core::CompareScores(Inputs({"100", "15", "101", "", ""}, {"100", "15", "100", "", ""})).txtReport,
              "Score A has a standard score of 101 (Average) and score B one of 100 (Average): Score A is 1 point "
              "higher than score B.");
    EXPECT_NE(core::CompareScores(Inputs({"100", "15", "160", "", ""}, {"100", "15", "40", "", ""}, "0.9"))
                  .txtReport.find("tests, less than 0.01% of the population"),
              std::string::npos);
}

}  // namespace
