#include "core/normal.h"

#include <cmath>
#include <limits>

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

}  // namespace
