#ifndef MERVANE_CORE_CONVERSION_H
#define MERVANE_CORE_CONVERSION_H

#include <string>
#include <string_view>

namespace core {

class StatisticsComponent;

// The text for the answer box, or the message that refused the request; never both.
class ConversionResult {
public:
    static ConversionResult Answer(std::string text) { return ConversionResult(std::move(text), {}); }
    static ConversionResult Refusal(std::string text) { return ConversionResult({}, std::move(text)); }

    const std::string& answer() const { return answer_; }
    const std::string& message() const { return message_; }

private:
    ConversionResult(std::string answer, std::string message)
        : answer_(std::move(answer)), message_(std::move(message)) {}

    std::string answer_;
    std::string message_;
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

}  // namespace core

#endif
