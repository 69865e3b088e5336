#ifndef MERVANE_CORE_STATS_NORMAL_H
#define MERVANE_CORE_STATS_NORMAL_H

#include <cstdint>

namespace core {

// Why a call of the statistics component gave no number.
enum class StatFailure {
    None,
    NonPositiveSd,          // an SD of 0 or below describes no distribution
    NonFiniteArgument,      // an infinite or NaN argument
    ProbabilityOutOfRange,  // a probability below 0 or above 1
    Overflow,               // the true result lies beyond the range of a double
    Internal,               // the evaluation itself failed
};

struct StatOutcome {
    double value = 0;
    StatFailure failure = StatFailure::None;

    bool Ok() const { return failure == StatFailure::None; }
};

// The normal distribution as the computations need it. Each call answers with
// a number or a failure, never an exception.
class StatisticsComponent {
public:
    virtual ~StatisticsComponent() = default;

    // Probability, from 0 to 1, that a normal value with this mean and SD is at most x.
    virtual StatOutcome NormalCdf(double x, double mean, double sd) = 0;
    // The value at which the cumulative probability equals p; -infinity at
    // p = 0 and +infinity at p = 1.
    virtual StatOutcome NormalQuantile(double p, double mean, double sd) = 0;
};

// The normal distribution correctly rounded, standardisation included. A
// double-word evaluation with a proven error bound answers when the bound
// settles the rounding; otherwise Boost.Math's distribution in 113-bit binary
// floating point, rounded once to double, decides (bench/normal_accuracy
// measures both, and how often the second runs).
// Refuses an SD of 0 or below, non-finite arguments and probabilities outside
// [0, 1]. A finite result that does not fit a double fails as Overflow.
class ExactNormal final : public StatisticsComponent {
public:
    StatOutcome NormalCdf(double x, double mean, double sd) override;
    StatOutcome NormalQuantile(double p, double mean, double sd) override;
};

// Boost.Math's distribution alone, in 113-bit binary floating point,
// standardisation and scaling included, rounded once to double: what
// ExactNormal falls back to. The same refusals; about a hundred times slower.
class WideNormal final : public StatisticsComponent {
public:
    StatOutcome NormalCdf(double x, double mean, double sd) override;
    StatOutcome NormalQuantile(double p, double mean, double sd) override;
};

// How many calls the 113-bit evaluation has answered since the program began.
std::uint64_t NormalFallbacks();

// The one instance the whole program shares, created on first use and kept
// until the program ends.
StatisticsComponent& SharedStatistics();

}  // namespace core

#endif
