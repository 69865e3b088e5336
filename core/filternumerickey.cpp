#include "core/filternumerickey.h"

namespace core {

std::int16_t FilterNumericKey(std::int16_t code, std::string_view currentText, std::int16_t decimalSeparator)
{
    using namespace keycode;
    if (decimalSeparator > 0 && code == decimalSeparator)
        code = kPoint;
    if (code != kPoint && code != kBackspace && (code < kZero || code > kNine))
        code = 0;
    if (code == kPoint && currentText.find('.') != std::string_view::npos)
        code = 0;
    return code;
}

}  // namespace core
