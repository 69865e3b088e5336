#include "ui/main/numericfilter.h"

namespace {
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kPoint = 46;
constexpr std::int16_t kZero = 48;
constexpr std::int16_t kNine = 57;
}  // namespace

std::int16_t FilterNumericKey(std::int16_t code, std::string_view currentText)
{
    if (code != kPoint && code != kBackspace && (code < kZero || code > kNine))
        code = 0;
    if (code == kPoint && currentText.find('.') != std::string_view::npos)
        code = 0;
    return code;
}
