#include "core/calculations/batch.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "core/text/figures.h"
#include "core/calculation.h"
#include "core/calculations/interpretation.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kTooManyScores = "Paste at most 10,000 scores at a time.";
constexpr std::string_view kNoScores = "Paste the scores, one a line.";

}  // namespace
}  // namespace core::messages

namespace core {
namespace {


// The same answers as the component it wraps, each asked once: every row
// asks for the same critical z.
class Remembering final : public StatisticsComponent {
public:
    explicit Remembering(StatisticsComponent& stats) : stats_(stats) {}

    StatOutcome NormalCdf(double x, double mean, double sd) override { return stats_.NormalCdf(x, mean, sd); }

    StatOutcome NormalQuantile(double p, double mean, double sd) override
    {
        const auto key = std::make_tuple(p, mean, sd);
        if (const auto found = quantiles_.find(key); found != quantiles_.end())
            return found->second;
        return quantiles_.emplace(key, stats_.NormalQuantile(p, mean, sd)).first->second;
    }

private:
    StatisticsComponent& stats_;
    std::map<std::tuple<double, double, double>, StatOutcome> quantiles_;
};

const std::vector<std::string> kColumns{"Score", "z", "Percentile", "T", "Standard", "Scaled", "Stanine", "Sten", "Label"};
const std::vector<std::string> kIntervalColumns{"True score", "Low", "High"};

}  // namespace

ScoreLine ReadScoreLine(std::string_view line, std::string_view decimalSeparator)
{
    ScoreLine read;
    read.text = std::string(TrimBlanks(line));
    if (read.text.empty())
        return read;
    std::optional<std::string> number = NumberSyntax(read.text, decimalSeparator);
    read.kind = number ? ScoreLine::Kind::Number : ScoreLine::Kind::NotANumber;
    read.number = std::move(number).value_or("");
    return read;
}

std::string BatchTable::Tsv() const
{
    return TabSeparated(columns, rows);
}

BatchTable InterpretBatch(const BatchInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats)
{
    BatchTable table;
    std::vector<ScoreLine> lines;
    ForEachLine(in.txtScores, [&](std::string_view text) {
        ScoreLine line = ReadScoreLine(text, decimalSeparator);
        if (line.kind != ScoreLine::Kind::Empty) {
            if (lines.size() == kMostScores) {
                table.message = std::string(messages::kTooManyScores);
                return false;
            }
            lines.push_back(std::move(line));
        }
        return true;
    });
    if (table.message)
        return table;

    Remembering remembering(stats);
    // The measure's figures are checked once, before any row, on a score at its mean.
    InterpretInputs base{in.txtMeasure, in.txtMean, in.txtSD, in.txtMean, in.txtReliability, in.txtLevel, "", ""};
    if (InterpretResults check = InterpretFigures(base, decimalSeparator, remembering); check.message) {
        table.message = std::move(check.message);
        return table;
    }
    if (lines.empty()) {
        table.message = std::string(messages::kNoScores);
        return table;
    }
    const bool interval = !in.txtReliability.empty();
    table.columns = kColumns;
    if (interval)
        table.columns.insert(table.columns.end(), kIntervalColumns.begin(), kIntervalColumns.end());

    table.rows.reserve(lines.size());
    for (const ScoreLine& line : lines) {
        if (line.kind == ScoreLine::Kind::NotANumber) {
            table.rows.push_back({line.text, "not a number"});
            continue;
        }
        base.txtScore = line.number;
        const InterpretResults r = InterpretFigures(base, decimalSeparator, remembering);
        std::vector<std::string> row{AsTyped(line.text, decimalSeparator),
                                     r.txtZScore,
                                     r.txtPercentile,
                                     r.txtTScore,
                                     r.txtStandardScore,
                                     r.txtScaledScore,
                                     r.txtStanine,
                                     r.txtSten,
                                     r.txtLabel};
        if (interval)
            row.insert(row.end(), {r.txtTrueScore, r.txtTrueLow, r.txtTrueHigh});
        table.rows.push_back(std::move(row));
    }
    return table;
}

BatchTable InterpretBatch(const BatchInputs& in, std::string_view decimalSeparator)
{
    return InterpretBatch(in, decimalSeparator, SharedStatistics());
}

namespace {

Shown Batch(const Texts& boxes, std::string_view separator)
{
    BatchTable t = InterpretBatch(ReadBoxes(boxes, kBatchInputs), separator);
    Shown shown;
    std::string tsv = t.columns.empty() ? std::string() : t.Tsv();
    shown.table = Table{std::move(t.columns), std::move(t.rows), std::move(tsv)};
    shown.message = std::move(t.message);
    const std::size_t n = shown.table->rows.size();
    shown.spoken = n == 1 ? "One row shown." : std::to_string(n) + " rows shown.";
    return shown;
}

std::vector<std::string_view> Boxes() { return BoxNames({"grdScores"}, kBatchInputs); }
Texts Example() { return {{"txtMean", "100"}, {"txtSD", "15"}, {"txtLevel", "95"}, {"txtScores", "115\n85,5\nabsent"}}; }

}  // namespace

const Calculation kManyScores{"cmdGo", &Batch, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
