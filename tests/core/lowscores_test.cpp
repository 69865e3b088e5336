#include "core/calculations/lowscores.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/stats/lowcounts.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// A battery of n measures on mean 100, SD 15: the first `low` at a standard
// score of 74.5 (z = -1.7: at or below 85, 80 and the 5th percentile, not
// 70), the rest at 100.
std::string Battery(int n, int low)
{
    std::string b = "Test\tMean\tSD\tScore\n";
    for (int i = 0; i < n; ++i)
        b += "T" + std::to_string(i + 1) + "\t100\t15\t" + (i < low ? "74.5" : "100") + "\n";
    return b;
}

// A full matrix of n measures whose every pair correlates r.
std::string Equal(int n, const std::string& r)
{
    std::string m;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j)
            m += (j ? "\t" : "") + (i == j ? std::string("1") : r);
        m += "\n";
    }
    return m;
}

// The 5th percentile's row: the person's count, the share, its SE, unusual from.
std::vector<std::string> Fifth(const core::Shown& shown)
{
    const std::vector<std::string>& row = shown.table->rows.at(2);
    return {row[1], row[2], row[3], row[4]};
}

// The exact path against mpmath at 30 digits (quadrature of the binomial
// tail over the common factor; the binomial itself at rho = 0).
TEST(LowScores, TheWorkedExamplesExactly)
{
    struct Row {
        int measures, low;
        const char* rho;
        std::vector<std::string> fifth;
    };
    const Row rows[] = {
        {4, 1, "0", {"1 of 4", "18.55", "", "2 or more"}},  // 18.549375
        {4, 2, "0", {"2 of 4", "1.4", "", "2 or more"}},    // 1.401875
        {20, 1, "0.4", {"1 of 20", "39.1", "", "6 or more"}},  // 39.0994
        {20, 2, "0.4", {"2 of 20", "21.49", "", "6 or more"}},  // 21.4858
        {20, 3, "0.4", {"3 of 20", "13.2", "", "6 or more"}},   // 13.2044; 5 or more 5.717
        {10, 1, "0.5", {"1 of 10", "24.66", "", "4 or more"}},
        {10, 2, "0.5", {"2 of 10", "11.48", "", "4 or more"}},
        {10, 3, "0.5", {"3 of 10", "6.19", "", "4 or more"}},   // 4 or more 3.5048
        {3, 3, "0.9", {"3 of 3", "2.51", "", "2 or more"}},  // 2 or more 4.5307
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.measures) + " measures, " + std::to_string(row.low) + " low, rho " + row.rho);
        const core::Shown shown = core::CountLowScores({Battery(row.measures, row.low), row.rho, ""});
        ASSERT_FALSE(shown.message) << *shown.message;
        EXPECT_EQ(Fifth(shown), row.fifth);
    }
}

// The rules that turn a figure into a word or a mark, on each side of each.
TEST(LowScores, CountsAtOrBelowAndSaysWhatIsUnusual)
{
    const core::Shown edges = core::CountLowScores(
        {"A;100;15;85\nB;100;15;85.01\nC;100;15;70\nD;100;15;70.01\nE;10;3;16;;lower", "0", ""});
    ASSERT_FALSE(edges.message);
    EXPECT_EQ(edges.table->columns, (std::vector<std::string>{"Cut-off", "This person",
                                                              "Healthy people with as many or more (%)",
                                                              "Monte Carlo SE", "Unusual from"}));
    std::vector<std::string> counts;
    for (const auto& row : edges.table->rows)
        counts.push_back(row[0] + ": " + row[1]);
    // A at 85 counts at it, B just above does not; C at 70 counts there, D just above does not; E, turned
    // round, is at 70.
    EXPECT_EQ(counts, (std::vector<std::string>{"Standard score 85 or less (1 SD): 4 of 5",
                                                "Standard score 80 or less: 3 of 5", "5th percentile or less: 3 of 5",
                                                "Standard score 70 or less (2 SD): 2 of 5"}));
    // None at a cut-off: no share; no count rare enough: no "unusual from"; a share too small to show.
    const core::Shown none = core::CountLowScores({"A;100;15;100\nB;100;15;100", "0.99", ""});
    EXPECT_EQ(none.table->rows[0], (std::vector<std::string>{"Standard score 85 or less (1 SD)", "0 of 2", "-", "", "-"}));
    const core::Shown rare = core::CountLowScores({Battery(20, 0) + "x;100;15;60\ny;100;15;60\nz;100;15;60\n"
                                                                    "u;100;15;60\nv;100;15;60\nw;100;15;60",
                                                   "0", ""});
    EXPECT_EQ(rare.table->rows[3], (std::vector<std::string>{"Standard score 70 or less (2 SD)", "6 of 26", "< 0.01", "",
                                                             "3 or more"}));
}

TEST(LowScores, ReportsTheCountsTheModelAndWhatWasLeftOut)
{
    EXPECT_EQ(core::CountLowScores({Battery(10, 3) + "broken\n", "0.5", ""}).texts.at("txtReport"),
              "Of the 10 measures, 3 are at or below a standard score of 85, 3 at or below 80, 3 at or below the 5th "
              "percentile and 0 at or below 70. With an average correlation of 0.5 between the measures: 24.19% of "
              "healthy people would have 3 or more scores at or below a standard score of 85, and 7 or more would be "
              "unusual; 12.84% of healthy people would have 3 or more scores at or below 80, and 6 or more would be "
              "unusual; 6.19% of healthy people would have 3 or more scores at or below the 5th percentile, and 4 or "
              "more would be unusual; this person has no score at or below 70, and 2 or more would be unusual (unusual: fewer than 5% "
              "of healthy people). Left out, as they could not be computed: broken (needs a name, mean, SD, score "
              "and, if known, a reliability and a direction, separated by tabs or semicolons).");
}

// The limits of a count: 60 measures with their matrix, and not 61; a
// battery whose every measure is low, unusual only as a whole.
TEST(LowScores, TheLimitsOfACount)
{
    for (const int n : {60, 61}) {
        SCOPED_TRACE(n);
        // Prepared, not drawn: whether the matrix is taken is known before the first slice.
        const std::unique_ptr<core::Run> run = core::StartLowScores({Battery(n, 1), "", Equal(n, "0.1")}, ".");
        const std::optional<std::string> message = run->Result().message;
        if (n == 60)
            EXPECT_FALSE(message) << *message;
        else
            EXPECT_EQ(message, "The correlations serve at most 60 measures: give the average correlation for a larger battery.");
    }
    const core::Shown both = core::CountLowScores({"A;100;15;60\nB;100;15;60", "0", ""});
    EXPECT_EQ(both.table->rows[0][4], "2 or more");
}

TEST(LowScores, RefusesWhatCannotBeComputed)
{
    std::string megabyte;
    while (megabyte.size() < (1 << 20))
        megabyte += "T;100;15;90\n";
    const std::string two = "A;100;15;90\nB;100;15;90\n";
    struct Row {
        core::LowScoresInputs in;
        std::string message;
    };
    const Row rows[] = {
        {{"", "0.4", ""}, "Paste the measures, one a line."},
        {{megabyte, "0.4", ""}, "Paste at most 200 measures at a time."},
        {{"A;100;15;90\nB;100;0;90", "0.4", ""}, "The battery needs at least two measures that can be computed."},
        {{two, "", " \n"}, "Give the average correlation between the measures, or their correlations."},
        {{two, "1", ""}, "The average correlation must be from 0 up to 1."},
        {{two, "-0.1", ""}, "The average correlation must be from 0 up to 1."},
        {{two, "0,4", ""}, "The average correlation is not a number."},
        {{two, "", "1 0.5\n0.5"}, "The correlations are neither a full matrix nor its lower triangle: row 2 has 1 value."},
        {{two, "", "1\n0.5 1\n0.3 0.2 1"}, "The correlations give 3 measures and the battery has 2; where the last row is the ability's, give the ability too."},
        {{two, "", "A 1\nB 0.5 x"}, "Row 2 of the correlations holds \"x\", which is not a number."},
        {{two, "", "1\n1.5 1"}, "Each correlation must be above -1 and below 1: row 2 has 1.5."},
        {{two, "", "0.9 0.5\n0.5 1"}, "The correlations' diagonal must be 1: row 1 has 0.9."},
        {{two, "", "1 0.5\n0.4 1"}, "The correlations are not symmetric: row 2, column 1 differs from row 1, column 2."},
        // a triangle with as many rows as the battery has its diagonal, whatever a typo on it reads
        {{"A;1;1;0\nB;1;1;0\nC;1;1;0", "", "1\n0.5 0.9\n0.3 0.2 1"}, "The correlations' diagonal must be 1: row 2 has 0.9."},
        {{"A;1;1;0\nB;1;1;0\nC;1;1;0", "", "1\n0.9 1\n-0.9 0.9 1"},
         "These correlations cannot all hold at once: the matrix is not positive definite."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        const core::Shown shown = core::CountLowScores(row.in);
        EXPECT_EQ(shown.message, row.message);
        EXPECT_TRUE(shown.table->rows.empty());
    }
}

// The matrix path: a seeded Monte Carlo sample, the same to the digit every
// time (the page's test finds these same texts), within 4 standard errors of
// the exact figures; any of the matrix's written forms reads alike.
TEST(LowScores, TheMonteCarloAgreesWithTheExactPath)
{
    const core::Shown full = core::CountLowScores({Battery(10, 3), "", Equal(10, "0.5")});
    ASSERT_FALSE(full.message) << *full.message;
    EXPECT_EQ(Fifth(full), (std::vector<std::string>{"3 of 10", "6.16", "0.02", "4 or more"}));
    // Every cut-off's row, not the 5th percentile's alone (exact: 24.19, 12.84, 6.19).
    EXPECT_EQ(full.table->rows,
              (Rows{{"Standard score 85 or less (1 SD)", "3 of 10", "24.18", "0.04", "7 or more"},
                    {"Standard score 80 or less", "3 of 10", "12.82", "0.03", "6 or more"},
                    {"5th percentile or less", "3 of 10", "6.16", "0.02", "4 or more"},
                    {"Standard score 70 or less (2 SD)", "0 of 10", "-", "", "2 or more"}}));
    EXPECT_NEAR(6.16, 6.18763602707, 4 * 0.02);  // mpmath's exact figure
    // Its lower triangle, with names and a heading, without the diagonal; in the comma locale.
    std::string triangle = "Correlations\n";
    for (int i = 1; i < 10; ++i) {
        triangle += "T" + std::to_string(i + 1);
        for (int j = 0; j < i; ++j)
            triangle += " 0,5";
        triangle += "\n";
    }
    const core::Shown lower = core::CountLowScores({Battery(10, 3), "0,4", triangle}, ",");
    EXPECT_EQ(Fifth(lower), (std::vector<std::string>{"3 of 10", "6,16", "0,02", "4 or more"}));
    EXPECT_NE(lower.texts.at("txtReport").find("The correlations are used, not the average correlation."),
              std::string::npos);
}

// Correlations are between the scores as given: turning a measure round turns its row and column.
TEST(LowScores, ATurnedMeasureTurnsItsCorrelations)
{
    const core::Shown turned = core::CountLowScores({"A;100;15;74.5\nB;100;15;125.5;;lower", "", "1 -0.6\n-0.6 1"});
    const core::Shown plain = core::CountLowScores({"A;100;15;74.5\nB;100;15;74.5", "", "1 0.6\n0.6 1"});
    ASSERT_FALSE(turned.message);
    EXPECT_EQ(turned.table->rows, plain.table->rows);
    // The matrix names the battery's lines, a line that cannot be computed
    // among them: its row and column are left out with it.
    const core::Shown skipped = core::CountLowScores(
        {"A;100;15;74.5\nbroken\nB;100;15;125.5;;lower", "", "1 0.2 -0.6\n0.2 1 0.3\n-0.6 0.3 1"});
    ASSERT_FALSE(skipped.message) << *skipped.message;
    EXPECT_EQ(skipped.table->rows, plain.table->rows);
    // A line with tabs or semicolons splits at those alone, so a name may hold
    // blanks and digits; in a point locale a comma separates fields too.
    for (const char* matrix : {"Trails 2\t1\t0.6\nTrails 3\t0.6\t1", "Set 1; 1; 0.6\nSet 2; 0.6; 1", "1, 0.6\n0.6, 1"}) {
        SCOPED_TRACE(matrix);
        const core::Shown read = core::CountLowScores({"A;100;15;74.5\nB;100;15;74.5", "", matrix});
        ASSERT_FALSE(read.message) << *read.message;
        EXPECT_EQ(read.table->rows, plain.table->rows);
    }
}

// A cut-off past the eighth would go uncounted: the sampler refuses it.
TEST(LowCountSampler, RefusesMoreCutoffsThanItCounts)
{
    EXPECT_NO_THROW(core::stats::LowCountSampler({1.0}, 1, std::vector<double>(8, 0.0), 1));
    EXPECT_THROW(core::stats::LowCountSampler({1.0}, 1, std::vector<double>(9, 0.0), 1), std::invalid_argument);
}

TEST(EquicorrelatedTail, MatchesAnIndependentQuadrature)
{
    // mpmath at 30 digits: P(K >= 1..5) at z <= -2, 6 measures correlated 0.99.
    const std::vector<double> expected{3.01402737222, 2.60185997078, 2.34419640249, 2.12895992778, 1.91484606426};
    for (std::size_t k = 1; k <= 5; ++k)
        EXPECT_NEAR(100 * core::stats::EquicorrelatedTail(6, 0.99, -2, k), expected[k - 1], 1e-9) << k;
}


const std::string kSix = "Vocabulary;10;3;14;0.9\nMatrix Reasoning;10;3;9;0.88\nDigit Span;10;3;10;0.91\n"
                         "Processing Speed;100;15;78;0.86\nWord List;50;10;44;0.8\nTrail Making B;75;25;110;0.86;lower";

// Their matrix, every pair at 0.4, Trail Making B's row and column turned as
// scored; with n = 7 the ability's row and column last, at 0.6.
std::string SixMatrix(int n)
{
    std::string m;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            m += (i == j ? std::string("1")
                         : ((i == 5) != (j == 5) ? "-" : "") + std::string(i == 6 || j == 6 ? "0.6" : "0.4")) +
                 (j + 1 < n ? "\t" : "\n");
    return m;
}

// Among healthy people of an ability, exact (mpmath at 30 digits): the
// shares of 2 of 6 at or below 85 and 80, and "unusual from" at each cut-off.
TEST(LowScores, AmongPeopleOfAnAbility)
{
    const std::pair<const char*, const char*> rows[] = {
        {"", "25.15 13.36 | 5 4 3 2"}, {"85", "57.85 29.72 | 5 4 3 2"},
        {"100", "13.5 3.61 | 3 2 2 1"}, {"115", "0.97 0.14 | 2 1 1 1"}};
    for (const auto& [ability, expected] : rows) {
        const core::Shown shown = core::CountLowScores({kSix, "0.4", "", ability, *ability ? "0.6" : ""});
        ASSERT_FALSE(shown.message) << *shown.message;
        const Rows& t = shown.table->rows;
        std::string got = t[0][2] + " " + t[1][2] + " |";
        for (const auto& row : t)
            got += " " + row[4].substr(0, row[4].find(' '));
        EXPECT_EQ(got, expected) << ability;
    }
}

// The Monte Carlo path, within 4 SEs of those: the ability's row in the
// matrix, or its correlation typed beside the battery's; and each side of r = rho^2.
TEST(LowScores, AmongPeopleOfAnAbilityByMonteCarlo)
{
    const core::Shown joint = core::CountLowScores({kSix, "", SixMatrix(7), "85", ""});
    ASSERT_FALSE(joint.message) << *joint.message;
    EXPECT_EQ(joint.table->columns[2], "Healthy people of this ability with as many or more (%)");
    EXPECT_EQ(joint.table->rows[0],
              (std::vector<std::string>{"Standard score 85 or less (1 SD)", "2 of 6", "57.86", "0.05", "5 or more"}));
    EXPECT_EQ(joint.table->rows[1][2], "29.73");
    EXPECT_EQ(core::CountLowScores({kSix, "", SixMatrix(6), "85", "0.6"}).table->rows, joint.table->rows);
    const Rows exact = core::CountLowScores({kSix, "0.25", "", "85", "0.5"}).table->rows;
    const Rows drawn = core::CountLowScores({kSix, "0.2499", "", "85", "0.5"}).table->rows;
    EXPECT_EQ(exact[0][2] + " | " + exact[0][3] + " | " + drawn[0][2] + " | " + drawn[0][3], "53.98 |  | 53.99 | 0.05");
}

TEST(LowScores, ReportsTheAbility)
{
    EXPECT_EQ(core::CountLowScores({kSix, "0.4", "", "115", "0.6"}).texts.at("txtReport"),
              "Of the 6 measures, 2 are at or below a standard score of 85, 2 at or below 80, 0 at or below the 5th "
              "percentile and 0 at or below 70. Among healthy people with an ability of 115, with an average "
              "correlation of 0.4 between the measures and of 0.6 between them and the ability: 0.97% would have 2 or "
              "more scores at or below a standard score of 85, and 2 or more would be unusual; 0.14% would have 2 or "
              "more scores at or below 80, and 1 or more would be unusual; this person has no score at or below the "
              "5th percentile, and 1 or more would be unusual; this person has no score at or below 70, and 1 or more "
              "would be unusual (unusual: fewer than 5% of healthy people of that ability).");
    const std::string both = core::CountLowScores({kSix, "0.4", SixMatrix(7), "85", "0.5"}).texts.at("txtReport");
    for (const char* said : {"Among healthy people with an ability of 85, with the correlations given, the ability's "
                             "among them (a Monte Carlo estimate from a million simulated healthy people): 57.86% would",
                             ". The correlations are used, not the average correlation. The ability's correlations in "
                             "the matrix are used, not the one typed for it."})
        EXPECT_NE(both.find(said), std::string::npos) << said;
}

// Each refusal, and each side of each bound; with 6 measures correlating 0.4,
// rho^2 must be below (1 + 5 x 0.4) / 6 = 0.5.
TEST(LowScores, RefusesAnAbilityThatCannotBeUsed)
{
    const std::string needed =
        "Give the ability's correlation with the measures, or its row and column in the correlations.";
    const std::string tooLarge = "The ability's correlation is too large for the correlations between the measures: "
                                 "they cannot all hold at once.";
    const std::pair<core::LowScoresInputs, std::optional<std::string>> rows[] = {
        {{kSix, "0.4", "", "85", ""}, needed},
        {{kSix, "", SixMatrix(6), "85", ""}, needed},
        {{kSix, "0.4", "", "", "0.6"}, "Give the ability that its correlation belongs to, as a standard score."},
        {{kSix, "", SixMatrix(7), "", ""}, "The correlations give 7 measures and the battery has 6; where the last row "
                                           "is the ability's, give the ability too."},
        {{kSix, "0.4", "", "8 5", "0.6"}, "The ability is not a number."},
        {{kSix, "0.4", "", "-85", "0.6"}, "The ability is a standard score: it must be 0 or more."},
        {{kSix, "0.4", "", "0", "0.6"}, std::nullopt},
        {{kSix, "0.4", "", "85", "0,6"}, "The ability's correlation is not a number."},
        {{kSix, "0.4", "", "85", "1"}, "The ability's correlation must be above -1 and below 1."},
        {{kSix, "0.99", "", "85", "-0.995"}, std::nullopt},
        {{kSix, "0.4", "", "85", "0.7071"}, std::nullopt},
        {{kSix, "0.4", "", "85", "-0.7072"}, tooLarge},
        {{kSix, "", SixMatrix(6), "85", "0.7072"}, tooLarge},
        {{kSix, "", "1\n.4 1\n.4 .4 1\n.4 .4 .4 1\n.4 .4 .4 .4 1\n-.4 -.4 -.4 -.4 -.4 1\n.71 .71 .71 .71 .71 -.71 1",
          "85", ""},
         "These correlations cannot all hold at once: the matrix is not positive definite."},
        {{Battery(61, 0), "0", "", "85", "0.1"},
         "Where the ability's correlation squared is above the average correlation, the count is simulated, which "
         "serves at most 60 measures."},
    };
    for (const auto& [in, message] : rows)
        // Prepared, not drawn: each refusal comes before the first slice.
        EXPECT_EQ(core::StartLowScores(in, ".")->Result().message, message)
            << in.txtAbility << " " << in.txtAbilityCorrelation;
}

}  // namespace
