#include "core/calculation.h"

#include <gtest/gtest.h>

#include "core/design/windows.h"

namespace {

namespace design = core::design;

// A window reopens with what it kept; the opener's figures replace a kept
// box's, but for the battery, which takes its line only when empty.
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
        // an empty box of the opener's takes nothing away
        {&design::frmCase, {{"txtMean", "0"}}, {{"txtMean", ""}}, {{"txtMean", "0"}}, {}},
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

// What a screen reader is told names each figure for what it is.
TEST(Calculations, AnnounceTheirFiguresByName)
{
    const core::Shown shown = core::CalculationOf("frmCase")->run(
        {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}, ".");
    EXPECT_EQ(shown.spoken, "Case against controls shown: t -1.95, one-tailed p 0.0329.");
}

}  // namespace
