// Writes core/stats/normaltables.inc: the constants of the fast normal distribution,
// each computed in 400-bit arithmetic and rounded once, with the truncation
// and storage bounds that core/normal.cpp's error budget relies on, verified
// here rather than assumed.
//
//   normaltables            print the file
//   normaltables --check F  fail unless F is what this prints

#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <boost/math/constants/constants.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

namespace {

using Big = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<120>>;

const Big kPi = boost::math::constants::pi<Big>();
const Big kU = ldexp(Big(1), -53);  // unit roundoff of double

// Each bound below is checked against this share of the value it bounds.
const int kTruncationBits = 70;  // Taylor remainder
const int kStorageBits = 72;     // coefficients rounded to double, and their Horner sum in double

struct Wide {
    double hi, lo;
};

Wide Split(const Big& x)
{
    const double hi = x.convert_to<double>();
    return {hi, Big(x - hi).convert_to<double>()};
}

std::string Hex(double d)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%a", d);
    return buf;
}

double Log2(const Big& x) { return static_cast<double>(log2(x)); }

// Mills ratio M(u) = Q(u) / phi(u), Q the upper tail.
Big Mills(const Big& u)
{
    const Big q = boost::math::erfc(u / sqrt(Big(2))) / 2;
    return q * sqrt(2 * kPi) * exp(u * u / 2);
}

// Taylor coefficients of M at c, from M' = uM - 1: (n+1) b[n+1] = c b[n] + b[n-1] - [n = 0].
// The recurrence loses up to 11 bits a step, which 400 bits absorb.
std::vector<Big> MillsTaylor(const Big& c, const Big& mc, int terms)
{
    std::vector<Big> b(terms + 1);
    b[0] = mc;
    for (int n = 0; n < terms; ++n)
        b[n + 1] = (c * b[n] + (n > 0 ? b[n - 1] : Big(0)) - (n == 0 ? 1 : 0)) / (n + 1);
    return b;
}

// Horner in double over n coefficients: its rounding error is at most
// gamma(2n) = 2nu / (1 - 2nu) times the sum of the terms' magnitudes (Higham, 5.3).
Big Gamma(int n) { return 2 * n * kU / (1 - 2 * n * kU); }

struct Series {
    int terms = 0;  // coefficients kept
    int wide = 0;   // leading coefficients kept as double-double
    double truncation = 0, storage = 0;  // log2 of the worst share of the value
};

// Chooses the wide part: the coefficients from `wide` on are rounded to
// double and summed in double at the argument's leading double, costing
// (u + gamma + terms u) times their terms' sum.
// |c[n]| t^n for the first `count` coefficients: each term's largest size.
std::vector<Big> TermSizes(const std::vector<Big>& c, int count, const Big& t)
{
    std::vector<Big> sizes(count);
    for (int n = 0; n < count; ++n)
        sizes[n] = abs(c[n]) * pow(t, n);
    return sizes;
}

bool tablesHold = true;

// Chooses the wide part as above, and checks what the double-word Horner
// steps rely on: at each, the rest of the sum is at most half the term.
void ChooseWide(Series& s, const std::vector<Big>& termSizes, const Big& least)
{
    for (s.wide = 1; s.wide < s.terms; ++s.wide) {
        Big rest = 0;
        for (int n = s.wide; n < s.terms; ++n)
            rest += termSizes[n];
        const double share = Log2((kU * (1 + s.terms) + Gamma(s.terms - s.wide)) * rest / least);
        if (share <= -kStorageBits) {
            s.storage = share;
            break;
        }
    }
    for (int n = 0; n < s.wide; ++n) {
        Big rest = 0;
        for (int m = n + 1; m < s.terms; ++m)
            rest += termSizes[m];
        tablesHold = tablesHold && rest <= termSizes[n] / 2;
    }
}

// The first `count` coefficients' leading (or trailing) doubles, as C++.
std::string Parts(const std::vector<Big>& c, int count, bool leading)
{
    std::string out;
    for (int n = 0; n < count; ++n)
        out += (n ? ", " : "") + Hex(leading ? Split(c[n]).hi : Split(c[n]).lo);
    return out;
}

// A series' size and its coefficients, as kNameTerms, kNameWide, kNameHi and kNameLo.
void WriteSeries(std::ostream& out, const std::string& name, const Series& s, const std::vector<Big>& c)
{
    out << "inline constexpr int k" << name << "Terms = " << s.terms << ";\n";
    out << "inline constexpr int k" << name << "Wide = " << s.wide << ";\n";
    out << "inline constexpr double k" << name << "Hi[] = {" << Parts(c, s.terms, true) << "};\n";
    out << "inline constexpr double k" << name << "Lo[] = {" << Parts(c, s.wide, false) << "};\n\n";
}

// Mills ratio rows: u in [2^e, 2^(e+1)) has 16 cells, each expanded about its
// centre; rows 8 to 99 cover u from 0.75 to 38.5.
const int kFirstRow = 8, kLastRow = 99;

Big RowCentre(int k) { return ldexp(Big(1) + (Big(k % 16) + Big(0.5)) / 16, k / 16 - 1); }
Big RowHalfWidth(int k) { return ldexp(Big(1), k / 16 - 1 - 5) * (1 + ldexp(Big(1), -30)); }

}  // namespace

int main(int argc, char** argv)
{
    struct Cell {
        Big centre, half, left, mid, right;  // M at the left end, centre and right end
    };
    std::vector<Cell> cells;
    for (int k = kFirstRow; k <= kLastRow; ++k) {
        const Big c = RowCentre(k), h = RowHalfWidth(k);
        cells.push_back({c, h, Mills(c - h), Mills(c), Mills(c + h)});
    }

    std::ostringstream out;
    out << "// Generated by tools/normaltables, which verifies the bounds quoted here. Do not edit.\n\n";

    // Mills ratio rows: one degree for all, the largest any row needs.
    Series mills;
    for (mills.terms = 4;; ++mills.terms) {
        bool enough = true;
        for (const Cell& cell : cells) {
            // |M^(n)| decreases with u, so the remainder is largest with the
            // derivative at the cell's left end; M itself is least at the right end.
            const std::vector<Big> left = MillsTaylor(cell.centre - cell.half, cell.left, mills.terms);
            const Big remainder = abs(left[mills.terms]) * pow(cell.half, mills.terms);
            enough = enough && Log2(remainder / cell.right) <= -kTruncationBits;
        }
        if (enough)
            break;
    }
    mills.wide = 0;
    mills.truncation = -kTruncationBits;
    {
        int wide = 1;
        double storage = -1e9;
        for (const Cell& cell : cells) {
            Series s = mills;
            ChooseWide(s, TermSizes(MillsTaylor(cell.centre, cell.mid, mills.terms), mills.terms, cell.half),
                       cell.right);
            wide = std::max(wide, s.wide);
        }
        mills.wide = wide;
        for (const Cell& cell : cells) {
            const std::vector<Big> b = MillsTaylor(cell.centre, cell.mid, mills.terms);
            Big rest = 0;
            for (int n = mills.wide; n < mills.terms; ++n)
                rest += abs(b[n]) * pow(cell.half, n);
            storage = std::max(storage, Log2((kU * (1 + mills.terms) + Gamma(mills.terms - mills.wide)) * rest / cell.right));
        }
        mills.storage = storage;
    }
    out << "// Mills ratio M(u) = Q(u) / phi(u) on [0.75, 38.5]: row k expands M about the centre\n"
           "// of a cell 1/16 of an octave wide. Over each cell the Taylor remainder is below\n"
           "// 2^" << -kTruncationBits << " of M, and rounding the coefficients from kMillsWide on to double and\n"
           "// summing them in double costs below 2^" << static_cast<int>(std::floor(mills.storage)) + 1 << " of M.\n";
    out << "inline constexpr int kMillsFirstRow = " << kFirstRow << ";\n";
    out << "inline constexpr int kMillsTerms = " << mills.terms << ";\n";
    out << "inline constexpr int kMillsWide = " << mills.wide << ";\n";
    out << "struct MillsRow {\n    double centre;\n    double hi[kMillsTerms];\n    double lo[kMillsWide];\n};\n";
    out << "inline constexpr MillsRow kMills[] = {\n";
    for (const Cell& cell : cells) {
        const std::vector<Big> b = MillsTaylor(cell.centre, cell.mid, mills.terms);
        out << "    {" << Hex(cell.centre.convert_to<double>()) << ",\n     {" << Parts(b, mills.terms, true)
            << "},\n     {" << Parts(b, mills.wide, false) << "}},\n";
    }
    out << "};\n\n";

    // The centre: Phi(z) - 1/2 = phi(z) G(z), G(z) = z * sum of w^k / (2k+1)!!, w = z^2.
    const Big wMax = Big(0.75) * Big(0.75);
    Series centre;
    std::vector<Big> c(1, Big(1));
    for (centre.terms = 1;; ++centre.terms) {
        // All terms are positive and each is below half the one before, so the
        // remainder is below twice the first term left out.
        c.push_back(c.back() / (2 * centre.terms + 1));
        const double share = Log2(2 * c[centre.terms] * pow(wMax, centre.terms));
        if (share <= -kTruncationBits)
            break;
    }
    ChooseWide(centre, TermSizes(c, centre.terms, wMax), Big(1));
    out << "// G(z) / z = sum of w^k / (2k+1)!!, w = z^2 < 0.5625: the remainder is below 2^" << -kTruncationBits
        << "\n// of G / z, and the double part costs below 2^" << static_cast<int>(std::floor(centre.storage)) + 1
        << ".\n";
    WriteSeries(out, "Centre", centre, c);

    // exp(r) for |r| <= ln 2 / 64 (with room for the reduction's slack).
    const Big ln2 = boost::math::constants::ln_two<Big>();
    const Big rMax = ln2 / 64 * (1 + ldexp(Big(1), -20));
    Series expo;
    std::vector<Big> f(1, Big(1));
    for (expo.terms = 1;; ++expo.terms) {
        f.push_back(f.back() / expo.terms);
        // Lagrange: the remainder is at most e^|r| |r|^n / n!, against exp(r) >= e^-|r|.
        const double share = Log2(exp(2 * rMax) * f[expo.terms] * pow(rMax, expo.terms));
        if (share <= -kTruncationBits)
            break;
    }
    ChooseWide(expo, TermSizes(f, expo.terms, rMax), exp(-rMax));
    out << "// exp(r) = sum of r^n / n! for |r| <= ln 2 / 64: the remainder is below 2^" << -kTruncationBits
        << " of exp(r),\n// and the double part costs below 2^" << static_cast<int>(std::floor(expo.storage)) + 1
        << ".\n";
    WriteSeries(out, "Exp", expo, f);

    // 2^(j/32) / sqrt(2 pi) as double-double, for the density, and ln 2 / 32
    // in three parts: the first with 37 significant bits, so that k times it
    // is exact for |k| < 2^16.
    out << "// 2^(j/32) / sqrt(2 pi), to 2^-106.\ninline constexpr double kDensityHi[] = {";
    std::string lo;
    for (int j = 0; j < 32; ++j) {
        const Wide w = Split(pow(Big(2), Big(j) / 32) / sqrt(2 * kPi));
        out << (j ? ", " : "") << Hex(w.hi);
        lo += (j ? ", " : "") + Hex(w.lo);
    }
    out << "};\ninline constexpr double kDensityLo[] = {" << lo << "};\n";
    const Big step = ln2 / 32;
    const Big l1 = ldexp(round(ldexp(step, 37 + 5)), -(37 + 5));
    const double l2 = Big(step - l1).convert_to<double>();
    const double l3 = Big(step - l1 - l2).convert_to<double>();
    out << "// ln 2 / 32 = kLnStep1 + kLnStep2 + kLnStep3 to 2^-150; kLnStep1 has 37 significant bits.\n";
    out << "inline constexpr double kLnStep1 = " << Hex(l1.convert_to<double>()) << ";\n";
    out << "inline constexpr double kLnStep2 = " << Hex(l2) << ";\n";
    out << "inline constexpr double kLnStep3 = " << Hex(l3) << ";\n";
    out << "inline constexpr double kStepsPerLn2 = " << Hex(Big(32 / ln2).convert_to<double>()) << ";\n";
    // Beyond these the correctly rounded CDF is certain without evaluation.
    const Big q0 = boost::math::erfc(Big(38.5) / sqrt(Big(2))) / 2;
    const Big q1 = boost::math::erfc(Big(8.3) / sqrt(Big(2))) / 2;
    if (!tablesHold || !(q0 < ldexp(Big(1), -1075)) || !(q1 < ldexp(Big(1), -54))) {
        std::cerr << "normaltables: a bound no longer holds\n";
        return 1;
    }
    out << "// Phi(-38.5) < 2^-1075, so below it Phi rounds to 0; Phi(-8.3) < 2^-54, so above 8.3 it rounds to 1.\n";
    out << "inline constexpr double kCdfZero = -38.5;\n";
    out << "inline constexpr double kCdfOne = 8.3;\n";

    if (argc == 3 && std::string(argv[1]) == "--check") {
        std::ifstream in(argv[2]);
        std::stringstream committed;
        committed << in.rdbuf();
        if (committed.str() != out.str()) {
            std::cerr << "normaltables: " << argv[2] << " is not what this prints; regenerate it\n";
            return 1;
        }
        return 0;
    }
    std::cout << out.str();
}
