#include "core/calculations/twotasks.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using core::TwoTasksInputs;

// Task X's and task Y's controls' mean, SD and case's score, n, r; the level 95.
TwoTasksInputs Tasks(std::vector<const char*> x, std::vector<const char*> y, const char* n, const char* r)
{
    return {"", x[0], x[1], x[2], "", "", y[0], y[1], y[2], "", n, r, "95"};
}

std::vector<std::string> Results(const core::TwoTasksResults& r)
{
    std::vector<std::string> out;
    for (const core::TwoTasksResultBox& box : core::kTwoTasksResults)
        if (box.name != "txtReport")
            out.push_back(r.*box.text);
    return out;
}

// t, p and controls below for X and for Y; the RSDT's t, df, two-tailed p,
// the percentage more extreme, z_DCC; the verdict. The design's worked
// examples first.
TEST(CompareTwoTasks, TheWorkedExamplesAndEveryVerdict)
{
    struct Row {
        const char* name;
        TwoTasksInputs in;
        std::vector<std::string> results;
    };
    TwoTasksInputs turned = Tasks({"0", "1", "3.857"}, {"0", "1", "-1.875"}, "20", "-0.68");
    turned.chkLowerX = "1";  // X scored in errors: turned round, with its correlation
    TwoTasksInputs bothTurned = Tasks({"0", "1", "3.857"}, {"0", "1", "1.875"}, "20", "0.68");
    bothTurned.chkLowerX = bothTurned.chkLowerY = "1";  // both turned: their correlation stands
    const Row rows[] = {
        {"above on X, Y not low", Tasks({"100", "15", "130"}, {"105", "10", "90"}, "30", "0.8"),
         {"1.97", "0.0294", "97.06", "-1.48", "0.0754", "7.54", "5.21", "29", "< 0.0001", "< 0.01", "5.53",
          "No deficit, but the difference between the tasks is significant"}},
        {"low on both", Tasks({"0", "1", "-3.857"}, {"0", "1", "-1.875"}, "20", "0.68"),
         {"-3.76", "0.0007", "0.07", "-1.83", "0.0415", "4.15", "-2.3", "19", "0.033", "1.65", "-2.48",
          "Strong dissociation"}},
        {"the same, X turned round", turned,
         {"-3.76", "0.0007", "0.07", "-1.83", "0.0415", "4.15", "-2.3", "19", "0.033", "1.65", "-2.48",
          "Strong dissociation"}},
        {"the same, both turned round", bothTurned,
         {"-3.76", "0.0007", "0.07", "-1.83", "0.0415", "4.15", "-2.3", "19", "0.033", "1.65", "-2.48",
          "Strong dissociation"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const core::TwoTasksResults r = core::CompareTwoTasks(row.in);
        ASSERT_FALSE(r.message.has_value()) << *r.message;
        EXPECT_EQ(Results(r), row.results);
    }
    // Each verdict, and each rule's edge: a p shown as 0.05 is not below 0.05, one of 0.0499 is.
    struct Verdict {
        TwoTasksInputs in;
        const char* verdict;
    };
    // Alpha at the level's own places: p shown as 0.0001 at 99.99%, and 0.027 at 97.3%, are not below it.
    const auto at = [](TwoTasksInputs in, const char* level) {
        in.txtLevel = level;
        return in;
    };
    const Verdict verdicts[] = {
        {Tasks({"0", "1", "-3"}, {"0", "1", "0"}, "20", "0.5"), "Classical dissociation"},
        {Tasks({"0", "1", "0"}, {"0", "1", "-3"}, "20", "0.5"), "Classical dissociation"},
        {Tasks({"0", "1", "-1.7726"}, {"0", "1", "0"}, "20", "0"), "Deficit on X only, no dissociation"},  // p 0.0499
        {Tasks({"0", "1", "-1.7718"}, {"0", "1", "0"}, "20", "0"), "No deficit and no dissociation"},      // p 0.05
        {Tasks({"0", "1", "0"}, {"0", "1", "-1.7726"}, "20", "0"), "Deficit on Y only, no dissociation"},
        {Tasks({"0", "1", "-3"}, {"0", "1", "-2.8"}, "20", "0.5"), "Deficits on both tasks, no dissociation"},
        {Tasks({"0", "1", "3.1225"}, {"0", "1", "0"}, "20", "0"),  // RSDT p 0.0499
         "No deficit, but the difference between the tasks is significant"},
        {Tasks({"0", "1", "3.1215"}, {"0", "1", "0"}, "20", "0"), "No deficit and no dissociation"},  // RSDT p 0.05
        {at(Tasks({"0", "1", "-4.53"}, {"0", "1", "0"}, "20", "0.5"), "99.99"), "No deficit and no dissociation"},
        {at(Tasks({"0", "1", "-2.104"}, {"0", "1", "0"}, "20", "0.5"), "97.3"), "No deficit and no dissociation"},
        {at(Tasks({"0", "1", "-2.2"}, {"0", "1", "0"}, "20", "0.5"), "97.3"), "Deficit on X only, no dissociation"},
        // Two controls leave one degree of freedom, enough for the test.
        {Tasks({"0", "1", "-3"}, {"0", "1", "0"}, "2", "0.5"), "No deficit and no dissociation"},
    };
    for (const Verdict& v : verdicts) {
        SCOPED_TRACE(v.in.txtScoreX + " and " + v.in.txtScoreY);
        EXPECT_EQ(core::CompareTwoTasks(v.in).txtVerdict, v.verdict);
    }
}

TEST(CompareTwoTasks, ReportsTheCriteriaAndWarnsBeyondThreeSds)
{
    TwoTasksInputs in = Tasks({"0", "1", "-3"}, {"0", "1", "0"}, "20", "0.5");
    in.txtNameX = "Naming";
    in.txtNameY = "Comprehension";
    const std::string report = core::CompareTwoTasks(in).txtReport;
    EXPECT_NE(report.find("This is a classical dissociation: a deficit on Naming, none on Comprehension, and a "
                          "significant difference between them."),
              std::string::npos)
        << report;
    const auto warned = [](const char* x, const char* y) {
        return core::CompareTwoTasks(Tasks({"0", "1", x}, {"0", "1", y}, "20", "0.5")).txtReport.find(
                   "Both scores lie more than 3 SDs from the controls' means, where the test overstates how rare such a "
                   "difference is: too many differences are found significant (Crawford and Garthwaite).") !=
               std::string::npos;
    };
    EXPECT_TRUE(warned("-3.5", "-3.1"));
    EXPECT_FALSE(warned("-3.5", "-3"));
}

TEST(CompareTwoTasks, AMessageLeavesEveryResultEmpty)
{
    const std::vector<const char*> x{"100", "15", "70"}, y{"50", "10", "45"};
    const std::string required =
        "Enter each task's controls' mean and SD and the case's score, the number of controls and the correlation "
        "between the tasks.";
    struct Row {
        TwoTasksInputs in;
        std::string message;
    };
    const Row rows[] = {
        {Tasks(x, {"50", "10", ""}, "20", "0.5"), required},
        {Tasks(x, y, "20", ""), required},
        {Tasks({"100", "0", "70"}, y, "20", "0.5"), "The controls' SD of task X must be above 0."},
        {Tasks(x, {"50", "-1", "45"}, "20", "0.5"), "The controls' SD of task Y must be above 0."},
        {Tasks(x, {"50", "n/a", "45"}, "20", "0.5"), "The controls' SD of task Y is not a number."},
        {Tasks(x, y, "1", "0.5"), "The control sample size must be a whole number of 2 or more."},
        {Tasks(x, y, "20", "1"), "The correlation must be above -1 and below 1."},
        {Tasks(x, y, "20", "-1"), "The correlation must be above -1 and below 1."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        const core::TwoTasksResults r = core::CompareTwoTasks(row.in);
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(Results(r), std::vector<std::string>(12));
        EXPECT_EQ(r.txtReport, "");
    }
}

}  // namespace
