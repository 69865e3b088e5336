#include "core/calculations/report.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const char kBattery[] =
    "Vocabulary\t10\t3\t14\t0.9\n"
    "Matrix Reasoning\t10\t3\t9\t0.88\n"
    "Digit Span\t10\t3\t10\t0.91\n"
    "Processing Speed\t100\t15\t78\t0.86\n"
    "Word List\t50\t10\t44\t0.8\n"
    "Trail Making B\t75\t25\t110\t0.86\tlower\n";

// A whole assessment: the profile's battery, its low scores, two scores, a
// small sample and two tasks; a prediction that gives a message; and an
// interpretation opened but left as it was designed.
core::KeptInputs Assessment()
{
    return {
        {"frmInterpret", {{"txtLevel", "95"}}},
        {"frmProfile", {{"txtRows", kBattery}, {"txtLevel", "95"}}},
        {"frmLowScores", {{"txtRows", kBattery}, {"txtCorrelation", "0.4"}}},
        {"frmCompare",
         {{"txtNameA", "Memory"}, {"txtMeanA", "100"}, {"txtSDA", "15"}, {"txtScoreA", "112"}, {"txtReliabilityA", "0.94"},
          {"txtNameB", "Speed"}, {"txtMeanB", "100"}, {"txtSDB", "15"}, {"txtScoreB", "91"}, {"txtReliabilityB", "0.9"},
          {"txtCorrelation", "0.6"}, {"txtLevel", "95"}}},
        {"frmPredict", {{"txtScore", "100"}, {"txtLevel", "95"}}},
        {"frmCase", {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}},
        {"frmTwoTasks",
         {{"txtMeanX", "0"}, {"txtSDX", "1"}, {"txtScoreX", "-3.857"}, {"txtMeanY", "0"}, {"txtSDY", "1"},
          {"txtScoreY", "-1.875"}, {"txtN", "20"}, {"txtCorrelation", "0.68"}, {"txtLevel", "95"}}},
    };
}

std::vector<std::string> Outline(const core::Document& document)
{
    std::vector<std::string> outline;
    for (const core::Block& b : document)
        outline.push_back(b.kind == core::Block::Kind::Paragraph ? "p " + b.text.substr(0, 40)
                          : b.kind == core::Block::Kind::Table   ? "table " + std::to_string(b.rows.size())
                          : b.kind == core::Block::Kind::Picture ? "picture " + b.text
                                                                 : "# " + b.text);
    return outline;
}

// The sections, in the report's order, each with the parts its window
// shows; the window opened and left as designed has none, and the one whose
// inputs give a message is named with it at the end.
TEST(AssessmentReport, TellsEachWindowThatComputesInItsOrder)
{
    const core::Document d = core::AssessmentReport(Assessment(), ".").WithHeader(
        {{"txtPerson", "A. B."}, {"txtDate", " "}, {"txtExaminer", "C. D."}});
    const std::vector<std::string> expected = {
        "# Report",
        "p Person: A. B.",
        "p Examiner: C. D.",
        "# Score Profile",
        "p 6 measures are on the standard-score sca",
        "table 6",
        "picture Score profile",
        "# Low Scores",
        "p Of the 6 measures, 2 are at or below a s",
        "table 4",
        "# Two Scores",
        "p Memory has a standard score of 112 (High",
        "# Case Against Controls",
        "p A case score of 70 against 20 controls w",
        "# Two Tasks Against Controls",
        "p Against 20 controls, at the 95% level: o",
        "# Not included",
        "p Predicted Score: not included: Give the ",
        "# Methods",
        "p Descriptive labels of standard scores: G",
        "p Estimated true scores, their intervals a",
        "p The reliable and the abnormal difference",
        "p A case against a small control sample, b",
        "p Confidence limits on the abnormality of ",
        "p The difference between two tasks, by the",
        "p How many healthy people have as many low",
    };
    EXPECT_EQ(Outline(d), expected);
    EXPECT_NE(core::DocumentText(d).find(
                  "Predicted Score: not included: Give the equation (its intercept, coefficients and SEE) or the "
                  "sample's statistics (the predictor's and the score's means and SDs, their correlation and n).\n"),
              std::string::npos);
    // The tables are the windows' own, heading row first.
    EXPECT_NE(core::DocumentText(d).find("Cut-off\tThis person\tHealthy people with as many or more (%)\tMonte Carlo "
                                         "SE\tUnusual from\nStandard score 85 or less (1 SD)\t2 of 6\t25.15\t\t5 or "
                                         "more\n"),
              std::string::npos);
    EXPECT_NE(d[6].svg.find("<svg"), std::string::npos);
    EXPECT_EQ(d[6].width, 344);
}

TEST(AssessmentReport, NamesTheCitationsItUsedInFull)
{
    core::KeptInputs kept = Assessment();
    kept.erase("frmProfile");
    kept.erase("frmLowScores");
    kept.erase("frmCompare");
    kept.erase("frmTwoTasks");
    const core::Document d = core::AssessmentReport(kept, ".").WithHeader({});
    ASSERT_EQ(d.size(), 8u);
    EXPECT_EQ(d[5].text, "Methods");
    EXPECT_EQ(d[6].text,
              "A case against a small control sample, by the modified t test: Crawford, J. R., & Howell, D. C. "
              "(1998). Comparing an individual's test score against norms derived from small samples. The Clinical "
              "Neuropsychologist, 12(4), 482-486.");
    EXPECT_EQ(d[7].text,
              "Confidence limits on the abnormality of a score: Crawford, J. R., & Garthwaite, P. H. (2002). "
              "Investigation of the single case in neuropsychology: Confidence limits on the abnormality of test "
              "scores and test score differences. Neuropsychologia, 40(8), 1196-1208.");
}

TEST(AssessmentReport, WithNothingTypedSaysSo)
{
    const core::Document d = core::AssessmentReport({{"frmProfile", {{"txtRows", " \n"}, {"txtLevel", "95"}}}}, ".")
                                 .WithHeader({});
    ASSERT_EQ(d.size(), 2u);
    EXPECT_EQ(d[1].text, "No window holds results yet. Fill in the windows that the main window opens: each window "
                         "that computes comes here with its results.");
}

// What the user typed is text in the HTML, wherever it stands.
TEST(Document, HtmlEscapesEveryTextAndSpansANote)
{
    const core::Document d = {
        {core::Block::Kind::Title, "R <1>", {}, {}, {}},
        {core::Block::Kind::Paragraph, "<img src=x onerror=alert(1)>", {}, {}, {}},
        {core::Block::Kind::Table, "", {"Measure", "Score", "Label"}, {{"<b>x</b>", "1", "A & B"}, {"y", "no figures"}}, {}},
    };
    EXPECT_EQ(core::DocumentHtml(d),
              "<h1>R &lt;1&gt;</h1>\n<p>&lt;img src=x onerror=alert(1)&gt;</p>\n<table>\n<thead><tr><th "
              "scope=\"col\">Measure</th><th scope=\"col\">Score</th><th scope=\"col\">Label</th></tr></thead>\n"
              "<tbody>\n<tr><td>&lt;b&gt;x&lt;/b&gt;</td><td>1</td><td>A &amp; B</td></tr>\n<tr><td>y</td><td "
              "colspan=\"2\">no figures</td></tr>\n</tbody>\n</table>\n");
    EXPECT_EQ(core::DocumentText(d),
              "R <1>\n\n<img src=x onerror=alert(1)>\n\nMeasure\tScore\tLabel\n<b>x</b>\t1\tA & B\ny\tno figures\n");
}

}  // namespace
