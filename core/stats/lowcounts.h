#ifndef MERVANE_CORE_STATS_LOWCOUNTS_H
#define MERVANE_CORE_STATS_LOWCOUNTS_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// How many of m measures fall at or below a cut-off in a healthy population
// whose z scores are multivariate normal: the distribution of that count K.
namespace core::stats {

// P(K >= k) where every pair of the m z scores correlates rho (0 <= rho < 1),
// and each counts at or below c:
// the integral over u of phi(u) P(Binomial(m, p(u)) >= k) du, with
// p(u) = Phi((c - sqrt(rho) u) / sqrt(1 - rho)), by adaptive Gauss-Kronrod
// quadrature on each side of the point where p(u) is 1/2, the binomial tail
// as Boost.Math's regularised incomplete beta function. Relative error about
// 1e-12 where P(K >= k) is above 1e-9.
double EquicorrelatedTail(std::size_t m, double rho, double c, std::size_t k);

// The lower triangular L with L L' = r, for a symmetric m x m matrix r given
// row by row, or nullopt where r is not positive definite. Computed the same
// way, to the bit, on every platform.
std::optional<std::vector<double>> Cholesky(const std::vector<double>& r, std::size_t m);

// A seeded Monte Carlo sample of z = L e, e independent standard normals
// drawn by inversion from std::mt19937_64 (whose output the C++ standard
// fixes) with the correctly rounded normal quantile, so that every platform
// draws the same sample: for each cut-off, how many draws had K = 0..m.
// Where the scores have means (z = mean + L e, as among people of a given
// ability), each measure's cut-offs move down by its mean instead.
// The draws are made in slices, so that a window can stay responsive.
class LowCountSampler {
public:
    static constexpr std::size_t kMostCutoffs = 8;

    // More than kMostCutoffs cut-offs are refused (std::invalid_argument),
    // never left uncounted: a draw counts its scores below each in an array of that size.
    // `means`: each measure's mean, or empty where every mean is 0.
    LowCountSampler(std::vector<double> lower, std::size_t m, std::vector<double> cutoffs, std::uint64_t seed,
                    const std::vector<double>& means = {});

    // Makes up to `draws` more draws.
    void Draw(std::uint64_t draws);

    std::uint64_t Drawn() const { return drawn_; }
    // counts[cut-off][k]: how many draws had k measures at or below it.
    const std::vector<std::vector<std::uint64_t>>& Counts() const { return counts_; }

private:
    void Multiply();
    bool Count(double off);

    std::vector<double> lower_;
    std::vector<double> rowWeight_;  // the sum of each row's |L|: how far an error in e moves z
    std::size_t m_;
    std::size_t n_;                // cut-offs
    std::vector<double> cutoffs_;  // measure i's at [i * n_, (i + 1) * n_)
    std::mt19937_64 engine_;
    std::vector<std::vector<std::uint64_t>> counts_;
    std::vector<double> columns_;  // L column by column
    std::uint64_t drawn_ = 0;
    std::vector<double> u_, e_, z_;  // one draw's uniforms, normals and scores
};

}  // namespace core::stats

#endif
