#include "core/pictures/profilepicture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "core/text/scale.h"
#include "core/text/markup.h"
#include "core/pictures/svg.h"

namespace core {
namespace {

using svg::Num;
using svg::Put;

// In user units, which both editions show at about a pixel each: a phone's
// screen of 390 pixels holds the whole width with text of 12 pixels.
constexpr double kWidth = 344, kMargin = 6;
constexpr double kLeft = 22, kRight = 322;         // the axis, from 40 to 160
constexpr double kLegend = 4, kBandNames = 40;     // where the legend and the bands begin
constexpr double kAxisTop = 178, kRow = 34;        // the rows, each a name over its marks
constexpr double kLowest = 40, kHighest = 160;
constexpr std::size_t kLongestName = 40;  // characters; the table keeps the whole name

double X(double score) { return kLeft + (std::clamp(score, kLowest, kHighest) - kLowest) / (kHighest - kLowest) * (kRight - kLeft); }

// The fill of each label band, by its distance from the Average band, which stands apart.
constexpr std::array<const char*, 4> kBandFill{"#e2f0dc", "#e8edf5", "#d3dcea", "#bccadf"};

// At most kLongestName characters of a UTF-8 text, with an ellipsis where it was cut.
std::string Shortened(const std::string& name)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0) == 0x80)
            continue;
        if (++characters > kLongestName)
            return name.substr(0, i) + "\u2026";
    }
    return name;
}

// The score's mark: a dot, or a triangle pointing up for a relative strength
// and down for a weakness, so that the shape says it without colour. The
// legend's marks are of the class "key".
std::string Mark(double x, double y, int standing, std::string_view kind = "score")
{
    std::string out;
    if (standing == 0) {
        Put(out, "<circle class=\"", kind, "\" cx=\"", Num(x), "\" cy=\"", Num(y), "\" r=\"4.5\" fill=\"#1d4a8c\"/>");
        return out;
    }
    const double d = standing > 0 ? -1 : 1;  // the tip, up for a strength
    Put(out, "<path class=\"", kind, " ", standing > 0 ? "strength" : "weakness", "\" d=\"M", Num(x), " ", Num(y + 6 * d),
        " L", Num(x - 6), " ", Num(y - 5 * d), " L", Num(x + 6), " ", Num(y - 5 * d), " Z\" fill=\"",
        standing > 0 ? "#1a7a3a" : "#b3261e", "\"/>");
    return out;
}

// The legend: what each mark stands for, the interval with its level, and
// the mean with its figure, on two lines; strengths and weaknesses name the
// mean they are judged against where it is not the one drawn.
std::string Legend(const ProfilePicture& picture)
{
    const std::string& level = picture.level;
    const std::string mean = picture.meanText.empty() ? "mean" : "mean " + picture.meanText;
    const std::string against = picture.judgedText.empty() ? "" : " vs " + picture.judgedText;
    std::string out;
    const double y1 = kLegend + 10, y2 = kLegend + 28;
    Put(out, "<g class=\"legend\">", Mark(kMargin + 6, y1 - 4, 0, "key"), "<text x=\"", Num(kMargin + 16), "\" y=\"",
        Num(y1), "\">score</text>", "<rect x=\"", Num(kMargin + 62), "\" y=\"", Num(y1 - 7), "\" width=\"24\" height=\"6\" fill=\"#6f8fbf\"/>",
        "<text x=\"", Num(kMargin + 92), "\" y=\"", Num(y1), "\">", EscapeMarkup(level), "% true-score interval</text>",
        "<line x1=\"", Num(kMargin), "\" y1=\"", Num(y2 - 4), "\" x2=\"", Num(kMargin + 12), "\" y2=\"", Num(y2 - 4),
        "\" stroke=\"#333\" stroke-dasharray=\"4 3\"/><text x=\"", Num(kMargin + 16), "\" y=\"", Num(y2),
        "\">", EscapeMarkup(mean), "</text>", Mark(kMargin + 100, y2 - 4, 1, "key"), "<text x=\"", Num(kMargin + 110),
        "\" y=\"", Num(y2), "\">strength</text>", Mark(kMargin + 170, y2 - 4, -1, "key"), "<text x=\"",
        Num(kMargin + 180), "\" y=\"", Num(y2), "\">weakness", EscapeMarkup(against), "</text></g>");
    return out;
}

}  // namespace

std::string ProfileSvg(const ProfilePicture& picture)
{
    const double rows = static_cast<double>(std::max<std::size_t>(picture.measures.size(), 1));
    const double bottom = kAxisTop + rows * kRow;
    const std::string w = Num(kWidth), h = Num(bottom + 44);
    std::string out;
    Put(out, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ",
        h, "\" role=\"img\" font-family=\"sans-serif\" font-size=\"12\"><title>Score profile</title><desc>",
        EscapeMarkup(picture.description), "</desc><rect width=\"", w, "\" height=\"", h, "\" fill=\"#fff\"/>");
    out += Legend(picture);

    // The seven label bands, from the band names down to the bottom axis, each named.
    double from = kLowest;
    for (std::size_t i = 0; i <= kLabelBandEdges.size(); ++i) {
        const double to = i < kLabelBandEdges.size() ? kLabelBandEdges[i] : kHighest;
        const std::size_t distance = static_cast<std::size_t>(std::abs(static_cast<int>(i) - 3));
        Put(out, "<rect class=\"band", distance == 0 ? " average" : "", "\" x=\"", Num(X(from)), "\" y=\"",
            Num(kBandNames), "\" width=\"", Num(X(to) - X(from)), "\" height=\"", Num(bottom - kBandNames),
            "\" fill=\"", kBandFill[distance], "\"", distance == 0 ? " stroke=\"#5b8a4a\"" : "", "/>");
        const double centre = (X(from) + X(to)) / 2, base = kAxisTop - 24;
        Put(out, "<text class=\"band-name\" transform=\"translate(", Num(centre + 4), " ", Num(base),
            ") rotate(-90)\">", kStandardScoreLabels[i], "</text>");
        from = to;
    }
    // The axis above and below: ticks every 10, numbers every 20, and its title beneath.
    for (double y : {kAxisTop, bottom}) {
        Put(out, "<line x1=\"", Num(kLeft), "\" y1=\"", Num(y), "\" x2=\"", Num(kRight), "\" y2=\"", Num(y),
            "\" stroke=\"#000\"/>");
        const double tick = y == kAxisTop ? -4 : 4;
        for (int score = 40; score <= 160; score += 10) {
            Put(out, "<line x1=\"", Num(X(score)), "\" y1=\"", Num(y), "\" x2=\"", Num(X(score)), "\" y2=\"",
                Num(y + tick), "\" stroke=\"#000\"/>");
            if (score % 20 == 0)
                Put(out, "<text x=\"", Num(X(score)), "\" y=\"", Num(y == kAxisTop ? y - 8 : y + 16),
                    "\" text-anchor=\"middle\">", std::to_string(score), "</text>");
        }
    }
    Put(out, "<text class=\"axis-title\" x=\"", Num((kLeft + kRight) / 2), "\" y=\"", Num(bottom + 36),
        "\" text-anchor=\"middle\">Standard score (mean 100, SD 15)</text>");

    for (std::size_t i = 0; i < picture.measures.size(); ++i) {
        const ProfileMeasure& m = picture.measures[i];
        const double top = kAxisTop + kRow * static_cast<double>(i), y = top + 25;
        Put(out, "<text class=\"name\" x=\"", Num(kMargin), "\" y=\"", Num(top + 13), "\">",
            EscapeMarkup(Shortened(m.name)), "</text>");
        if (!m.standard)
            continue;  // a line that could not be computed keeps its row, empty
        if (m.standing != 0)
            Put(out, "<text class=\"standing\" x=\"", Num(kWidth - kMargin), "\" y=\"", Num(top + 13),
                "\" text-anchor=\"end\" font-weight=\"bold\" fill=\"", m.standing > 0 ? "#1a7a3a" : "#b3261e", "\">",
                m.standing > 0 ? "strength" : "weakness", "</text>");
        if (m.low && m.high)
            Put(out, "<rect class=\"interval\" x=\"", Num(X(*m.low)), "\" y=\"", Num(y - 3), "\" width=\"",
                Num(X(*m.high) - X(*m.low)), "\" height=\"6\" fill=\"#6f8fbf\"/>");
        const double x = X(*m.standard);
        out += Mark(x, y, m.standing);
        // Beyond the axis the mark stands at its edge, with an arrow pointing out.
        if (*m.standard < kLowest || *m.standard > kHighest) {
            const double d = *m.standard > kHighest ? 1 : -1;
            Put(out, "<path class=\"beyond\" d=\"M", Num(x + 14 * d), " ", Num(y), " L", Num(x + 8 * d), " ",
                Num(y - 4), " L", Num(x + 8 * d), " ", Num(y + 4), " Z\" fill=\"#000\"/>");
        }
    }
    if (picture.mean)
        Put(out, "<line class=\"mean\" x1=\"", Num(X(*picture.mean)), "\" y1=\"", Num(kAxisTop), "\" x2=\"",
            Num(X(*picture.mean)), "\" y2=\"", Num(bottom), "\" stroke=\"#333\" stroke-dasharray=\"4 3\"/>");
    out += "</svg>";
    return out;
}

}  // namespace core
