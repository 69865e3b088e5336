#include "core/calculations/scoreanalysis.h"

#include <array>
#include <cmath>

#include "core/text/figures.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"
#include "core/steps.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kMeanAndSdRequired =
    "At the least, measure mean and measure SD field mus be entered.";
constexpr std::string_view kPercentileOutOfRange =
    "You cannot have a percentile above 100 or below 0";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kStipulatedSd = "The user stipulated SD";
constexpr std::string_view kScoreAt1Sd = "The score at 1 SD";
constexpr std::string_view kScoreAt196Sd = "The score at 1.96 SD";
constexpr std::string_view kScoreAt258Sd = "The score at 2.58 SD";
constexpr std::string_view k25thPercentile = "The 25th percentile of the measure";
constexpr std::string_view k75thPercentile = "The 75th percentile of the measure";
constexpr std::string_view k95thPercentile = "The 95th percentile of the measure";
constexpr std::string_view k99thPercentile = "The 99th percentile of the measure";
constexpr std::string_view kRawConfidence = "The confidence level of the raw score";
constexpr std::string_view kScoreAtStipulatedSd = "The score at the user stipulated SD";
constexpr std::string_view kScoreAtStipulatedPercentile = "The score at the user stipulated percentile";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

namespace subject = messages::subject;

struct Cutoff {
    double sds;
    std::string ScoreResults::*field;
    std::string_view what;
};

// m + 1, 1.96 and 2.58 SD; the factor 1 keeps s + m exact.
constexpr std::array kCutoffs{
    Cutoff{1.0, &ScoreResults::txtSD1, subject::kScoreAt1Sd},
    Cutoff{1.96, &ScoreResults::txtSD196, subject::kScoreAt196Sd},
    Cutoff{2.58, &ScoreResults::txtSD258, subject::kScoreAt258Sd},
};

struct Percentile {
    double probability;
    std::string ScoreResults::*field;
    std::string_view what;
};

constexpr std::array kPercentiles{
    Percentile{0.25, &ScoreResults::txt25Percent, subject::k25thPercentile},
    Percentile{0.75, &ScoreResults::txt75Percent, subject::k75thPercentile},
    Percentile{0.95, &ScoreResults::txt95Percent, subject::k95thPercentile},
    Percentile{0.99, &ScoreResults::txt99Percent, subject::k99thPercentile},
};

// One run: results accumulate until the first message, which ends it.
class Analysis : Steps<ScoreResults> {
public:
    Analysis(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    ScoreResults Run(const ScoreInputs& in)
    {
        if (in.txtMean.empty() || in.txtSD.empty()) {
            Refuse(std::string(messages::kMeanAndSdRequired));
            return std::move(r_);
        }

        double m = 0, s = 0;
        if (!ParseLeniently(in.txtMean, subject::kMean, m) || !ParseLeniently(in.txtSD, subject::kSd, s))
            return std::move(r_);

        for (const Cutoff& c : kCutoffs)
            if (!Show(c.sds * s + m, c.field, c.what))
                return std::move(r_);

        for (const Percentile& q : kPercentiles)
            if (!Show(stats_.NormalQuantile(q.probability, m, s), q.field, q.what))
                return std::move(r_);

        if (!in.txtScore.empty() && !RawScore(in.txtScore, m, s))
            return std::move(r_);
        if (!in.txtUserStipulatedSD.empty() && !StipulatedSd(in.txtUserStipulatedSD, m, s))
            return std::move(r_);
        if (!in.txtUserStipulatedPercentile.empty())
            StipulatedPercentile(in.txtUserStipulatedPercentile, m, s);
        return std::move(r_);
    }

private:
    using Steps::Show;

    // A quantile may be infinite at p = 0 or 1, and is shown as such.
    bool Show(const StatOutcome& out, std::string ScoreResults::*field, std::string_view what)
    {
        if (!out.Ok())
            return Refuse(messages::StatisticsFailed(out.failure, what));
        r_.*field = Text(out.value);
        return true;
    }

    bool RawScore(const std::string& text, double m, double s)
    {
        double x = 0;
        if (!ParseLeniently(text, subject::kRawScore, x))
            return false;
        const double unrounded = (x - m) / s;
        if (!std::isfinite(unrounded))
            return Refuse(messages::TooLarge(subject::kZScore));
        // The confidence is taken from the z score as shown, so the two boxes agree.
        const double z = RoundTwoPlaces(unrounded);
        r_.txtZScore = NumberText(z, separator_);

        const StatOutcome c1 = stats_.NormalCdf(x, m, s);
        if (!c1.Ok())
            return Refuse(messages::StatisticsFailed(c1.failure, subject::kRawPercentile));
        r_.txtPercentile = Text(c1.value * 100);

        const StatOutcome c2 = stats_.NormalCdf(std::fabs(z), 0, 1);
        if (!c2.Ok())
            return Refuse(messages::StatisticsFailed(c2.failure, subject::kRawConfidence));
        r_.txtConf = Text(100 - 100 * ((1 - c2.value) * 2));
        return true;
    }

    bool StipulatedSd(const std::string& text, double m, double s)
    {
        double k = 0;
        if (!ParseLeniently(text, subject::kStipulatedSd, k))
            return false;
        r_.txtSDUser = NumberText(k, separator_);
        return Show(k * s + m, &ScoreResults::txtUserSDAnswer, subject::kScoreAtStipulatedSd);
    }

    void StipulatedPercentile(const std::string& text, double m, double s)
    {
        const double p = LenientParse(text);
        if (p > 100 || p < 0) {
            Refuse(std::string(messages::kPercentileOutOfRange));
            return;
        }
        r_.txtPercentileUser = NumberText(p, separator_);
        Show(stats_.NormalQuantile(p / 100, m, s), &ScoreResults::txtUserPercentileAnswer,
             subject::kScoreAtStipulatedPercentile);
    }

};

}  // namespace

ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats)
{
    return Analysis(decimalSeparator, stats).Run(in);
}

ScoreResults AnalyzeScores(const ScoreInputs& in, std::string_view decimalSeparator)
{
    return AnalyzeScores(in, decimalSeparator, SharedStatistics());
}

namespace {

// The main window's boxes count as empty only without a character.
ScoreInputs ReadAsTyped(const Texts& boxes)
{
    ScoreInputs in;
    for (const Box<ScoreInputs>& box : kInputBoxes)
        in.*box.text = std::string(TextOf(boxes, box.name));
    return in;
}

Shown Analyze(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(AnalyzeScores(ReadAsTyped(boxes), separator), kResultBoxes);
    const std::string& z = shown.texts["txtZScore"];
    shown.spoken = z.empty() ? "Results shown."
                             : "Results shown: z score " + z + ", percentile " + shown.texts["txtPercentile"] + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kInputBoxes, kResultBoxes); }
Texts Example() { return {{"txtMean", "50"}, {"txtSD", "10"}, {"txtScore", "65"}}; }

}  // namespace

const Calculation kAnalysis{"cmdGo", &Analyze, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
