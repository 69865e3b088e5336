#ifndef MERVANE_TESTS_SUPPORT_REFERENCENORMAL_H
#define MERVANE_TESTS_SUPPORT_REFERENCENORMAL_H

// A 50-digit reference for the normal distribution, and the error of a double
// against it in units in the last place, measured without rounding the
// reference to double first.

#include <cmath>
#include <cstdint>
#include <limits>

#include <boost/math/distributions/normal.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

namespace reference {

using Exact = boost::multiprecision::cpp_bin_float_50;

inline Exact Cdf(const Exact& x) { return boost::math::cdf(boost::math::normal_distribution<Exact>(), x); }
inline Exact Quantile(const Exact& p) { return boost::math::quantile(boost::math::normal_distribution<Exact>(), p); }
inline Exact Cdf(double x) { return Cdf(Exact(x)); }
inline Exact Quantile(double p) { return Quantile(Exact(p)); }

// |got - exact| in units of the spacing of doubles at the exact value.
inline double UlpError(double got, const Exact& exact)
{
    if (exact == 0)
        return got == 0 ? 0.0 : std::numeric_limits<double>::infinity();
    int e = 0;
    boost::multiprecision::frexp(abs(exact), &e);  // |exact| in [2^(e-1), 2^e)
    const int spacingExponent = std::max(e - 53, -1074);
    const Exact spacing = ldexp(Exact(1), spacingExponent);
    return static_cast<double>(Exact(abs(Exact(got) - exact) / spacing));
}

// A fixed sample, the same on every machine: doubles built from a 64-bit
// linear congruential sequence rather than from a library distribution.
class Sample {
public:
    explicit Sample(std::uint64_t seed) : state_(seed) {}

    // Uniform in [lo, hi).
    double Uniform(double lo, double hi)
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        const double unit = static_cast<double>(state_ >> 11) * 0x1p-53;
        return lo + (hi - lo) * unit;
    }

    // A CDF argument over the whole range where the result is not 0 or 1.
    double CdfArgument() { return Uniform(-38.0, 9.0); }

    // A probability from 1e-300 to 1 - 1e-16, both tails spread logarithmically.
    double Probability()
    {
        const bool lower = Uniform(0, 1) < 0.5;
        const double tail = lower ? std::pow(10.0, Uniform(-300, std::log10(0.5)))
                                  : std::pow(10.0, Uniform(-16, std::log10(0.5)));
        return lower ? tail : 1 - tail;
    }

private:
    std::uint64_t state_;
};

}  // namespace reference

#endif
