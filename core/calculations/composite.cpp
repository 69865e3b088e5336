#include "core/calculations/composite.h"

#include <cmath>
#include <vector>

#include "core/reading/battery.h"
#include "core/reading/matrix.h"
#include "core/steps.h"
#include "core/text/scale.h"

namespace core {
namespace {

class Composite : Steps<CompositeResults> {
public:
    Composite(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    CompositeResults Run(const CompositeInputs& in)
    {
        if (!Compute(in))
            return Refusal();
        r_.txtReport = Report(in);
        return std::move(r_);
    }

private:
    bool Compute(const CompositeInputs& in)
    {
        Battery battery = ReadBattery(in.txtRows, separator_, stats_);
        if (battery.message)
            return Refuse(std::move(*battery.message));
        lines_ = std::move(battery.measures);
        std::vector<const Measure*> used;
        for (const Measure& m : lines_)
            if (m.Computed())
                used.push_back(&m);
        k_ = used.size();
        if (k_ < 2)
            return Refuse(std::string(messages::kTwoMeasuresNeeded));
        double pairs = 0;  // the sum of the correlations over the pairs, i < j
        if (!IsBlankText(in.txtCorrelations)) {
            Correlations r;
            if (std::optional<std::string> wrong = BatteryCorrelations(in.txtCorrelations, separator_, lines_, r))
                return Refuse(std::move(*wrong));
            for (std::size_t a = 0; a < k_; ++a)
                for (std::size_t b = a + 1; b < k_; ++b)
                    pairs += r.r[a * k_ + b];
        } else {
            double rho = 0;
            if (std::optional<std::string> wrong = AverageCorrelation(in.txtCorrelation, separator_, rho))
                return Refuse(std::move(*wrong));
            pairs = rho * static_cast<double>(k_ * (k_ - 1) / 2);
        }
        double zc = 0;
        if (!Level(in.txtLevel, level_, zc))
            return false;

        const double k = static_cast<double>(k_);
        const double variance = k + 2 * pairs;
        double sumZ = 0, sumStandard = 0, sumReliability = 0;
        for (const Measure* m : used) {
            sumZ += m->z;
            sumStandard += m->standard;
            if (m->r)
                sumReliability += *m->r;
            else
                unreliable_.push_back(m);
        }
        const double z = sumZ / std::sqrt(variance);
        const double standard = StandardScore(z);
        double p = 0, shownStandard = 0, shownMean = 0;
        if (!Ask(stats_.NormalCdf(z, 0, 1), messages::subject::kZScore, p) ||
            !Show(z, &CompositeResults::txtZ, messages::subject::kZScore) ||
            !Show(standard, &CompositeResults::txtStandard, messages::subject::kStandardScore, &shownStandard) ||
            !Show(sumStandard / k, &CompositeResults::txtMeanStandard, messages::subject::kStandardScore, &shownMean))
            return false;
        r_.txtCount = std::to_string(k_);
        r_.txtPercentile = PercentText(100 * p, separator_);
        r_.txtLabel = std::string(StandardScoreLabel(shownStandard));
        moreExtreme_ = shownStandard != shownMean;
        if (!unreliable_.empty())
            return true;
        // Mosier's reliability of a sum, on the z scale: the error variances over the composite's variance.
        const double reliability = 1 - (k - sumReliability) / variance;
        if (!(reliability > 0 && reliability < 1))
            return true;  // reliabilities that cannot belong to these measures give no interval
        const double trueScore = 100 + reliability * (standard - 100);
        const double se = 15 * std::sqrt(reliability * (1 - reliability));
        return Show(reliability, &CompositeResults::txtReliability, messages::subject::kReliability) &&
               Show(15 * std::sqrt(1 - reliability), &CompositeResults::txtSEM, messages::subject::kReliability) &&
               Show(trueScore, &CompositeResults::txtTrue, messages::subject::kStandardScore) &&
               Show(trueScore - zc * se, &CompositeResults::txtTrueLow, messages::subject::kStandardScore) &&
               Show(trueScore + zc * se, &CompositeResults::txtTrueHigh, messages::subject::kStandardScore);
    }

    std::string Report(const CompositeInputs& in) const
    {
        const std::string name = IsBlankText(in.txtName) ? std::string("The composite") : std::string(in.txtName);
        std::string t = name + " of " + r_.txtCount + " measures has a standard score of " + r_.txtStandard +
                        " (z = " + r_.txtZ + ", percentile " + PercentInWords(r_.txtPercentile) + ", " + r_.txtLabel +
                        "), by Tellegen and Briggs's method: the sum of the measures' z scores over its own SD.";
        if (moreExtreme_)
            t += " It is more extreme than the plain mean of their standard scores, " + r_.txtMeanStandard +
                 ", because measures that correlate less than perfectly seldom all fall as far from the mean "
                 "together.";
        if (!r_.txtReliability.empty())
            t += " Its reliability (Mosier) is " + r_.txtReliability + ", its SEM " + r_.txtSEM +
                 ": the estimated true score is " + r_.txtTrue + ", with a " + Text(level_) + "% interval from " +
                 r_.txtTrueLow + " to " + r_.txtTrueHigh + ".";
        if (!unreliable_.empty()) {
            std::vector<std::string> names;
            for (const Measure* m : unreliable_)
                names.push_back(Called(*m, static_cast<std::size_t>(m - lines_.data()) + 1));
            t += " Its reliability and interval need every measure's reliability, which " + Listed(names) +
                 (names.size() == 1 ? " lacks." : " lack.");
        }
        return t + LeftOut(lines_);
    }

    std::vector<Measure> lines_;
    std::vector<const Measure*> unreliable_;
    std::size_t k_ = 0;
    double level_ = 0;
    bool moreExtreme_ = false;
};

}  // namespace

CompositeResults CompositeScore(const CompositeInputs& in, std::string_view decimalSeparator)
{
    return Composite(decimalSeparator, SharedStatistics()).Run(in);
}

namespace {

Shown CompositeShown(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(CompositeScore(ReadBoxes(boxes, kCompositeInputs), separator), kCompositeResults);
    shown.spoken = "Composite shown: standard score " + shown.texts["txtStandard"] + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kCompositeInputs, kCompositeResults); }
Texts Example() { return {{"txtRows", "A;100;15;85;0.9\nB;100;15;85;0.9"}, {"txtCorrelation", "0.5"}, {"txtLevel", "95"}}; }

}  // namespace

const Calculation kComposite{"cmdGo", &CompositeShown, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
