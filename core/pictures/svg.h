#ifndef MERVANE_CORE_PICTURES_SVG_H
#define MERVANE_CORE_PICTURES_SVG_H

#include <cmath>
#include <cstdlib>
#include <string>

// What the drawings share: numbers as SVG takes them, and a text built in place.
namespace core::svg {

// One decimal, with a point whatever the locale: whole tenths through integers.
inline std::string Num(double v)
{
    const long tenths = std::lround(v * 10);
    std::string out = tenths < 0 ? "-" : "";
    out += std::to_string(std::labs(tenths) / 10);
    if (const long tenth = std::labs(tenths) % 10) {
        out += '.';
        out += static_cast<char>('0' + tenth);
    }
    return out;
}

// Appends each part in turn: one growing text, no temporaries.
template <typename... Parts>
void Put(std::string& out, const Parts&... parts)
{
    ((out += parts), ...);
}

}  // namespace core::svg

#endif
