#include "core/calculations/profile.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/text/markup.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Both worked examples of the design, figures from an independent computation
// (mpmath at 40 digits, rounded to two places).
TEST(ProfileScores, TheWorkedExamples)
{
    struct Example {
        const char* pasted;
        Rows rows;
        const char* mean;
        const char* report;
    };
    const Example examples[] = {
        {"Test\tMean\tSD\tScore\tReliability\n"
         "Vocabulary\t10\t3\t14\t0.9\n"
         "Matrix Reasoning\t10\t3\t9\t0.88\n"
         "Digit Span\t10\t3\t10\t0.91\n"
         "Processing Speed\t100\t15\t78\t0.86\n"
         "Word List\t50\t10\t44\t0.8\n",
         {{"Vocabulary", "14", "1.33", "90.88", "120", "Above average", "109.18", "126.82", "23.2", "8.62",
           "Relative strength"},
          {"Matrix Reasoning", "9", "-0.33", "36.94", "95", "Average", "86.05", "105.15", "-1.8", "9.2", ""},
          {"Digit Span", "10", "0", "50", "100", "Average", "91.59", "108.41", "3.2", "8.32", ""},
          {"Processing Speed", "78", "-1.47", "7.12", "78", "Below average", "70.88", "91.28", "-18.8", "9.75",
           "Relative weakness"},
          {"Word List", "44", "-0.6", "27.43", "91", "Average", "81.04", "104.56", "-5.8", "11.23", ""}},
         "96.8",
         "5 measures are on the standard-score scale, with a mean standard score of 96.8. At the 95% level, "
         "Vocabulary with a standard score of 120 is a relative strength, and Processing Speed with a standard score "
         "of 78 is a relative weakness."},
        {"Trail Making B\t75\t25\t110\t0.86\tlower\r\nVocabulary\t10\t3\t14\t0.9\r\nDigit Span\t10\t3\t10\t0.91",
         {{"Trail Making B", "110", "-1.4", "8.08", "79", "Below average", "71.74", "92.14", "-20.67", "8.49",
           "Relative weakness"},
          {"Vocabulary", "14", "1.33", "90.88", "120", "Above average", "109.18", "126.82", "20.33", "7.78",
           "Relative strength"},
          {"Digit Span", "10", "0", "50", "100", "Average", "91.59", "108.41", "0.33", "7.59", ""}},
         "99.67",
         "3 measures are on the standard-score scale, with a mean standard score of 99.67. At the 95% level, "
         "Vocabulary with a standard score of 120 is a relative strength, and Trail Making B (lower is better) with a "
         "standard score of 79 is a relative weakness."},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.pasted);
        const core::ProfileResults r = core::ProfileScores({e.pasted, "95"});
        EXPECT_FALSE(r.message.has_value());
        EXPECT_EQ(r.table.columns,
                  (std::vector<std::string>{"Measure", "Score", "z", "Percentile", "Standard", "Label",
                                            "95% true-score interval: low", "95% true-score interval: high",
                                            std::string("From mean (") + e.mean + ")", "Critical difference",
                                            "Strength or weakness"}));
        EXPECT_EQ(r.table.rows, e.rows);
        EXPECT_EQ(r.txtMeanScore, e.mean);
        EXPECT_EQ(r.txtReport, e.report);
    }
}

const char* const kFields =
    "needs a name, mean, SD, score and, if known, a reliability and a direction, separated by tabs or semicolons";

// One line at a time: how it is split, read and turned, or the note it gets.
TEST(ProfileScores, ReadsEachLineStrictly)
{
    struct Row {
        const char* line;
        const char* separator;
        std::vector<std::string> cells;  // the figures up to the label, or the note
    };
    const Row rows[] = {
        // semicolons where there is no tab; blanks around fields; an empty name
        {" Speed ; 30 ; 6 ; 21 ; 0.8 ; LOWER ", ".", {"Speed", "21", "1.5", "93.32", "122.5", "Above average"}},
        {"\t30\t6\t21", ".", {"", "21", "-1.5", "6.68", "77.5", "Below average"}},
        {"Speed;30;6;21;;Lower", ".", {"Speed", "21", "1.5", "93.32", "122.5", "Above average"}},
        {"Speed;30;6;21;0.8;higher", ".", {"Speed", "21", "-1.5", "6.68", "77.5", "Below average"}},
        {"Speed;30;6;21;0.8;", ".", {"Speed", "21", "-1.5", "6.68", "77.5", "Below average"}},
        // the comma locale reads either separator and writes its own
        {"Reading\t100,5\t15\t128\t0,85", ",", {"Reading", "128", "1,83", "96,66", "127,5", "Above average"}},
        {"Reading\t100.5\t15\t128\t0.85", ",", {"Reading", "128", "1,83", "96,66", "127,5", "Above average"}},
        // no one is at a percentile of exactly 0 or 100; a share that shows as 99.99 or 0.01 is one
        {"Errors;10;2;2;;lower", ".", {"Errors", "2", "4", "> 99.99", "160", "Exceptionally high"}},
        {"Memory;100;15;40", ",", {"Memory", "40", "-4", "< 0,01", "40", "Exceptionally low"}},
        {"High;0;1;3.8", ".", {"High", "3.8", "3.8", "99.99", "157", "Exceptionally high"}},
        {"Low;0;1;-3.8", ".", {"Low", "-3.8", "-3.8", "0.01", "43", "Exceptionally low"}},
        // the label of the standard score as shown, 109.5, not of 109.496
        {"Edge;100;15;109.496", ".", {"Edge", "109.496", "0.63", "73.67", "109.5", "High average"}},
        {"Edge;100;15;109.494", ".", {"Edge", "109.494", "0.63", "73.66", "109.49", "Average"}},
        // each note, in the order they are checked
        {"Memory;100;15", ".", {"Memory", "", kFields}},
        {"a;1;2;3;0.5;lower;x", ".", {"a", "", kFields}},
        // typed by hand: commas separate fields where they are no decimal separator
        {"Vocabulary, 10, 3, 14, 0.9", ".", {"Vocabulary", "14", "1.33", "90.88", "120", "Above average"}},
        {"Vocabulary, 10, 3, 14", ",", {"Vocabulary, 10, 3, 14", "", kFields}},
        {"Memory;ten;3;4", ".", {"Memory", "4", "the mean is not a number"}},
        {"Memory;10;;x", ".", {"Memory", "x", "the SD is not a number"}},
        {"Memory;10;3;14,5", ".", {"Memory", "14,5", "the score is not a number"}},
        {"Memory;10;3;14;.9.", ".", {"Memory", "14", "the reliability is not a number"}},
        {"Memory;10;0;14;1;sideways", ".", {"Memory", "14", "the SD must be above 0"}},
        {"Memory;10;-3;14", ".", {"Memory", "14", "the SD must be above 0"}},
        {"Memory;10;3;14;1;sideways", ".", {"Memory", "14", "the reliability must be above 0 and below 1"}},
        {"Memory;10;3;14;0;lower", ".", {"Memory", "14", "the reliability must be above 0 and below 1"}},
        {"Memory;10;3;14;0.9;sideways", ".", {"Memory", "14", "the direction must be higher or lower"}},
        {"Memory;1e999;3;14", ".", {"Memory", "14", "a figure is too large a number to work with"}},
        {"Memory;0;1e-300;1e300", ".", {"Memory", "1e300", "a figure is too large a number to work with"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        const core::ProfileResults r = core::ProfileScores({row.line, "95"}, row.separator);
        ASSERT_FALSE(r.message.has_value());
        ASSERT_EQ(r.table.rows.size(), 1u);
        const std::vector<std::string>& cells = r.table.rows[0];
        EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + std::min(cells.size(), row.cells.size())),
                  row.cells);
    }
}

TEST(ProfileScores, IntervalsTheHeadingAndTheCopy)
{
    // A first line is a heading only when none of its mean, SD and score is a number.
    const core::ProfileResults r = core::ProfileScores(
        {"Name;Mean;SD;Score\nTop;100;15;175;0.9\n\n   \nReading;100,5;15;128;0,85\nbroken\nX;ten;3;14.5\n", "95"}, ",");
    EXPECT_EQ(r.table.rows,
              (Rows{{"Top", "175", "5", "> 99,99", "175", "Exceptionally high", "158,68", "176,32", "23,75", "", ""},
                    {"Reading", "128", "1,83", "96,66", "127,5", "Above average", "112,88", "133,87", "-23,75", "", ""},
                    {"broken", "", kFields},
                    {"X", "14,5", "the mean is not a number"}}));
    EXPECT_EQ(r.txtMeanScore, "151,25");
    EXPECT_EQ(r.table.tsv,
              "Measure\tScore\tz\tPercentile\tStandard\tLabel\t95% true-score interval: low\t"
              "95% true-score interval: high\tFrom mean (151,25)\tCritical difference\tStrength or weakness\n"
              "Top\t175\t5\t> 99,99\t175\tExceptionally high\t158,68\t176,32\t23,75\t\t\n"
              "Reading\t128\t1,83\t96,66\t127,5\tAbove average\t112,88\t133,87\t-23,75\t\t\n"
              "broken\t\tneeds a name, mean, SD, score and, if known, a reliability and a direction, separated by tabs or "
              "semicolons\n"
              "X\t14,5\tthe mean is not a number\n");  // a noted line's score, with the locale's separator
    // A first line with a number among its figures is a measure.
    EXPECT_EQ(core::ProfileScores({"Name;Mean;SD;12\n", "95"}).table.rows[0][2], "the mean is not a number");
    EXPECT_EQ(core::ProfileScores({"Name;Mean;SD\nTop;100;15;175\n", "95"}).table.rows.size(), 2u);
}

TEST(ProfileScores, RefusesTooManyMeasuresAndALevelOutsideItsRange)
{
    std::string measures = "Test;Mean;SD;Score\n";
    for (int i = 0; i < 200; ++i)
        measures += "m;10;3;" + std::to_string(i % 20) + "\n";
    EXPECT_EQ(core::ProfileScores({measures, "95"}).table.rows.size(), 200u);
    struct Row {
        std::string pasted, level, message;
    };
    const std::string level = "Your confidence level must be below 100 and above 0.";
    const Row rows[] = {
        {measures + "m;10;3;4\n", "95", "Paste at most 200 measures at a time."},
        {"m;10;3;4", "100", level},
        {"m;10;3;4", "0", level},
        {"m;10;3;4", "", level},
        {"m;10;3;4", "95%", "The confidence level is not a number."},
        {"Test;Mean;SD;Score\n \n", "95", "Paste the measures, one a line."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.level);
        const core::ProfileResults r = core::ProfileScores({row.pasted, row.level});
        EXPECT_EQ(r.message, row.message);
        EXPECT_TRUE(r.table.rows.empty());
        EXPECT_EQ(r.txtMeanScore, "");
    }
    EXPECT_EQ(core::ProfileScores({"m;10;3;4", "99,5"}, ",").message, std::nullopt);
    // A megabyte in one line is one row with a note; in many lines, too many measures.
    std::string megabyte;
    while (megabyte.size() < (1 << 20))
        megabyte += "1;";
    const core::ProfileResults long_line = core::ProfileScores({megabyte, "95"});
    ASSERT_EQ(long_line.table.rows.size(), 1u);
    EXPECT_EQ(long_line.table.rows[0][2], kFields);
    EXPECT_EQ(core::ProfileScores({std::string(1 << 20, '\n') + std::string(1 << 19, 'x') + "\n1;2;3;4\n", "95"})
                  .table.rows.size(),
              2u);
}

TEST(ProfileScores, SaysWhenTheTestCannotBeMadeOrNothingStandsOut)
{
    struct Row {
        const char* pasted;
        const char* report;
    };
    const Row rows[] = {
        {"A;10;3;14;0.9\nB;10;3;9;0.88",
         "2 measures are on the standard-score scale, with a mean standard score of 107.5. Relative strengths and "
         "weaknesses need at least three measures."},
        {"A;10;3;14;0.9\nB;10;3;9\nC;10;3;10;0.91\nD;1;2",
         "3 measures are on the standard-score scale, with a mean standard score of 105. 1 line could not be computed; "
         "the table says why. Relative strengths and weaknesses need at least three measures with a reliability; B "
         "has none."},
        // judged among those with a reliability, against their own mean; the others named
        {"A;10;3;14;0.9\nB;10;3;9\nC;10;3;10;0.91\nD;10;3;7;0.8\nE;10;3;20",
         "5 measures are on the standard-score scale, with a mean standard score of 110. Relative strengths and "
         "weaknesses are judged among the 3 measures with a reliability, against their mean standard score of 101.67; "
         "B and E have none and are left out. At the 95% level, A with a standard score of 120 is a relative "
         "strength, and D with a standard score of 85 is a relative weakness."},
        {"A;10;3;11;0.9\nB;10;3;9;0.88\nC;10;3;10;0.91",
         "3 measures are on the standard-score scale, with a mean standard score of 100. At the 95% level, no score "
         "differs reliably from the person's own mean."},
        {";10;3;16;0.9;lower",
         "One measure is on the standard-score scale: row 1 (lower is better), at 70 (Below average)."},
        {"x\ny", "No measure could be put on the standard-score scale; each line's note says why."},
        // the mean of two figures that fit a double need not fit one: no infinity is shown
        {"A;0;1;1e307\nB;0;1;1e307",
         "2 measures are on the standard-score scale; their mean is too large a number to work with."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pasted);
        const core::ProfileResults r = core::ProfileScores({row.pasted, "95"});
        EXPECT_EQ(r.txtReport, row.report);
    }
    // The differences are headed with the mean they are measured from, and the
    // picture's legend names it where it is not the battery's mean drawn.
    const core::ProfileResults leftOut =
        core::ProfileScores({"A;10;3;14;0.9\nB;10;3;9\nC;10;3;10;0.91\nD;10;3;7;0.8\nE;10;3;20", "95"});
    EXPECT_EQ(leftOut.table.columns[8], "From their mean (101.67)");
    EXPECT_NE(leftOut.picProfile.find(">mean 110</text>"), std::string::npos);
    EXPECT_NE(leftOut.picProfile.find(">weakness vs 101.67</text>"), std::string::npos);
    const core::ProfileResults all = core::ProfileScores({"A;10;3;11;0.9\nB;10;3;9;0.88\nC;10;3;10;0.91", "95"});
    EXPECT_EQ(all.table.columns[8], "From mean (100)");
    EXPECT_NE(all.picProfile.find(">weakness</text>"), std::string::npos);
    const core::ProfileResults huge = core::ProfileScores({"A;0;1;1e307\nB;0;1;1e307", "95"});
    EXPECT_EQ(huge.txtMeanScore, "");
    EXPECT_EQ(huge.table.rows[0][8], "") << "no difference from a mean that is not there";
}

// The standard error of a difference from the person's mean,
// 15 sqrt((1 - r)(1 - 2/k) + S/k^2) with S the sum of 1 - r_j: each battery
// marks A only with that formula (1 - 1/k, or S/k, or a sum of the r_j, marks nothing).
TEST(ProfileScores, MarksAStrengthByTheStandardErrorOfItsDifferenceFromTheMean)
{
    for (const char* battery : {"A;100;15;120;0.5\nB;100;15;90;0.5\nC;100;15;90;0.5",
                                "A;100;15;110;0.9\nB;100;15;95;0.9\nC;100;15;95;0.9"}) {
        SCOPED_TRACE(battery);
        const core::ProfileResults r = core::ProfileScores({battery, "95"});
        std::vector<std::string> marks;
        for (const auto& cells : r.table.rows)
            marks.push_back(cells[10]);
        EXPECT_EQ(marks, (std::vector<std::string>{"Relative strength", "", ""}));
    }
}

// The picture's elements: name, attributes and, for a text, its text.
struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
};

std::vector<Element> Elements(const std::string& svg)
{
    std::vector<Element> out;
    for (std::size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at + 1)) {
        if (svg[at + 1] == '/')
            continue;
        const std::size_t end = svg.find('>', at);
        std::size_t i = at + 1;
        while (i < end && svg[i] != ' ' && svg[i] != '/')
            ++i;
        Element e{svg.substr(at + 1, i - at - 1), {}, svg.substr(end + 1, svg.find('<', end) - end - 1)};
        // name="value" pairs up to the tag's end
        for (std::size_t eq = svg.find("=\"", i); eq < end; eq = svg.find("=\"", i)) {
            const std::size_t name = svg.rfind(' ', eq) + 1, close = svg.find('"', eq + 2);
            e.attributes[svg.substr(name, eq - name)] = svg.substr(eq + 2, close - eq - 2);
            i = close + 1;
        }
        out.push_back(std::move(e));
    }
    return out;
}

// Each row of the picture as read: its name, then what stands on its row.
struct PictureRow {
    std::string name, word;  // the word: "strength", "weakness" or none
    int tip = 0;             // the mark: 0 a dot, -1 a triangle pointing up, +1 down, 2 none
    bool beyond = false;
};

std::vector<PictureRow> PictureRows(const std::vector<Element>& elements)
{
    std::vector<PictureRow> rows;
    for (const Element& e : elements) {
        const std::string cls = e.attributes.count("class") ? e.attributes.at("class") : "";
        if (cls == "name")
            rows.push_back({e.text, "", 2, false});
        else if (rows.empty())
            continue;
        else if (cls == "standing")
            rows.back().word = e.text;
        else if (cls == "beyond")
            rows.back().beyond = true;
        else if (cls == "score")
            rows.back().tip = 0;
        else if (cls.starts_with("score ")) {  // M tipX tipY L x baseY ...
            double tipX = 0, tipY = 0, x = 0, baseY = 0;
            std::sscanf(e.attributes.at("d").c_str(), "M%lf %lf L%lf %lf", &tipX, &tipY, &x, &baseY);
            rows.back().tip = tipY < baseY ? -1 : 1;
        }
    }
    return rows;
}

TEST(ProfileSvg, DrawsARowForEachLineWithItsMarks)
{
    const std::string forty = [] {
        std::string s;
        for (int i = 0; i < 40; ++i)
            s += "\u00e9";
        return s;
    }();
    const core::ProfileResults r = core::ProfileScores(
        {"Up;100;15;130;0.9\nDown;100;15;70;0.9\nMid;100;15;113;0.9\nAtEdge;100;15;160;0.9\n" + forty +
             ";100;15;100\n" + forty + "e;100;15;200\nno figures\nBeyond <top> & more;100;15;25",
         "90"});
    const std::vector<PictureRow> expected = {
        {"Up", "strength", -1, false},
        {"Down", "weakness", 1, false},
        {"Mid", "", 0, false},
        {"AtEdge", "strength", -1, false},  // at the axis's end: on it, no arrow
        {forty, "", 0, false},              // 40 characters whole, though 80 bytes
        {forty + "\u2026", "", 0, true},    // the 41st cut
        {"no figures", "", 2, false},       // a line without figures keeps its row, empty
        {"Beyond <top> & more", "", 0, true},
    };
    const std::vector<Element> elements = Elements(r.picProfile);
    const std::vector<PictureRow> rows = PictureRows(elements);
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(rows[i].name, core::EscapeMarkup(expected[i].name));
        EXPECT_EQ(rows[i].word, expected[i].word);
        EXPECT_EQ(rows[i].tip, expected[i].tip);
        EXPECT_EQ(rows[i].beyond, expected[i].beyond);
    }
    std::vector<std::string> texts;
    for (const Element& e : elements)
        if (e.name == "text" && (!e.attributes.count("class") || e.attributes.at("class") != "name"))
            texts.push_back(e.text);
    for (const char* shown : {"score", "90% true-score interval", "Standard score (mean 100, SD 15)"})
        EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << shown;
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::string& t) { return t.starts_with("mean "); }));
}

// The bands stand in the picture that opens empty as in a drawn one: named,
// the Average band apart, the others shaded alike at a like distance from it.
TEST(ProfileSvg, NamesAndShadesTheBandsEvenWhenEmpty)
{
    for (const std::string& svg : {core::ProfileSvg({}), core::ProfileScores({"A;10;3;12", "95"}).picProfile}) {
        std::vector<std::string> names, fills, classes;
        for (const Element& e : Elements(svg)) {
            const std::string cls = e.attributes.count("class") ? e.attributes.at("class") : "";
            if (cls == "band-name")
                names.push_back(e.text);
            if (cls.starts_with("band") && e.name == "rect") {
                fills.push_back(e.attributes.at("fill"));
                classes.push_back(cls);
            }
        }
        EXPECT_EQ(names, (std::vector<std::string>{"Exceptionally low", "Below average", "Low average", "Average",
                                                   "High average", "Above average", "Exceptionally high"}));
        ASSERT_EQ(fills.size(), 7u);
        EXPECT_EQ(classes[3], "band average");
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(fills[i], fills[6 - i]);
            EXPECT_NE(fills[i], fills[i + 1]);
        }
        for (const std::string& fill : fills)
            EXPECT_TRUE(fill != "#fff" && fill != "#ffffff" && fill != "none") << "every band shaded";
    }
}

}  // namespace
