#ifndef MERVANE_CORE_NUMBERS_H
#define MERVANE_CORE_NUMBERS_H

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace core {

// Reads the numeric beginning of a text, the way people paste numbers from
// reports: blanks, tabs and line feeds are skipped wherever they stand, then an
// optional sign, digits with at most one point, and an optional exponent (E, e,
// D or d, an optional sign, digits). Reading stops at the first character that
// does not fit; a text without a numeric beginning reads as 0. The point is the
// only decimal separator, whatever the locale.
//
// "&H" and "&O" (either case) start a hexadecimal or octal whole number of up to
// 64 bits, read as unsigned (so &HFFFF is 65535, never -1); more digits than
// 64 bits hold give infinity, like a decimal number too large for a double.
//
// A number too large for a double gives +/- infinity, which callers refuse with
// a message; one too small for a double gives 0.
double LenientParse(std::string_view text);

// The blanks of a pasted field: spaces, tabs and carriage returns.
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// A text without the blanks around it, as a pasted field is read.
std::string_view TrimBlanks(std::string_view text);

// Whether a text holds nothing but blanks and line feeds: a box of them is an empty box.
bool IsBlankText(std::string_view text);

// Each line of a pasted text, without its line feed, in order: a text ending
// in a line feed has an empty last line. `each` may return false to stop.
template <typename Each>
void ForEachLine(std::string_view text, Each each)
{
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if constexpr (std::is_same_v<decltype(each(text)), bool>) {
            if (!each(text.substr(start, end - start)))
                return;
        } else {
            each(text.substr(start, end - start));
        }
        start = end + 1;
    }
}

// A text that is wholly a number, as the windows beyond the main window and
// the converter read their boxes: blanks, tabs and carriage returns around it
// ignored; an optional sign; digits with at most one decimal separator, the
// point or `decimalSeparator`; an optional exponent (e or E, an optional sign,
// digits); nothing else. The same text trimmed, with the point as its
// separator, or nullopt.
std::optional<std::string> NumberSyntax(std::string_view text, std::string_view decimalSeparator);

// The value of a text that NumberSyntax accepts, as LenientParse reads it
// (correctly rounded, +/- infinity beyond a double), or nullopt.
std::optional<double> StrictParse(std::string_view text, std::string_view decimalSeparator);

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
