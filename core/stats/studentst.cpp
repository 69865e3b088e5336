#include "core/stats/studentst.h"

#include "core/stats/normal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include <boost/math/distributions/non_central_t.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <boost/math/tools/toms748_solve.hpp>

namespace core::stats {
namespace {

// Domain and evaluation errors throw, and the callers turn them into their
// message; they check the arguments before, so only a value beyond what the
// distributions can evaluate is left. Evaluated in double, not promoted to
// long double: the browser's long double is a 128-bit software type, which made
// one Go thirty times slower there, and both editions then compute alike.
using Policy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::throw_on_error>,
    boost::math::policies::overflow_error<boost::math::policies::throw_on_error>,
    boost::math::policies::evaluation_error<boost::math::policies::throw_on_error>,
    boost::math::policies::promote_double<false>>;

constexpr int kDoublings = 80;          // brackets up to 2^80 from the observed t
constexpr std::uintmax_t kSteps = 100;  // TOMS 748 iterations, far more than a root to 50 bits needs

}  // namespace

double StudentsTCdf(double df, double t)
{
    return boost::math::cdf(boost::math::students_t_distribution<double, Policy>(df), t);
}

CaseTest CrawfordHowell(double z, double n)
{
    const double t = z / std::sqrt((n + 1) / n);
    return {t, StudentsTCdf(n - 1, t)};
}

// The probability falls as the non-centrality grows, so the root lies below
// tObserved for a target above the median.
std::optional<double> NonCentrality(double df, double tObserved, double target)
{
    const auto f = [&](double delta) {
        return boost::math::cdf(boost::math::non_central_t_distribution<double, Policy>(df, delta), tObserved) - target;
    };
    const double outward = f(tObserved) > 0 ? 1 : -1;
    double step = 1, far = tObserved;
    for (int i = 0; i < kDoublings && (f(far) > 0) == (outward > 0); ++i, step *= 2)
        far = tObserved + outward * step;
    if ((f(far) > 0) == (outward > 0))
        return std::nullopt;
    std::uintmax_t steps = kSteps;
    const auto [lo, hi] = boost::math::tools::toms748_solve(f, std::min(tObserved, far), std::max(tObserved, far),
                                                            boost::math::tools::eps_tolerance<double>(50), steps);
    if (steps >= kSteps)
        return std::nullopt;
    return lo + (hi - lo) / 2;
}

std::optional<std::pair<double, double>> NonCentralLimits(double df, double tObserved, double level)
{
    const double alpha = 1 - level / 100;
    const std::optional<double> low = NonCentrality(df, tObserved, 1 - alpha / 2);
    const std::optional<double> high = NonCentrality(df, tObserved, alpha / 2);
    if (!low || !high)
        return std::nullopt;
    return std::pair(*low, *high);
}

std::optional<EffectLimits> EffectSizeLimits(double df, double z, double scale, double level,
                                             StatisticsComponent& normal)
{
    const std::optional<std::pair<double, double>> t = NonCentralLimits(df, z / scale, level);
    if (!t)
        return std::nullopt;
    EffectLimits limits{t->first * scale, t->second * scale, 0, 0};
    const StatOutcome low = normal.NormalCdf(limits.low, 0, 1), high = normal.NormalCdf(limits.high, 0, 1);
    if (!low.Ok() || !high.Ok())
        return std::nullopt;
    limits.belowLow = low.value;
    limits.belowHigh = high.value;
    return limits;
}

}  // namespace core::stats
