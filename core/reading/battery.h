#ifndef MERVANE_CORE_READING_BATTERY_H
#define MERVANE_CORE_READING_BATTERY_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

class StatisticsComponent;

// One line of a pasted battery: its name and score as pasted, and either its
// figures on the standard-score scale or the note that says why it has none.
struct Measure {
    std::string name, score, note;
    double m = 0, s = 0, x = 0;  // mean, SD and score as read
    std::optional<double> r;     // the reliability, where given
    bool lower = false;          // a lower score is better: turned round its mean
    double z = 0, standard = 0;  // unrounded, turned round where lower is better
    double percent = 0;          // the share who do worse, in percent

    bool Computed() const { return note.empty(); }
};

// A battery as pasted, one measure a line, or the message that refuses it.
struct Battery {
    std::vector<Measure> measures;
    std::optional<std::string> message;
};

inline constexpr std::size_t kMostMeasures = 200;

// Reads a pasted battery, one measure a line: name, mean, SD, score and, if
// known, the reliability and the direction ("higher" or "lower"), separated
// by tabs, or semicolons, or in a line typed by hand commas where the comma
// is no decimal separator. Blank lines are no lines, and a first line whose
// mean, SD and score are no numbers is a heading. Each field is read
// strictly, with the point or `separator`. A line that cannot be computed
// keeps its place with a note; none at all, or more than kMostMeasures, is a
// message.
Battery ReadBattery(std::string_view text, std::string_view separator, StatisticsComponent& stats);

// What a report calls a measure: its name, or "row N" for the Nth line, and
// "(lower is better)" after one turned round.
std::string Called(const Measure& measure, std::size_t number);

// The report's sentence naming the lines that could not be computed, each
// with its note, after a blank; empty where every line was.
std::string LeftOut(const std::vector<Measure>& lines);

}  // namespace core

#endif
