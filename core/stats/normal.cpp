#include "core/stats/normal.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <exception>
#include <optional>

#include <boost/math/distributions/normal.hpp>
#include <boost/version.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

#include "core/stats/doubleword.h"

// Boost.Math warms its constants for each type it is used with before main,
// so that threads cannot race to build them. Here that cost ~10 ms at every
// start of the browser edition, for a path that now runs rarely; the
// constants are function-local statics, which C++ builds safely on the first
// call anyway. The initialisers are internals of Boost.Math, with no
// documented switch: another Boost must be checked before it is built with.
static_assert(BOOST_VERSION == 107400,
              "Boost.Math's detail::erf_initializer and erf_inv_initializer are specialised for Boost 1.74; check "
              "that they still exist and still warm the constants before main in this version, then update this check");
namespace boost::math::detail {
template <class Policy, class Tag>
struct erf_initializer<multiprecision::cpp_bin_float_quad, Policy, Tag> {
    static void force_instantiate() {}
};
template <class Policy>
struct erf_inv_initializer<multiprecision::cpp_bin_float_quad, Policy> {
    static void force_instantiate() {}
};
}  // namespace boost::math::detail

namespace core {
namespace {

#include "core/stats/normaltables.inc"

using Wide = boost::multiprecision::cpp_bin_float_quad;

// Domain and evaluation errors throw, and the calls below turn them into a
// failure value: the arguments are validated first, so only a genuine
// evaluation fault is left. Overflow and underflow give infinity and zero,
// which Narrow checks.
using Policy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::throw_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::underflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::throw_on_error>>;

using StandardNormal = boost::math::normal_distribution<Wide, Policy>;

StatOutcome Fail(StatFailure why) { return {0.0, why}; }

StatFailure CheckParameters(double a, double mean, double sd)
{
    if (!std::isfinite(a) || !std::isfinite(mean) || !std::isfinite(sd))
        return StatFailure::NonFiniteArgument;
    if (!(sd > 0))
        return StatFailure::NonPositiveSd;
    return StatFailure::None;
}

// One rounding from the wide result to double.
StatOutcome Narrow(const Wide& value)
{
    const double d = value.convert_to<double>();
    if (std::isinf(d))
        return Fail(StatFailure::Overflow);
    if (std::isnan(d))
        return Fail(StatFailure::Internal);
    return {d, StatFailure::None};
}

StatOutcome WideCdf(double x, double mean, double sd)
{
    try {
        const Wide z = (Wide(x) - Wide(mean)) / Wide(sd);
        return Narrow(boost::math::cdf(StandardNormal(), z));
    } catch (const std::exception&) {
        return Fail(StatFailure::Internal);
    }
}

StatOutcome WideQuantile(double p, double mean, double sd)
{
    try {
        const Wide z = boost::math::quantile(StandardNormal(), Wide(p));
        return Narrow(Wide(mean) + Wide(sd) * z);
    } catch (const std::exception&) {
        return Fail(StatFailure::Internal);
    }
}

// ---- The fast path ------------------------------------------------------
//
// Both functions are first evaluated in double-word arithmetic with a proven
// bound on the error, and the result is kept only when rounding it to double
// is certain under that bound (Ziv's strategy); otherwise the wide path above
// decides. The bound, as a share of the value:
//
//   Taylor remainders of M, G and exp          2^-70 each (tools/normaltables
//   coefficients in double and their sums      2^-72        verifies them)
//   double-word operations, some 30 in a row   30 x 9u^2 < 2^-97
//   the argument: z = (x - mean) / sd is off by 3u^2 of z, which moves Phi
//     by (|z| + 1)|z| 3u^2 < 2^-94 of Phi (Mills: phi/Phi <= |z| + 1 for
//     z <= 0); squaring it for exp is off by 7u^2 z^2/2 < 2^-93
//   the exponent's reduction r = a - k ln2/32     below 2^-100
//
// Phi = phi M (or 1/2 + phi G, or 1 - phi M) multiplies at most two such
// terms, so its error is below 2^-68.6; kBound adds room. Even bounds on the
// double-word steps a hundred times larger than those quoted would fit.
constexpr double kBound = 0x1p-68;

std::atomic<std::uint64_t> fallbacks{0};

using dw::Dw;

// m * 2^exponent, kept apart so that a tiny value keeps its full precision.
struct Scaled {
    Dw m;
    int exponent = 0;
};

// phi(z) = exp(-z^2 / 2) / sqrt(2 pi), |z| <= 38.5: with a = -z^2 / 2 =
// k ln2/32 + r, phi(z) = 2^(k/32) / sqrt(2 pi) exp(r).
MERVANE_INLINE Scaled Density(Dw z)
{
    const Dw a = dw::Neg(dw::Scale(dw::Mul(z, z), -1));
    const double k = std::nearbyint(a.hi * kStepsPerLn2);
    // k * kLnStep1 is exact (37 bits by 16), and so is the subtraction (Sterbenz).
    const double r1 = a.hi - k * kLnStep1;
    const Dw p2 = dw::TwoProd(k, kLnStep2);
    const Dw r0 = dw::TwoSum(r1, -p2.hi);
    const Dw r = dw::FastTwoSum(r0.hi, r0.lo + ((a.lo - p2.lo) - k * kLnStep3));
    const int ki = static_cast<int>(k);
    const Dw e = dw::Horner(kExpHi, kExpLo, kExpTerms, kExpWide, r);
    return {dw::Mul(Dw{kDensityHi[ki & 31], kDensityLo[ki & 31]}, e), ki >> 5};
}

// The Mills ratio Q(u) / phi(u), 0.75 <= u <= 38.5, from the row of u's cell.
MERVANE_INLINE Dw Mills(Dw u)
{
    const std::uint64_t bits = dw::BitCast<std::uint64_t>(u.hi);
    const int cell = static_cast<int>(((bits >> 52) - 1022) * 16 + ((bits >> 48) & 15));
    const MillsRow& row = kMills[cell - kMillsFirstRow];
    // u.hi is within 1/32 of the centre, relatively: the subtraction is exact (Sterbenz).
    const Dw t = dw::TwoSum(u.hi - row.centre, u.lo);
    return dw::Horner(row.hi, row.lo, kMillsTerms, kMillsWide, t);
}

// G(z) = (Phi(z) - 1/2) / phi(z), |z| < 0.75.
MERVANE_INLINE Dw Centre(Dw z)
{
    return dw::Mul(dw::Horner(kCentreHi, kCentreLo, kCentreTerms, kCentreWide, dw::Mul(z, z)), z);
}

// m * 2^exponent rounded to double, if the error bound (in units of m)
// settles the rounding. The value is positive, between 2^-1100 and 2^1000.
MERVANE_INLINE std::optional<double> Round(Dw m, int exponent, double error)
{
    m = dw::FastTwoSum(m.hi, m.lo);
    // m.hi in [2^(e-1), 2^e)
    const int e = static_cast<int>(dw::BitCast<std::uint64_t>(m.hi) >> 52) - 1022;
    // The result's spacing, 2^grid: 53 bits, or the subnormals' fixed step.
    const int grid = std::max(e - 1 + exponent - 52, -1074);
    const double scale = dw::Pow2(exponent - grid);
    const double sh = m.hi * scale, sl = m.lo * scale;  // exact: sh < 2^53
    // Round to the nearest integer: below 2^52, adding 2^52 does it.
    double n = sh >= 0x1p52 ? sh : (sh + 0x1p52) - 0x1p52;
    double d = (sh - n) + sl;  // sh - n is exact
    // sh may lie half-way, with sl deciding: step to the nearer integer.
    if (d > 0.5) {
        n += 1;
        d -= 1;
    } else if (d < -0.5) {
        n -= 1;
        d += 1;
    }
    const double bound = error * scale * (1 + 0x1p-50) + std::fabs(d) * 0x1p-52;
    // Just below a power of two the spacing halves.
    const double half = n == 0x1p52 && grid > -1074 ? 0.25 : 0.5;
    if (!(std::fabs(d) + bound < half))
        return std::nullopt;
    // Exact, the last step perhaps into the subnormals.
    return dw::Scale(n, grid);
}

// The same for a value of either sign, in the normal range.
MERVANE_INLINE std::optional<double> RoundSigned(Dw v, double error)
{
    const double a = std::fabs(v.hi);
    if (a == 0 && error == 0)
        return 0.0;
    if (!(a > 0x1p-960 && a < 0x1p1000))
        return std::nullopt;
    const std::optional<double> r = Round(v.hi < 0 ? dw::Neg(v) : v, 0, error);
    if (r && v.hi < 0)
        return -*r;
    return r;
}

MERVANE_FMA_CLONES std::optional<double> FastCdf(double x, double mean, double sd)
{
    const Dw z = dw::Div(dw::TwoSum(x, -mean), sd);
    if (!std::isfinite(z.hi) || !std::isfinite(z.lo) || std::fabs(z.hi) > 0x1p900)
        return std::nullopt;
    // z lies within 2^-40 of z.hi, far inside the cut-offs' margins.
    if (z.hi <= kCdfZero)
        return 0.0;
    if (z.hi >= kCdfOne)
        return 1.0;
    const Scaled phi = Density(z);
    if (std::fabs(z.hi) < 0.75) {
        const Dw v = dw::Add(dw::Mul(dw::Scale(phi.m, phi.exponent), Centre(z)), 0.5);
        return Round(v, 0, kBound * v.hi);
    }
    const Dw tail = dw::Mul(phi.m, Mills(z.hi < 0 ? dw::Neg(z) : z));  // Q(|z|) / 2^exponent
    if (z.hi < 0)
        return Round(tail, phi.exponent, kBound * tail.hi);
    const Dw v = dw::Add(dw::Neg(dw::Scale(tail, phi.exponent)), 1.0);
    return Round(v, 0, kBound * v.hi);
}

// A first guess at the lower quantile, 0 < q <= 1/2, relative error below
// 1.15e-9 (Acklam's rational approximations). Any guess would do: the step
// below measures how far off it was.
MERVANE_INLINE double Guess(double q)
{
    if (q < 0.02425) {
        const double s = std::sqrt(-2 * std::log(q));
        return (((((-7.784894002430293e-03 * s - 3.223964580411365e-01) * s - 2.400758277161838e+00) * s -
                  2.549732539343734e+00) * s + 4.374664141464968e+00) * s + 2.938163982698783e+00) /
               ((((7.784695709041462e-03 * s + 3.224671290700398e-01) * s + 2.445134137142996e+00) * s +
                 3.754408661907416e+00) * s + 1);
    }
    const double c = q - 0.5, r = c * c;
    return (((((-3.969683028665376e+01 * r + 2.209460984245205e+02) * r - 2.759285104469687e+02) * r +
              1.383577518672690e+02) * r - 3.066479806614716e+01) * r + 2.506628277459239e+00) * c /
           (((((-5.447609879822406e+01 * r + 1.615858368580409e+02) * r - 1.556989798598866e+02) * r +
              6.680131188771972e+01) * r - 1.328068155288572e+01) * r + 1);
}

MERVANE_FMA_CLONES std::optional<double> FastQuantile(double p, double mean, double sd)
{
    const bool upper = p > 0.5;
    const double q = upper ? 1 - p : p;  // exact (Sterbenz)
    const double z0 = Guess(q);
    if (!(z0 <= 0 && z0 > -38.5))
        return std::nullopt;
    // u = (Phi(z0) - q) / phi(z0), with its error bound. The residual is
    // taken in double-words; dividing its leading double by phi's in double
    // costs below 2^-51 of u.
    const Scaled phi = Density(Dw{z0, 0});
    double u = 0, uErr = 0;
    if (z0 > -0.75) {
        const Dw g = Centre(Dw{z0, 0});
        const Dw density = dw::Scale(phi.m, phi.exponent);
        u = dw::Add(dw::Mul(g, density), dw::TwoSum(0.5, -q)).hi / density.hi;
        uErr = kBound * std::fabs(g.hi);
    } else {
        // Both terms in units of 2^exponent.
        const Dw m = Mills(Dw{-z0, 0});
        u = dw::Add(dw::Mul(m, phi.m), -dw::Scale(q, -phi.exponent)).hi / phi.m.hi;
        uErr = kBound * m.hi;
    }
    uErr += std::fabs(u) * 0x1p-51;
    const double a = std::fabs(z0), uh = std::fabs(u);
    if (!(uh * (a + 1) <= 0x1p-12))
        return std::nullopt;
    // The quantile's Taylor series about Phi(z0) to second order is
    // z0 - u + z0 u^2 / 2. Its remainder is g3(xi) (u phi(z0))^3 / 6, where
    // the third derivative g3 = (1 + 2g^2) / phi(g)^3 is taken within 2|u|
    // of z0, where phi changes by a factor below e^(4|u|(|z0| + 1)), so
    // below 1.001 cubed. A step off by uErr in u is off by below
    // (1 + |z0 u|) uErr.
    const double square = z0 * u * u * 0.5;
    const Dw z1 = dw::Add(dw::TwoSum(z0, -u), square);
    const double cubic = (1 + 2 * (a + 2 * uh) * (a + 2 * uh)) / 6 * uh * uh * uh * 1.01;
    const double zErr = 1.01 * uErr + cubic + std::fabs(square) * 0x1p-51 + std::fabs(z1.hi) * 0x1p-100;
    const Dw z = upper ? dw::Neg(z1) : z1;
    const Dw scaled = dw::Mul(z, sd);
    const Dw v = dw::Add(scaled, mean);
    const double error =
        std::fabs(sd) * zErr * (1 + 0x1p-50) + (std::fabs(scaled.hi) + std::fabs(v.hi)) * 0x1p-103;
    return RoundSigned(v, error);
}

// The refusals both components share, and the ends of the quantile.
std::optional<StatOutcome> Refused(double x, double mean, double sd)
{
    if (const StatFailure why = CheckParameters(x, mean, sd); why != StatFailure::None)
        return Fail(why);
    return std::nullopt;
}

std::optional<StatOutcome> RefusedOrEnd(double p, double mean, double sd)
{
    if (const std::optional<StatOutcome> refused = Refused(p, mean, sd))
        return refused;
    if (p < 0 || p > 1)
        return Fail(StatFailure::ProbabilityOutOfRange);
    if (p == 0)
        return StatOutcome{-HUGE_VAL, StatFailure::None};
    if (p == 1)
        return StatOutcome{HUGE_VAL, StatFailure::None};
    return std::nullopt;
}

}  // namespace

StatOutcome ExactNormal::NormalCdf(double x, double mean, double sd)
{
    if (const std::optional<StatOutcome> refused = Refused(x, mean, sd))
        return *refused;
    if (const std::optional<double> fast = FastCdf(x, mean, sd))
        return {*fast, StatFailure::None};
    fallbacks.fetch_add(1, std::memory_order_relaxed);
    return WideCdf(x, mean, sd);
}

StatOutcome ExactNormal::NormalQuantile(double p, double mean, double sd)
{
    if (const std::optional<StatOutcome> end = RefusedOrEnd(p, mean, sd))
        return *end;
    if (const std::optional<double> fast = FastQuantile(p, mean, sd))
        return {*fast, StatFailure::None};
    fallbacks.fetch_add(1, std::memory_order_relaxed);
    return WideQuantile(p, mean, sd);
}

StatOutcome WideNormal::NormalCdf(double x, double mean, double sd)
{
    if (const std::optional<StatOutcome> refused = Refused(x, mean, sd))
        return *refused;
    return WideCdf(x, mean, sd);
}

StatOutcome WideNormal::NormalQuantile(double p, double mean, double sd)
{
    if (const std::optional<StatOutcome> end = RefusedOrEnd(p, mean, sd))
        return *end;
    return WideQuantile(p, mean, sd);
}

std::uint64_t NormalFallbacks() { return fallbacks.load(std::memory_order_relaxed); }

StatisticsComponent& SharedStatistics()
{
    // Never destroyed: the instance must outlive every window that may call it.
    static StatisticsComponent* const instance = new ExactNormal();
    return *instance;
}

}  // namespace core
