#ifndef MERVANE_CORE_PICTURES_CURVE_H
#define MERVANE_CORE_PICTURES_CURVE_H

#include <optional>
#include <string>
#include <string_view>

namespace core {

// What the picture of the normal curve marks, in z units.
struct CurveMarks {
    std::optional<double> z;          // the score: a vertical mark, an arrow at the edge beyond +/-4
    std::optional<double> intervalLow, intervalHigh;  // the true-score interval: a bar under the axis
    std::string_view description;     // the report text, for assistive technology
};

// The standard normal curve from z -4 to 4 as an SVG text, with the seven
// label bands of the standard score lightly shaded. Its numbers are written
// without the process locale.
std::string CurveSvg(const CurveMarks& marks);

}  // namespace core

#endif
