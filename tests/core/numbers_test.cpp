#include "core/text/figures.h"
#include "core/reading/numbers.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(LenientParse, ReadsTheNumericBeginningOfAnyText)
{
    struct Row {
        std::string text;
        double expected;
    };
    const Row rows[] = {
        {"", 0},         {" ", 0},          {".", 0},         {"abc", 0},      {"-", 0},
        {"E5", 0},       {"60", 60},        {"69.6", 69.6},   {".5", 0.5},     {"5.", 5},
        {"+3", 3},       {"  -2.5", -2.5},  {"- 4", -4},      {"007", 7},
        // blanks, tabs and line feeds are skipped anywhere; a carriage return is not
        {"1 5", 15},     {"1\t5", 15},      {"1\n5", 15},     {"1\r5", 1},     {" 1 . 5 ", 1.5},
        // reading stops at the first misfit
        {"1.5.3", 1.5},  {"12abc", 12},     {"1,5", 1},       {"3-2", 3},      {"5%", 5},
        // exponents, with the letters E and D in either case
        {"1E3", 1000},   {"1e3", 1000},     {"1D3", 1000},    {"1d-2", 0.01},  {"2.5E+2", 250},
        {"1 E 3", 1000}, {"1E", 1},         {"1E+", 1},       {"1Ex", 1},      {"1.E2", 100},
        // hexadecimal and octal whole numbers, unsigned, up to 64 bits
        {"&H1F", 31},    {"&hff", 255},     {"&HFFFF", 65535}, {"&O17", 15},   {"&o8", 0},
        {"&H", 0},       {"&X1", 0},        {" &H 1 0", 16},  {"-&H10", 0},
        {"&o17", 15},    {"&017", 0},       {"&50", 0},       {"&5", 0},      {"& 12", 0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&H10000000000000000", kInf},
        // the ends of the double range
        {"1.7976931348623157e308", DBL_MAX}, {"1.8e308", kInf}, {"-1e400", -kInf}, {"1e99999999999999999999", kInf},
        {"4.9406564584124654e-324", 4.9406564584124654e-324}, {"1e-400", 0}, {"1e-99999999999999999999", 0},
        {"0.1000000000000000055511151231257827021181583404541015625", 0.1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("text: \"" + row.text + "\"");
        EXPECT_EQ(core::LenientParse(row.text), row.expected);
    }
}

TEST(LenientParse, RoundsVeryLongNumbersCorrectly)
{
    // 2^53 + 1 lies exactly halfway between two doubles: it goes to the even one,
    // unless any non-zero digit follows, however far out.
    const std::string half = "9007199254740993.";
    EXPECT_EQ(core::LenientParse(half + std::string(900, '0')), 9007199254740992.0);
    EXPECT_EQ(core::LenientParse(half + std::string(900, '0') + "1"), 9007199254740994.0);
    EXPECT_EQ(core::LenientParse("1" + std::string(400, '0')), kInf);
    EXPECT_EQ(core::LenientParse("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(core::LenientParse("0." + std::string(400, '0') + "1e405"), 1e4);
    EXPECT_EQ(core::LenientParse(std::string(1000, '0') + "25" + std::string(1000, ' ')), 25);
}

TEST(LenientParse, KeepsTheSignOfZero)
{
    EXPECT_TRUE(std::signbit(core::LenientParse("-0")));
    EXPECT_TRUE(std::signbit(core::LenientParse("-0.000e5")));
    EXPECT_FALSE(std::signbit(core::LenientParse("0")));
}

TEST(RoundTwoPlaces, RoundsTheDoubleProductHalvesToEven)
{
    struct Row {
        double value;
        double expected;
    };
    const Row rows[] = {
        {0.125, 0.12},   {0.375, 0.38},  {-0.125, -0.12}, {93.319, 93.32}, {0.625, 0.62},
        {2.5e-3, 0},     {69.6, 69.6},   {-1.5, -1.5},    {1e300, 1e300},
        // the product is rounded as a double first: 1.005 * 100 is 100.49999999999999,
        // while 0.015 * 100 and 2.675 * 100 come out as exact halves
        {1.005, 1},      {0.015, 0.02},  {2.675, 2.68},
        // too large to multiply by 100, and whole already
        {1e307, 1e307},  {-DBL_MAX, -DBL_MAX}, {kInf, kInf}, {-kInf, -kInf},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(core::RoundTwoPlaces(row.value), row.expected);
    }
}

TEST(NumberText, WritesTheShortestTextOfAtMostFifteenDigits)
{
    struct Row {
        double value;
        std::string expected;
    };
    const Row rows[] = {
        {60, "60"},
        {69.6, "69.6"},
        {-0.25, "-0.25"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {-0.0, "0"},
        {0, "0"},
        {100, "100"},
        {123456789012345, "123456789012345"},
        {1e14, "100000000000000"},
        {999999999999999.9, "1E+15"},
        {1e15, "1E+15"},
        {1.5e20, "1.5E+20"},
        {-2.5e100, "-2.5E+100"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {0.00001, "1E-05"},
        {-1.23e-7, "-1.23E-07"},
        {DBL_MAX, "1.79769313486232E+308"},
        {4.9406564584124654e-324, "4.94065645841247E-324"},
        {kInf, "∞"},
        {-kInf, "-∞"},
        {std::nan(""), ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.expected);
        EXPECT_EQ(core::NumberText(row.value), row.expected);
    }
}

TEST(NumberText, UsesTheSeparatorItIsGiven)
{
    EXPECT_EQ(core::NumberText(69.6, ","), "69,6");
    EXPECT_EQ(core::NumberText(-0.001, ","), "-0,001");
    EXPECT_EQ(core::NumberText(1.5e20, ","), "1,5E+20");
    EXPECT_EQ(core::NumberText(60, ","), "60");
    EXPECT_EQ(core::NumberText(0.5, "\u066B"), "0\u066B5");
}

TEST(NumberText, ReadsBackToTheSameFifteenDigits)
{
    const double values[] = {93.32, 1.0 / 7, 6.02214076e23, -1e-10, 0.1, 1234.5678};
    for (double v : values) {
        SCOPED_TRACE(v);
        const double back = core::LenientParse(core::NumberText(v));
        EXPECT_NEAR(back, v, std::fabs(v) * 5e-15);
    }
}

}  // namespace

namespace {

// The conversions must not depend on the process locale, which the window
// toolkit sets from the environment: under a comma locale the C library's
// plain conversions read and write a comma.
TEST(Numbers, IgnoreTheProcessLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale on this machine";
    const double parsed = core::LenientParse("1.5");
    const std::string written = core::NumberText(1234.5678);
    const std::string separated = core::NumberText(0.25, ",");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(parsed, 1.5);
    EXPECT_EQ(written, "1234.5678");
    EXPECT_EQ(separated, "0,25");
}

#if defined(__GLIBCXX__)
// The exact decimal expansion of the point halfway between two neighbouring
// doubles: the x87 long double holds it exactly, and glibc prints it in full.
std::string ExactHalfway(double low, double high)
{
    const long double mid = (static_cast<long double>(low) + static_cast<long double>(high)) / 2;
    std::vector<char> buf(1200);
    const int n = std::snprintf(buf.data(), buf.size(), "%.800Le", mid);
    return std::string(buf.data(), static_cast<std::size_t>(n));
}

// The conversions are the C library's, in place of floating-point <charconv>,
// which LLVM's C++ library lacks; GNU's has both, so here they must agree bit
// for bit: over random doubles of every magnitude, the exact halves between
// neighbours, and the ends of the range.
TEST(Numbers, AgreeWithCharconvBitForBit)
{
    std::mt19937_64 random(20261207);
    std::vector<double> values{DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 0.5, 1.0, 0.125, 1e15, 999999999999999.5, 1e-4};
    for (int i = 0; i < 100000; ++i) {
        double v = 0;
        const std::uint64_t bits = random() & 0x7FFFFFFFFFFFFFFFull;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v) && v != 0)
            values.push_back(v);
    }
    int checked = 0;
    for (double v : values) {
        // 15 significant digits, as <charconv> writes them
        char buf[48];
        const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
        const std::string sci(buf, res.ptr);
        std::string digits;
        for (char c : sci.substr(0, sci.find('e')))
            if (c != '.')
                digits.push_back(c);
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        const int exponent = std::atoi(sci.c_str() + sci.find('e') + 1);
        std::string ours;
        const std::string text = core::NumberText(v);
        const std::size_t e = text.find('E');
        for (char c : text.substr(0, e))
            if (c >= '0' && c <= '9')
                ours.push_back(c);
        ours.erase(0, ours.find_first_not_of('0'));
        while (ours.size() > 1 && ours.back() == '0')  // a whole number's places, not its digits
            ours.pop_back();
        ASSERT_EQ(ours, digits) << text;
        ASSERT_EQ(core::LenientParse(text), std::strtod(text.c_str(), nullptr)) << text;
        if (e != std::string::npos) {
            ASSERT_EQ(std::atoi(text.c_str() + e + 1), exponent) << text;
        }

        // Reading: the full 17 digits, and the tie halfway to the next double up.
        const int n = std::snprintf(buf, sizeof buf, "%.16e", v);
        double expected = 0;
        std::from_chars(buf, buf + n, expected);
        ASSERT_EQ(core::LenientParse(std::string(buf, static_cast<std::size_t>(n))), expected) << buf;
        // The ties are 800-digit texts: every tenth value is sample enough.
        const double up = std::nextafter(v, DBL_MAX);
        if (checked % 10 == 0 && std::isfinite(up)) {
            const std::string tie = ExactHalfway(v, up);
            std::from_chars(tie.data(), tie.data() + tie.size(), expected);
            ASSERT_EQ(core::LenientParse(tie), expected) << tie;
        }
        ++checked;
    }
    EXPECT_GT(checked, 95000);
}
#endif

}  // namespace
