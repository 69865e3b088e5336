#include "core/calculations/lowscores.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "core/text/figures.h"
#include "core/reading/battery.h"
#include "core/text/messages.h"
#include "core/reading/numbers.h"
#include "core/stats/lowcounts.h"
#include "core/stats/normal.h"
#include "core/reading/matrix.h"
#include "core/text/scale.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kTooManyCorrelated =
    "The correlations serve at most 60 measures: give the average correlation for a larger battery.";
constexpr std::string_view kTooManySimulated =
    "Where the ability's correlation squared is above the average correlation, the count is simulated, which "
    "serves at most 60 measures.";
constexpr std::string_view kAbilityNegative = "The ability is a standard score: it must be 0 or more.";
constexpr std::string_view kAbilityCorrelationOutOfRange = "The ability's correlation must be above -1 and below 1.";
constexpr std::string_view kAbilityCorrelationNeeded =
    "Give the ability's correlation with the measures, or its row and column in the correlations.";
constexpr std::string_view kAbilityNeeded = "Give the ability that its correlation belongs to, as a standard score.";
constexpr std::string_view kAbilityCorrelationTooLarge =
    "The ability's correlation is too large for the correlations between the measures: they cannot all hold at "
    "once.";

// A matrix with a row more than the battery, and no ability to be its.
std::string AbilityRowWithoutAbility(std::size_t given, std::size_t battery)
{
    return "The correlations give " + std::to_string(given) + " measures and the battery has " +
           std::to_string(battery) + "; where the last row is the ability's, give the ability too.";
}

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kCutoff = "The cut-off at the 5th percentile";
constexpr std::string_view kAbility = "The ability";
constexpr std::string_view kAbilityCorrelation = "The ability's correlation";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

// A cut-off: a measure counts when its z, turned round where lower is
// better, is at or below it. It is a standard score, or, where that is
// absent, the 5th percentile, whose z the statistics component gives.
struct Cutoff {
    std::string_view name;    // in the table
    std::string_view phrase;  // in the report, after "at or below"
    std::optional<double> standard;
};

constexpr std::array<Cutoff, 4> kCutoffs{{
    {"Standard score 85 or less (1 SD)", "a standard score of 85", 85},
    {"Standard score 80 or less", "80", 80},
    {"5th percentile or less", "the 5th percentile", std::nullopt},
    {"Standard score 70 or less (2 SD)", "70", 70},
}};
// The row a screen reader is told of.
constexpr std::size_t kFifthPercentile = 2;

// Unusual: fewer than this share of healthy people have as many low scores or more.
constexpr double kUnusual = 0.05;

const std::vector<std::string> kColumns{"Cut-off", "This person", "Healthy people with as many or more (%)",
                                        "Monte Carlo SE", "Unusual from"};
// The share's column where the person's ability is given.
constexpr std::string_view kAbilityShare = "Healthy people of this ability with as many or more (%)";

class LowScores final : public Run {
public:
    LowScores(const LowScoresInputs& in, std::string_view separator, StatisticsComponent& stats)
        : in_(in), separator_(separator)
    {
        Prepare(stats);
    }

    bool Step() override
    {
        if (sampler_ && sampler_->Drawn() < kLowScoreDraws)
            sampler_->Draw(std::min(kLowScoreSlice, kLowScoreDraws - sampler_->Drawn()));
        return !sampler_ || sampler_->Drawn() >= kLowScoreDraws;
    }

    double Share() const override
    {
        return sampler_ ? static_cast<double>(sampler_->Drawn()) / static_cast<double>(kLowScoreDraws) : 1;
    }

    Shown Result() override
    {
        Shown shown;
        if (message_) {
            shown.table = Table{};
            shown.texts = {{"txtReport", ""}};
            shown.message = std::move(message_);
            return shown;
        }
        if (sampler_)
            for (std::size_t c = 0; c < kCutoffs.size(); ++c) {
                const std::vector<std::uint64_t>& counts = sampler_->Counts()[c];
                std::uint64_t atLeast = 0;
                tails_[c].assign(counts.size(), 0.0);
                for (std::size_t k = counts.size(); k-- > 0;) {
                    atLeast += counts[k];
                    tails_[c][k] = static_cast<double>(atLeast) / static_cast<double>(kLowScoreDraws);
                }
            }
        Table table{kColumns, {}, {}};
        if (ability_)
            table.columns[2] = kAbilityShare;
        for (std::size_t c = 0; c < kCutoffs.size(); ++c)
            table.rows.push_back(Cells(c));
        table.tsv = TabSeparated(table.columns, table.rows);
        shown.table = std::move(table);
        shown.texts = {{"txtReport", Report()}};
        shown.spoken = "Low scores shown: " + shown.table->rows[kFifthPercentile][1] + " at or below " +
                       std::string(kCutoffs[kFifthPercentile].phrase) + ".";
        return shown;
    }

private:
    bool Refuse(std::string message)
    {
        message_ = std::move(message);
        return false;
    }
    bool Refuse(std::string_view message) { return Refuse(std::string(message)); }

    // False where a message refuses the inputs.
    bool Prepare(StatisticsComponent& stats)
    {
        Battery battery = ReadBattery(in_.txtRows, separator_, stats);
        if (battery.message)
            return Refuse(std::move(*battery.message));
        lines_ = std::move(battery.measures);
        std::vector<std::size_t> computed;
        for (std::size_t i = 0; i < lines_.size(); ++i)
            if (lines_[i].Computed())
                computed.push_back(i);
        if (computed.size() < 2)
            return Refuse(messages::kTwoMeasuresNeeded);
        const StatOutcome fifth = stats.NormalQuantile(0.05, 0, 1);
        if (!fifth.Ok())
            return Refuse(messages::StatisticsFailed(fifth.failure, messages::subject::kCutoff));
        std::vector<double> cutoffs;
        for (const Cutoff& cutoff : kCutoffs)
            cutoffs.push_back(cutoff.standard ? ZOfStandardScore(*cutoff.standard) : fifth.value);
        for (std::size_t c = 0; c < cutoffs.size(); ++c)
            for (std::size_t i : computed)
                person_[c] += lines_[i].z <= cutoffs[c];
        m_ = computed.size();
        if (!ReadAbility())
            return false;
        if (!IsBlankText(in_.txtCorrelations))
            return PrepareMatrix(cutoffs);
        double r = 0;
        if (std::optional<std::string> wrong = AverageCorrelation(in_.txtCorrelation, separator_, r))
            return Refuse(std::move(*wrong));
        if (!ability_) {
            rho_ = r;
            cutoffs_ = cutoffs;
            return true;
        }
        if (!abilityRho_)
            return Refuse(messages::kAbilityCorrelationNeeded);
        // The joint matrix of the measures and the ability is positive definite
        // exactly when k rho^2 < 1 + (k - 1) r.
        const double k = static_cast<double>(m_), rho = *abilityRho_, rho2 = rho * rho;
        if (!(k * rho2 < 1 + (k - 1) * r))
            return Refuse(messages::kAbilityCorrelationTooLarge);
        if (r >= rho2) {
            // Given the ability, each z is rho a + sqrt(1 - rho^2) times a score
            // that correlates (r - rho^2) / (1 - rho^2) with the others.
            rho_ = (r - rho2) / (1 - rho2);
            for (const double c : cutoffs)
                cutoffs_.push_back((c - rho * *ability_) / std::sqrt(1 - rho2));
            return true;
        }
        // Negatively correlated given the ability: no common factor, so drawn.
        if (m_ > kMostCorrelated)
            return Refuse(messages::kTooManySimulated);
        std::vector<double> equal(m_ * m_, r);
        for (std::size_t i = 0; i < m_; ++i)
            equal[i * m_ + i] = 1;
        return Simulate(std::move(equal), std::vector<double>(m_, rho), cutoffs);
    }

    // The ability and its correlation, each where given; a correlation needs an ability.
    bool ReadAbility()
    {
        if (!IsBlankText(in_.txtAbility)) {
            const std::optional<double> x = StrictParse(in_.txtAbility, separator_);
            if (!x)
                return Refuse(messages::NotANumber(messages::subject::kAbility));
            if (!std::isfinite(*x))
                return Refuse(messages::TooLarge(messages::subject::kAbility));
            if (*x < 0)
                return Refuse(messages::kAbilityNegative);
            ability_ = ZOfStandardScore(*x);
        }
        if (!IsBlankText(in_.txtAbilityCorrelation)) {
            const std::optional<double> rho = StrictParse(in_.txtAbilityCorrelation, separator_);
            if (!rho)
                return Refuse(messages::NotANumber(messages::subject::kAbilityCorrelation));
            if (!(*rho > -1 && *rho < 1))
                return Refuse(messages::kAbilityCorrelationOutOfRange);
            abilityRho_ = *rho;
        }
        if (abilityRho_ && !ability_)
            return Refuse(messages::kAbilityNeeded);
        return true;
    }

    // The matrix path: the battery's correlations, or those of the battery and
    // the ability, whose row and column then come last.
    bool PrepareMatrix(const std::vector<double>& cutoffs)
    {
        Correlations r;
        std::vector<double> rho;
        if (std::optional<std::string> wrong = BatteryCorrelations(in_.txtCorrelations, separator_, lines_, r)) {
            std::vector<Measure> joint = lines_;
            joint.emplace_back();  // the ability: computed, and higher is better
            Correlations j;
            if (std::optional<std::string> jointWrong = BatteryCorrelations(in_.txtCorrelations, separator_, joint, j))
                // The battery's own message, unless the ability's row fits and only breaks the whole.
                return Refuse(std::move(*(*jointWrong == messages::kNotPositiveDefinite ? jointWrong : wrong)));
            if (!ability_)
                return Refuse(messages::AbilityRowWithoutAbility(joint.size(), lines_.size()));
            const std::size_t n = m_ + 1;
            r.r.assign(m_ * m_, 0);
            for (std::size_t a = 0; a < m_; ++a) {
                rho.push_back(j.r[a * n + m_]);
                for (std::size_t b = 0; b < m_; ++b)
                    r.r[a * m_ + b] = j.r[a * n + b];
            }
            abilityInMatrix_ = true;
        }
        if (m_ > kMostCorrelated)
            return Refuse(messages::kTooManyCorrelated);
        if (!ability_) {
            sampler_.emplace(std::move(r.lower), m_, cutoffs, kLowScoreSeed);
            return true;
        }
        if (!abilityInMatrix_) {
            if (!abilityRho_)
                return Refuse(messages::kAbilityCorrelationNeeded);
            rho.assign(m_, *abilityRho_);
        }
        return Simulate(std::move(r.r), rho, cutoffs);
    }

    // The Monte Carlo sample among people of the ability: R - rho rho' about means rho a.
    bool Simulate(std::vector<double> r, const std::vector<double>& rho, const std::vector<double>& cutoffs)
    {
        std::vector<double> means;
        for (std::size_t i = 0; i < m_; ++i) {
            means.push_back(rho[i] * *ability_);
            for (std::size_t j = 0; j < m_; ++j)
                r[i * m_ + j] -= rho[i] * rho[j];
        }
        std::optional<std::vector<double>> lower = stats::Cholesky(r, m_);
        if (!lower)
            return Refuse(messages::kAbilityCorrelationTooLarge);
        sampler_.emplace(std::move(*lower), m_, cutoffs, kLowScoreSeed, means);
        return true;
    }

    // P(K >= k) at cut-off c: counted in the sample, or integrated when first asked for.
    double Tail(std::size_t c, std::size_t k) const
    {
        if (sampler_)
            return tails_[c][k];
        auto& known = known_[c];
        if (const auto found = known.find(k); found != known.end())
            return found->second;
        return known[k] = stats::EquicorrelatedTail(m_, rho_, cutoffs_[c], k);
    }

    std::string Text(double v) const { return FigureText(v, separator_); }

    // The least count that fewer than 5% of healthy people reach, or none up to the battery's size.
    std::optional<std::size_t> Unusual(std::size_t c) const
    {
        for (std::size_t k = 1; k <= m_; ++k)
            if (Tail(c, k) < kUnusual)
                return k;
        return std::nullopt;
    }

    std::string Share(std::size_t c) const
    {
        return person_[c] == 0 ? "-" : PercentText(100 * Tail(c, person_[c]), separator_);
    }

    std::vector<std::string> Cells(std::size_t c) const
    {
        const double p = Tail(c, person_[c]);
        const std::string se = sampler_ && person_[c] > 0
                                   ? Text(100 * std::sqrt(p * (1 - p) / static_cast<double>(kLowScoreDraws)))
                                   : "";
        const std::optional<std::size_t> unusual = Unusual(c);
        return {std::string(kCutoffs[c].name), std::to_string(person_[c]) + " of " + std::to_string(m_), Share(c), se,
                unusual ? std::to_string(*unusual) + " or more" : "-"};
    }

    // What the shares assume: the correlations, and the ability where given.
    std::string Model() const
    {
        const std::string average = AsTyped(in_.txtCorrelation, separator_);
        const std::string abilityRho = abilityRho_ ? AsTyped(in_.txtAbilityCorrelation, separator_) : "";
        std::string t;
        if (IsBlankText(in_.txtCorrelations))
            t = "an average correlation of " + average + " between the measures" +
                (ability_ ? " and of " + abilityRho + " between them and the ability" : "");
        else
            t = "the correlations given" + std::string(abilityInMatrix_ ? ", the ability's among them"
                                                      : ability_ ? " and a correlation of " + abilityRho +
                                                                       " between the measures and the ability"
                                                                 : "");
        if (sampler_)
            t += " (a Monte Carlo estimate from a million simulated healthy people)";
        return ability_ ? "Among healthy people with an ability of " + AsTyped(in_.txtAbility, separator_) +
                              ", with " + t
                        : "With " + t;
    }

    std::string Report() const
    {
        std::string t = "Of the " + std::to_string(m_) + " measures, ";
        for (std::size_t c = 0; c < kCutoffs.size(); ++c)
            t += std::string(c == 0 ? "" : c + 1 == kCutoffs.size() ? " and " : ", ") + std::to_string(person_[c]) +
                 (c == 0 ? (person_[c] == 1 ? " is" : " are") : "") + " at or below " + std::string(kCutoffs[c].phrase);
        t += ". " + Model() + ": ";
        const std::string healthy = ability_ ? "" : "of healthy people ";
        for (std::size_t c = 0; c < kCutoffs.size(); ++c) {
            const std::optional<std::size_t> unusual = Unusual(c);
            const std::string at = " at or below " + std::string(kCutoffs[c].phrase);
            const std::string rare = unusual ? std::to_string(*unusual) + " or more would be unusual"
                                             : "no count up to " + std::to_string(m_) + " would be unusual";
            t += c == 0 ? "" : "; ";
            if (person_[c] == 0)
                t += "this person has no score" + at + ", and " + rare;
            else
                t += PercentInWords(Share(c)) + "% " + healthy + "would have " + std::to_string(person_[c]) +
                     " or more scores" + at + ", and " + rare;
        }
        t += std::string(" (unusual: fewer than 5% of healthy people") + (ability_ ? " of that ability" : "") + ").";
        if (!IsBlankText(in_.txtCorrelations) && !IsBlankText(in_.txtCorrelation))
            t += " The correlations are used, not the average correlation.";
        if (abilityInMatrix_ && abilityRho_)
            t += " The ability's correlations in the matrix are used, not the one typed for it.";
        return t + LeftOut(lines_);
    }

    LowScoresInputs in_;
    std::string separator_;
    std::vector<Measure> lines_;
    std::size_t m_ = 0;
    std::array<std::size_t, kCutoffs.size()> person_{};
    std::array<std::vector<double>, kCutoffs.size()> tails_;  // the sample's
    double rho_ = 0;                                         // or the correlation the quadrature takes
    std::vector<double> cutoffs_;                            // on that path's scale
    std::optional<double> ability_;                          // its z
    std::optional<double> abilityRho_;                       // as typed
    bool abilityInMatrix_ = false;
    mutable std::array<std::map<std::size_t, double>, kCutoffs.size()> known_;
    std::optional<stats::LowCountSampler> sampler_;
    std::optional<std::string> message_;
};

}  // namespace

std::unique_ptr<Run> StartLowScores(const LowScoresInputs& in, std::string_view decimalSeparator)
{
    return std::make_unique<LowScores>(in, decimalSeparator, SharedStatistics());
}

Shown CountLowScores(const LowScoresInputs& in, std::string_view decimalSeparator)
{
    const std::unique_ptr<Run> run = StartLowScores(in, decimalSeparator);
    while (!run->Step()) {
    }
    return run->Result();
}

namespace {

std::unique_ptr<Run> Start(const Texts& boxes, std::string_view separator)
{
    return StartLowScores(ReadBoxes(boxes, kLowScoresInputs), separator);
}

std::vector<std::string_view> Boxes() { return BoxNames({"grdLowScores", "txtReport"}, kLowScoresInputs); }
Texts Example()
{
    return {{"txtRows", "A;100;15;74.5\nB;100;15;100\nC;100;15;80"}, {"txtCorrelation", "0.4"}};
}

}  // namespace

const Calculation kLowScores{"cmdGo", nullptr, &Start, &NoOpening, &Boxes, &Example};

}  // namespace core
