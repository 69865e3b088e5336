// ConvertDeviationConfidence on any two texts: the input is split at the first byte 0x01.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/calculations/conversion.h"
#include "tests/support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    const std::size_t cut = all.find('\x01');
    const std::string_view confidence = all.substr(0, cut);
    const std::string_view deviations = cut == std::string_view::npos ? std::string_view() : all.substr(cut + 1);

    const core::ConversionResult r = core::ConvertDeviationConfidence(confidence, deviations);
    Require(r.txtAnswer.empty() == r.message.has_value(), "exactly one of answer and message",
            r.txtAnswer + r.message.value_or(""));
    if (r.message) {
        Require(properties::IsKnownMessage(*r.message), "unknown message", *r.message);
        return 0;
    }
    for (std::string_view prefix : {"Standard Deviation = ", "Confidence Interval = "}) {
        if (r.txtAnswer.rfind(prefix, 0) == 0) {
            const std::string_view number = std::string_view(r.txtAnswer).substr(prefix.size());
            Require(properties::IsNumberText(number), "answer shape", r.txtAnswer);
            const bool toDeviations = prefix[0] == 'S';
            Require(toDeviations == deviations.empty(), "direction", r.txtAnswer);
            return 0;
        }
    }
    properties::Fail("answer prefix", r.txtAnswer);
}
