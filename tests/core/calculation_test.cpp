#include "core/calculation.h"

#include <cctype>
#include <utility>

#include <gtest/gtest.h>

#include "core/design/windows.h"

namespace {

namespace design = core::design;

// A window reopens with what it kept; the opener's boxes replace the kept
// ones as a set, but for the battery, which takes its line only when empty.
TEST(Reopened, KeepsTheInputsAndCarriesByTheDesignsRules)
{
    const core::Texts main{{"txtMeasure", "Word List"}, {"txtMean", "50"}, {"txtSD", "10"}, {"txtScore", "44"}};
    struct Row {
        const design::Window* window;
        core::Texts kept, opener, expected;
        std::vector<std::string> selected;
    };
    const Row rows[] = {
        {&design::frmProfile, {}, main, {{"txtRows", "Word List\t50\t10\t44"}}, {"txtRows"}},
        // the line needs the mean, the SD and the score
        {&design::frmProfile, {}, {{"txtMeasure", "Word List"}, {"txtMean", "50"}, {"txtScore", "44"}}, {}, {}},
        {&design::frmProfile, {{"txtRows", "A;1;2;3"}, {"txtLevel", "90"}, {"grdProfile", "x"}}, main,
         {{"txtRows", "A;1;2;3"}, {"txtLevel", "90"}}, {}},
        {&design::frmCase, {{"txtMean", "0"}, {"txtN", "20"}, {"txtT", "-1"}}, main,
         {{"txtMeasure", "Word List"}, {"txtMean", "50"}, {"txtSD", "10"}, {"txtScore", "44"}, {"txtN", "20"}}, {}},
        // an opener whose carried boxes are all empty takes nothing away
        {&design::frmCase, {{"txtMean", "0"}}, {{"txtMean", ""}}, {{"txtMean", "0"}}, {}},
        // one filled box carries the set: a cleared name and an untick replace the kept ones
        {&design::frmTwoTasks, {{"txtNameX", "Old"}, {"chkLowerX", "1"}, {"txtScoreX", "1"}},
         {{"txtMean", "50"}, {"txtSD", "10"}, {"txtScore", "20"}, {"txtN", "20"}},
         {{"txtNameX", ""}, {"chkLowerX", ""}, {"txtMeanX", "50"}, {"txtSDX", "10"}, {"txtScoreX", "20"}, {"txtN", "20"}},
         {}},
        {&design::frmPredict, {{"txtMeasure", "Old"}}, {{"txtScore", "70"}}, {{"txtMeasure", ""}, {"txtScore", "70"}}, {}},
        {&design::frmCompare, {{"chkLowerA", "1"}}, {}, {{"chkLowerA", "1"}}, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.window->name);
        const core::Reopening r = core::Reopened(*row.window, row.kept, row.opener);
        EXPECT_EQ(r.texts, row.expected);
        EXPECT_EQ(r.selected, row.selected);
    }
    // The original windows start afresh each time.
    EXPECT_TRUE(core::Kept(design::frmConvert, {{"txtConf", "95"}}).empty());
}

// Under a comma, every figure a report writes, the inputs it repeats
// included, takes the comma: no digit stands either side of a point.
TEST(Calculations, ReportUnderACommaWithoutAPoint)
{
    const std::pair<const char*, core::Texts> rows[] = {
        {"frmInterpret", {{"txtMean", "50.5"}, {"txtSD", "10"}, {"txtScore", "65.5"}, {"txtReliability", "0.9"},
                          {"txtLevel", "95"}, {"txtRetest", "70.5"}}},
        {"frmCompare", {{"txtMeanA", "100"}, {"txtSDA", "15"}, {"txtScoreA", "112.5"}, {"txtReliabilityA", "0.9"},
                        {"txtMeanB", "100"}, {"txtSDB", "15"}, {"txtScoreB", "91"}, {"txtReliabilityB", "0.85"},
                        {"txtCorrelation", "0.6"}, {"txtLevel", "95"}}},
        {"frmCase", {{"txtMean", "100.5"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}},
        {"frmTwoTasks", {{"txtMeanX", "0.5"}, {"txtSDX", "1"}, {"txtScoreX", "-3.5"}, {"txtMeanY", "0"}, {"txtSDY", "1"},
                         {"txtScoreY", "0.5"}, {"txtN", "20"}, {"txtCorrelation", "0.5"}, {"txtLevel", "95"}}},
        {"frmPredict", {{"txtScore", "38.5"}, {"txtLevel", "95"}, {"txtIntercept", "41.36"}, {"txtCoefficient1", "-0.15"},
                        {"txtValue1", "80.5"}, {"txtSEE", "3.61"}}},
        {"frmLowScores", {{"txtRows", "A;100;15;74.5\nB;100;15;100"}, {"txtCorrelation", "0.4"}}},
        {"frmProfile", {{"txtRows", "A;10;3;14.5;0.9\nB;10;3;9;0.88\nC;10;3;10;0.91"}, {"txtLevel", "95"}}},
    };
    for (const auto& [window, boxes] : rows) {
        SCOPED_TRACE(window);
        const core::Shown shown = core::Finished(*core::CalculationOf(window), boxes, ",");
        ASSERT_FALSE(shown.message) << *shown.message;
        const std::string& report = shown.texts.at("txtReport");
        ASSERT_FALSE(report.empty());
        for (std::size_t at = report.find('.'); at != std::string::npos; at = report.find('.', at + 1))
            EXPECT_FALSE(at > 0 && at + 1 < report.size() && std::isdigit(static_cast<unsigned char>(report[at - 1])) &&
                         std::isdigit(static_cast<unsigned char>(report[at + 1])))
                << report.substr(at < 20 ? 0 : at - 20, 40);
        if (shown.texts.count("txtEquation"))
            EXPECT_EQ(shown.texts.at("txtEquation"), "41,36 - 0,15 x Predictor 1");
    }
}

// Beyond the main window, a box of blanks asks to be filled in; in the main
// window it is filled, and reads as 0.
TEST(Calculations, ABoxOfBlanksIsEmptyBeyondTheMainWindow)
{
    const core::Shown small =
        core::Finished(*core::CalculationOf("frmCase"),
                       {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", " \t "}, {"txtScore", "70"}, {"txtLevel", "95"}}, ".");
    EXPECT_EQ(small.message, "Enter the controls' mean, SD and size, and the case's score.");
    const core::Shown main = core::Finished(*core::CalculationOf("frmMain"), {{"txtMean", " "}, {"txtSD", "10"}}, ".");
    EXPECT_FALSE(main.message);
    EXPECT_EQ(main.texts.at("txtSD1"), "10");
}

// What a screen reader is told names each figure for what it is.
TEST(Calculations, AnnounceTheirFiguresByName)
{
    const core::Shown shown =
        core::Finished(*core::CalculationOf("frmCase"),
                       {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}, ".");
    EXPECT_EQ(shown.spoken, "Case against controls shown: t -1.95, one-tailed p 0.0329.");
}

}  // namespace
