#include "core/stats/normal.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/referencenormal.h"

namespace {

using core::StatFailure;

TEST(ExactNormal, MatchesPublishedValuesToTheLastDigit)
{
    // Correctly rounded doubles of values computed to 80 digits with an
    // independent arbitrary-precision library.
    struct Row {
        double x;
        double cdf;
    };
    const Row cdfRows[] = {
        {-37.5, 4.605353009581955e-308}, {-20.0, 2.7536241186062337e-89}, {-10.0, 7.619853024160525e-24},
        {-1.0, 0.15865525393145705},     {0.5, 0.6914624612740131},       {1.0, 0.8413447460685429},
        {1.5, 0.9331927987311419},       {1.96, 0.9750021048517795},      {2.58, 0.9950599842422293},
        {5.0, 0.9999997133484281},       {8.5, 1.0},
    };
    core::ExactNormal normal;
    for (const Row& row : cdfRows) {
        SCOPED_TRACE(row.x);
        EXPECT_EQ(normal.NormalCdf(row.x, 0, 1).value, row.cdf);
    }
    struct QRow {
        double p;
        double quantile;
    };
    const QRow quantileRows[] = {
        {1e-300, -37.0470962993612},      {1e-20, -9.262340089798407},     {0.0001, -3.7190164854556804},
        {0.025, -1.9599639845400543},     {0.25, -0.6744897501960817},     {0.5, 0.0},
        {0.75, 0.6744897501960817},       {0.9, 1.2815515655446006},       {0.975, 1.9599639845400538},
        {0.995, 2.5758293035489004},      {0.999999, 4.753424308817087},   {1 - 0x1p-53, 8.209536151601387},
    };
    for (const QRow& row : quantileRows) {
        SCOPED_TRACE(row.p);
        EXPECT_EQ(normal.NormalQuantile(row.p, 0, 1).value, row.quantile);
    }
}

TEST(ExactNormal, IsCorrectlyRoundedOverTheWholeRange)
{
    // A smaller sample than the benchmark's, enough to catch a lost tail.
    constexpr int kPoints = 1500;
    core::ExactNormal normal;
    reference::Sample sample(20261207);
    double worstCdf = 0, worstQuantile = 0;
    int roughCdf = 0, roughQuantile = 0;
    for (int i = 0; i < kPoints; ++i) {
        const double x = sample.CdfArgument();
        const double e = reference::UlpError(normal.NormalCdf(x, 0, 1).value, reference::Cdf(x));
        worstCdf = std::max(worstCdf, e);
        roughCdf += e > 0.5;
        const double p = sample.Probability();
        const double q = reference::UlpError(normal.NormalQuantile(p, 0, 1).value, reference::Quantile(p));
        worstQuantile = std::max(worstQuantile, q);
        roughQuantile += q > 0.5;
    }
    EXPECT_LE(worstCdf, 1.0);
    EXPECT_LE(worstQuantile, 1.0);
    EXPECT_EQ(roughCdf, 0);
    EXPECT_EQ(roughQuantile, 0);
}

TEST(ExactNormal, RefusesWhatDescribesNoDistribution)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::nan("");
    struct Row {
        bool quantile;
        double a, mean, sd;
        StatFailure why;
    };
    const Row rows[] = {
        {false, 1, 0, 0, StatFailure::NonPositiveSd},         {true, 0.5, 0, -1, StatFailure::NonPositiveSd},
        {false, inf, 0, 1, StatFailure::NonFiniteArgument},   {false, 1, nan, 1, StatFailure::NonFiniteArgument},
        {true, 0.5, 0, inf, StatFailure::NonFiniteArgument},  {true, nan, 0, 1, StatFailure::NonFiniteArgument},
        {true, -0.1, 0, 1, StatFailure::ProbabilityOutOfRange}, {true, 1.5, 0, 1, StatFailure::ProbabilityOutOfRange},
        {true, 0.999, 0, 1e308, StatFailure::Overflow},
    };
    core::ExactNormal normal;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.a << " " << row.mean << " " << row.sd);
        const core::StatOutcome out =
            row.quantile ? normal.NormalQuantile(row.a, row.mean, row.sd) : normal.NormalCdf(row.a, row.mean, row.sd);
        EXPECT_EQ(out.failure, row.why);
    }
}

TEST(ExactNormal, QuantileIsInfiniteAtTheEnds)
{
    core::ExactNormal normal;
    EXPECT_EQ(normal.NormalQuantile(0, 50, 10).value, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(normal.NormalQuantile(1, 50, 10).value, std::numeric_limits<double>::infinity());
    EXPECT_TRUE(normal.NormalQuantile(1, 50, 10).Ok());
}

// The best rational approximations p / q of a > 0 with q below the limit,
// from its continued fraction.
std::vector<std::pair<double, double>> Convergents(reference::Exact a, double limit)
{
    std::vector<std::pair<double, double>> out;
    reference::Exact p0 = 1, q0 = 0, p1 = floor(a), q1 = 1;
    for (reference::Exact rest = a - p1; rest != 0 && q1 < limit;) {
        out.emplace_back(p1.convert_to<double>(), q1.convert_to<double>());
        const reference::Exact inverse = 1 / rest, term = floor(inverse);
        rest = inverse - term;
        const reference::Exact p2 = term * p1 + p0, q2 = term * q1 + q0;
        p0 = p1, q0 = q1, p1 = p2, q1 = q2;
    }
    return out;
}

// Arguments whose exact result lies within about 2^-80 of the midpoint
// between two doubles: the fast evaluation cannot settle the rounding, and
// the 113-bit one must round to the nearer side.
TEST(ExactNormal, FallsBackNearARoundingBoundaryAndRoundsCorrectly)
{
    core::ExactNormal normal;
    // Phi(x / sd) at the midpoint above a double: x / sd approximates the
    // quantile of that midpoint.
    for (const double below : {0.7, 0.9, 0.123, 1e-300}) {
        SCOPED_TRACE(below);
        const reference::Exact midpoint =
            (reference::Exact(below) + reference::Exact(std::nextafter(below, 1.0))) / 2;
        const reference::Exact z = reference::Quantile(midpoint);
        const auto [x, sd] = Convergents(abs(z), 0x1p40).back();
        const double signedX = z < 0 ? -x : x;
        const std::uint64_t before = core::NormalFallbacks();
        const core::StatOutcome got = normal.NormalCdf(signedX, 0, sd);
        EXPECT_EQ(core::NormalFallbacks(), before + 1);
        EXPECT_LE(reference::UlpError(got.value, reference::Cdf(reference::Exact(signedX) / sd)), 0.5);
    }
    // mean + sd * quantile(p) at a midpoint: sd * quantile(p) nears a whole
    // number n = 2^k times odd, and |mean| = 2^(53+k) puts it half-way
    // between the doubles, which there are 2^(k+1) apart.
    for (const double p : {0.975, 0.3, 1e-200}) {
        SCOPED_TRACE(p);
        const reference::Exact z = reference::Quantile(p);
        const auto [n, sd] = Convergents(abs(z), 0x1p40).back();
        const double mean = std::copysign(std::ldexp(1.0, 53 + std::countr_zero(static_cast<std::uint64_t>(n))),
                                          z.convert_to<double>());
        const std::uint64_t before = core::NormalFallbacks();
        const core::StatOutcome got = normal.NormalQuantile(p, mean, sd);
        EXPECT_EQ(core::NormalFallbacks(), before + 1);
        EXPECT_LE(reference::UlpError(got.value, reference::Exact(mean) + reference::Exact(sd) * z), 0.5);
    }
}

// The 113-bit path on its own: the fast path answers this input itself now.
TEST(WideNormal, ScalesTheQuantileInWidePrecisionAndRoundsOnce)
{
    // sd times the quantile of 0.95 is 534457114103740.5589 (50 digits, mpmath); doubles here are 1/16
    // apart. With the quantile rounded to double first, the product rounds to ...740.5 instead.
    core::WideNormal wide;
    EXPECT_EQ(wide.NormalQuantile(0.95, 0, 324926853883217).value, 534457114103740.5625);
    EXPECT_EQ(wide.NormalQuantile(0.95, 0.5, 324926853883217).value, 534457114103741.0625);
    EXPECT_EQ(wide.NormalCdf(1, 0, 1).value, 0.8413447460685429);
    EXPECT_EQ(wide.NormalQuantile(0, 0, 1).value, -HUGE_VAL);
    EXPECT_EQ(wide.NormalCdf(1, 0, 0).failure, StatFailure::NonPositiveSd);
}

}  // namespace
