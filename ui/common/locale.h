#ifndef MERVANE_UI_COMMON_LOCALE_H
#define MERVANE_UI_COMMON_LOCALE_H

#include <cstdint>
#include <string>

namespace ui {

// The locale's decimal separator, as the computations take it: they never
// read a locale themselves.
std::string DecimalSeparator();

// The same as the keystroke rule takes it: its code, or the point's where the
// separator lies outside the single-byte character set.
std::int16_t DecimalSeparatorCode();

}  // namespace ui

#endif
