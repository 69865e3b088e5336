#include "core/pictures/curve.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/text/scale.h"
#include "core/text/markup.h"
#include "core/pictures/svg.h"

namespace core {
namespace {

using svg::Num;
using svg::Put;

constexpr int kWidth = 392, kHeight = 192;
constexpr double kLeft = 16, kRight = kWidth - 16, kBase = 150, kPeak = 24;
constexpr double kZMax = 4;

double X(double z) { return kLeft + (std::clamp(z, -kZMax, kZMax) + kZMax) / (2 * kZMax) * (kRight - kLeft); }
double Y(double z) { return kBase - (kBase - kPeak) * std::exp(-z * z / 2); }

// The z at which each label band of the standard score begins.
constexpr std::array<double, kLabelBandEdges.size()> kBandEdges = [] {
    std::array<double, kLabelBandEdges.size()> z{};
    for (std::size_t i = 0; i < z.size(); ++i)
        z[i] = ZOfStandardScore(kLabelBandEdges[i]);
    return z;
}();

// The area under the curve between two z values, as a closed path.
std::string Area(double from, double to)
{
    std::string d;
    Put(d, "M", Num(X(from)), " ", Num(kBase));
    for (double z = from; z < to; z += 0.05)
        Put(d, " L", Num(X(z)), " ", Num(Y(z)));
    Put(d, " L", Num(X(to)), " ", Num(Y(to)), " L", Num(X(to)), " ", Num(kBase), " Z");
    return d;
}

}  // namespace

std::string CurveSvg(const CurveMarks& marks)
{
    const std::string w = std::to_string(kWidth), h = std::to_string(kHeight);
    std::string svg;
    Put(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ", h,
        "\" role=\"img\"><title>Normal curve</title><desc>", EscapeMarkup(marks.description), "</desc>",
        "<rect width=\"", w, "\" height=\"", h, "\" fill=\"#fff\"/>");
    // The bands, alternately shaded, from the lowest label to the highest.
    double from = -kZMax;
    for (std::size_t i = 0; i <= kBandEdges.size(); ++i) {
        const double to = i < kBandEdges.size() ? kBandEdges[i] : kZMax;
        Put(svg, "<path d=\"", Area(from, to), "\" fill=\"", i % 2 ? "#c9d9ec" : "#e8eff8", "\"/>");
        from = to;
    }
    Put(svg, "<path d=\"", Area(-kZMax, kZMax), "\" fill=\"none\" stroke=\"#000\"/>");
    Put(svg, "<line x1=\"", Num(kLeft), "\" y1=\"", Num(kBase), "\" x2=\"", Num(kRight), "\" y2=\"", Num(kBase),
        "\" stroke=\"#000\"/>");
    for (int z = -4; z <= 4; ++z)
        Put(svg, "<text x=\"", Num(X(z)), "\" y=\"", Num(kBase + 34),
            "\" font-family=\"sans-serif\" font-size=\"10\" text-anchor=\"middle\">", std::to_string(z), "</text>");
    if (marks.intervalLow && marks.intervalHigh)
        Put(svg, "<rect id=\"interval\" x=\"", Num(X(*marks.intervalLow)), "\" y=\"", Num(kBase + 8), "\" width=\"",
            Num(X(*marks.intervalHigh) - X(*marks.intervalLow)), "\" height=\"8\" fill=\"#1d4a8c\"/>");
    if (marks.z) {
        const double x = X(*marks.z);
        Put(svg, "<line id=\"score\" x1=\"", Num(x), "\" y1=\"", Num(kPeak - 12), "\" x2=\"", Num(x), "\" y2=\"",
            Num(kBase), "\" stroke=\"#c00\" stroke-width=\"2\"/>");
        // Beyond the drawn range the mark stands at the edge, with an arrow pointing out.
        if (std::fabs(*marks.z) > kZMax) {
            const double dir = *marks.z > 0 ? 1 : -1;
            Put(svg, "<path id=\"beyond\" d=\"M", Num(x + dir * 10), " ", Num(kPeak - 2), " L", Num(x), " ",
                Num(kPeak - 8), " L", Num(x), " ", Num(kPeak + 4), " Z\" fill=\"#c00\"/>");
        }
    }
    svg += "</svg>";
    return svg;
}

}  // namespace core
