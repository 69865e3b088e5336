#include "core/reading/numbers.h"

#include "core/reading/classiclocale.h"

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

// The double nearest to a decimal text in the C library's syntax; overflow
// gives infinity and underflow 0, each as strtod rounds them.
double ToDouble(const std::string& text)
{
    const ClassicLocale classic;
    return std::strtod(text.c_str(), nullptr);
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

}  // namespace core
