// Accuracy and speed of the normal distribution, ours against plain
// Boost.Math in double, over a fixed sample of the whole range.
//
//   build/bench/normal_accuracy [points]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <boost/math/distributions/normal.hpp>

#include "core/normal.h"
#include "tests/support/referencenormal.h"

namespace {

struct Figures {
    double maxUlp = 0;
    double correctlyRoundedPercent = 0;
    double usPerCall = 0;
};

Figures Measure(const std::vector<double>& args, const std::vector<reference::Exact>& exact,
                const std::function<double(double)>& f)
{
    std::vector<double> got(args.size());
    const auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < args.size(); ++i)
        got[i] = f(args[i]);
    const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;

    Figures fig;
    std::size_t correct = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const double e = reference::UlpError(got[i], exact[i]);
        fig.maxUlp = std::max(fig.maxUlp, e);
        correct += e <= 0.5;
    }
    fig.correctlyRoundedPercent = 100.0 * static_cast<double>(correct) / static_cast<double>(args.size());
    fig.usPerCall = spent.count() / static_cast<double>(args.size());
    return fig;
}

void Print(const char* operation, const char* implementation, const Figures& fig)
{
    std::printf("%s %s max_ulp %.3f correctly_rounded_percent %.3f us_per_call %.2f\n", operation, implementation,
                fig.maxUlp, fig.correctlyRoundedPercent, fig.usPerCall);
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
}
