#include "core/calculations/composite.h"

#include <string>

#include <gtest/gtest.h>

namespace {

// The worked examples, figures from an independent computation (mpmath at 30 digits).
TEST(CompositeScore, TheWorkedExamples)
{
    const char* matrix = "1 .74 .64 .73\n.74 1 .73 .73\n.64 .73 1 .73\n.73 .73 .73 1\n";
    const struct {
        core::CompositeInputs in;
        std::vector<std::string> shown;  // z, standard, percentile, label, mean, reliability, SEM, true, low, high
    } rows[] = {
        {{"A;10;3;7;0.87\nB;10;3;7;0.94\nC;10;3;7;0.94\nD;10;3;7;0.94", "", matrix, "95", ""},
         {"4", "-1.13", "83.1", "12.99", "Low average", "85", "0.98", "2.35", "83.51", "78.96", "88.07"}},
        // The same sum of scores gives the same composite.
        {{"A;10;3;8;0.87\nB;10;3;6;0.94\nC;10;3;9;0.94\nD;10;3;5;0.94", "", matrix, "95", ""},
         {"4", "-1.13", "83.1", "12.99", "Low average", "85", "0.98", "2.35", "83.51", "78.96", "88.07"}},
        {{"Vocabulary;10;3;14;0.9\nDigit Span;10;3;10;0.91\nProcessing Speed;100;15;78;0.86\n"
          "Trail Making B;75;25;110;0.86;lower",
          "0.5", "", "95", "Verbal index"},
         {"4", "-0.48", "92.73", "31.39", "Average", "94.25", "0.95", "3.25", "93.07", "86.85", "99.29"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.in.txtRows);
        const core::CompositeResults r = core::CompositeScore(row.in);
        ASSERT_FALSE(r.message) << *r.message;
        EXPECT_EQ((std::vector<std::string>{r.txtCount, r.txtZ, r.txtStandard, r.txtPercentile, r.txtLabel,
                                            r.txtMeanStandard, r.txtReliability, r.txtSEM, r.txtTrue, r.txtTrueLow,
                                            r.txtTrueHigh}),
                  row.shown);
    }
    EXPECT_EQ(core::CompositeScore(rows[2].in).txtReport,
              "Verbal index of 4 measures has a standard score of 92.73 (z = -0.48, percentile 31.39, Average), by "
              "Tellegen and Briggs's method: the sum of the measures' z scores over its own SD. It is more extreme "
              "than the plain mean of their standard scores, 94.25, because measures that correlate less than "
              "perfectly seldom all fall as far from the mean together. Its reliability (Mosier) is 0.95, its SEM "
              "3.25: the estimated true score is 93.07, with a 95% interval from 86.85 to 99.29.");
}

// Each side of a label's edge and of the ends rule; with a correlation of 0
// two scores of z make a composite of z times the square root of 2.
TEST(CompositeScore, LabelsAndTheEndsRuleOnEachSideOfTheirEdges)
{
    const struct {
        const char* score;  // of two measures on mean 0, SD 1
        const char* standard;
        const char* label;
        const char* percentile;
    } rows[] = {
        {"-0.494974747", "89.5", "Average", "24.2"},
        {"-0.4957", "89.48", "Low average", "24.16"},
        {"-2.8", "40.6", "Exceptionally low", "< 0.01"},
        {"-2.7", "42.72", "Exceptionally low", "0.01"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.score);
        const std::string line = std::string(";0;1;") + row.score;
        const core::CompositeResults r = core::CompositeScore({"A" + line + "\nB" + line, "0", "", "95", ""});
        EXPECT_EQ(r.txtStandard, row.standard);
        EXPECT_EQ(r.txtLabel, row.label);
        EXPECT_EQ(r.txtPercentile, row.percentile);
    }
}

TEST(CompositeScore, WithoutAReliabilityOrALineItIsStillGivenAndSaysWhy)
{
    const core::CompositeResults r =
        core::CompositeScore({"A;100;15;85;0.9\nB;100;15;85\nC;100;0;85", "0.5", "", "95", ""});
    ASSERT_FALSE(r.message);
    EXPECT_EQ(r.txtStandard, "82.68");
    EXPECT_EQ(r.txtReliability + r.txtSEM + r.txtTrue + r.txtTrueLow + r.txtTrueHigh, "");
    EXPECT_EQ(r.txtReport,
              "The composite of 2 measures has a standard score of 82.68 (z = -1.15, percentile 12.41, Low "
              "average), by Tellegen and Briggs's method: the sum of the measures' z scores over its own SD. It is "
              "more extreme than the plain mean of their standard scores, 85, because measures that correlate less "
              "than perfectly seldom all fall as far from the mean together. Its reliability and interval need "
              "every measure's reliability, which B lacks. Left out, as they could not be computed: C (the SD must "
              "be above 0).");
}

// Refused as the Low Scores window refuses them.
TEST(CompositeScore, RefusesWhatIsNoCorrelationMatrix)
{
    const char* battery = "A;100;15;85;0.9\nB;100;15;90;0.9\nC;100;15;95;0.9";
    const struct {
        const char* correlation;
        const char* matrix;
        const char* message;
    } rows[] = {
        {"", "1 .5 .5\n.4 1 .5\n.5 .5 1", "The correlations are not symmetric: row 2, column 1 differs from row 1, column 2."},
        {"", "1 .5 .5\n.5 .9 .5\n.5 .5 1", "The correlations' diagonal must be 1: row 2 has 0.9."},
        {"", "1 .9 -.9\n.9 1 .9\n-.9 .9 1", "These correlations cannot all hold at once: the matrix is not positive definite."},
        {"", "1 .5\n.5 1", "The correlations give 2 measures and the battery has 3."},
        {"", "", "Give the average correlation between the measures, or their correlations."},
        {"1", "", "The average correlation must be from 0 up to 1."},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        const core::CompositeResults r = core::CompositeScore({battery, row.correlation, row.matrix, "95", ""});
        ASSERT_TRUE(r.message);
        EXPECT_EQ(*r.message, row.message);
        EXPECT_EQ(r.txtStandard, "");
    }
}

}  // namespace
