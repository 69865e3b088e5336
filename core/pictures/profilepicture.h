#ifndef MERVANE_CORE_PICTURES_PROFILEPICTURE_H
#define MERVANE_CORE_PICTURES_PROFILEPICTURE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// One line of the battery on the standard-score scale (mean 100, SD 15).
struct ProfileMeasure {
    std::string name;                  // as the report calls it: "(lower is better)" after a measure turned round
    std::optional<double> standard;    // unrounded; none for a line that could not be computed
    std::optional<double> low, high;   // the true-score interval, unrounded
    int standing = 0;                  // +1 a relative strength, -1 a relative weakness
};

// What the picture shows: a row for each line of the table, the battery's
// mean (when there are two measures or more), the report, and the level of
// the intervals as typed.
struct ProfilePicture {
    std::vector<ProfileMeasure> measures;
    std::optional<double> mean;
    std::string_view description;
    std::string level = "95";
    // The mean as shown, and the mean strengths are judged against where it is another.
    std::string meanText, judgedText;
};

// The profile as an SVG text, as the field draws one: a legend, with the
// intervals' level; the standard-score axis from 40 to 160, with its title,
// over the seven label bands, named, the Average band apart and the others
// shaded by their distance from it; a row for each line, its name in full up
// to 40 characters, its true-score interval, its score and whether it is a
// strength or a weakness; the battery's mean dashed. Its numbers are written
// without the process locale; its height grows with the rows.
std::string ProfileSvg(const ProfilePicture& picture);

}  // namespace core

#endif
