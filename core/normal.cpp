#include "core/normal.h"

#include <cmath>
#include <exception>

#include <boost/math/distributions/normal.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>

namespace core {
namespace {

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

}  // namespace

StatOutcome ExactNormal::NormalCdf(double x, double mean, double sd)
{
    if (const StatFailure why = CheckParameters(x, mean, sd); why != StatFailure::None)
        return Fail(why);
    try {
        const Wide z = (Wide(x) - Wide(mean)) / Wide(sd);
        return Narrow(boost::math::cdf(StandardNormal(), z));
    } catch (const std::exception&) {
        return Fail(StatFailure::Internal);
    }
}

StatOutcome ExactNormal::NormalQuantile(double p, double mean, double sd)
{
    if (const StatFailure why = CheckParameters(p, mean, sd); why != StatFailure::None)
        return Fail(why);
    if (p < 0 || p > 1)
        return Fail(StatFailure::ProbabilityOutOfRange);
    if (p == 0)
        return {-HUGE_VAL, StatFailure::None};
    if (p == 1)
        return {HUGE_VAL, StatFailure::None};
    try {
        const Wide z = boost::math::quantile(StandardNormal(), Wide(p));
        return Narrow(Wide(mean) + Wide(sd) * z);
    } catch (const std::exception&) {
        return Fail(StatFailure::Internal);
    }
}

StatisticsComponent& SharedStatistics()
{
    // Never destroyed: the instance must outlive every window that may call it.
    static StatisticsComponent* const instance = new ExactNormal();
    return *instance;
}

}  // namespace core
