#ifndef MERVANE_UI_COMMON_LOCALE_H
#define MERVANE_UI_COMMON_LOCALE_H

#include <string>

namespace ui {

// The locale's decimal separator, as the computations take it: they never
// read a locale themselves.
std::string DecimalSeparator();

}  // namespace ui

#endif
