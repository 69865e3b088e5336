#include "core/numbers.h"

#include <locale.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>

namespace core {
namespace {

// The C library's conversions are correctly rounded, but read and write the
// decimal separator of the thread's locale, which the window toolkit sets
// from the environment (a comma under de_DE). This runs them in the "C"
// locale for as long as it lives. (Floating-point <charconv> would do without
// it, but LLVM's C++ library, the browser build's, lacks it.)
class ClassicLocale {
public:
    ClassicLocale() : previous_(uselocale(Classic())) {}
    ~ClassicLocale() { uselocale(previous_); }
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    static locale_t Classic()
    {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return classic;
    }
    locale_t previous_;
};

// The double nearest to a decimal text in the C library's syntax; overflow
// gives infinity and underflow 0, each as strtod rounds them.
double ToDouble(const std::string& text)
{
    const ClassicLocale classic;
    return std::strtod(text.c_str(), nullptr);
}

// v > 0 to 15 significant digits, correctly rounded, as d.dddddddddddddde±x.
std::string Scientific15(double v)
{
    const ClassicLocale classic;
    char buf[48];
    const int n = std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::string(buf, static_cast<std::size_t>(std::max(n, 0)));
}

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks a text, stepping over the characters the parse ignores.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    // The next character that counts, or '\0' at the end (a NUL fits nothing).
    char Peek()
    {
        while (pos_ < text_.size() && IsSkipped(text_[pos_]))
            ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Take() { ++pos_; }
    std::size_t Position() const { return pos_; }
    void Rewind(std::size_t pos) { pos_ = pos; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Marks a character that is a digit in no base the parse reads.
constexpr int kNotADigit = 99;

int DigitValue(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return kNotADigit;
}

double ReadWholeNumber(Reader& in, unsigned base)
{
    std::uint64_t value = 0;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    for (int d = DigitValue(in.Peek()); d < static_cast<int>(base); d = DigitValue(in.Peek())) {
        in.Take();
        if (value > (kMax - static_cast<unsigned>(d)) / base)
            return std::numeric_limits<double>::infinity();
        value = value * base + static_cast<unsigned>(d);
    }
    return static_cast<double>(value);
}

// Beyond this many digits only whether more non-zero digits follow matters for
// correct rounding; a double needs at most 767 to decide a tie.
constexpr std::size_t kKeptDigits = 800;
// Exponents beyond this are clamped: they overflow or underflow whatever the
// mantissa, and clamping keeps the arithmetic below within 64 bits.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000'000;
// 0.d x 10^m overflows a double from m = 310 on (DBL_MAX is about 1.8E+308)
// and rounds to 0 below m = -330 (the smallest subnormal is about 4.9E-324);
// between them the conversion decides.
constexpr std::int64_t kOverflowMagnitude = 310;
constexpr std::int64_t kUnderflowMagnitude = -330;

bool ReadSign(Reader& in)
{
    const char c = in.Peek();
    if (c != '+' && c != '-')
        return false;
    in.Take();
    return c == '-';
}

// The digits of a decimal mantissa, with where its point stands.
struct Mantissa {
    std::string digits;  // significant digits, leading zeros dropped
    bool anyDigit = false;
    std::size_t dropped = 0;  // non-zero digits beyond kKeptDigits
    std::int64_t intDigits = 0;  // significant digits before the point
    std::int64_t leadingFractionZeros = 0;  // zeros after the point before the first significant digit
};

Mantissa ReadMantissa(Reader& in)
{
    Mantissa m;
    bool seenPoint = false;
    for (char c = in.Peek();; c = in.Peek()) {
        if (IsDigit(c)) {
            m.anyDigit = true;
            if (m.digits.empty() && c == '0') {
                if (seenPoint)
                    ++m.leadingFractionZeros;
            } else {
                if (m.digits.size() < kKeptDigits)
                    m.digits.push_back(c);
                else if (c != '0')
                    ++m.dropped;
                if (!seenPoint)
                    ++m.intDigits;
            }
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
        in.Take();
    }
    return m;
}

// An exponent after E, e, D or d; without digits after the letter (and sign)
// the number ends before the letter, and the exponent is 0.
std::int64_t ReadExponent(Reader& in)
{
    const char e = in.Peek();
    if (e != 'E' && e != 'e' && e != 'D' && e != 'd')
        return 0;
    const std::size_t mark = in.Position();
    in.Take();
    const bool negative = ReadSign(in);
    if (!IsDigit(in.Peek())) {
        in.Rewind(mark);
        return 0;
    }
    std::int64_t value = 0;
    while (IsDigit(in.Peek())) {
        value = std::min<std::int64_t>(value * 10 + (in.Peek() - '0'), kExponentClamp);
        in.Take();
    }
    return negative ? -value : value;
}

// The double nearest to the mantissa times 10^exponent, correctly rounded.
double Compose(bool negative, Mantissa m, std::int64_t exponent)
{
    const double zero = negative ? -0.0 : 0.0;
    while (!m.digits.empty() && m.digits.back() == '0' && m.dropped == 0)
        m.digits.pop_back();
    if (m.digits.empty())
        return zero;
    if (m.dropped > 0 && m.digits.back() == '0')
        m.digits.back() = '1';  // keep the tail's weight as a sticky digit

    // Decimal position of the first significant digit: the value is 0.digits * 10^magnitude.
    const std::int64_t magnitude = exponent + (m.intDigits > 0 ? m.intDigits : -m.leadingFractionZeros);
    const double inf = negative ? -std::numeric_limits<double>::infinity()
                                : std::numeric_limits<double>::infinity();
    if (magnitude > kOverflowMagnitude)
        return inf;
    if (magnitude < kUnderflowMagnitude)
        return zero;

    const double value = ToDouble("0." + m.digits + "e" + std::to_string(magnitude));
    return negative ? -value : value;
}

double ReadDecimal(Reader& in)
{
    const bool negative = ReadSign(in);
    Mantissa mantissa = ReadMantissa(in);
    if (!mantissa.anyDigit)
        return 0.0;
    const std::int64_t exponent = ReadExponent(in);
    return Compose(negative, std::move(mantissa), exponent);
}

}  // namespace

double LenientParse(std::string_view text)
{
    Reader in(text);
    if (in.Peek() == '&') {
        in.Take();
        const char kind = in.Peek();
        if (kind == 'H' || kind == 'h') {
            in.Take();
            return ReadWholeNumber(in, 16);
        }
        if (kind == 'O' || kind == 'o') {
            in.Take();
            return ReadWholeNumber(in, 8);
        }
        return 0.0;
    }
    return ReadDecimal(in);
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool IsBlankText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return IsBlank(c) || c == '\n'; });
}

std::optional<std::string> NumberSyntax(std::string_view text, std::string_view decimalSeparator)
{
    text = TrimBlanks(text);
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        number += text[i++];
    bool digits = false, separator = false;
    while (i < text.size()) {
        if (IsDigit(text[i])) {
            digits = true;
            number += text[i++];
        } else if (!separator && (text[i] == '.' || (!decimalSeparator.empty() &&
                                                     text.substr(i).starts_with(decimalSeparator)))) {
            separator = true;
            number += '.';
            i += text[i] == '.' ? 1 : decimalSeparator.size();
        } else {
            break;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        number += text[i++];
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            number += text[i++];
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            number += text[i++];
        if (i == start)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    return number;
}

std::optional<double> StrictParse(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<std::string> number = NumberSyntax(text, decimalSeparator);
    if (!number)
        return std::nullopt;
    return LenientParse(*number);
}

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
