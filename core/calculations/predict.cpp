#include "core/calculations/predict.h"

#include <cmath>
#include <vector>

#include "core/text/figures.h"
#include "core/text/scale.h"
#include "core/stats/studentst.h"
#include "core/steps.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

std::string PredictorIncomplete(int number)
{
    return "Give both the coefficient and the person's value of predictor " + std::to_string(number) + ".";
}

constexpr std::string_view kObtainedScoreRequired = "Enter the person's obtained score.";
constexpr std::string_view kEquationOrSample =
    "Fill in either the equation or the sample's statistics, not both.";
constexpr std::string_view kEquationOrSampleRequired =
    "Give the equation (its intercept, coefficients and SEE) or the sample's statistics (the predictor's and the "
    "score's means and SDs, their correlation and n).";
constexpr std::string_view kEquationNeedsPredictor =
    "The equation needs at least one predictor, with its coefficient and the person's value.";
constexpr std::string_view kEquationNeedsIntercept = "The equation needs its intercept.";
constexpr std::string_view kEquationNeedsSee = "The equation needs its SEE.";
constexpr std::string_view kSeeMustBePositive = "The SEE must be above 0.";
constexpr std::string_view kSampleOnePredictor =
    "A sample's statistics predict from predictor 1 alone: clear predictors 2 to 4, or give an equation.";
constexpr std::string_view kTestNeedsOnePredictor = "The test needs an equation with one predictor.";
constexpr std::string_view kTestNeedsSample = "The test needs the sample's n and the predictor's mean and SD.";
constexpr std::string_view kSampleSizeForTest = "The sample's n must be a whole number of 3 or more.";
constexpr std::string_view kPredictorSdMustBePositive = "The predictor's SD must be above 0.";
constexpr std::string_view kScoreSdMustBePositive = "The score's SD must be above 0.";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kObtainedScore = "The obtained score";
constexpr std::string_view kIntercept = "The intercept";
constexpr std::string_view kCoefficient = "The coefficient";
constexpr std::string_view kPersonsValue = "The person's value";
constexpr std::string_view kSeeOfEquation = "The SEE";
constexpr std::string_view kSampleSize = "The number in the sample";
constexpr std::string_view kPredictorMean = "The predictor's mean";
constexpr std::string_view kPredictorSd = "The predictor's SD";
constexpr std::string_view kScoreMean = "The score's mean";
constexpr std::string_view kScoreSd = "The score's SD";
constexpr std::string_view kPredicted = "The predicted score";
constexpr std::string_view kDiscrepancy = "The discrepancy";
constexpr std::string_view kDiscrepancyZ = "The z of the discrepancy";
constexpr std::string_view kSeNewCase = "The standard error for a new case";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

namespace subject = messages::subject;

// A predictor row of the equation: its boxes, and whether it counts.
struct Predictor {
    const std::string& name;
    const std::string& coefficient;
    const std::string& value;
    int number;

    std::string Called() const { return name.empty() ? "Predictor " + std::to_string(number) : name; }
};

// A coefficient as typed, after the term before it: " - 0.15" or " + 0.29".
std::string Term(const std::string& coefficient, std::string_view separator)
{
    const std::string t = AsTyped(coefficient, separator);
    if (t.starts_with('-'))
        return " - " + t.substr(1);
    return " + " + (t.starts_with('+') ? t.substr(1) : t);
}

// Where the prediction comes from: a published equation, or a sample's statistics.
enum class Method { Equation, Sample };

class Prediction : Steps<PredictResults> {
public:
    Prediction(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    PredictResults Run(const PredictInputs& in)
    {
        if (!Guarded([&] { return Predict(in); }, messages::kLimitsNotComputed))
            return Refusal();
        r_.txtReport = Report(in);
        return std::move(r_);
    }

private:
    bool Predict(const PredictInputs& in)
    {
        const Predictor rows[] = {{in.txtPredictor1, in.txtCoefficient1, in.txtValue1, 1},
                                  {in.txtPredictor2, in.txtCoefficient2, in.txtValue2, 2},
                                  {in.txtPredictor3, in.txtCoefficient3, in.txtValue3, 3},
                                  {in.txtPredictor4, in.txtCoefficient4, in.txtValue4, 4}};
        if (in.txtScore.empty())
            return Refuse(std::string(messages::kObtainedScoreRequired));
        if (!Parse(in.txtScore, subject::kObtainedScore, x_))
            return false;
        // The level is read whenever it is given, though only the test uses it.
        double zc = 0;
        if (!in.txtLevel.empty() && !Level(in.txtLevel, level_, zc))
            return false;
        bool coefficients = false;
        for (const Predictor& p : rows)
            coefficients = coefficients || !p.coefficient.empty();
        const bool equation = !in.txtIntercept.empty() || !in.txtSEE.empty() || coefficients;
        const bool sample = !in.txtScoreMean.empty() || !in.txtScoreSD.empty() || !in.txtCorrelation.empty();
        if (equation && sample)
            return Refuse(std::string(messages::kEquationOrSample));
        if (!equation && !sample)
            return Refuse(std::string(messages::kEquationOrSampleRequired));
        method_ = equation ? Method::Equation : Method::Sample;
        if (method_ == Method::Equation ? !Equation(in, rows) : !Sample(in, rows))
            return false;
        return Against(in);
    }

    bool Equation(const PredictInputs& in, const Predictor (&rows)[4])
    {
        for (const Predictor& p : rows) {
            // A named row without its figures would silently drop out of the equation.
            if (p.coefficient.empty() != p.value.empty() || (!p.name.empty() && p.coefficient.empty()))
                return Refuse(messages::PredictorIncomplete(p.number));
            if (!p.coefficient.empty())
                used_.push_back(p);
        }
        if (used_.empty())
            return Refuse(std::string(messages::kEquationNeedsPredictor));
        if (in.txtIntercept.empty())
            return Refuse(std::string(messages::kEquationNeedsIntercept));
        if (in.txtSEE.empty())
            return Refuse(std::string(messages::kEquationNeedsSee));
        double predicted = 0;
        if (!Parse(in.txtIntercept, subject::kIntercept, predicted))
            return false;
        equation_ = Typed(in.txtIntercept);
        for (const Predictor& p : used_) {
            double b = 0, x = 0;
            if (!Parse(p.coefficient, messages::Of(subject::kCoefficient, p.number), b) ||
                !Parse(p.value, messages::Of(subject::kPersonsValue, p.number), x))
                return false;
            predicted += b * x;
            equation_ += Term(p.coefficient, separator_) + " x " + p.Called();
        }
        if (!Parse(in.txtSEE, subject::kSeeOfEquation, see_))
            return false;
        if (!(see_ > 0))
            return Refuse(std::string(messages::kSeeMustBePositive));
        predicted_ = predicted;
        // The normative sample, for the test: all of it or none.
        const bool any = !in.txtN.empty() || !in.txtPredictorMean.empty() || !in.txtPredictorSD.empty();
        if (!any)
            return true;
        if (used_.size() > 1)
            return Refuse(std::string(messages::kTestNeedsOnePredictor));
        if (in.txtN.empty() || in.txtPredictorMean.empty() || in.txtPredictorSD.empty())
            return Refuse(std::string(messages::kTestNeedsSample));
        return Norms(in) && Parse(used_.front().value, messages::Of(subject::kPersonsValue, used_.front().number), x0_);
    }

    // The sample's n and the predictor's mean and SD.
    bool Norms(const PredictInputs& in)
    {
        if (!Parse(in.txtN, subject::kSampleSize, n_) || !Parse(in.txtPredictorMean, subject::kPredictorMean, mx_) ||
            !Parse(in.txtPredictorSD, subject::kPredictorSd, sx_))
            return false;
        if (!(n_ >= 3) || n_ != std::floor(n_))
            return Refuse(std::string(messages::kSampleSizeForTest));
        if (!(sx_ > 0))
            return Refuse(std::string(messages::kPredictorSdMustBePositive));
        test_ = true;
        return true;
    }

    bool Sample(const PredictInputs& in, const Predictor (&rows)[4])
    {
        const Predictor& p = rows[0];
        for (const Predictor& other : rows)
            if (other.number > 1 && !(other.name.empty() && other.value.empty()))
                return Refuse(std::string(messages::kSampleOnePredictor));
        std::vector<std::string> missing;
        const std::pair<const std::string*, std::string_view> needed[] = {
            {&in.txtPredictorMean, "the predictor's mean"}, {&in.txtPredictorSD, "the predictor's SD"},
            {&in.txtScoreMean, "the score's mean"},         {&in.txtScoreSD, "the score's SD"},
            {&in.txtCorrelation, "their correlation"},      {&in.txtN, "the number in the sample"},
            {&p.value, "the person's value of predictor 1"}};
        for (const auto& [text, what] : needed)
            if (text->empty())
                missing.push_back(std::string(what));
        if (!missing.empty())
            return Refuse("The sample's statistics need " + Listed(missing) + ".");
        double my = 0, sy = 0, r = 0;
        if (!Norms(in) || !Parse(in.txtScoreMean, subject::kScoreMean, my) ||
            !Parse(in.txtScoreSD, subject::kScoreSd, sy) || !Parse(in.txtCorrelation, subject::kCorrelation, r) ||
            !Parse(p.value, messages::Of(subject::kPersonsValue, 1), x0_))
            return false;
        if (!(sy > 0))
            return Refuse(std::string(messages::kScoreSdMustBePositive));
        if (!(r > -1 && r < 1))
            return Refuse(std::string(messages::kCorrelationOutOfRange));
        const double b = r * sy / sx_, a = my - b * mx_;
        see_ = sy * std::sqrt((1 - r * r) * (n_ - 1) / (n_ - 2));
        predicted_ = a + b * x0_;
        if (!std::isfinite(see_) || !std::isfinite(predicted_))
            return Refuse(messages::TooLarge(subject::kPredicted));
        used_.push_back(p);
        // To four places, so that the equation shown gives the prediction shown.
        equation_ = FourPlacesText(a, separator_) + (b < 0 ? " - " : " + ") + FourPlacesText(std::fabs(b), separator_) +
                    " x " + p.Called();
        return true;
    }

    // The person's score against the prediction, and the test where the sample is known.
    bool Against(const PredictInputs& in)
    {
        const bool lower = !in.chkLower.empty();
        const double d = lower ? predicted_ - x_ : x_ - predicted_;  // turned round where lower is better
        const double z = d / see_;
        double standard = 0, below = 0;
        r_.txtEquation = equation_;
        if (!Show(see_, &PredictResults::txtSEEUsed, subject::kSeeOfEquation) ||
            !Show(predicted_, &PredictResults::txtPredicted, subject::kPredicted) ||
            !Show(d, &PredictResults::txtDiscrepancy, subject::kDiscrepancy) ||
            !Show(z, &PredictResults::txtZ, subject::kDiscrepancyZ) ||
            !Show(StandardScore(z), &PredictResults::txtStandard, subject::kStandardScore, &standard) ||
            !Ask(stats_.NormalCdf(z, 0, 1), subject::kRawPercentile, below))
            return false;
        r_.txtLabel = StandardScoreLabel(standard);
        r_.txtPercentile = PercentText(100 * below, separator_);
        return !test_ || Test(in, d);
    }

    // Crawford and Garthwaite's test: the discrepancy against the standard
    // error of a new case's, on n - 2 degrees of freedom.
    bool Test(const PredictInputs& in, double d)
    {
        double zc = 0;
        if (!Level(in.txtLevel, level_, zc))
            return false;
        const double df = n_ - 2;
        const double theta = 1 / n_ + (x0_ - mx_) * (x0_ - mx_) / ((n_ - 1) * sx_ * sx_);
        const double se = see_ * std::sqrt(1 + theta), t = d / se;
        if (!Show(se, &PredictResults::txtSE, subject::kSeNewCase) || !Show(t, &PredictResults::txtT, subject::kT))
            return false;
        r_.txtDF = NumberText(df, separator_);
        const double below = stats::StudentsTCdf(df, t);
        const double tail = t < 0 ? below : 1 - below;
        r_.txtPOne = PValueText(tail, separator_);
        r_.txtPTwo = PValueText(2 * tail, separator_);
        r_.txtBelow = PercentText(100 * below, separator_);
        // The discrepancy over SEE sqrt(theta) is a non-central t whose non-centrality is z / sqrt(theta).
        const std::optional<stats::EffectLimits> limits =
            stats::EffectSizeLimits(df, d / see_, std::sqrt(theta), level_, stats_);
        if (!limits)
            return Refuse(std::string(messages::kLimitsNotComputed));
        if (!Show(limits->low, &PredictResults::txtZLow, subject::kDiscrepancyZ) ||
            !Show(limits->high, &PredictResults::txtZHigh, subject::kDiscrepancyZ))
            return false;
        r_.txtBelowLow = PercentText(100 * limits->belowLow, separator_);
        r_.txtBelowHigh = PercentText(100 * limits->belowHigh, separator_);
        return true;
    }

    std::string Report(const PredictInputs& in) const
    {
        const bool lower = !in.chkLower.empty();
        const std::string turned = lower ? " (lower is better)" : "";
        const std::string score = Typed(in.txtScore);
        std::string t = in.txtMeasure.empty() ? "A score of " + score + turned
                                              : "On " + in.txtMeasure + turned + ", a score of " + score;
        std::vector<std::string> values;
        for (const Predictor& p : used_)
            values.push_back(p.Called() + " = " + Typed(p.value));
        t += " against the score of " + r_.txtPredicted + " predicted from " + Listed(values) + " by " +
             (method_ == Method::Equation ? "the equation " : "regression in a sample of " + Typed(in.txtN) + " (") +
             r_.txtEquation + (method_ == Method::Equation ? "" : ")") + ", with a standard error of estimate of " +
             r_.txtSEEUsed;
        const std::string& d = r_.txtDiscrepancy;
        if (d == "0")
            t += ", is at the prediction";
        else
            t += ", is " + (d.starts_with('-') ? d.substr(1) : d) + (d == "1" || d == "-1" ? " point " : " points ") +
                 (lower ? (d.starts_with('-') ? "worse than" : "better than") : (d.starts_with('-') ? "below" : "above")) +
                 " the prediction";
        t += ": z = " + r_.txtZ + ", a standard score of " + r_.txtStandard + " (" + r_.txtLabel + "), percentile " +
             r_.txtPercentile + ".";
        if (!test_)
            return t + " The equation's standard error of estimate is taken as known: the normative sample's own "
                       "error is not allowed for.";
        const std::string level = Typed(in.txtLevel) + "%";
        return t + " Treating the normative sample as a sample (Crawford and Garthwaite's method), t = " + r_.txtT +
               " on " + r_.txtDF + (r_.txtDF == "1" ? " degree" : " degrees") + " of freedom, one-tailed p " +
               PValueInWords(r_.txtPOne) + ", two-tailed p " + PValueInWords(r_.txtPTwo) + ": an estimated " +
               PercentInWords(r_.txtBelow) + "% of the population would show a discrepancy " +
               (lower ? "worse than" : "below") + " the person's (" +
               level + " confidence limits " + PercentInWords(r_.txtBelowLow) + "% and " +
               PercentInWords(r_.txtBelowHigh) + "%), and z = " + r_.txtZ + " (" + level + " confidence limits " +
               r_.txtZLow + " and " + r_.txtZHigh + ").";
    }

    double x_ = 0, x0_ = 0, predicted_ = 0, see_ = 0, n_ = 0, mx_ = 0, sx_ = 0, level_ = 0;
    bool test_ = false;
    std::string equation_;
    std::vector<Predictor> used_;  // the rows of the equation that count
    Method method_ = Method::Equation;
};

}  // namespace

PredictResults PredictScore(const PredictInputs& in, std::string_view decimalSeparator)
{
    return Prediction(decimalSeparator, SharedStatistics()).Run(in);
}

namespace {

Shown Predicted(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(PredictScore(ReadBoxes(boxes, kPredictInputs), separator), kPredictResults);
    shown.spoken = "Predicted score shown: " + shown.texts["txtPredicted"] + ", z " + shown.texts["txtZ"] + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kPredictInputs, kPredictResults); }
Texts Example()
{
    return {{"txtScore", "70"},         {"txtLevel", "95"},        {"txtScoreMean", "100"},    {"txtScoreSD", "15"},
            {"txtCorrelation", "0.7"}, {"txtN", "50"},            {"txtPredictorMean", "100"}, {"txtPredictorSD", "15"},
            {"txtValue1", "85"}};
}

}  // namespace

const Calculation kPrediction{"cmdGo", &Predicted, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
