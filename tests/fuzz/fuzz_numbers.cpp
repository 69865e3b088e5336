// LenientParse, RoundTwoPlaces and NumberText on any text.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text/figures.h"
#include "core/reading/numbers.h"
#include "tests/support/properties.h"

namespace {
// Half a unit in the 15th significant digit of v, widened by the two roundings
// to double that a round trip adds.
double HalfUnitOfFifteenthDigit(double v)
{
    const double a = std::fabs(v);
    const double halfUnit = 0.5 * std::pow(10.0, std::floor(std::log10(a)) - 14);
    return halfUnit + 2 * (std::nextafter(a, HUGE_VAL) - a);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double v = core::LenientParse(text);
    Require(!std::isnan(v), "parse gave NaN", text);

    const std::string shown = core::NumberText(v);
    Require(properties::IsNumberText(shown, std::isinf(v)), "number text shape", shown);
    const std::string rounded = core::NumberText(core::RoundTwoPlaces(v));
    Require(properties::IsNumberText(rounded, std::isinf(v)), "rounded number text shape", rounded);

    std::string withComma = shown;
    for (char& c : withComma)
        c = c == '.' ? ',' : c;
    Require(core::NumberText(v, ",") == withComma, "separator", shown);

    if (std::isfinite(v) && v != 0) {
        // 15 significant digits hold a double to within half a unit of the 15th digit;
        // only at the very top of the range does that rounding pass the largest double.
        const double back = core::LenientParse(shown);
        if (std::isinf(back))
            Require(std::fabs(v) > 1.797693134862315e308, "round trip overflowed", shown);
        else
            Require(std::fabs(back - v) <= HalfUnitOfFifteenthDigit(v), "round trip", shown);
    }
    return 0;
}
