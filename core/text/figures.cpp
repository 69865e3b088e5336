#include "core/text/figures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "core/reading/classiclocale.h"
#include "core/reading/numbers.h"

namespace core {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// v > 0 to 15 significant digits, correctly rounded, as d.dddddddddddddde±x.
std::string Scientific15(double v)
{
    const ClassicLocale classic;
    char buf[48];
    const int n = std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::string(buf, static_cast<std::size_t>(std::max(n, 0)));
}

}  // namespace

double RoundTwoPlaces(double v)
{
    const double product = v * 100.0;
    if (!std::isfinite(product))
        return v;
    return std::nearbyint(product) / 100.0;
}

std::string NumberText(double v, std::string_view decimalSeparator)
{
    if (std::isnan(v))
        return {};
    if (std::isinf(v))
        return v > 0 ? "∞" : "-∞";
    if (v == 0)
        return "0";

    // 15 significant digits, correctly rounded: d.dddddddddddddde±x
    const std::string sci = Scientific15(std::fabs(v));
    const std::size_t ePos = sci.find('e');
    std::string digits;
    for (char c : sci.substr(0, ePos))
        if (IsDigit(c))
            digits.push_back(c);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const int exponent = std::atoi(sci.c_str() + ePos + 1);

    std::string out = v < 0 ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (count > 1) {
            out += decimalSeparator;
            out.append(digits, 1);
        }
        const int magnitude = std::abs(exponent);
        out += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10)
            out += '0';
        out += std::to_string(magnitude);
    } else if (exponent >= 0) {
        const int whole = exponent + 1;
        out.append(digits, 0, static_cast<std::size_t>(std::min(whole, count)));
        if (count < whole)
            out.append(static_cast<std::size_t>(whole - count), '0');
        if (count > whole) {
            out += decimalSeparator;
            out.append(digits, static_cast<std::size_t>(whole));
        }
    } else {
        out += '0';
        out += decimalSeparator;
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out += digits;
    }
    return out;
}

std::string ConfidenceText(double confidence, std::string_view decimalSeparator)
{
    const std::string text = FigureText(confidence, decimalSeparator);
    return text == "100" ? "> 99" + std::string(decimalSeparator) + "99" : text;
}

std::string FigureText(double v, std::string_view decimalSeparator)
{
    return NumberText(RoundTwoPlaces(v), decimalSeparator);
}

std::string FourPlacesText(double v, std::string_view decimalSeparator)
{
    const double product = v * 10000.0;
    return NumberText(std::isfinite(product) ? std::nearbyint(product) / 10000.0 : v, decimalSeparator);
}

std::string AsTyped(std::string_view typed, std::string_view decimalSeparator)
{
    std::optional<std::string> number = NumberSyntax(typed, decimalSeparator);
    if (!number)
        return std::string(TrimBlanks(typed));
    if (const std::size_t point = number->find('.'); point != std::string::npos)
        number->replace(point, 1, decimalSeparator);
    return *number;
}

std::string PValueText(double p, std::string_view decimalSeparator)
{
    const std::string text = FourPlacesText(p, decimalSeparator);
    return text == "0" ? "< 0" + std::string(decimalSeparator) + "0001" : text;
}

std::string Listed(const std::vector<std::string>& items)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i)
        out += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    return out;
}

std::string PValueInWords(const std::string& shown)
{
    return (shown.starts_with("<") ? "" : "= ") + shown;
}

std::string PercentInWords(const std::string& shown)
{
    if (shown.starts_with("> "))
        return "more than " + shown.substr(2);
    if (shown.starts_with("< "))
        return "less than " + shown.substr(2);
    return shown;
}

std::string PercentText(double percent, std::string_view decimalSeparator)
{
    const std::string text = ConfidenceText(percent, decimalSeparator);
    return text == "0" ? "< 0" + std::string(decimalSeparator) + "01" : text;
}

}  // namespace core
