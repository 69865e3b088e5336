#include "core/calculations/predict.h"

#include "core/calculation.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using core::PredictInputs;

// The equation 41.36 - 0.15 Age + 0.29 Education + 1.29 Sex, SEE 3.61.
PredictInputs Equation(const char* score, const char* age, const char* education, const char* sex)
{
    PredictInputs in;
    in.txtScore = score;
    in.txtLevel = "95";
    in.txtIntercept = "41.36";
    in.txtPredictor1 = "Age", in.txtCoefficient1 = "-0.15", in.txtValue1 = age;
    in.txtPredictor2 = "Education", in.txtCoefficient2 = "0.29", in.txtValue2 = education;
    in.txtPredictor3 = "Sex", in.txtCoefficient3 = "1.29", in.txtValue3 = sex;
    in.txtSEE = "3.61";
    return in;
}

// A sample's statistics: the predictor's mean and SD, the score's, r, n, the person's predictor and score.
PredictInputs Sample(std::vector<const char*> s)
{
    PredictInputs in;
    in.txtPredictorMean = s[0], in.txtPredictorSD = s[1], in.txtScoreMean = s[2], in.txtScoreSD = s[3];
    in.txtCorrelation = s[4], in.txtN = s[5], in.txtValue1 = s[6], in.txtScore = s[7];
    in.txtLevel = "95";
    return in;
}

std::vector<std::string> Results(const core::PredictResults& r)
{
    std::vector<std::string> out;
    for (const core::PredictResultBox& box : core::kPredictResults)
        if (box.name != "txtReport" && box.name != "txtEquation")
            out.push_back(r.*box.text);
    return out;
}

// The worked examples of the design: SEE, predicted, discrepancy, z, standard
// score, label, percentile; then SE, t, df, p one- and two-tailed, below with
// its limits, z's limits.
TEST(PredictScore, TheWorkedExamples)
{
    struct Row {
        const char* name;
        PredictInputs in;
        const char* equation;
        std::vector<std::string> results;
    };
    PredictInputs lower = Sample({"100", "15", "100", "15", "0.7", "50", "85", "109"});
    lower.chkLower = "1";
    const Row rows[] = {
        {"a man of 80 with 8 years of education", Equation("38", "80", "8", "1"),
         "41.36 - 0.15 x Age + 0.29 x Education + 1.29 x Sex",
         {"3.61", "32.97", "5.03", "1.39", "120.9", "Above average", "91.82", "", "", "", "", "", "", "", "", "", ""}},
        {"a woman of 50 with 18 years", Equation("36", "50", "18", "2"),
         "41.36 - 0.15 x Age + 0.29 x Education + 1.29 x Sex",
         {"3.61", "41.66", "-5.66", "-1.57", "76.48", "Below average", "5.85", "", "", "", "", "", "", "", "", "", ""}},
        {"sample statistics", Sample({"63.8", "8.42", "41.3", "13.2", "-0.58", "160", "26", "41"}),
         "99.311 - 0.9093 x Predictor 1",  // to four places, which give the prediction shown
         {"10.79", "75.67", "-34.67", "-3.21", "51.79", "Exceptionally low", "0.07", "11.48", "-3.02", "158", "0.0015",
          "0.003", "0.15", "< 0.01", "0.79", "-4.01", "-2.41"}},
        {"change by regression", Sample({"100", "15", "100", "15", "0.7", "50", "85", "70"}), "30 + 0.7 x Predictor 1",
         {"10.82", "89.5", "-19.5", "-1.8", "72.97", "Below average", "3.58", "11.04", "-1.77", "48", "0.0418", "0.0837",
          "4.18", "0.99", "10.33", "-2.33", "-1.26"}},
        // lower is better: the discrepancy turned round, so 109 against 89.5 reads as the 70 above
        {"change, lower is better", lower, "30 + 0.7 x Predictor 1",
         {"10.82", "89.5", "-19.5", "-1.8", "72.97", "Below average", "3.58", "11.04", "-1.77", "48", "0.0418", "0.0837",
          "4.18", "0.99", "10.33", "-2.33", "-1.26"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const core::PredictResults r = core::PredictScore(row.in);
        ASSERT_FALSE(r.message.has_value()) << *r.message;
        EXPECT_EQ(r.txtEquation, row.equation);
        EXPECT_EQ(Results(r), row.results);
    }
}

// One predictor of an equation with its sample's n, mean and SD adds the
// test; without them the report says what is not allowed for.
TEST(PredictScore, ReportsTheMethodAndWhatItLeavesOut)
{
    EXPECT_EQ(core::PredictScore(Equation("38", "80", "8", "1")).txtReport,
              "A score of 38 against the score of 32.97 predicted from Age = 80, Education = 8 and Sex = 1 by the equation "
              "41.36 - 0.15 x Age + 0.29 x Education + 1.29 x Sex, with a standard error of estimate of 3.61, is 5.03 "
              "points above the prediction: z = 1.39, a standard score of 120.9 (Above average), percentile 91.82. "
              "The equation's standard error of estimate is taken as known: the normative sample's own error is not "
              "allowed for.");
    PredictInputs change = Sample({"100", "15", "100", "15", "0.7", "50", "85", "70"});
    change.txtMeasure = "Word List";
    change.txtPredictor1 = "Baseline";
    EXPECT_EQ(core::PredictScore(change).txtReport,
              "On Word List, a score of 70 against the score of 89.5 predicted from Baseline = 85 by regression in a "
              "sample of 50 (30 + 0.7 x Baseline), with a standard error of estimate of 10.82, is 19.5 points below "
              "the prediction: z = -1.8, a standard score of 72.97 (Below average), percentile 3.58. Treating the "
              "normative sample as a sample (Crawford and Garthwaite's method), t = -1.77 on 48 degrees of freedom, "
              "one-tailed p = 0.0418, two-tailed p = 0.0837: an estimated 4.18% of the population would show a "
              "discrepancy below the person's (95% confidence limits 0.99% and 10.33%), and z = -1.8 (95% confidence "
              "limits -2.33 and -1.26).");
    // Lower is better, a score above the prediction: worse, in the figures and in words.
    PredictInputs worse = Sample({"100", "15", "100", "15", "0.7", "50", "85", "110"});
    worse.chkLower = "1";
    const std::string worseReport = core::PredictScore(worse).txtReport;
    for (const char* said : {"is 20.5 points worse than the prediction",
                             "an estimated 3.47% of the population would show a discrepancy worse than the person's"})
        EXPECT_NE(worseReport.find(said), std::string::npos) << said << "\n" << worseReport;
    // Higher is better, above the prediction: most of the population below it.
    const core::PredictResults above = core::PredictScore(Sample({"100", "15", "100", "15", "0.7", "50", "85", "110"}));
    EXPECT_EQ(std::vector<std::string>({above.txtPOne, above.txtBelow}), std::vector<std::string>({"0.0347", "96.53"}));
    // What a screen reader is told: the predicted score, and the discrepancy's z.
    EXPECT_EQ(core::Finished(*core::CalculationOf("frmPredict"),
                             {{"txtScoreMean", "100"}, {"txtScoreSD", "15"}, {"txtCorrelation", "0.7"}, {"txtN", "5"},
                              {"txtPredictorMean", "100"}, {"txtPredictorSD", "15"}, {"txtValue1", "85"},
                              {"txtScore", "70"}, {"txtLevel", "95"}},
                             ".")
                  .spoken,
              "Predicted score shown: 89.5, z -1.58.");
    // The equation's one predictor, with the sample's figures: the same test.
    PredictInputs one;
    one.txtScore = "70", one.txtLevel = "95", one.txtIntercept = "30", one.txtCoefficient1 = "0.7";
    one.txtValue1 = "85", one.txtSEE = "10.82", one.txtN = "50", one.txtPredictorMean = "100", one.txtPredictorSD = "15";
    EXPECT_EQ(core::PredictScore(one).txtT, "-1.77");
}

TEST(PredictScore, AMessageLeavesEveryResultEmpty)
{
    const PredictInputs man = Equation("38", "80", "8", "1");
    const PredictInputs sample = Sample({"63.8", "8.42", "41.3", "13.2", "-0.58", "160", "26", "41"});
    struct Row {
        PredictInputs in;
        std::string message;
    };
    std::vector<Row> rows;
    const auto with = [&rows](PredictInputs in, auto change, std::string message) {
        change(in);
        rows.push_back({std::move(in), std::move(message)});
    };
    with(man, [](PredictInputs& in) { in.txtScore = ""; }, "Enter the person's obtained score.");
    with(man, [](PredictInputs& in) { in.txtScore = "n/a"; }, "The obtained score is not a number.");
    with(man, [](PredictInputs& in) { in.txtScoreSD = "13"; }, "Fill in either the equation or the sample's statistics, not both.");
    with(PredictInputs{}, [](PredictInputs& in) { in.txtScore = "38"; },
         "Give the equation (its intercept, coefficients and SEE) or the sample's statistics (the predictor's and the "
         "score's means and SDs, their correlation and n).");
    with(man, [](PredictInputs& in) { in.txtValue2 = ""; }, "Give both the coefficient and the person's value of predictor 2.");
    with(man, [](PredictInputs& in) { in.txtIntercept = ""; }, "The equation needs its intercept.");
    with(man, [](PredictInputs& in) { in.txtSEE = "0"; }, "The SEE must be above 0.");
    with(man, [](PredictInputs& in) { in.txtCoefficient3 = "1,29"; }, "The coefficient of predictor 3 is not a number.");
    with(man, [](PredictInputs& in) { in.txtN = "100"; }, "The test needs an equation with one predictor.");
    with(sample, [](PredictInputs& in) { in.txtScoreSD = ""; in.txtN = ""; },
         "The sample's statistics need the score's SD and the number in the sample.");
    with(sample, [](PredictInputs& in) { in.txtN = "2"; }, "The sample's n must be a whole number of 3 or more.");
    with(sample, [](PredictInputs& in) { in.txtN = "160.5"; }, "The sample's n must be a whole number of 3 or more.");
    with(sample, [](PredictInputs& in) { in.txtPredictorSD = "0"; }, "The predictor's SD must be above 0.");
    with(sample, [](PredictInputs& in) { in.txtScoreSD = "-1"; }, "The score's SD must be above 0.");
    with(sample, [](PredictInputs& in) { in.txtCorrelation = "1"; }, "The correlation must be above -1 and below 1.");
    with(sample, [](PredictInputs& in) { in.txtLevel = "100"; }, "Your confidence level must be below 100 and above 0.");
    // The level is read whenever it is given, though only the test uses it.
    with(man, [](PredictInputs& in) { in.txtLevel = "2,5"; }, "The confidence level is not a number.");
    with(man, [](PredictInputs& in) { in.txtLevel = "--5"; }, "The confidence level is not a number.");
    // A named predictor never silently drops out.
    with(man, [](PredictInputs& in) { in.txtPredictor4 = "Income"; },
         "Give both the coefficient and the person's value of predictor 4.");
    with(sample, [](PredictInputs& in) { in.txtPredictor2 = "Age"; },
         "A sample's statistics predict from predictor 1 alone: clear predictors 2 to 4, or give an equation.");
    for (const Row& row : rows) {
        SCOPED_TRACE(row.message);
        const core::PredictResults r = core::PredictScore(row.in);
        EXPECT_EQ(r.message, row.message);
        EXPECT_EQ(Results(r), std::vector<std::string>(17));
        EXPECT_EQ(r.txtEquation + r.txtReport, "");
    }
    // Without the test the level is never read; three in the sample is enough.
    PredictInputs noLevel = man, three = sample;
    noLevel.txtLevel = "";
    three.txtN = "3";
    EXPECT_FALSE(core::PredictScore(noLevel).message.has_value());
    EXPECT_FALSE(core::PredictScore(three).message.has_value());
}

}  // namespace
