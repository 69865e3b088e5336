#ifndef MERVANE_TESTS_FUZZ_PROPERTIES_H
#define MERVANE_TESTS_FUZZ_PROPERTIES_H

// What must hold of every text the computations give, whatever they were fed.
// A broken property aborts, which the fuzzer reports with the input.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>


namespace properties {

[[noreturn]] inline void Fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "property broken: %s: \"%.*s\"\n", what, static_cast<int>(std::min<std::size_t>(text.size(), 200)),
                 text.data());
    std::abort();
}

inline void Require(bool holds, const char* what, std::string_view text = {})
{
    if (!holds)
        Fail(what, text);
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number text: optional minus, digits without needless zeros, an optional
// point part not ending in 0, or one digit, point part and an exponent E±dd;
// at most 15 significant digits; never "-0". With allowInfinity, also "∞" and "-∞".
inline bool IsNumberText(std::string_view t, bool allowInfinity = false)
{
    if (allowInfinity && (t == "∞" || t == "-∞"))
        return true;
    std::size_t i = 0;
    const bool negative = !t.empty() && t[0] == '-';
    i += negative;
    const std::size_t wholeStart = i;
    while (i < t.size() && IsDigit(t[i]))
        ++i;
    const std::string_view whole = t.substr(wholeStart, i - wholeStart);
    if (whole.empty() || (whole.size() > 1 && whole[0] == '0'))
        return false;
    std::string_view fraction;
    if (i < t.size() && t[i] == '.') {
        const std::size_t start = ++i;
        while (i < t.size() && IsDigit(t[i]))
            ++i;
        fraction = t.substr(start, i - start);
        if (fraction.empty() || fraction.back() == '0')
            return false;
    }
    std::size_t significant = whole.size() + fraction.size();
    if (whole == "0") {
        --significant;
        significant -= std::min(fraction.find_first_not_of('0'), fraction.size());
    }
    if (i < t.size()) {
        const bool signedExponent = t[i] == 'E' && i + 1 < t.size() && (t[i + 1] == '+' || t[i + 1] == '-');
        if (whole.size() != 1 || whole == "0" || !signedExponent)
            return false;
        const std::string_view exponent = t.substr(i + 2);
        if (exponent.size() < 2 || exponent.size() > 3 || !std::all_of(exponent.begin(), exponent.end(), IsDigit))
            return false;
    }
    if (significant > 15)
        return false;
    return !(negative && whole == "0" && fraction.empty());
}

// One of the fixed messages, or one about a named value ("The ...") that is
// too large or could not be computed.
inline bool IsKnownMessage(std::string_view m)
{
    for (std::string_view fixed : {"At the least, measure mean and measure SD field mus be entered.",
                                   "You cannot have a percentile above 100 or below 0",
                                   "Your confidence level must be below 100 and above 0.",
                                   "You must enter data in one box only", "You must enter data in one of the boxes",
                                   "The measure SD must be above 0."})
        if (m == fixed)
            return true;
    const auto endsWith = [m](std::string_view tail) {
        return m.size() > tail.size() && m.substr(m.size() - tail.size()) == tail;
    };
    return m.substr(0, 4) == "The " &&
           (endsWith(" is too large a number to work with.") || endsWith(" could not be computed."));
}

}  // namespace properties

#endif
