#ifndef MERVANE_CORE_STATS_STUDENTST_H
#define MERVANE_CORE_STATS_STUDENTST_H

#include <optional>
#include <utility>

// Student's t distribution, central and non-central, as the tests of a case
// against a small control sample need them: Boost.Math's, evaluated in
// double (not promoted to long double, which the browser edition runs as a
// slow 128-bit software type), so that both editions compute alike. A value
// beyond what the distributions can evaluate throws a std::exception.
namespace core {
class StatisticsComponent;
}

namespace core::stats {

// P(T <= t) for Student's t on df degrees of freedom.
double StudentsTCdf(double df, double t);

// Crawford and Howell's (1998) modified t test of a case whose z score on
// the controls' mean and SD is z, against n controls: t, on n - 1 degrees of
// freedom, and P(T <= t), the share of controls expected below the case.
struct CaseTest {
    double t, below;
};
CaseTest CrawfordHowell(double z, double n);

// The non-centrality at which the non-central t on df degrees of freedom has
// P(T <= tObserved) = target, found by TOMS 748 within a bracket doubled
// outward at most 80 times; nullopt where none is found.
std::optional<double> NonCentrality(double df, double tObserved, double target);

// The confidence limits at `level` percent of the non-centrality of a
// non-central t on df degrees of freedom observed at tObserved (Crawford and
// Garthwaite's limits): the non-centralities that put tObserved at each end
// of the interval, the lower first; nullopt where either cannot be found.
std::optional<std::pair<double, double>> NonCentralLimits(double df, double tObserved, double level);

// Crawford and Garthwaite's limits on an effect size z whose estimate,
// divided by `scale`, is a non-central t on df degrees of freedom (for one
// case against n controls the scale is 1 / sqrt(n)): the limits on z, and
// the share of the population below each, from `normal`; nullopt where
// either cannot be found.
struct EffectLimits {
    double low, high;            // on z
    double belowLow, belowHigh;  // from 0 to 1
};
std::optional<EffectLimits> EffectSizeLimits(double df, double z, double scale, double level,
                                             StatisticsComponent& normal);

}  // namespace core::stats

#endif
