#ifndef MERVANE_CORE_STEPS_H
#define MERVANE_CORE_STEPS_H

#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/text/figures.h"
#include "core/text/messages.h"
#include "core/stats/normal.h"
#include "core/reading/numbers.h"

namespace core {

// What the window computations share: one run's results, which accumulate
// until the first message; it ends the run, and nothing replaces it.
template <typename Results>
class Steps {
protected:
    Steps(std::string_view separator, StatisticsComponent& stats) : separator_(separator), stats_(stats) {}

    bool Refuse(std::string message)
    {
        r_.message = std::move(message);
        return false;
    }

    // A box read leniently, as the main window reads it; false for a number too large for a double.
    bool ParseLeniently(const std::string& text, std::string_view what, double& value)
    {
        value = LenientParse(text);
        return std::isfinite(value) || Refuse(messages::TooLarge(what));
    }

    // A box read strictly, as every other window reads it: a text that is not
    // wholly a number is refused, never read as its numeric beginning.
    bool Parse(const std::string& text, std::string_view what, double& value)
    {
        const std::optional<double> read = StrictParse(text, separator_);
        if (!read)
            return Refuse(messages::NotANumber(what));
        value = *read;
        return std::isfinite(value) || Refuse(messages::TooLarge(what));
    }

    // The confidence level box and its two-sided critical z; an empty box is
    // a level of 0, which is out of range.
    bool Level(const std::string& text, double& level, double& zc)
    {
        level = 0;
        return (text.empty() || Parse(text, messages::subject::kLevel, level)) && CriticalZ(level, zc);
    }

    // The value rounded to two places into the field, and that rounded value; false when it does not fit a double.
    bool Show(double v, std::string Results::*field, std::string_view what, double* shown = nullptr)
    {
        if (!std::isfinite(v))
            return Refuse(messages::TooLarge(what));
        const double rounded = RoundTwoPlaces(v);
        r_.*field = NumberText(rounded, separator_);
        if (shown)
            *shown = rounded;
        return true;
    }

    // A figure as shown: to two places, with the locale's separator.
    std::string Text(double v) const { return FigureText(v, separator_); }

    // A number the user typed, as a sentence repeats it: with the locale's separator.
    std::string Typed(const std::string& text) const { return AsTyped(text, separator_); }

    // A call of the statistics component, or false with the message that names what it was for.
    bool Ask(StatOutcome outcome, std::string_view what, double& value)
    {
        if (!outcome.Ok())
            return Refuse(messages::StatisticsFailed(outcome.failure, what));
        value = outcome.value;
        return true;
    }

    // The two-sided critical z of a confidence level in percent, as the converter computes it.
    bool CriticalZ(double level, double& zc)
    {
        if (!(level > 0 && level < 100))
            return Refuse(std::string(messages::kConfidenceOutOfRange));
        double q = 0;
        if (!Ask(stats_.NormalQuantile((100 - level) / 200, 0, 1), messages::subject::kCriticalZ, q))
            return false;
        zc = -q;
        return true;
    }

    // The main window's two-sided confidence, in percent, that a z as shown differs from 0.
    bool Confidence(double zShown, std::string_view what, double& confidence)
    {
        double p = 0;
        if (!Ask(stats_.NormalCdf(std::fabs(zShown), 0, 1), what, p))
            return false;
        confidence = 100 - 100 * ((1 - p) * 2);
        return true;
    }

    // A test whose distributions throw beyond what they can evaluate: then
    // `failure` is its message.
    template <typename Test>
    bool Guarded(Test test, std::string_view failure)
    {
        try {
            return test();
        } catch (const std::exception&) {
            return Refuse(std::string(failure));
        }
    }

    // A refused run's results: its message alone.
    Results Refusal()
    {
        Results refused;
        refused.message = std::move(r_.message);
        return refused;
    }

    Results r_;
    std::string_view separator_;
    StatisticsComponent& stats_;
};

}  // namespace core

#endif
