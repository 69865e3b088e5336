#ifndef MERVANE_CORE_READING_CASEFILE_H
#define MERVANE_CORE_READING_CASEFILE_H

#include <cstddef>
#include <ctime>
#include <map>
#include <string>
#include <string_view>
#include <variant>

namespace core {

// What a case holds: each window's input boxes as typed, by the window's and
// the box's design names (the Report window's boxes are its header). Only
// what was typed: results are computed again from it, so a case can never
// show a figure the core would not give.
using CaseWindows = std::map<std::string, std::map<std::string, std::string, std::less<>>, std::less<>>;

// A case file is refused unread beyond this size.
inline constexpr std::size_t kCaseLimit = 1024 * 1024;

// The case as a file: JSON in UTF-8, its format and version, when it was
// saved (`saved`, ISO 8601 in UTC), the decimal separator it was typed with,
// the header, and each window that keeps its inputs with its input boxes.
std::string WriteCase(const CaseWindows& windows, std::string_view decimalSeparator, std::string_view saved);

// A case file read back, or the message that says why it cannot be: not
// UTF-8, not JSON (with the line and column), another format, a newer
// version, over the limit, a window or box that no design has, a box whose
// value is not text. Numbers typed with a decimal comma are read under a
// point locale with the point (the point is read in every locale).
std::variant<CaseWindows, std::string> ReadCase(std::string_view file, std::string_view decimalSeparator);

// A time as a case records it: "2026-12-09T10:00:00Z".
std::string CaseTime(std::time_t time);

}  // namespace core

#endif
