#include "core/profile.h"

#include <cmath>
#include <utility>

#include "core/batch.h"
#include "core/interpretation.h"
#include "core/messages.h"
#include "core/stats/normal.h"
#include "core/numbers.h"

namespace core {
namespace {

// The table's columns; the interval's two are headed with the level.
std::vector<std::string> Columns(const std::string& level)
{
    return {"Measure", "Score", "z", "Percentile", "Standard", "Label", level + "% true-score interval: low",
            level + "% true-score interval: high", "From mean", "Critical difference", "Strength or weakness"};
}

// What a row that cannot be computed says in place of its figures.
namespace note {
constexpr std::string_view kFields =
    "needs a name, mean, SD, score and, if known, a reliability and a direction, separated by tabs or semicolons";
constexpr std::string_view kSdNotPositive = "the SD must be above 0";
constexpr std::string_view kReliability = "the reliability must be above 0 and below 1";
constexpr std::string_view kDirection = "the direction must be higher or lower";
constexpr std::string_view kTooLarge = "a figure is too large a number to work with";
}  // namespace note

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A line's fields: split at tabs; in a line without a tab, at semicolons; in
// a line with neither, typed by hand, at commas where the comma is no
// decimal separator.
std::vector<std::string_view> Fields(std::string_view line, std::string_view separator)
{
    const auto has = [line](char c) { return line.find(c) != std::string_view::npos; };
    const char at = has('\t') ? '\t' : has(';') || separator == "," ? ';' : ',';
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(at, start);
        fields.push_back(Trim(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

bool IsNumber(std::string_view field, std::string_view separator)
{
    return ReadScoreLine(field, separator).kind == ScoreLine::Kind::Number;
}

std::string Lowercase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// One pasted line: its name and score as pasted, and either its figures or
// the note that says why it has none.
struct Row {
    std::string name, score, note;
    double m = 0, s = 0, x = 0;
    std::optional<double> r;
    bool lower = false;
    double z = 0, standard = 0, percent = 0;
    // Where strengths and weaknesses are judged: the difference from the mean they are judged
    // against, and the difference that it must exceed at the level.
    std::optional<double> fromMean, critical;
    int standing = 0;  // +1 a relative strength, -1 a relative weakness
};

// The fields read strictly, checked in the order the notes are listed.
Row ReadRow(std::string_view line, std::string_view separator)
{
    const std::vector<std::string_view> fields = Fields(line, separator);
    Row row;
    row.name = std::string(fields[0]);
    if (fields.size() < 4 || fields.size() > 6) {
        row.note = note::kFields;
        return row;
    }
    row.score = std::string(fields[3]);
    struct Figure {
        std::size_t field;
        double* value;
        std::string_view what;
    };
    double r = 0;
    const bool reliability = fields.size() >= 5 && !fields[4].empty();
    const Figure figures[] = {{1, &row.m, "mean"}, {2, &row.s, "SD"}, {3, &row.x, "score"}, {4, &r, "reliability"}};
    for (const Figure& f : figures) {
        if (f.field == 4 && !reliability)
            break;
        const ScoreLine read = ReadScoreLine(fields[f.field], separator);
        if (read.kind != ScoreLine::Kind::Number) {
            row.note = "the " + std::string(f.what) + " is not a number";
            return row;
        }
        *f.value = LenientParse(read.number);
        if (!std::isfinite(*f.value)) {
            row.note = note::kTooLarge;
            return row;
        }
    }
    if (!(row.s > 0)) {
        row.note = note::kSdNotPositive;
        return row;
    }
    if (reliability) {
        if (!(r > 0 && r < 1)) {
            row.note = note::kReliability;
            return row;
        }
        row.r = r;
    }
    const std::string direction = fields.size() == 6 ? Lowercase(fields[5]) : std::string();
    if (direction != "" && direction != "higher" && direction != "lower")
        row.note = note::kDirection;
    row.lower = direction == "lower";
    return row;
}

// The row's place on the standard-score scale; a lower-is-better score is
// turned round its mean, and its percentile is the share who do worse: the
// exact CDF with score and mean swapped, so no precision is lost in the tail.
void Standardise(Row& row, StatisticsComponent& stats)
{
    row.z = row.lower ? (row.m - row.x) / row.s : (row.x - row.m) / row.s;
    row.standard = 100 + 15 * row.z;
    const StatOutcome p = row.lower ? stats.NormalCdf(row.m, row.x, row.s) : stats.NormalCdf(row.x, row.m, row.s);
    if (!std::isfinite(row.standard) || !p.Ok())
        row.note = note::kTooLarge;
    row.percent = 100 * p.value;
}

// What the picture and the report call a measure.
std::string Called(const Row& row, std::size_t number)
{
    return (row.name.empty() ? "row " + std::to_string(number) : row.name) + (row.lower ? " (lower is better)" : "");
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return out;
}

class Profile {
public:
    Profile(std::string_view separator, StatisticsComponent& stats) : separator_(separator), stats_(stats) {}

    ProfileResults Run(const ProfileInputs& in)
    {
        std::vector<std::string_view> lines;
        // Past one line more than a heading and the most measures, the rest need not be read.
        for (std::size_t start = 0; start <= in.txtRows.size() && lines.size() <= kMostMeasures + 1;) {
            const std::size_t end = std::min(in.txtRows.find('\n', start), in.txtRows.size());
            // A line of blanks is no line; a leading tab before an empty name is its first field.
            if (const std::string_view line = std::string_view(in.txtRows).substr(start, end - start); !Trim(line).empty())
                lines.push_back(line);
            start = end + 1;
        }
        if (!lines.empty() && IsHeading(lines.front()))
            lines.erase(lines.begin());
        if (lines.empty())
            return Refused(std::string(messages::kNoMeasures));
        if (lines.size() > kMostMeasures)
            return Refused(std::string(messages::kTooManyMeasures));
        const std::optional<double> c = in.txtLevel.empty() ? 0.0 : StrictParse(in.txtLevel, separator_);
        if (!c)
            return Refused(messages::NotANumber(messages::subject::kLevel));
        if (!(*c > 0 && *c < 100))
            return Refused(std::string(messages::kConfidenceOutOfRange));
        const StatOutcome q = stats_.NormalQuantile((100 - *c) / 200, 0, 1);
        if (!q.Ok())
            return Refused(messages::StatisticsFailed(q.failure, messages::subject::kCriticalZ));
        zc_ = -q.value;
        level_ = std::string(Trim(in.txtLevel));

        for (std::string_view line : lines) {
            Row row = ReadRow(line, separator_);
            if (row.note.empty())
                Standardise(row, stats_);
            rows_.push_back(std::move(row));
        }
        Battery();
        ProfileResults out;
        out.table.columns = Columns(level_);
        for (const Row& row : rows_)
            out.table.rows.push_back(Cells(row));
        out.table.tsv = Tsv(out.table);
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

    // The first line is a heading when it has the fields of a measure and
    // none of its mean, SD and score is a number.
    bool IsHeading(std::string_view line) const
    {
        const std::vector<std::string_view> fields = Fields(line, separator_);
        if (fields.size() < 4)
            return false;
        for (std::size_t i = 1; i <= 3; ++i)
            if (IsNumber(fields[i], separator_))
                return false;
        return true;
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
    void Battery()
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

    std::string Text(double v) const { return NumberText(RoundTwoPlaces(v), separator_); }

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
        if (!row.note.empty())
            return {row.name, row.score, row.note};
        const double shown = RoundTwoPlaces(row.standard);
        std::vector<std::string> cells{row.name,     row.score, Text(row.z), PercentText(row.percent, separator_),
                                       Text(shown), std::string(StandardScoreLabel(shown))};
        const auto interval = Interval(row);
        cells.push_back(interval ? Text(interval->first) : "");
        cells.push_back(interval ? Text(interval->second) : "");
        cells.push_back(row.fromMean ? Text(*row.fromMean) : "");
        cells.push_back(row.critical ? Text(*row.critical) : "");
        cells.push_back(row.standing > 0 ? "Relative strength" : row.standing < 0 ? "Relative weakness" : "");
        return cells;
    }

    // A score that is a number takes the locale's separator, as the figures do.
    std::string Tsv(const Table& table) const
    {
        std::string out;
        const auto line = [&out](const std::vector<std::string>& cells) {
            for (std::size_t i = 0; i < cells.size(); ++i)
                (out += i ? "\t" : "") += cells[i];
            out += '\n';
        };
        line(table.columns);
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            std::vector<std::string> cells = table.rows[i];
            if (rows_[i].note.empty() && separator_ != ".")
                if (const auto at = cells[1].find('.'); at != std::string::npos)
                    cells[1].replace(at, 1, separator_);
            line(cells);
        }
        return out;
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
        ProfilePicture picture{{}, mean_, report, level_};
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

}  // namespace core
