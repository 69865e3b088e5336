#ifndef MERVANE_CORE_CALCULATIONS_CONVERSION_H
#define MERVANE_CORE_CALCULATIONS_CONVERSION_H

#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace core {

class StatisticsComponent;

// What the converter shows, in the shape of the score analysis: the answer
// box's text and the message that refused the request, if one did. A refusal
// leaves the answer empty: there is an answer or a message, never both.
struct ConversionResult {
    std::string txtAnswer;
    std::optional<std::string> message;
};

// Turns a two-sided confidence level in percent into the number of standard
// deviations either side of the mean that encloses it, or the other way round,
// whichever of the two texts is filled. A text is empty only when it has no
// characters at all.
ConversionResult ConvertDeviationConfidence(std::string_view confidenceText, std::string_view deviationText,
                                            std::string_view decimalSeparator, StatisticsComponent& stats);
// The same with the program's shared statistics component.
ConversionResult ConvertDeviationConfidence(std::string_view confidenceText, std::string_view deviationText,
                                            std::string_view decimalSeparator = ".");

// The converter's calculation, behind Do It.
extern const Calculation kConversion;

}  // namespace core

#endif
