#include "core/reading/matrix.h"

#include <algorithm>

#include "core/text/figures.h"
#include "core/text/messages.h"
#include "core/reading/numbers.h"
#include "core/stats/lowcounts.h"

namespace core {
namespace {

// A line of a pasted matrix as fields. A line holding a tab or a semicolon
// (or, where the decimal separator is the point, a comma) splits at those
// alone, so that a test's name may hold blanks and digits ("Trails 2"); only
// a line without them splits at blanks. Empty fields are dropped.
std::vector<std::string_view> Fields(std::string_view line, std::string_view separator)
{
    std::string delimiters = "\t;";
    if (separator == ".")
        delimiters += ',';
    const bool delimited = line.find_first_of(delimiters) != std::string_view::npos;
    const auto splits = [&](char c) { return delimited ? delimiters.find(c) != std::string::npos : IsBlank(c); };
    std::vector<std::string_view> fields;
    for (std::size_t i = 0; i <= line.size();) {
        std::size_t j = i;
        while (j < line.size() && !splits(line[j]))
            ++j;
        if (const std::string_view field = TrimBlanks(line.substr(i, j - i)); !field.empty())
            fields.push_back(field);
        i = j + 1;
    }
    return fields;
}

// A pasted correlation matrix's rows: on each line, the numbers after any
// leading words (a test's name); a line with no number (a heading) is no row.
struct MatrixRows {
    std::vector<std::vector<double>> rows;
    std::optional<std::string> message;
};

MatrixRows ReadRows(std::string_view text, std::string_view separator)
{
    MatrixRows out;
    ForEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> fields = Fields(line, separator);
        std::size_t first = 0;
        while (first < fields.size() && !StrictParse(fields[first], separator))
            ++first;
        if (first < fields.size()) {
            std::vector<double> row;
            for (std::size_t f = first; f < fields.size(); ++f) {
                const std::optional<double> value = StrictParse(fields[f], separator);
                if (!value) {
                    out.message = messages::CorrelationNotANumber(out.rows.size() + 1, fields[f]);
                    return false;
                }
                row.push_back(*value);
            }
            out.rows.push_back(std::move(row));
        }
        return true;
    });
    return out;
}

}  // namespace

std::optional<std::string> ReadCorrelations(std::string_view text, std::string_view separator, std::size_t lines,
                                            std::vector<double>& r)
{
    const MatrixRows read = ReadRows(text, separator);
    if (read.message)
        return read.message;
    const std::vector<std::vector<double>>& rows = read.rows;
    const std::size_t n = rows.size();
    // The row that breaks a shape, counted from 1, or 0 where none does.
    const auto breaks = [&rows](auto length) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].size() != length(i))
                return i + 1;
        return std::size_t{0};
    };
    const bool full = n > 1 && breaks([n](std::size_t) { return n; }) == 0;
    const bool triangle = !full && breaks([](std::size_t i) { return i + 1; }) == 0;
    if (!full && !triangle) {
        const std::size_t row = n > 0 && rows[0].size() > 1 ? breaks([n](std::size_t) { return n; })
                                                            : breaks([](std::size_t i) { return i + 1; });
        return messages::CorrelationsRagged(row, rows[row - 1].size());
    }
    // A triangle without its diagonal has a row fewer than the battery's
    // lines; one with it, as many, whatever a typo on its diagonal reads.
    // Only where neither fits do the 1s at the rows' ends decide what the
    // count message says.
    const bool diagonal = full || n == lines ||
                          (n + 1 != lines &&
                           std::all_of(rows.begin(), rows.end(), [](const auto& row) { return row.back() == 1; }));
    const std::size_t m = diagonal ? n : n + 1;
    if (m != lines)
        return messages::CorrelationsCount(m, lines);
    r.assign(m * m, 0.0);
    for (std::size_t i = 0; i < m; ++i) {
        r[i * m + i] = 1;
        if (!diagonal && i == 0)
            continue;
        const std::vector<double>& row = rows[diagonal ? i : i - 1];
        for (std::size_t j = 0; j < row.size(); ++j) {
            const double v = row[j];
            const std::size_t number = (diagonal ? i : i - 1) + 1;
            if (i == j) {
                if (v != 1)
                    return messages::CorrelationsDiagonal(number, NumberText(v, separator));
            } else if (!(v > -1 && v < 1)) {
                return messages::CorrelationOutOfRange(number, NumberText(v, separator));
            } else if (full && j < i && v != rows[j][i]) {
                return messages::CorrelationsAsymmetric(i + 1, j + 1);
            } else {
                r[i * m + j] = r[j * m + i] = v;
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> BatteryCorrelations(std::string_view text, std::string_view separator,
                                               const std::vector<Measure>& lines, Correlations& correlations)
{
    std::vector<double> full;
    if (std::optional<std::string> wrong = ReadCorrelations(text, separator, lines.size(), full))
        return wrong;
    std::vector<std::size_t> computed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].Computed())
            computed.push_back(i);
    const std::size_t m = computed.size();
    correlations.r.assign(m * m, 0);
    for (std::size_t a = 0; a < m; ++a)
        for (std::size_t b = 0; b < m; ++b) {
            const Measure &x = lines[computed[a]], &y = lines[computed[b]];
            correlations.r[a * m + b] = full[computed[a] * lines.size() + computed[b]] * (x.lower != y.lower ? -1 : 1);
        }
    std::optional<std::vector<double>> lower = stats::Cholesky(correlations.r, m);
    if (!lower)
        return std::string(messages::kNotPositiveDefinite);
    correlations.lower = std::move(*lower);
    return std::nullopt;
}

std::optional<std::string> AverageCorrelation(std::string_view text, std::string_view separator, double& rho)
{
    if (IsBlankText(text))
        return std::string(messages::kCorrelationNeeded);
    const std::optional<double> read = StrictParse(text, separator);
    if (!read)
        return messages::NotANumber(messages::subject::kAverageCorrelation);
    if (!(*read >= 0 && *read < 1))
        return std::string(messages::kAverageCorrelationOutOfRange);
    rho = *read;
    return std::nullopt;
}

}  // namespace core
