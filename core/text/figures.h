#ifndef MERVANE_CORE_TEXT_FIGURES_H
#define MERVANE_CORE_TEXT_FIGURES_H

#include <string>
#include <string_view>
#include <vector>

// How figures are written: rounded as shown, with the locale's separator,
// percentages and p values as a report states them, and lists as a sentence.
namespace core {

// Rounds to two decimals: v * 100 in double arithmetic, to the nearest whole
// number with exact halves to even, then / 100. Infinities pass unchanged, and
// so does a value too large to be multiplied by 100 (it is whole already).
double RoundTwoPlaces(double v);

// The shortest decimal text of at most 15 significant digits: no trailing
// zeros, no plus sign, a zero before the separator below 1, and "0" for a
// negative zero. Magnitudes from 1E-04 up to below 1E+15 are written in full;
// others as mantissa and exponent, e.g. 1.5E+20 or 1E-05. Infinities are "∞"
// and "-∞"; NaN is never produced by the computations and shows as "".
std::string NumberText(double v, std::string_view decimalSeparator = ".");

// A figure as a window shows it: rounded to two places, then written.
std::string FigureText(double v, std::string_view decimalSeparator = ".");

// A number to four places, written as NumberText writes it: for the
// coefficients of an equation, which two places leave too coarse to give the
// prediction shown. Exact halves go to the even neighbour.
std::string FourPlacesText(double v, std::string_view decimalSeparator = ".");

// A number the user typed, repeated in a sentence or an equation: its digits
// as typed, its decimal separator the locale's (0.125 stays 0.125, written
// "0,125" under a comma). A text that is no number is only trimmed.
std::string AsTyped(std::string_view typed, std::string_view decimalSeparator);

// Items as a sentence lists them: "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string>& items);

// A percentage of people (a percentile rank, a share of a population) as
// shown: rounded to two places, and "> 99.99" or "< 0.01" where the text would
// be "100" or "0", since no score leaves all or none of the people below it.
std::string PercentText(double percent, std::string_view decimalSeparator = ".");
// A percentage as shown in its box, as a sentence says it: "more than 99.99"
// for "> 99.99" and "less than 0.01" for "< 0.01"; any other as it is.
std::string PercentInWords(const std::string& shown);

// A probability to four places, as two places would put 0.048 at 0.05, on
// the wrong side of the usual threshold; "< 0.0001" where it would show 0.
std::string PValueText(double p, std::string_view decimalSeparator = ".");
// A p value as shown, as a sentence states it: "= 0.0329", or "< 0.0001".
std::string PValueInWords(const std::string& shown);

// A two-sided confidence in percent as shown: as PercentText, but 0 stays 0,
// the confidence that a difference of nothing is one.
std::string ConfidenceText(double confidence, std::string_view decimalSeparator = ".");

}  // namespace core

#endif
