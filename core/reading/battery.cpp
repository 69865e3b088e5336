#include "core/reading/battery.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/text/figures.h"
#include "core/text/messages.h"
#include "core/reading/numbers.h"
#include "core/stats/normal.h"
#include "core/text/scale.h"

namespace core {
namespace {

// What a row that cannot be computed says in place of its figures.
namespace note {
constexpr std::string_view kFields =
    "needs a name, mean, SD, score and, if known, a reliability and a direction, separated by tabs or semicolons";
constexpr std::string_view kSdNotPositive = "the SD must be above 0";
constexpr std::string_view kReliability = "the reliability must be above 0 and below 1";
constexpr std::string_view kDirection = "the direction must be higher or lower";
constexpr std::string_view kTooLarge = "a figure is too large a number to work with";
}  // namespace note

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
        fields.push_back(TrimBlanks(line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start)));
        if (end == std::string_view::npos)
            return fields;
        start = end + 1;
    }
}

bool IsNumber(std::string_view field, std::string_view separator)
{
    return NumberSyntax(field, separator).has_value();
}

std::string Lowercase(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// The fields read strictly, checked in the order the notes are listed.
Measure ReadRow(std::string_view line, std::string_view separator)
{
    const std::vector<std::string_view> fields = Fields(line, separator);
    Measure row;
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
        const std::optional<double> read = StrictParse(fields[f.field], separator);
        if (!read) {
            row.note = "the " + std::string(f.what) + " is not a number";
            return row;
        }
        *f.value = *read;
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
void Standardise(Measure& row, StatisticsComponent& stats)
{
    row.z = row.lower ? (row.m - row.x) / row.s : (row.x - row.m) / row.s;
    row.standard = StandardScore(row.z);
    const StatOutcome p = row.lower ? stats.NormalCdf(row.m, row.x, row.s) : stats.NormalCdf(row.x, row.m, row.s);
    if (!std::isfinite(row.standard) || !p.Ok())
        row.note = note::kTooLarge;
    row.percent = 100 * p.value;
}

// The first line is a heading when it has the fields of a measure and none
// of its mean, SD and score is a number.
bool IsHeading(std::string_view line, std::string_view separator)
{
    const std::vector<std::string_view> fields = Fields(line, separator);
    if (fields.size() < 4)
        return false;
    for (std::size_t i = 1; i <= 3; ++i)
        if (IsNumber(fields[i], separator))
            return false;
    return true;
}

}  // namespace

Battery ReadBattery(std::string_view text, std::string_view separator, StatisticsComponent& stats)
{
    std::vector<std::string_view> lines;
    ForEachLine(text, [&lines](std::string_view line) {
        // A line of blanks is no line; a leading tab before an empty name is its first field.
        if (!TrimBlanks(line).empty())
            lines.push_back(line);
        // Past one line more than a heading and the most measures, the rest need not be read.
        return lines.size() <= kMostMeasures + 1;
    });
    if (!lines.empty() && IsHeading(lines.front(), separator))
        lines.erase(lines.begin());
    Battery battery;
    if (lines.empty())
        battery.message = std::string(messages::kNoMeasures);
    else if (lines.size() > kMostMeasures)
        battery.message = std::string(messages::kTooManyMeasures);
    if (battery.message)
        return battery;
    for (std::string_view line : lines) {
        Measure measure = ReadRow(line, separator);
        if (measure.Computed())
            Standardise(measure, stats);
        battery.measures.push_back(std::move(measure));
    }
    return battery;
}

// What the picture and the report call a measure.
std::string Called(const Measure& row, std::size_t number)
{
    return (row.name.empty() ? "row " + std::to_string(number) : row.name) + (row.lower ? " (lower is better)" : "");
}

std::string LeftOut(const std::vector<Measure>& lines)
{
    std::vector<std::string> left;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (!lines[i].Computed())
            left.push_back(Called(lines[i], i + 1) + " (" + lines[i].note + ")");
    return left.empty() ? "" : " Left out, as they could not be computed: " + Listed(left) + ".";
}

}  // namespace core
