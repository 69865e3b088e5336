#include "core/calculations/batch.h"

#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/calculations/interpretation.h"
#include "core/reading/numbers.h"

namespace {

using Kind = core::ScoreLine::Kind;

// The one strict reader, of a pasted line and of a box of every window but
// the main window and the converter: wholly a number, or refused.
TEST(StrictReading, AcceptsOnlyAWholeNumber)
{
    struct Row {
        const char* line;
        const char* separator;
        Kind kind;
        const char* text;
        const char* number;
        double value;
    };
    const Row rows[] = {
        {"12", ".", Kind::Number, "12", "12", 12},
        {" 12.5 ", ".", Kind::Number, "12.5", "12.5", 12.5},
        {"\t12,5\r", ",", Kind::Number, "12,5", "12.5", 12.5},
        {"12.5", ",", Kind::Number, "12.5", "12.5", 12.5},  // the point is read under any locale
        {"12,5", ".", Kind::NotANumber, "12,5", "", 0},
        {"-3", ".", Kind::Number, "-3", "-3", -3},
        {"-,5", ",", Kind::Number, "-,5", "-.5", -0.5},
        {"1e2", ".", Kind::Number, "1e2", "1e2", 100},
        {"+1.5E-3", ".", Kind::Number, "+1.5E-3", "+1.5E-3", 0.0015},
        {"1.2.3", ".", Kind::NotANumber, "1.2.3", "", 0},
        {"1e", ".", Kind::NotANumber, "1e", "", 0},
        {"--1", ".", Kind::NotANumber, "--1", "", 0},
        {"1-", ".", Kind::NotANumber, "1-", "", 0},
        {".", ".", Kind::NotANumber, ".", "", 0},
        {"abc", ",", Kind::NotANumber, "abc", "", 0},
        {"n/a", ".", Kind::NotANumber, "n/a", "", 0},
        {"12 13", ".", Kind::NotANumber, "12 13", "", 0},
        {"&H10", ".", Kind::NotANumber, "&H10", "", 0},
        {"", ".", Kind::Empty, "", "", 0},
        {" \t ", ".", Kind::Empty, "", "", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string("\"") + row.line + "\" with " + row.separator);
        const core::ScoreLine read = core::ReadScoreLine(row.line, row.separator);
        EXPECT_EQ(read.kind, row.kind);
        EXPECT_EQ(read.text, row.text);
        EXPECT_EQ(read.number, row.number);
        const std::optional<double> value = core::StrictParse(row.line, row.separator);
        EXPECT_EQ(value.has_value(), row.kind == Kind::Number);
        EXPECT_EQ(value.value_or(0), row.value);
    }
    EXPECT_EQ(core::StrictParse("1e999", "."), std::numeric_limits<double>::infinity());
}

TEST(InterpretBatch, EveryRowIsWhatInterpretScoreGives)
{
    std::mt19937_64 rng(20261208);
    std::uniform_real_distribution<double> score(-20, 130);
    std::vector<std::string> scores;
    std::string pasted;
    for (int i = 0; i < 200; ++i) {
        scores.push_back(std::to_string(score(rng)));
        pasted += scores.back() + "\n";
    }
    const core::BatchTable table = core::InterpretBatch({"", "50", "10", "0.85", "90", pasted}, ",");
    ASSERT_FALSE(table.message.has_value());
    ASSERT_EQ(table.rows.size(), scores.size());
    for (std::size_t i = 0; i < scores.size(); ++i) {
        SCOPED_TRACE(scores[i]);
        const core::InterpretResults r = core::InterpretScore({"", "50", "10", scores[i], "0.85", "90", "", ""}, ",");
        std::string shown = scores[i];  // the score as pasted, with the locale's separator
        shown[shown.find('.')] = ',';
        EXPECT_EQ(table.rows[i],
                  (std::vector<std::string>{shown, r.txtZScore, r.txtPercentile, r.txtTScore, r.txtStandardScore,
                                            r.txtScaledScore, r.txtStanine, r.txtSten, r.txtLabel, r.txtTrueScore,
                                            r.txtTrueLow, r.txtTrueHigh}));
    }
}

TEST(InterpretBatch, KeepsTheRowsThatAreNoNumbersAndCopiesForASpreadsheet)
{
    // Only a score that is a number takes the locale's separator; a line that is none stays as pasted.
    const core::BatchTable table =
        core::InterpretBatch({"", "100", "15", "", "95", "115\n\nabsent\n 85,5 \n1.5.3\n"}, ",");
    ASSERT_FALSE(table.message.has_value());
    EXPECT_EQ(table.Tsv(),
              "Score\tz\tPercentile\tT\tStandard\tScaled\tStanine\tSten\tLabel\n"
              "115\t1\t84,13\t60\t115\t13\t7\t8\tHigh average\n"
              "absent\tnot a number\n"
              "85,5\t-0,97\t16,69\t40,33\t85,5\t7,1\t3\t4\tLow average\n"
              "1.5.3\tnot a number\n");
}

TEST(InterpretBatch, ChecksTheMeasureBeforeAnyRowAndRefusesTooManyScores)
{
    struct Row {
        core::BatchInputs in;
        std::string message;
    };
    std::string many;
    for (int i = 0; i < 10001; ++i)
        many += "1\n";
    const Row rows[] = {
        {{"", "", "10", "", "95", "12"}, "Enter the measure's mean, its SD and a raw score."},
        {{"", "50", "0", "", "95", "12"}, "The measure SD must be above 0."},
        {{"", "50", "10", "1", "95", "12"}, "The reliability must be above 0 and below 1."},
        {{"", "50", "10", "0.9", "", "12"}, "Your confidence level must be below 100 and above 0."},
        {{"", "50", "10", "", "95", many}, "Paste at most 10,000 scores at a time."},
        {{"", "50", "10", "", "95", " \n\t\n"}, "Paste the scores, one a line."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        const core::BatchTable table = core::InterpretBatch(row.in);
        EXPECT_EQ(table.message, row.message);
        EXPECT_TRUE(table.rows.empty());
    }
    many.resize(many.size() - 2);  // 10,000 lines are taken
    EXPECT_EQ(core::InterpretBatch({"", "50", "10", "", "95", many}).rows.size(), 10000u);
}

}  // namespace
