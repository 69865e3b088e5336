#include "core/filternumerickey.h"

namespace core {

std::int16_t FilterNumericKey(std::int16_t code, std::string_view currentText)
{
    using namespace keycode;
    if (code != kPoint && code != kBackspace && (code < kZero || code > kNine))
        code = 0;
    if (code == kPoint && currentText.find('.') != std::string_view::npos)
        code = 0;
    return code;
}

}  // namespace core
