#include "core/messages.h"

#include <array>

namespace core::messages {

std::string TooLarge(std::string_view what)
{
    return std::string(what) + " is too large a number to work with.";
}

std::string StatisticsFailed(StatFailure why, std::string_view what)
{
    switch (why) {
    case StatFailure::NonPositiveSd:
        return std::string(kSdMustBePositive);
    case StatFailure::Overflow:
    case StatFailure::NonFiniteArgument:  // only an overflow upstream can bring one
        return TooLarge(what);
    case StatFailure::None:
    case StatFailure::ProbabilityOutOfRange:
    case StatFailure::Internal:
        break;
    }
    return std::string(what) + " could not be computed.";
}

std::vector<std::string> AllKnown()
{
    using namespace subject;
    constexpr std::array subjects{
        kMean, kSd, kRawScore, kStipulatedSd, kScoreAt1Sd, kScoreAt196Sd, kScoreAt258Sd,
        k25thPercentile, k75thPercentile, k95thPercentile, k99thPercentile, kZScore,
        kRawPercentile, kRawConfidence, kScoreAtStipulatedSd, kScoreAtStipulatedPercentile,
        kDeviations, kDeviationsForLevel, kLevelForDeviations};
    constexpr std::array failures{StatFailure::NonPositiveSd, StatFailure::NonFiniteArgument,
                                  StatFailure::ProbabilityOutOfRange, StatFailure::Overflow,
                                  StatFailure::Internal};
    std::vector<std::string> all{std::string(kMeanAndSdRequired), std::string(kPercentileOutOfRange),
                                 std::string(kConfidenceOutOfRange), std::string(kOneBoxOnly),
                                 std::string(kOneOfTheBoxes)};
    for (std::string_view what : subjects) {
        all.push_back(TooLarge(what));
        for (StatFailure why : failures)
            all.push_back(StatisticsFailed(why, what));
    }
    return all;
}

}  // namespace core::messages
