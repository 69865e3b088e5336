#include "core/calculations/casecontrols.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "core/text/figures.h"
#include "core/stats/studentst.h"
#include "core/steps.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kCaseAndControlsRequired =
    "Enter the controls' mean, SD and size, and the case's score.";
constexpr std::string_view kControlsSdMustBePositive = "The controls' SD must be above 0.";

}  // namespace
}  // namespace core::messages

namespace core {
namespace {

namespace subject = messages::subject;

class CaseAgainstControls : Steps<CaseResults> {
public:
    CaseAgainstControls(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    CaseResults Run(const CaseInputs& in)
    {
        if (!Guarded([&] { return Test(in); }, messages::kLimitsNotComputed))
            return Refusal();
        // The limits are refused alone where the non-central t cannot give them.
        if (!Guarded([this] { return Limits(); }, messages::kLimitsNotComputed))
            r_.txtBelowLow = r_.txtBelowHigh = r_.txtZccLow = r_.txtZccHigh = "";
        r_.txtReport = Report(in);
        return std::move(r_);
    }

private:
    bool Test(const CaseInputs& in)
    {
        if (in.txtMean.empty() || in.txtSD.empty() || in.txtN.empty() || in.txtScore.empty())
            return Refuse(std::string(messages::kCaseAndControlsRequired));
        double m = 0, s = 0, x = 0;
        if (!Parse(in.txtMean, subject::kControlsMean, m) || !Parse(in.txtN, subject::kControls, n_) ||
            !Parse(in.txtSD, subject::kControlsSd, s) || !Parse(in.txtScore, subject::kCaseScore, x))
            return false;
        if (!(n_ >= 2) || n_ != std::floor(n_))
            return Refuse(std::string(messages::kControlsSampleSize));
        if (!(s > 0))
            return Refuse(std::string(messages::kControlsSdMustBePositive));
        double zc = 0;
        if (!Level(in.txtLevel, level_, zc))
            return false;

        const double df = n_ - 1;
        const double d = in.chkLower.empty() ? x - m : m - x;  // turned round where a lower score is better
        zcc_ = d / s;
        const auto [t, below] = stats::CrawfordHowell(zcc_, n_);
        if (!Show(t, &CaseResults::txtT, subject::kT) || !Show(zcc_, &CaseResults::txtZcc, subject::kEffectSize))
            return false;
        r_.txtDF = NumberText(df, separator_);
        const double tail = t < 0 ? below : 1 - below;
        r_.txtPOne = PValueText(tail, separator_);
        r_.txtPTwo = PValueText(2 * tail, separator_);
        r_.txtBelow = PercentText(100 * below, separator_);
        return true;
    }

    // Crawford and Garthwaite's limits: the non-centralities that put the
    // observed t at each end of the interval, scaled back to z.
    bool Limits()
    {
        const std::optional<stats::EffectLimits> limits =
            stats::EffectSizeLimits(n_ - 1, zcc_, 1 / std::sqrt(n_), level_, stats_);
        if (!limits)
            return Refuse(std::string(messages::kLimitsNotComputed));
        if (!Show(limits->low, &CaseResults::txtZccLow, subject::kEffectSize) ||
            !Show(limits->high, &CaseResults::txtZccHigh, subject::kEffectSize))
            return false;
        r_.txtBelowLow = PercentText(100 * limits->belowLow, separator_);
        r_.txtBelowHigh = PercentText(100 * limits->belowHigh, separator_);
        return true;
    }

    std::string Report(const CaseInputs& in) const
    {
        const std::string level = Typed(in.txtLevel) + "%";
        const bool lower = !in.chkLower.empty(), limits = !r_.txtBelowLow.empty();
        const std::string turned = lower ? " (lower is better)" : "";
        std::string t =
            (in.txtMeasure.empty() ? "A case score of " + Typed(in.txtScore) + turned
                                   : "On " + in.txtMeasure + turned + ", a case score of " + Typed(in.txtScore)) +
            " against " + Typed(in.txtN) + " controls with a mean of " + Typed(in.txtMean) + " and an SD of " +
            Typed(in.txtSD) + " gives t = " + r_.txtT + " on " + r_.txtDF + (r_.txtDF == "1" ? " degree" : " degrees") +
            " of freedom, one-tailed p " + PValueInWords(r_.txtPOne) + ", two-tailed p " + PValueInWords(r_.txtPTwo) +
            ". An estimated " + PercentInWords(r_.txtBelow) + "% of the control population would " +
            (lower ? "do worse than" : "score below") + " the case";
        if (limits)
            t += " (" + level + " confidence limits " + PercentInWords(r_.txtBelowLow) + "% and " +
                 PercentInWords(r_.txtBelowHigh) + "%)";
        t += ", and the effect size is z = " + r_.txtZcc;
        if (limits)
            t += " (" + level + " confidence limits " + r_.txtZccLow + " and " + r_.txtZccHigh + ")";
        return t + ". The test treats the controls as a sample, not as the population (Crawford and Howell's "
                   "modified t test, with Crawford and Garthwaite's limits).";
    }

    double n_ = 0, zcc_ = 0;
    double level_ = 0;
};

}  // namespace

CaseResults CompareCaseToControls(const CaseInputs& in, std::string_view decimalSeparator)
{
    return CaseAgainstControls(decimalSeparator, SharedStatistics()).Run(in);
}

namespace {

Shown CaseAgainstControls(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(CompareCaseToControls(ReadBoxes(boxes, kCaseInputs), separator), kCaseResults);
    shown.spoken = "Case against controls shown: t " + shown.texts["txtT"] + ", one-tailed p " + shown.texts["txtPOne"] + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kCaseInputs, kCaseResults); }
Texts Example() { return {{"txtMean", "100"}, {"txtSD", "15"}, {"txtN", "20"}, {"txtScore", "70"}, {"txtLevel", "95"}}; }

}  // namespace

const Calculation kCaseAgainstControls{"cmdGo", &CaseAgainstControls, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
