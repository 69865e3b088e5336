#ifndef MERVANE_CORE_READING_NUMBERS_H
#define MERVANE_CORE_READING_NUMBERS_H

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

}  // namespace core

#endif
