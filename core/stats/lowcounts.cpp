#include "core/stats/lowcounts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

// The Cholesky factor must be the same to the bit in both editions: the
// scalar code path on every platform, not each one's vector instructions.
#define EIGEN_DONT_VECTORIZE
#include <Eigen/Cholesky>
#include <Eigen/Core>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <boost/math/special_functions/beta.hpp>

#include "core/stats/normal.h"

namespace core::stats {
namespace {

using Policy = boost::math::policies::policy<boost::math::policies::promote_double<false>>;

constexpr double kReach = 10;        // phi beyond 10 is below 1e-22
constexpr unsigned kDepth = 20;      // bisections of the adaptive quadrature
constexpr double kTolerance = 1e-13;

// The binomial tail P(Binomial(m, p) >= k) = I_p(k, m - k + 1).
double BinomialTail(std::size_t m, std::size_t k, double p)
{
    if (k == 0 || p >= 1)
        return 1;
    if (p <= 0)
        return 0;
    return boost::math::ibeta(static_cast<double>(k), static_cast<double>(m - k + 1), p, Policy());
}

double Phi(double x)
{
    static ExactNormal normal;
    return normal.NormalCdf(x, 0, 1).value;
}

// A first guess at the standard normal quantile, relative error below
// 1.15e-9 (Acklam's rational approximations); evaluated in any order, with
// any logarithm, it stays within the bound below of the true quantile. The
// central range's, from p directly, is the guess for all but the tails
// (p or 1 - p below 0.02425), which Tail gives.
constexpr double kTail = 0.02425;

double Central(double p)
{
    const double c = p - 0.5, r = c * c;
    return (((((-3.969683028665376e+01 * r + 2.209460984245205e+02) * r - 2.759285104469687e+02) * r +
              1.383577518672690e+02) * r - 3.066479806614716e+01) * r + 2.506628277459239e+00) * c /
           (((((-5.447609879822406e+01 * r + 1.615858368580409e+02) * r - 1.556989798598866e+02) * r +
              6.680131188771972e+01) * r - 1.328068155288572e+01) * r + 1);
}

double Tail(double p)
{
    const double s = std::sqrt(-2 * std::log(std::min(p, 1 - p)));
    const double z = (((((-7.784894002430293e-03 * s - 3.223964580411365e-01) * s - 2.400758277161838e+00) * s -
                        2.549732539343734e+00) * s + 4.374664141464968e+00) * s + 2.938163982698783e+00) /
                     ((((7.784695709041462e-03 * s + 3.224671290700398e-01) * s + 2.445134137142996e+00) * s +
                       3.754408661907416e+00) * s + 1);
    return p > 0.5 ? -z : z;
}

// The guess's error, with room: 1.15e-9 of |z|, the rounding of its
// arithmetic, and of 1 - p.
constexpr double kGuessRelative = 2e-9, kGuessAbsolute = 1e-12;

}  // namespace

double EquicorrelatedTail(std::size_t m, double rho, double c, std::size_t k)
{
    if (k == 0)
        return 1;
    if (rho == 0)
        return BinomialTail(m, k, Phi(c));
    const double a = std::sqrt(rho), b = std::sqrt(1 - rho);
    const double phiScale = 1 / std::sqrt(2 * std::numbers::pi);
    // p(u) falls from 1 to 0 around u = c / sqrt(rho), the more steeply the
    // higher rho. Split there, but never within 1 of the reach: phi is below
    // 1e-18 beyond 9, and a sliver of a piece next to it keeps the adaptive
    // rule bisecting to its full depth, for seconds, where rounding outweighs its error.
    const double middle = std::clamp(c / a, -kReach + 1, kReach - 1);
    using Rule = boost::math::quadrature::gauss_kronrod<double, 31>;
    const auto f = [&](double u) {
        return phiScale * std::exp(-u * u / 2) * BinomialTail(m, k, Phi((c - a * u) / b));
    };
    const double tail = Rule::integrate(f, -kReach, middle, kDepth, kTolerance) +
                        Rule::integrate(f, middle, kReach, kDepth, kTolerance);
    return std::clamp(tail, 0.0, 1.0);
}

std::optional<std::vector<double>> Cholesky(const std::vector<double>& r, std::size_t m)
{
    const auto n = static_cast<Eigen::Index>(m);
    const Eigen::Map<const Eigen::Matrix<double, Eigen::Dynamic, Eigen::Dynamic, Eigen::RowMajor>> matrix(r.data(), n, n);
    const Eigen::LLT<Eigen::MatrixXd> llt(matrix);
    if (llt.info() != Eigen::Success)
        return std::nullopt;
    const Eigen::MatrixXd l = llt.matrixL();
    std::vector<double> lower(m * m, 0.0);
    for (Eigen::Index i = 0; i < n; ++i)
        for (Eigen::Index j = 0; j <= i; ++j)
            lower[static_cast<std::size_t>(i) * m + static_cast<std::size_t>(j)] = l(i, j);
    return lower;
}

LowCountSampler::LowCountSampler(std::vector<double> lower, std::size_t m, std::vector<double> cutoffs,
                                 std::uint64_t seed, const std::vector<double>& means)
    : lower_(std::move(lower)), rowWeight_(m, 0.0), m_(m), n_(cutoffs.size()), cutoffs_(m * n_), engine_(seed),
      counts_(n_, std::vector<std::uint64_t>(m + 1, 0)), columns_(m * m, 0.0), u_(m), e_(m), z_(m)
{
    if (n_ > kMostCutoffs)
        throw std::invalid_argument("LowCountSampler: at most 8 cut-offs");
    if (!means.empty() && means.size() != m)
        throw std::invalid_argument("LowCountSampler: a mean for each measure");
    // Moved once, here, so that a draw compares its unrounded z with a fixed figure, as without means.
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t c = 0; c < n_; ++c)
            cutoffs_[i * n_ + c] = cutoffs[c] - (means.empty() ? 0.0 : means[i]);
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = 0; j <= i; ++j) {
            rowWeight_[i] += std::fabs(lower_[i * m + j]);
            columns_[j * m + i] = lower_[i * m + j];
        }
}

// Each draw's normals are first guessed, fast; where the guesses leave a
// score so near a cut-off that the true quantiles might put it on the other
// side, the draw is made again with the correctly rounded quantile. Either
// way the count is the one the correctly rounded quantile gives.
void LowCountSampler::Draw(std::uint64_t draws)
{
    static ExactNormal normal;
    for (std::uint64_t d = 0; d < draws; ++d) {
        for (std::size_t j = 0; j < m_; ++j)
            u_[j] = (static_cast<double>(engine_() >> 11) + 0.5) * 0x1p-53;  // in (0, 1), never 0 or 1
        for (std::size_t j = 0; j < m_; ++j)
            e_[j] = Central(u_[j]);
        double largest = 0;
        for (std::size_t j = 0; j < m_; ++j) {
            if (u_[j] < kTail || u_[j] > 1 - kTail)
                e_[j] = Tail(u_[j]);
            largest = std::max(largest, std::fabs(e_[j]));
        }
        Multiply();
        // How far the guesses may put z from the sum of the true normals, each
        // rounding of that sum included (a few units in the last place of terms below largest).
        const double off = kGuessRelative * largest + kGuessAbsolute + largest * 0x1p-45;
        if (!Count(off)) {
            for (std::size_t j = 0; j < m_; ++j)
                e_[j] = normal.NormalQuantile(u_[j], 0, 1).value;
            Multiply();
            Count(0);
        }
    }
    drawn_ += draws;
}

// z = L e, each z_i summed over j in ascending order; a column at a time, so
// that the rows' sums advance side by side, which vector instructions can do.
void LowCountSampler::Multiply()
{
    std::fill(z_.begin(), z_.end(), 0.0);
    for (std::size_t j = 0; j < m_; ++j) {
        const double e = e_[j];
        const double* column = &columns_[j * m_];
        for (std::size_t i = j; i < m_; ++i)
            z_[i] += column[i] * e;
    }
}

// Counts the draw's scores at or below each cut-off, unless one of them lies
// within `off` times its row's weight of a cut-off: then false, and nothing counted.
bool LowCountSampler::Count(double off)
{
    std::array<std::size_t, kMostCutoffs> below{};
    bool near = false;
    const std::size_t n = n_;
    for (std::size_t i = 0; i < m_; ++i) {
        const double z = z_[i], reach = off * rowWeight_[i];
        const double* cutoffs = &cutoffs_[i * n];
        for (std::size_t c = 0; c < n; ++c) {
            const double d = z - cutoffs[c];
            near |= std::fabs(d) <= reach && off > 0;
            below[c] += d <= 0;
        }
    }
    if (near)
        return false;
    for (std::size_t c = 0; c < n; ++c)
        ++counts_[c][below[c]];
    return true;
}

}  // namespace core::stats
