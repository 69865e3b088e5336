#include "core/messages.h"

namespace core::messages {

std::string NotANumber(std::string_view what)
{
    return std::string(what) + " is not a number.";
}

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

}  // namespace core::messages
