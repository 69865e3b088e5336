// FilterNumericKey on any run of keystrokes into one box: each two bytes are
// a signed 16-bit code, applied as a box applies what the rule lets through,
// under a point locale or, when the first byte is odd, a comma one.

#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/support/properties.h"
#include "core/reading/filternumerickey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    std::string box;
    const std::int16_t separator = size > 0 && (data[0] & 1) ? ',' : '.';
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const auto code = static_cast<std::int16_t>(static_cast<std::uint16_t>(data[i] | (data[i + 1] << 8)));
        const std::int16_t kept = core::FilterNumericKey(code, box, separator);
        Require(kept == 0 || kept == code || (code == separator && kept == '.'),
                "the rule keeps, discards or turns the separator into a point", box);
        Require(kept == 0 || kept == 8 || kept == '.' || (kept >= '0' && kept <= '9'), "only digits, point, backspace");
        if (kept == 8) {
            if (!box.empty())
                box.pop_back();
        } else if (kept != 0) {
            box.push_back(static_cast<char>(kept));
        }
        Require(box.find('.') == box.rfind('.'), "two points", box);
    }
    return 0;
}
