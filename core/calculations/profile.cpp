#include "core/calculations/profile.h"

#include <cmath>
#include <utility>

#include "core/text/figures.h"
#include "core/reading/battery.h"
#include "core/text/scale.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"

namespace core {
namespace {

// A line of the battery as the profile shows it.
struct Row : Measure {
    // Where strengths and weaknesses are judged: the difference from the mean they are judged
    // against, and the difference that it must exceed at the level.
    std::optional<double> fromMean, critical;
    int standing = 0;  // +1 a relative strength, -1 a relative weakness
};

// The table's columns; the interval's two are headed with the level, and
// the differences with the mean they are measured from.
std::vector<std::string> Columns(const std::string& level, const std::string& fromMean)
{
    return {"Measure",
            "Score",
            "z",
            "Percentile",
            "Standard",
            "Label",
            level + "% true-score interval: low",
            level + "% true-score interval: high",
            fromMean,
            "Critical difference",
            "Strength or weakness"};
}

class Profile {
public:
    Profile(std::string_view separator, StatisticsComponent& stats) : separator_(separator), stats_(stats) {}

    ProfileResults Run(const ProfileInputs& in)
    {
        core::Battery battery = ReadBattery(in.txtRows, separator_, stats_);
        if (battery.message)
            return Refused(std::move(*battery.message));
        const std::optional<double> c = in.txtLevel.empty() ? 0.0 : StrictParse(in.txtLevel, separator_);
        if (!c)
            return Refused(messages::NotANumber(messages::subject::kLevel));
        if (!(*c > 0 && *c < 100))
            return Refused(std::string(messages::kConfidenceOutOfRange));
        const StatOutcome q = stats_.NormalQuantile((100 - *c) / 200, 0, 1);
        if (!q.Ok())
            return Refused(messages::StatisticsFailed(q.failure, messages::subject::kCriticalZ));
        zc_ = -q.value;
        level_ = std::string(TrimBlanks(in.txtLevel));

        for (Measure& measure : battery.measures)
            rows_.push_back(Row{std::move(measure), std::nullopt, std::nullopt, 0});
        JudgeStrengths();
        ProfileResults out;
        out.table.columns = Columns(level_, FromMeanHeading());
        for (const Row& row : rows_)
            out.table.rows.push_back(Cells(row));
        out.table.tsv = TabSeparated(out.table.columns, out.table.rows);
        if (mean_)
            out.txtMeanScore = Text(*mean_);
        out.txtReport = Report();
        out.picProfile = ProfileSvg(Picture(out.txtReport));
        return out;
    }

private:
    // Nothing computed: the picture shows its axis alone.
    static ProfileResults Refused(std::string message)
    {
        ProfileResults out;
        out.picProfile = ProfileSvg({});
        out.message = std::move(message);
        return out;
    }

    std::vector<const Row*> Computed() const
    {
        std::vector<const Row*> computed;
        for (const Row& row : rows_)
            if (row.note.empty())
                computed.push_back(&row);
        return computed;
    }

    // The battery's mean; and, among the measures with a reliability (three
    // at least), each score's difference from their own mean against the
    // standard error of that difference, with independent errors of
    // measurement: 15 sqrt((1 - r)(1 - 2/k) + S/k^2), S the sum of 1 - r_j.
    void JudgeStrengths()
    {
        const std::vector<const Row*> computed = Computed();
        const std::size_t k = computed.size();
        if (k < 2)
            return;
        double sum = 0;
        for (const Row* row : computed)
            sum += row->standard;
        if (!std::isfinite(sum / static_cast<double>(k)))
            return;
        mean_ = sum / static_cast<double>(k);
        std::vector<Row*> judged;
        for (Row& row : rows_)
            if (row.note.empty() && row.r)
                judged.push_back(&row);
        if (judged.size() < 3) {
            for (Row& row : rows_)
                if (row.note.empty())
                    row.fromMean = row.standard - *mean_;
            return;
        }
        double judgedSum = 0, errors = 0;
        for (const Row* row : judged) {
            judgedSum += row->standard;
            errors += 1 - *row->r;
        }
        const double n = static_cast<double>(judged.size());
        if (!std::isfinite(judgedSum / n))
            return;
        judgedMean_ = judgedSum / n;
        for (Row* row : judged) {
            const double se = 15 * std::sqrt((1 - *row->r) * (1 - 2 / n) + errors / (n * n));
            row->fromMean = row->standard - *judgedMean_;
            row->critical = zc_ * se;
            row->standing = *row->fromMean > *row->critical ? 1 : *row->fromMean < -*row->critical ? -1 : 0;
        }
    }

    std::string Text(double v) const { return FigureText(v, separator_); }

    // Where some measures are left out of the judgement, their mean is not the
    // battery's mean shown beside the table: the heading says which it is.
    bool SomeLeftOut() const
    {
        for (const Row* row : Computed())
            if (!row->r) return true;
        return false;
    }

    std::string FromMeanHeading() const
    {
        if (judgedMean_) return (SomeLeftOut() ? "From their mean (" : "From mean (") + Text(*judgedMean_) + ")";
        return mean_ ? "From mean (" + Text(*mean_) + ")" : "From mean";
    }

    std::optional<std::pair<double, double>> Interval(const Row& row) const
    {
        if (!row.r)
            return std::nullopt;
        const double t = 100 + *row.r * (row.standard - 100);
        const double see = 15 * std::sqrt(*row.r * (1 - *row.r));
        return std::pair(t - zc_ * see, t + zc_ * see);
    }

    std::vector<std::string> Cells(const Row& row)
    {
        if (!row.note.empty()) return {row.name, AsTyped(row.score, separator_), row.note};
        const double shown = RoundTwoPlaces(row.standard);
        std::vector<std::string> cells{row.name,    AsTyped(row.score, separator_),
                                       Text(row.z), PercentText(row.percent, separator_),
                                       Text(shown), std::string(StandardScoreLabel(shown))};
        const auto interval = Interval(row);
        cells.push_back(interval ? Text(interval->first) : "");
        cells.push_back(interval ? Text(interval->second) : "");
        cells.push_back(row.fromMean ? Text(*row.fromMean) : "");
        cells.push_back(row.critical ? Text(*row.critical) : "");
        cells.push_back(row.standing > 0 ? "Relative strength" : row.standing < 0 ? "Relative weakness" : "");
        return cells;
    }

    std::string Report() const
    {
        const std::vector<const Row*> computed = Computed();
        const std::size_t k = computed.size(), notes = rows_.size() - k;
        std::string t;
        const auto number = [this](const Row* row) {
            return static_cast<std::size_t>(row - rows_.data()) + 1;
        };
        if (k == 0) {
            t = rows_.empty() ? "" : "No measure could be put on the standard-score scale; each line's note says why.";
            return t;
        }
        if (k == 1) {
            const Row& row = *computed.front();
            const std::string shown = Text(row.standard);
            t = "One measure is on the standard-score scale: " + Called(row, number(&row)) + ", at " + shown + " (" +
                std::string(StandardScoreLabel(RoundTwoPlaces(row.standard))) + ").";
        } else {
            t = std::to_string(k) + " measures are on the standard-score scale" +
                (mean_ ? ", with a mean standard score of " + Text(*mean_) + "." : "; their mean is too large a number to work with.");
        }
        if (notes)
            t += " " + std::to_string(notes) + (notes == 1 ? " line" : " lines") +
                 " could not be computed; the table says why.";
        std::vector<std::string> without;
        for (const Row* row : computed)
            if (!row->r)
                without.push_back(Called(*row, number(row)));
        if (!mean_)
            return t;
        if (k < 3)
            return t + " Relative strengths and weaknesses need at least three measures.";
        const std::string none = Listed(without) + (without.size() == 1 ? " has none" : " have none");
        if (!judgedMean_)
            return t + " Relative strengths and weaknesses need at least three measures with a reliability; " + none +
                   ".";
        if (!without.empty())
            t += " Relative strengths and weaknesses are judged among the " + std::to_string(k - without.size()) +
                 " measures with a reliability, against their mean standard score of " + Text(*judgedMean_) +
                 "; " + none + " and " + (without.size() == 1 ? "is" : "are") + " left out.";
        std::vector<std::string> strengths, weaknesses;
        for (const Row* row : computed) {
            if (row->standing != 0)
                (row->standing > 0 ? strengths : weaknesses)
                    .push_back(Called(*row, number(row)) + " with a standard score of " + Text(row->standard));
        }
        t += " At the " + level_ + "% level, ";
        if (strengths.empty() && weaknesses.empty())
            return t + "no score differs reliably from the person's own mean.";
        if (!strengths.empty())
            t += Listed(strengths) + (strengths.size() == 1 ? " is a relative strength" : " are relative strengths");
        if (!strengths.empty() && !weaknesses.empty())
            t += ", and ";
        if (!weaknesses.empty())
            t += Listed(weaknesses) + (weaknesses.size() == 1 ? " is a relative weakness" : " are relative weaknesses");
        return t + ".";
    }

    ProfilePicture Picture(std::string_view report) const
    {
        ProfilePicture picture{{}, mean_, report, level_, {}, {}};
        if (mean_) picture.meanText = Text(*mean_);
        if (judgedMean_ && SomeLeftOut()) picture.judgedText = Text(*judgedMean_);
        for (const Row& row : rows_) {
            ProfileMeasure m;
            m.name = Called(row, static_cast<std::size_t>(&row - rows_.data()) + 1);
            picture.measures.push_back(m);
            if (!row.note.empty())
                continue;
            ProfileMeasure& drawn = picture.measures.back();
            drawn.standard = row.standard;
            if (const auto interval = Interval(row)) {
                drawn.low = interval->first;
                drawn.high = interval->second;
            }
            drawn.standing = row.standing;
        }
        return picture;
    }

    std::string_view separator_;
    StatisticsComponent& stats_;
    double zc_ = 0;
    std::string level_;
    std::vector<Row> rows_;
    std::optional<double> mean_, judgedMean_;
};

}  // namespace

ProfileResults ProfileScores(const ProfileInputs& in, std::string_view decimalSeparator, StatisticsComponent& stats)
{
    return Profile(decimalSeparator, stats).Run(in);
}

ProfileResults ProfileScores(const ProfileInputs& in, std::string_view decimalSeparator)
{
    return ProfileScores(in, decimalSeparator, SharedStatistics());
}

namespace {

Shown Profile(const Texts& boxes, std::string_view separator)
{
    ProfileResults r = ProfileScores(ReadBoxes(boxes, kProfileInputs), separator);
    Shown shown;
    const std::size_t n = r.table.rows.size();
    shown.table = std::move(r.table);
    shown.texts = {{"txtMeanScore", std::move(r.txtMeanScore)},
                   {"picProfile", std::move(r.picProfile)},
                   {"txtReport", std::move(r.txtReport)}};
    shown.message = std::move(r.message);
    shown.spoken = "Profile shown: " + (n == 1 ? std::string("one row") : std::to_string(n) + " rows") +
                   (shown.texts["txtMeanScore"].empty() ? "." : ", mean standard score " + shown.texts["txtMeanScore"] + ".");
    return shown;
}

Texts BlankProfile() { return {{"picProfile", ProfileSvg({})}}; }
std::vector<std::string_view> Boxes()
{
    return BoxNames({"grdProfile", "txtMeanScore", "picProfile", "txtReport"}, kProfileInputs);
}
Texts Example()
{
    return {{"txtRows", "Vocabulary;10;3;14;0.9\nMatrix Reasoning;10;3;9;0.88\nDigit Span;10;3;10;0.91\n"
                        "Trail Making B;75;25;110;0.86;lower"},
            {"txtLevel", "95"}};
}

}  // namespace

const Calculation kProfile{"cmdGo", &Profile, nullptr, &BlankProfile, &Boxes, &Example};

}  // namespace core
