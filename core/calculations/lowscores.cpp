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

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kCutoff = "The cut-off at the 5th percentile";

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
    void Refuse(std::string message) { message_ = std::move(message); }

    void Prepare(StatisticsComponent& stats)
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
            return Refuse(std::string(messages::kTwoMeasuresNeeded));
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

        const bool matrix = !IsBlankText(in_.txtCorrelations);
        if (matrix) {
            Correlations r;
            if (std::optional<std::string> wrong = BatteryCorrelations(in_.txtCorrelations, separator_, lines_, r))
                return Refuse(std::move(*wrong));
            if (m_ > kMostCorrelated)
                return Refuse(std::string(messages::kTooManyCorrelated));
            sampler_.emplace(std::move(r.lower), m_, cutoffs, kLowScoreSeed);
            return;
        }
        if (std::optional<std::string> wrong = AverageCorrelation(in_.txtCorrelation, separator_, rho_))
            return Refuse(std::move(*wrong));
        cutoffs_ = cutoffs;
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

    std::string Report() const
    {
        std::string t = "Of the " + std::to_string(m_) + " measures, ";
        for (std::size_t c = 0; c < kCutoffs.size(); ++c)
            t += std::string(c == 0 ? "" : c + 1 == kCutoffs.size() ? " and " : ", ") + std::to_string(person_[c]) +
                 (c == 0 ? (person_[c] == 1 ? " is" : " are") : "") + " at or below " + std::string(kCutoffs[c].phrase);
        t += ". " +
             (sampler_ ? std::string("With the correlations given (a Monte Carlo estimate from a million "
                                     "simulated healthy people)")
                       : "With an average correlation of " + AsTyped(in_.txtCorrelation, separator_) +
                             " between the measures") +
             ": ";
        for (std::size_t c = 0; c < kCutoffs.size(); ++c) {
            const std::optional<std::size_t> unusual = Unusual(c);
            const std::string at = " at or below " + std::string(kCutoffs[c].phrase);
            const std::string rare = unusual ? std::to_string(*unusual) + " or more would be unusual"
                                             : "no count up to " + std::to_string(m_) + " would be unusual";
            t += c == 0 ? "" : "; ";
            if (person_[c] == 0)
                t += "this person has no score" + at + ", and " + rare;
            else
                t += PercentInWords(Share(c)) + "% of healthy people would have " + std::to_string(person_[c]) +
                     " or more scores" + at + ", and " + rare;
        }
        t += " (unusual: fewer than 5% of healthy people).";
        if (sampler_ && !in_.txtCorrelation.empty())
            t += " The correlations are used, not the average correlation.";
        return t + LeftOut(lines_);
    }

    LowScoresInputs in_;
    std::string separator_;
    std::vector<Measure> lines_;
    std::size_t m_ = 0;
    std::array<std::size_t, kCutoffs.size()> person_{};
    std::array<std::vector<double>, kCutoffs.size()> tails_;  // the sample's
    double rho_ = 0;                                         // or the average correlation's
    std::vector<double> cutoffs_;
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
