#include "core/calculations/casecontrols.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Results(const core::CaseResults& r)
{
    std::vector<std::string> out;
    for (const core::CaseResultBox& box : core::kCaseResults)
        if (box.name != "txtReport")
            out.push_back(r.*box.text);
    return out;
}

// t, df, p one- and two-tailed, below with its limits, z with its limits. The
// figures come from an independent computation: mpmath at 30 digits, Student's
// t through the incomplete beta function and the non-central t by quadrature
// over the chi-square; for a million controls, the normal approximation
// delta = t +/- z sqrt(1 + t^2 / 2 df), which is exact to 1e-9 there.
TEST(CompareCaseToControls, GivesTheModifiedTTestAndItsLimits)
{
    struct Row {
        const char* name;
        core::CaseInputs in;
        const char* separator;
        std::vector<std::string> results;
    };
    const Row rows[] = {
        {"worked example", {"100", "15", "20", "70", "95"}, ".",
         {"-1.95", "19", "0.0329", "0.0659", "3.29", "0.29", "11.07", "-2", "-2.76", "-1.22"}},
        {"at the top end", {"100", "15", "5", "160", "95"}, ".",
         {"3.65", "4", "0.0109", "0.0217", "98.91", "88.82", "> 99.99", "4", "1.22", "6.8"}},
        {"at the controls' mean: symmetric limits", {"100", "15", "20", "100", "95"}, ".",
         {"0", "19", "0.5", "1", "50", "33.06", "66.94", "0", "-0.44", "0.44"}},
        {"two controls", {"100", "15", "2", "70", "95"}, ".",
         {"-1.63", "1", "0.1749", "0.3498", "17.49", "< 0.01", "75.03", "-2", "-4.75", "0.68"}},
        {"a million controls: nearly the normal's", {"100", "15", "1000000", "70", "95"}, ".",
         {"-2", "999999", "0.0228", "0.0455", "2.28", "2.26", "2.29", "-2", "-2", "-2"}},
        {"p at four places", {"100", "15", "20", "40", "95"}, ".",
         {"-3.9", "19", "0.0005", "0.001", "0.05", "< 0.01", "0.39", "-4", "-5.33", "-2.66"}},
        {"p below 0.0001, z beyond 30", {"100", "15", "20", "-400", "95"}, ".",
         {"-32.53", "19", "< 0.0001", "< 0.0001", "< 0.01", "< 0.01", "< 0.01", "-33.33", "-43.84", "-22.81"}},
        {"comma locale", {"50", "10", "12", "81.5", "95"}, ",",
         {"3,03", "11", "0,0058", "0,0115", "99,42", "95,77", "> 99,99", "3,15", "1,72", "4,55"}},
        {"lower is better: the worked example turned round", {"100", "15", "20", "130", "95", "", "1"}, ".",
         {"-1.95", "19", "0.0329", "0.0659", "3.29", "0.29", "11.07", "-2", "-2.76", "-1.22"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const core::CaseResults r = core::CompareCaseToControls(row.in, row.separator);
        EXPECT_FALSE(r.message.has_value()) << *r.message;
        EXPECT_EQ(Results(r), row.results);
    }
}

TEST(CompareCaseToControls, AMessageLeavesEveryResultEmpty)
{
    struct Row {
        core::CaseInputs in;
        std::string message;
    };
    const std::string required = "Enter the controls' mean, SD and size, and the case's score.";
    const std::string size = "The control sample size must be a whole number of 2 or more.";
    const Row rows[] = {
        {{"100", "15", "", "70", "95"}, required},
        {{"100", "0", "", "70", "100"}, required},  // the first rule's message, not a later one's
        {{"100", "0", "1", "70", "100"}, size},
        {{"100", "0", "20.5", "70", "95"}, size},
        {{"100", "15", "-3", "70", "95"}, size},
        {{"100", "0", "20", "70", "100"}, "The controls' SD must be above 0."},
        {{"100", "15", "20", "70", "100"}, "Your confidence level must be below 100 and above 0."},
        {{"100", "15", "20", "70", ""}, "Your confidence level must be below 100 and above 0."},
        // read strictly: never as the text's numeric beginning
        {{"100", "2,5", "20", "70", "95"}, "The controls' SD is not a number."},
        {{"100", "15", "20", "n/a", "95"}, "The case's score is not a number."},
        {{"100", "15", "20", "70", "95%"}, "The confidence level is not a number."},
        {{"100", "1e-300", "20", "1e300", "95"}, "The t of the case is too large a number to work with."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message + " " + row.in.txtN);
        const core::CaseResults r = core::CompareCaseToControls(row.in);
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(Results(r), std::vector<std::string>(10));
        EXPECT_EQ(r.txtReport, "");
    }
    // Beyond what the non-central t can be evaluated at, the limits alone are refused: never a hang or a wrong figure.
    for (const core::CaseInputs& in : {core::CaseInputs{"100", "15", "1e300", "70", "95"},
                                       core::CaseInputs{"100", "15", "20", "1e9", "95"}}) {
        const core::CaseResults r = core::CompareCaseToControls(in);
        EXPECT_EQ(r.message, "The confidence limits cannot be computed for figures this extreme.");
        EXPECT_EQ(Results(r)[5] + Results(r)[6] + Results(r)[8] + Results(r)[9], "");
        EXPECT_NE(r.txtT, "");
        EXPECT_NE(r.txtPOne, "");
    }
    EXPECT_EQ(core::CompareCaseToControls({"100", "15", "1e300", "70", "95"}).txtPOne, "0.0228");
}

TEST(CompareCaseToControls, ReportsTheTestAsASampleTest)
{
    EXPECT_EQ(core::CompareCaseToControls({"100", "15", "20", "70", "95"}).txtReport,
              "A case score of 70 against 20 controls with a mean of 100 and an SD of 15 gives t = -1.95 on 19 degrees "
              "of freedom, one-tailed p = 0.0329, two-tailed p = 0.0659. An estimated 3.29% of the control population "
              "would score below the case (95% confidence limits 0.29% and 11.07%), and the effect size is z = -2 (95% "
              "confidence limits -2.76 and -1.22). The test treats the controls as a sample, not as the population "
              "(Crawford and Howell's modified t test, with Crawford and Garthwaite's limits).");
    struct Part {
        core::CaseInputs in;
        const char* part;
    };
    const Part parts[] = {
        {{"100", "15", "20", "-400", "95"}, "one-tailed p < 0.0001, two-tailed p < 0.0001."},
        {{"100", "15", "2", "70", "95"}, " on 1 degree of freedom, "},
        {{"100", "15", "5", "160", "95"}, "(95% confidence limits 88.82% and more than 99.99%)"},
        {{"100", "15", "2", "70", "95"}, "(95% confidence limits less than 0.01% and 75.03%)"},
        {{"100", "15", "20", "130", "95", "Trail Making B", "1"},
         "On Trail Making B (lower is better), a case score of 130 against 20 controls"},
        {{"100", "15", "20", "130", "95", "", "1"}, "would do worse than the case"},
        {{"100", "15", "20", "1e9", "95"}, "score below the case, and the effect size is z = 66666660. The test"},
    };
    for (const Part& p : parts)
        EXPECT_NE(core::CompareCaseToControls(p.in).txtReport.find(p.part), std::string::npos) << p.part;
}

}  // namespace
