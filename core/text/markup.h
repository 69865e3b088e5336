#ifndef MERVANE_CORE_TEXT_MARKUP_H
#define MERVANE_CORE_TEXT_MARKUP_H

#include <string>
#include <string_view>

namespace core {

// A text as HTML or SVG holds it, in content or in a quoted attribute.
inline std::string EscapeMarkup(std::string_view text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

}  // namespace core

#endif
