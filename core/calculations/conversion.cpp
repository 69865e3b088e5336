#include "core/calculations/conversion.h"

#include <cmath>
#include <utility>

#include "core/text/figures.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"

// The messages of this window alone, and what they call its boxes.
namespace core::messages {
namespace {

constexpr std::string_view kOneBoxOnly = "You must enter data in one box only";
constexpr std::string_view kOneOfTheBoxes = "You must enter data in one of the boxes";

}  // namespace
}  // namespace core::messages

namespace core::messages::subject {
namespace {

constexpr std::string_view kDeviations = "The number of standard deviations";
constexpr std::string_view kDeviationsForLevel = "The number of standard deviations for this confidence level";
constexpr std::string_view kLevelForDeviations = "The confidence level for this number of standard deviations";

}  // namespace
}  // namespace core::messages::subject

namespace core {
namespace {

ConversionResult Answer(std::string text) { return {std::move(text), std::nullopt}; }
ConversionResult Refusal(std::string text) { return {{}, std::move(text)}; }

ConversionResult LevelToDeviations(std::string_view confidenceText, std::string_view separator,
                                   StatisticsComponent& stats)
{
    const double c = LenientParse(confidenceText);
    if (!(c > 0 && c < 100))
        return Refusal(std::string(messages::kConfidenceOutOfRange));
    // The share beyond the interval on one side.
    const double p = (100 - c) / 200;
    const StatOutcome q = stats.NormalQuantile(p, 0, 1);
    if (!q.Ok())
        return Refusal(messages::StatisticsFailed(q.failure, messages::subject::kDeviationsForLevel));
    const double s = -q.value;
    return Answer("Standard Deviation = " + FigureText(s, separator));
}

ConversionResult DeviationsToLevel(std::string_view deviationText, std::string_view separator,
                                   StatisticsComponent& stats)
{
    const double s = LenientParse(deviationText);
    if (!std::isfinite(s))
        return Refusal(messages::TooLarge(messages::subject::kDeviations));
    const StatOutcome P = stats.NormalCdf(s, 0, 1);
    if (!P.Ok())
        return Refusal(messages::StatisticsFailed(P.failure, messages::subject::kLevelForDeviations));
    const double c = (1 - (1 - P.value) * 2) * 100;
    return Answer("Confidence Interval = " + FigureText(c, separator));
}

}  // namespace

ConversionResult ConvertDeviationConfidence(std::string_view confidenceText, std::string_view deviationText,
                                            std::string_view decimalSeparator, StatisticsComponent& stats)
{
    if (deviationText.empty() && !confidenceText.empty())
        return LevelToDeviations(confidenceText, decimalSeparator, stats);
    if (!deviationText.empty() && confidenceText.empty())
        return DeviationsToLevel(deviationText, decimalSeparator, stats);
    if (!deviationText.empty() && !confidenceText.empty())
        return Refusal(std::string(messages::kOneBoxOnly));
    return Refusal(std::string(messages::kOneOfTheBoxes));
}

ConversionResult ConvertDeviationConfidence(std::string_view confidenceText, std::string_view deviationText,
                                            std::string_view decimalSeparator)
{
    return ConvertDeviationConfidence(confidenceText, deviationText, decimalSeparator, SharedStatistics());
}

namespace {

// A refusal keeps the answer that was shown.
Shown Convert(const Texts& boxes, std::string_view separator)
{
    ConversionResult r = ConvertDeviationConfidence(TextOf(boxes, "txtConf"), TextOf(boxes, "txtSD"), separator);
    Shown shown;
    if (!r.txtAnswer.empty()) {
        shown.spoken = r.txtAnswer + ".";
        shown.texts.emplace("txtAnswer", std::move(r.txtAnswer));
    }
    shown.message = std::move(r.message);
    return shown;
}

std::vector<std::string_view> Boxes() { return {"txtConf", "txtSD", "txtAnswer"}; }
Texts Example() { return {{"txtConf", "95"}}; }

}  // namespace

const Calculation kConversion{"cmdDoIt", &Convert, nullptr, &NoOpening, &Boxes, &Example};

}  // namespace core
