#ifndef MERVANE_CORE_READING_MATRIX_H
#define MERVANE_CORE_READING_MATRIX_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/reading/battery.h"

namespace core {

// A pasted correlation matrix of a battery of `lines` measures, in the
// battery's order: a full matrix, or its lower triangle with or without the
// diagonal. On each line the numbers after any leading words (a test's name)
// count; a line with no number (a heading) is no row. A line holding a tab or
// a semicolon (or, where the decimal separator is the point, a comma) splits
// at those alone; only a line without them splits at blanks. Fills `r` with
// the full symmetric matrix, row by row, or gives the message that says what
// is wrong with it.
std::optional<std::string> ReadCorrelations(std::string_view text, std::string_view separator, std::size_t lines,
                                            std::vector<double>& r);

// The correlations between a battery's measures that can be computed, in
// its order, as their scores are turned round (a measure where lower is
// better changes the sign of its row and column), and their Cholesky factor.
struct Correlations {
    std::vector<double> r, lower;  // row by row
};

// Those of a pasted matrix of every line of the battery, or the message that
// refuses it: as ReadCorrelations refuses it, or as not positive definite.
std::optional<std::string> BatteryCorrelations(std::string_view text, std::string_view separator,
                                               const std::vector<Measure>& lines, Correlations& correlations);

// The average correlation between a battery's measures, from 0 up to 1, or
// the message that refuses it.
std::optional<std::string> AverageCorrelation(std::string_view text, std::string_view separator, double& rho);

}  // namespace core

#endif
