// Accuracy and speed of the normal distribution, ours against plain
// Boost.Math in double, over a fixed sample of the whole range, and how
// often ours fell back to its 113-bit evaluation; then the accuracy of ours
// at the extremes.
//
//   build/bench/normal_accuracy [points]

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <boost/math/distributions/normal.hpp>

#include "core/stats/normal.h"
#include "tests/support/referencenormal.h"

namespace {

struct Figures {
    double maxUlp = 0;
    double correctlyRoundedPercent = 0;
    double usPerCall = 0;
    double fallbackPercent = 0;
};

Figures Measure(const std::vector<double>& args, const std::vector<reference::Exact>& exact,
                const std::function<double(double)>& f)
{
    std::vector<double> got(args.size());
    const std::uint64_t fallbacks = core::NormalFallbacks();
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < args.size(); ++i)
        got[i] = f(args[i]);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
    const double fell = static_cast<double>(core::NormalFallbacks() - fallbacks);

    Figures fig;
    std::size_t correct = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const double e = reference::UlpError(got[i], exact[i]);
        fig.maxUlp = std::max(fig.maxUlp, e);
        correct += e <= 0.5;
    }
    fig.correctlyRoundedPercent = 100.0 * static_cast<double>(correct) / static_cast<double>(args.size());
    fig.usPerCall = spent.count() / static_cast<double>(args.size());
    fig.fallbackPercent = 100.0 * fell / static_cast<double>(args.size());
    return fig;
}

void Print(const char* operation, const char* implementation, const Figures& fig)
{
    std::printf("%s %s max_ulp %.3f correctly_rounded_percent %.3f us_per_call %.3f", operation, implementation,
                fig.maxUlp, fig.correctlyRoundedPercent, fig.usPerCall);
    if (std::string(implementation) == "ours")
        std::printf(" fallback_percent %.4f", fig.fallbackPercent);
    std::printf("\n");
}

// The ends of each range: the last normal and the subnormal results of the
// CDF, the cut-offs where it becomes 0 and 1, and the smallest and the
// largest probabilities.
void Extremes(core::ExactNormal& ours)
{
    std::vector<double> xs, ps;
    reference::Sample sample(2);
    for (int i = 0; i < 2000; ++i) {
        xs.push_back(sample.Uniform(-38.6, -37.4));
        xs.push_back(sample.Uniform(8.2, 8.4));
        xs.push_back(sample.Uniform(-0.76, 0.76));
        ps.push_back(std::ldexp(sample.Uniform(1, 2), -static_cast<int>(sample.Uniform(1000, 1075))));
        ps.push_back(1 - std::ldexp(sample.Uniform(1, 2), -static_cast<int>(sample.Uniform(40, 54))));
        ps.push_back(sample.Uniform(0.2, 0.8));
    }
    for (const double x : {-38.5, -37.5, 8.3, 0.75, -0.75, 0.0})
        xs.push_back(x);
    for (const double p : {0x1p-1074, 0x1p-1022, 0.5, 1 - 0x1p-53, 0x1.fffffffffffffp-2, 0x1p-1})
        ps.push_back(p);
    std::vector<reference::Exact> cdfs, quantiles;
    for (const double x : xs)
        cdfs.push_back(reference::Cdf(x));
    for (const double p : ps)
        quantiles.push_back(reference::Quantile(p));
    Print("cdf_extremes", "ours", Measure(xs, cdfs, [&](double x) { return ours.NormalCdf(x, 0, 1).value; }));
    Print("quantile_extremes", "ours",
          Measure(ps, quantiles, [&](double p) { return ours.NormalQuantile(p, 0, 1).value; }));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::size_t points = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 100000;
    reference::Sample sample(1);
    std::vector<double> xs(points), ps(points);
    std::vector<reference::Exact> cdfs(points), quantiles(points);
    for (std::size_t i = 0; i < points; ++i) {
        xs[i] = sample.CdfArgument();
        ps[i] = sample.Probability();
        cdfs[i] = reference::Cdf(xs[i]);
        quantiles[i] = reference::Quantile(ps[i]);
    }

    core::ExactNormal ours;
    const boost::math::normal_distribution<double> plain;
    std::printf("points %zu\n", points);
    Print("cdf", "ours", Measure(xs, cdfs, [&](double x) { return ours.NormalCdf(x, 0, 1).value; }));
    Print("cdf", "boost_double", Measure(xs, cdfs, [&](double x) { return boost::math::cdf(plain, x); }));
    Print("quantile", "ours", Measure(ps, quantiles, [&](double p) { return ours.NormalQuantile(p, 0, 1).value; }));
    Print("quantile", "boost_double",
          Measure(ps, quantiles, [&](double p) { return boost::math::quantile(plain, p); }));
    Extremes(ours);
}
