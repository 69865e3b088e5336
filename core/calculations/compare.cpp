#include "core/calculations/compare.h"

#include <cmath>
#include <initializer_list>

#include "core/text/figures.h"
#include "core/text/scale.h"
#include "core/steps.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kEachScoreRequired = "Enter each score's mean, SD and raw score.";
constexpr std::string_view kDifferenceNeedsBothReliabilities = "A reliable difference needs both reliabilities.";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kDifference = "The difference";
constexpr std::string_view kCriticalDifference = "The critical difference";
constexpr std::string_view kDifferenceZ = "The z of the difference";
constexpr std::string_view kDifferenceConfidence = "The confidence of the difference";
constexpr std::string_view kRarity = "The share of the population with a larger difference in the same direction";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

namespace subject = messages::subject;

// One score's boxes and what the comparison calls it.
struct Score {
    const std::string& name;
    const std::string& mean;
    const std::string& sd;
    const std::string& raw;
    const std::string& reliability;
    bool lower;
    std::string_view what;  // "Score A" in the messages about it
};

class Comparison : Steps<CompareResults> {
public:
    Comparison(std::string_view separator, StatisticsComponent& stats) : Steps(separator, stats) {}

    CompareResults Run(const CompareInputs& in)
    {
        const Score a{in.txtNameA, in.txtMeanA, in.txtSDA, in.txtScoreA, in.txtReliabilityA, !in.chkLowerA.empty(), "A"};
        const Score b{in.txtNameB, in.txtMeanB, in.txtSDB, in.txtScoreB, in.txtReliabilityB, !in.chkLowerB.empty(), "B"};
        if (!Standard(a, b))
            return std::move(r_);
        // Two answers, each on its own inputs: a refusal of one is its message, and the other stands.
        std::string messages;
        const auto answer = [&](bool asked, auto compute, std::initializer_list<std::string CompareResults::*> boxes) {
            if (!asked || compute())
                return;
            messages += (messages.empty() ? "" : " ") + *r_.message;
            r_.message.reset();
            for (std::string CompareResults::*box : boxes)
                (r_.*box).clear();
        };
        answer(!in.txtReliabilityA.empty() || !in.txtReliabilityB.empty(), [&] { return Reliable(in, a, b); },
               {&CompareResults::txtSEDiff, &CompareResults::txtCritical, &CompareResults::txtDiffZ,
                &CompareResults::txtDiffConf, &CompareResults::txtReliable});
        answer(!in.txtCorrelation.empty(), [&] { return Rare(in); },
               {&CompareResults::txtAbnormalZ, &CompareResults::txtRarity});
        if (!messages.empty())
            r_.message = messages;
        r_.txtReport = Report(in, a, b);
        return std::move(r_);
    }

private:
    // Both scores on the standard-score scale, and their difference.
    bool Standard(const Score& a, const Score& b)
    {
        for (const Score* s : {&a, &b})
            if (s->mean.empty() || s->sd.empty() || s->raw.empty())
                return Refuse(std::string(messages::kEachScoreRequired));
        double m[2], sd[2], x[2];
        for (int i = 0; i < 2; ++i) {
            const Score& s = i == 0 ? a : b;
            if (!Parse(s.mean, Of(subject::kMean, s), m[i]) || !Parse(s.sd, Of(subject::kSd, s), sd[i]) ||
                !Parse(s.raw, Of(subject::kRawScore, s), x[i]))
                return false;
        }
        if (!(sd[0] > 0) || !(sd[1] > 0))
            return Refuse(std::string(messages::kSdMustBePositive));
        double shown = 0;
        for (int i = 0; i < 2; ++i) {
            const Score& s = i == 0 ? a : b;
            z_[i] = s.lower ? (m[i] - x[i]) / sd[i] : (x[i] - m[i]) / sd[i];
            standard_[i] = StandardScore(z_[i]);
            if (!Show(standard_[i], i == 0 ? &CompareResults::txtStandardA : &CompareResults::txtStandardB,
                      subject::kStandardScore, &shown))
                return false;
            r_.*(i == 0 ? &CompareResults::txtLabelA : &CompareResults::txtLabelB) = StandardScoreLabel(shown);
        }
        return Show(standard_[0] - standard_[1], &CompareResults::txtDifference, subject::kDifference);
    }

    // What the messages call one score's box: "The measure mean of score A".
    static std::string Of(std::string_view subject, const Score& s)
    {
        return std::string(subject) + " of score " + std::string(s.what);
    }

    // Whether the difference is larger than the two tests' errors of measurement allow at the level.
    bool Reliable(const CompareInputs& in, const Score& a, const Score& b)
    {
        if (in.txtReliabilityA.empty() || in.txtReliabilityB.empty())
            return Refuse(std::string(messages::kDifferenceNeedsBothReliabilities));
        double ra = 0, rb = 0, zc = 0;
        if (!Parse(in.txtReliabilityA, Of(subject::kReliability, a), ra) ||
            !Parse(in.txtReliabilityB, Of(subject::kReliability, b), rb))
            return false;
        if (!(ra > 0 && ra < 1) || !(rb > 0 && rb < 1))
            return Refuse(std::string(messages::kReliabilityOutOfRange));
        double level = 0;
        if (!Level(in.txtLevel, level, zc))
            return false;
        const double sed = 15 * std::sqrt(2 - ra - rb);
        double z = 0, conf = 0;
        if (!Show(sed, &CompareResults::txtSEDiff, subject::kSdiff) ||
            !Show(zc * sed, &CompareResults::txtCritical, subject::kCriticalDifference) ||
            !Show((standard_[0] - standard_[1]) / sed, &CompareResults::txtDiffZ, subject::kDifferenceZ, &z) ||
            !Confidence(z, subject::kDifferenceConfidence, conf))
            return false;
        r_.txtDiffConf = ConfidenceText(conf, separator_);
        // The classical rule, on the figures before rounding, so that the verdict never contradicts the
        // difference and the critical difference as shown.
        const bool reliable = std::fabs(standard_[0] - standard_[1]) > zc * sed;
        r_.txtReliable = reliable ? "Reliable difference" : "No reliable difference";
        return true;
    }

    // How many people show a difference at least this large, in the same direction.
    bool Rare(const CompareInputs& in)
    {
        double rho = 0, za = 0, below = 0;
        if (!Parse(in.txtCorrelation, subject::kCorrelation, rho))
            return false;
        if (!(rho > -1 && rho < 1))
            return Refuse(std::string(messages::kCorrelationOutOfRange));
        const double abnormal = (z_[0] - z_[1]) / std::sqrt(2 - 2 * rho);
        if (!Show(abnormal, &CompareResults::txtAbnormalZ, subject::kDifferenceZ, &za) ||
            !Ask(stats_.NormalCdf(-std::fabs(abnormal), 0, 1), subject::kRarity, below))
            return false;
        r_.txtRarity = PercentText(100 * below, separator_);
        return true;
    }

    // A score as the report calls it, at the start of a sentence or within
    // one; turned round, it says so where it is first named.
    static std::string Called(const Score& s, bool capital, bool first)
    {
        return (s.name.empty() ? (capital ? "Score " : "score ") + std::string(s.what) : s.name) +
               (s.lower && first ? " (lower is better)" : "");
    }

    // One paragraph from the texts as shown, as far as they were computed. A
    // reliable difference and a rare one are two findings, each named for
    // itself; of scores that are equal as shown there is neither.
    std::string Report(const CompareInputs& in, const Score& a, const Score& b) const
    {
        if (r_.txtDifference.empty())
            return {};
        if (r_.txtDifference == "0")
            return Called(a, true, true) + " and " + Called(b, false, true) + " both have a standard score of " + r_.txtStandardA + " (" +
                   r_.txtLabelA + "): the scores are equal.";
        const bool lower = r_.txtDifference.front() == '-';
        const std::string points = lower ? r_.txtDifference.substr(1) : r_.txtDifference;
        std::string t = Called(a, true, true) + " has a standard score of " + r_.txtStandardA + " (" + r_.txtLabelA +
                        ") and " + Called(b, false, true) + " one of " + r_.txtStandardB + " (" + r_.txtLabelB + "): " +
                        Called(a, true, false) + " is " + points + (points == "1" ? " point " : " points ") +
                        (lower ? "lower" : "higher") + " than " + Called(b, false, false) + ".";
        if (!r_.txtReliable.empty()) {
            const bool reliable = r_.txtReliable == "Reliable difference";
            t += " With reliabilities of " + Typed(in.txtReliabilityA) + " and " + Typed(in.txtReliabilityB) +
                 ", the difference " + (reliable ? "is reliable at the " : "is not reliable at the ") +
                 Typed(in.txtLevel) + "% level: " +
                 (reliable ? "larger than measurement error alone would give"
                           : "measurement error alone could give it") +
                 " (z = " + r_.txtDiffZ + ", " + PercentInWords(r_.txtDiffConf) +
                 "% confidence; the critical difference is " + r_.txtCritical + ").";
        }
        if (!r_.txtRarity.empty())
            t += " With a correlation of " + Typed(in.txtCorrelation) + " between the tests, " +
                 PercentInWords(r_.txtRarity) +
                 "% of the population would show a difference at least this large in the same direction.";
        return t;
    }

    double z_[2] = {0, 0}, standard_[2] = {0, 0};
};

}  // namespace

CompareResults CompareScores(const CompareInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats)
{
    return Comparison(decimalSeparator, stats).Run(in);
}

CompareResults CompareScores(const CompareInputs& in, std::string_view decimalSeparator)
{
    return CompareScores(in, decimalSeparator, SharedStatistics());
}

namespace {

Shown Compare(const Texts& boxes, std::string_view separator)
{
    Shown shown = WriteBoxes(CompareScores(ReadBoxes(boxes, kCompareInputs), separator), kCompareResults);
    const std::string& d = shown.texts["txtDifference"];
    shown.spoken = d.empty() ? "" : "Comparison shown: a difference of " + d + ".";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({}, kCompareInputs, kCompareResults); }
Texts Example()
{
    return {{"txtMeanA", "100"},        {"txtSDA", "15"},          {"txtScoreA", "112"}, {"txtReliabilityA", "0.94"},
            {"txtMeanB", "100"},        {"txtSDB", "15"},          {"txtScoreB", "91"},  {"txtReliabilityB", "0.9"},
            {"txtCorrelation", "0.6"}, {"txtLevel", "95"}};
}

}  // namespace

const Calculation kComparison{"cmdGo", &Compare, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
