#include "core/text/messages.h"

namespace core::messages {

std::string Of(std::string_view what, int number)
{
    return std::string(what) + " of predictor " + std::to_string(number);
}

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

std::string CorrelationNotANumber(std::size_t row, std::string_view text)
{
    return "Row " + std::to_string(row) + " of the correlations holds \"" + std::string(text) +
           "\", which is not a number.";
}

std::string CorrelationsRagged(std::size_t row, std::size_t values)
{
    return "The correlations are neither a full matrix nor its lower triangle: row " + std::to_string(row) + " has " +
           std::to_string(values) + (values == 1 ? " value." : " values.");
}

std::string CorrelationsCount(std::size_t given, std::size_t battery)
{
    return "The correlations give " + std::to_string(given) + " measures and the battery has " +
           std::to_string(battery) + ".";
}

std::string CorrelationsDiagonal(std::size_t row, const std::string& value)
{
    return "The correlations' diagonal must be 1: row " + std::to_string(row) + " has " + value + ".";
}

std::string CorrelationOutOfRange(std::size_t row, const std::string& value)
{
    return "Each correlation must be above -1 and below 1: row " + std::to_string(row) + " has " + value + ".";
}

std::string CorrelationsAsymmetric(std::size_t row, std::size_t column)
{
    return "The correlations are not symmetric: row " + std::to_string(row) + ", column " + std::to_string(column) +
           " differs from row " + std::to_string(column) + ", column " + std::to_string(row) + ".";
}

}  // namespace core::messages
