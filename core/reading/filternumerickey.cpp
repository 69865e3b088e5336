#include "core/reading/filternumerickey.h"

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

std::int16_t FilterSignedKey(std::int16_t code, std::string_view currentText, std::size_t selectionStart,
                             std::size_t selectionEnd, std::int16_t decimalSeparator)
{
    if (code != keycode::kMinus)
        return FilterNumericKey(code, currentText, decimalSeparator);
    const bool first = selectionStart == 0;
    const bool another = selectionEnd < currentText.size() && currentText[selectionEnd] == '-';
    return first && !another ? code : 0;
}

}  // namespace core
