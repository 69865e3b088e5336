#include "core/calculations/interpretation.h"

#include <algorithm>
#include <cmath>

#include "core/text/figures.h"
#include "core/pictures/curve.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"
#include "core/steps.h"
#include "core/text/scale.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kMeanSdAndScoreRequired = "Enter the measure's mean, its SD and a raw score.";
constexpr std::string_view kChangeNeedsReliability = "Reliable change needs the measure's reliability.";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kTScore = "The T score";
constexpr std::string_view kScaledScore = "The scaled score";
constexpr std::string_view kNce = "The normal curve equivalent";
constexpr std::string_view kSem = "The standard error of measurement";
constexpr std::string_view kObservedLow = "The low end of the observed score's interval";
constexpr std::string_view kObservedHigh = "The high end of the observed score's interval";
constexpr std::string_view kTrueScore = "The estimated true score";
constexpr std::string_view kSee = "The standard error of estimation";
constexpr std::string_view kTrueLow = "The low end of the true score's interval";
constexpr std::string_view kTrueHigh = "The high end of the true score's interval";
constexpr std::string_view kTrueLowPercentile = "The percentile of the true score's low end";
constexpr std::string_view kTrueHighPercentile = "The percentile of the true score's high end";
constexpr std::string_view kRetest = "The retest score";
constexpr std::string_view kPractice = "The practice effect";
constexpr std::string_view kRci = "The reliable change index";
constexpr std::string_view kRciConf = "The confidence of the change";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

namespace subject = messages::subject;

constexpr double kNceSd = 21.06;

// The change box's text as the report's sentence says it.
std::string InWords(const std::string& change)
{
    if (change == "No reliable change")
        return "no reliable change";
    std::string words = "a " + change;
    words[2] = 'r';  // "Reliable ..." within the sentence
    return words;
}

// One run: results accumulate until the first message, which ends it.
class Interpretation : Steps<InterpretResults> {
public:
    Interpretation(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    InterpretResults Run(const InterpretInputs& in, bool withReport)
    {
        if (Scales(in) && !in.txtReliability.empty() && Interval(in) && !in.txtRetest.empty())
            Change(in);
        else if (!r_.message && in.txtReliability.empty() && !in.txtRetest.empty())
            Refuse(std::string(messages::kChangeNeedsReliability));
        if (withReport) {
            r_.txtReport = Report(in);
            r_.picCurve = CurveSvg({z_, low_, high_, r_.txtReport});
        }
        return std::move(r_);
    }

private:
    // 100 x the probability below x, its ends shown as beyond 99.99 and 0.01.
    bool Percentile(double x, std::string InterpretResults::*field, std::string_view what)
    {
        const StatOutcome p = stats_.NormalCdf(x, m_, s_);
        if (!p.Ok())
            return Refuse(messages::StatisticsFailed(p.failure, what));
        r_.*field = PercentText(p.value * 100, separator_);
        return true;
    }

    void Whole(long value, std::string InterpretResults::*field) { r_.*field = std::to_string(value); }

    bool Scales(const InterpretInputs& in)
    {
        if (in.txtMean.empty() || in.txtSD.empty() || in.txtScore.empty())
            return Refuse(std::string(messages::kMeanSdAndScoreRequired));
        if (!Parse(in.txtMean, subject::kMean, m_) || !Parse(in.txtSD, subject::kSd, s_) ||
            !Parse(in.txtScore, subject::kRawScore, x_))
            return false;
        if (!(s_ > 0))
            return Refuse(std::string(messages::kSdMustBePositive));
        const double z = (x_ - m_) / s_;
        double standard = 0;
        if (!Show(z, &InterpretResults::txtZScore, subject::kZScore))
            return false;
        z_ = z;
        if (!Percentile(x_, &InterpretResults::txtPercentile, subject::kRawPercentile) ||
            !Show(50 + 10 * z, &InterpretResults::txtTScore, subject::kTScore) ||
            !Show(StandardScore(z), &InterpretResults::txtStandardScore, subject::kStandardScore, &standard) ||
            !Show(10 + 3 * z, &InterpretResults::txtScaledScore, subject::kScaledScore) ||
            !Show(50 + kNceSd * z, &InterpretResults::txtNCE, subject::kNce))
            return false;
        // A score on a boundary takes the upper band; z beyond any band is clamped before the floor.
        const double zc = std::clamp(z, -10.0, 10.0);
        Whole(std::clamp(static_cast<long>(std::floor(2 * zc + 0.5)) + 5, 1L, 9L), &InterpretResults::txtStanine);
        Whole(std::clamp(static_cast<long>(std::floor(2 * zc)) + 6, 1L, 10L), &InterpretResults::txtSten);
        r_.txtLabel = StandardScoreLabel(standard);
        return true;
    }

    bool Interval(const InterpretInputs& in)
    {
        double r = 0;
        if (!Parse(in.txtReliability, subject::kReliability, r))
            return false;
        if (!(r > 0 && r < 1))
            return Refuse(std::string(messages::kReliabilityOutOfRange));
        reliability_ = r;
        double zc = 0;
        if (!Level(in.txtLevel, level_, zc))
            return false;
        const double sem = s_ * std::sqrt(1 - r);
        const double trueScore = m_ + r * (x_ - m_);
        const double see = s_ * std::sqrt(r * (1 - r));
        const double lo = trueScore - zc * see, hi = trueScore + zc * see;
        double loShown = 0, hiShown = 0;
        if (!Show(zc, &InterpretResults::txtCriticalZ, subject::kCriticalZ) ||
            !Show(sem, &InterpretResults::txtSEM, subject::kSem) ||
            !Show(x_ - zc * sem, &InterpretResults::txtObservedLow, subject::kObservedLow) ||
            !Show(x_ + zc * sem, &InterpretResults::txtObservedHigh, subject::kObservedHigh) ||
            !Show(trueScore, &InterpretResults::txtTrueScore, subject::kTrueScore) ||
            !Show(see, &InterpretResults::txtSEE, subject::kSee) ||
            !Show(lo, &InterpretResults::txtTrueLow, subject::kTrueLow) ||
            !Show(hi, &InterpretResults::txtTrueHigh, subject::kTrueHigh) ||
            !Percentile(lo, &InterpretResults::txtTrueLowPercentile, subject::kTrueLowPercentile) ||
            !Percentile(hi, &InterpretResults::txtTrueHighPercentile, subject::kTrueHighPercentile))
            return false;
        // The labels of the ends' standard scores, each as shown.
        if (!Standard(lo, loShown, subject::kTrueLow) || !Standard(hi, hiShown, subject::kTrueHigh))
            return false;
        r_.txtTrueLowLabel = StandardScoreLabel(loShown);
        r_.txtTrueHighLabel = StandardScoreLabel(hiShown);
        low_ = (lo - m_) / s_;
        high_ = (hi - m_) / s_;
        return true;
    }

    bool Standard(double score, double& shown, std::string_view what)
    {
        const double v = StandardScore((score - m_) / s_);
        if (!std::isfinite(v))
            return Refuse(messages::TooLarge(what));
        shown = RoundTwoPlaces(v);
        return true;
    }

    void Change(const InterpretInputs& in)
    {
        double x2 = 0, d = 0;
        if (!Parse(in.txtRetest, subject::kRetest, x2) ||
            (!in.txtPractice.empty() && !Parse(in.txtPractice, subject::kPractice, d)))
            return;
        const double sdiff = s_ * std::sqrt(2 * (1 - reliability_));
        double rci = 0, conf = 0;
        if (!Show(sdiff, &InterpretResults::txtSdiff, subject::kSdiff) ||
            !Show(((x2 - x_) - d) / sdiff, &InterpretResults::txtRCI, subject::kRci, &rci))
            return;
        if (!Confidence(rci, subject::kRciConf, conf) ||
            !Show(conf, &InterpretResults::txtRCIConf, subject::kRciConf, &conf))
            return;
        if (conf < level_)
            r_.txtChange = "No reliable change";
        else
            r_.txtChange = rci > 0 ? "Reliable increase" : "Reliable decrease";
    }

    // One paragraph from the texts as shown, as far as they were computed.
    std::string Report(const InterpretInputs& in) const
    {
        if (r_.txtLabel.empty())
            return {};
        std::string t =
            (in.txtMeasure.empty()
                 ? "On a measure with mean " + Typed(in.txtMean) + " and SD " + Typed(in.txtSD)
                 : "On " + in.txtMeasure + " (mean " + Typed(in.txtMean) + ", SD " + Typed(in.txtSD) + ")") +
            ", a raw score of " + Typed(in.txtScore) + " is at z = " + r_.txtZScore + ", percentile rank " +
            r_.txtPercentile + " (T " + r_.txtTScore + ", standard score " + r_.txtStandardScore + ", scaled score " +
            r_.txtScaledScore + ", NCE " + r_.txtNCE + ", stanine " + r_.txtStanine + ", sten " + r_.txtSten +
            "), in the " + r_.txtLabel + " range.";
        if (!r_.txtTrueHighLabel.empty()) {
            t += " With a reliability of " + Typed(in.txtReliability) + ", the " + Typed(in.txtLevel) +
                 "% confidence interval for the true score is " + r_.txtTrueLow + " to " + r_.txtTrueHigh +
                 " (percentile ranks " + r_.txtTrueLowPercentile + " to " + r_.txtTrueHighPercentile + "; " +
                 r_.txtTrueLowLabel + " to " + r_.txtTrueHighLabel + "), around an estimated true score of " +
                 r_.txtTrueScore + "; the observed score's interval is " + r_.txtObservedLow + " to " +
                 r_.txtObservedHigh + " (SEM " + r_.txtSEM + ").";
        }
        if (!r_.txtChange.empty()) {
            t += " At retest, a score of " + Typed(in.txtRetest) + " gives a reliable change index of " + r_.txtRCI +
                 " (SE of the difference " + r_.txtSdiff +
                 (in.txtPractice.empty() ? std::string() : ", practice effect " + Typed(in.txtPractice)) + "), " +
                 r_.txtRCIConf + "% confidence: " + InWords(r_.txtChange) + " at the " + Typed(in.txtLevel) +
                 "% level.";
        }
        return t;
    }

    double m_ = 0, s_ = 0, x_ = 0, reliability_ = 0, level_ = 0;
    std::optional<double> z_, low_, high_;
};

}  // namespace

InterpretResults InterpretScore(const InterpretInputs& in, std::string_view decimalSeparator,
                                StatisticsComponent& stats)
{
    return Interpretation(decimalSeparator, stats).Run(in, true);
}

InterpretResults InterpretFigures(const InterpretInputs& in, std::string_view decimalSeparator,
                                  StatisticsComponent& stats)
{
    return Interpretation(decimalSeparator, stats).Run(in, false);
}

InterpretResults InterpretScore(const InterpretInputs& in, std::string_view decimalSeparator)
{
    return InterpretScore(in, decimalSeparator, SharedStatistics());
}

namespace {

Shown Interpret(const Texts& boxes, std::string_view separator)
{
    InterpretResults r = InterpretScore(ReadBoxes(boxes, kInterpretInputs), separator);
    std::string curve = std::move(r.picCurve);
    Shown shown = WriteBoxes(std::move(r), kInterpretResults);
    shown.texts.emplace("picCurve", std::move(curve));
    shown.spoken = "Interpretation shown: z score " + shown.texts["txtZScore"] + ", percentile " +
                   shown.texts["txtPercentile"] + ".";
    return shown;
}

Texts BlankCurve() { return {{"picCurve", CurveSvg({})}}; }
std::vector<std::string_view> Boxes() { return BoxNames({"picCurve"}, kInterpretInputs, kInterpretResults); }
Texts Example()
{
    return {{"txtMean", "50"},  {"txtSD", "10"},      {"txtScore", "65"},
            {"txtLevel", "95"}, {"txtReliability", "0.9"}, {"txtRetest", "72"}};
}

}  // namespace

const Calculation kInterpretation{"cmdGo", &Interpret, nullptr, &BlankCurve, &Boxes, &Example};

}  // namespace core
