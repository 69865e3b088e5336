#include "core/reading/casefile.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/design/windows.h"

namespace core {
namespace {

namespace design = core::design;
using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "mervane-case";
constexpr int kVersion = 1;

// The header's boxes, as the file names them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kHeader{{
    {"person", "txtPerson"}, {"date", "txtDate"}, {"examiner", "txtExaminer"}}};

std::string NotACase(std::string_view why) { return "This file is not a Mervane case: " + std::string(why) + "."; }

// The windows a case holds: those that keep their inputs, but for the Report
// window, whose boxes are the header.
const design::Window* CaseWindow(std::string_view name)
{
    for (const design::Window* w : design::kWindows)
        if (w->name == name && w->keeps && w != &design::frmReport)
            return w;
    return nullptr;
}

bool IsUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > text.size() || (n == 2 && c < 0xC2))
            return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 0x2)
                return false;
        const auto c1 = static_cast<unsigned char>(n > 1 ? text[i + 1] : 0);
        if ((n == 3 && c == 0xE0 && c1 < 0xA0) || (n == 3 && c == 0xED && c1 >= 0xA0) ||
            (n == 4 && c == 0xF0 && c1 < 0x90) || (n == 4 && (c > 0xF4 || (c == 0xF4 && c1 >= 0x90))))
            return false;  // overlong, a surrogate, or beyond U+10FFFF
        i += n;
    }
    return true;
}

// The line and column of a byte of the text, both from 1.
std::string Where(std::string_view text, std::size_t byte)
{
    byte = std::min(byte, text.size());
    const std::size_t line = 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + byte, '\n'));
    const std::size_t start = text.rfind('\n', byte ? byte - 1 : 0);
    const std::size_t column = start == std::string_view::npos || byte == 0 ? byte + 1 : byte - start;
    return "line " + std::to_string(line) + ", column " + std::to_string(std::max<std::size_t>(column, 1));
}

// A number written with a decimal comma: a sign, digits, the comma, digits, an exponent.
bool IsCommaNumber(std::string_view token, char comma)
{
    std::size_t i = token.size() && (token[0] == '+' || token[0] == '-') ? 1 : 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < token.size() && token[i] >= '0' && token[i] <= '9')
            ++i;
        return i > from;
    };
    if (!digits() || i >= token.size() || token[i] != comma)
        return false;
    ++i;
    if (!digits())
        return false;
    if (i < token.size() && (token[i] == 'e' || token[i] == 'E')) {
        ++i;
        if (i < token.size() && (token[i] == '+' || token[i] == '-'))
            ++i;
        if (!digits())
            return false;
    }
    return i == token.size();
}

// A box's text typed under another decimal separator, as this locale reads
// it: each number in it (a whole box, or a field of a pasted table) with the
// point, which every locale reads. Names and other text stay as typed.
std::string WithThePoint(const std::string& text, char comma)
{
    std::string out = text;
    std::size_t from = 0;
    while (from < out.size()) {
        const std::size_t end = std::min(out.find_first_of("\t;\n\r ", from), out.size());
        if (IsCommaNumber(std::string_view(out).substr(from, end - from), comma))
            out[out.find(comma, from)] = '.';
        from = end + 1;
    }
    return out;
}

}  // namespace

std::string WriteCase(const CaseWindows& windows, std::string_view decimalSeparator, std::string_view saved)
{
    Json file;
    file["format"] = kFormat;
    file["version"] = kVersion;
    file["saved"] = saved;
    file["decimal"] = decimalSeparator;
    Json header = Json::object();
    const auto report = windows.find(design::frmReport.name);
    for (const auto& [key, box] : kHeader)
        if (report != windows.end())
            if (const auto found = report->second.find(box); found != report->second.end())
                header[std::string(key)] = found->second;
    file["header"] = header;
    Json kept = Json::object();
    for (const auto& [name, boxes] : windows) {
        const design::Window* w = CaseWindow(name);
        if (!w)
            continue;
        Json inputs = Json::object();
        for (const design::Control& c : w->controls)
            if (const auto found = boxes.find(c.name); design::IsInput(c) && found != boxes.end())
                inputs[std::string(c.name)] = found->second;
        kept[name] = inputs;
    }
    file["windows"] = kept;
    // Invalid UTF-8 in a box (a paste from elsewhere) is written as U+FFFD, never as a broken file.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::variant<CaseWindows, std::string> ReadCase(std::string_view file, std::string_view decimalSeparator)
{
    if (file.size() > kCaseLimit)
        return std::string("This file is too large to be a Mervane case (over 1 MB).");
    if (!IsUtf8(file))
        return NotACase("it is not UTF-8 text");
    Json json;
    try {
        json = Json::parse(file);
    } catch (const Json::parse_error& e) {
        return NotACase("it is not JSON (" + Where(file, e.byte ? e.byte - 1 : 0) + ")");
    }
    if (!json.is_object() || !json.contains("format") || json["format"] != kFormat)
        return NotACase("it is of another format");
    const Json& version = json["version"];
    if (!version.is_number_integer() || version.get<long long>() < 1)
        return NotACase("it has no version number");
    if (version.get<long long>() > kVersion)
        return "This case was saved by a newer Mervane (version " + std::to_string(version.get<long long>()) + ").";
    const Json header = json.value("header", Json::object());
    const Json windows = json.value("windows", Json::object());
    const Json decimal = json.value("decimal", Json("."));
    if (!header.is_object() || !windows.is_object() || !decimal.is_string())
        return NotACase("its header, windows or decimal separator is not as a case writes them");

    const std::string typedWith = decimal.get<std::string>();
    const bool convert = typedWith.size() == 1 && typedWith != "." && typedWith != decimalSeparator;
    CaseWindows read;
    for (const auto& entry : header.items()) {
        const std::string key = entry.key();
        const Json& value = entry.value();
        const auto found = std::find_if(kHeader.begin(), kHeader.end(), [&](const auto& h) { return h.first == key; });
        if (found == kHeader.end())
            return "This case's header has an entry that Mervane does not have: " + key + ".";
        if (!value.is_string())
            return "In this case, the header's " + key + " is not text.";
        read[std::string(design::frmReport.name)][std::string(found->second)] = value.get<std::string>();
    }
    for (const auto& [name, boxes] : windows.items()) {
        const design::Window* w = CaseWindow(name);
        if (!w)
            return "This case names a window that Mervane does not have: " + name + ".";
        if (!boxes.is_object())
            return "In this case, the window " + std::string(w->caption) + " does not hold boxes.";
        auto& into = read[name];
        for (const auto& [box, value] : boxes.items()) {
            const design::Control* c = design::Find(*w, box);
            if (!c || !design::IsInput(*c))
                return "This case names a box that the window " + std::string(w->caption) + " does not have: " +
                       box + ".";
            if (!value.is_string())
                return "In this case, the box " + box + " of " + std::string(w->caption) + " does not hold text.";
            const std::string& text = value.get_ref<const std::string&>();
            into[box] = convert && (c->Has(design::kNumeric) || c->Has(design::kMultiLine)) ? WithThePoint(text, typedWith[0])
                                                                                              : text;
        }
    }
    return read;
}

std::string CaseTime(std::time_t time)
{
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &time);
#else
    gmtime_r(&time, &utc);
#endif
    char out[64];
    std::snprintf(out, sizeof out, "%04d-%02d-%02dT%02d:%02d:%02dZ", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                  utc.tm_hour, utc.tm_min, utc.tm_sec);
    return out;
}

}  // namespace core
