#include <algorithm>
#include <cmath>

#include "core/interpretation.h"
#include "core/markup.h"
#include "core/profile.h"
#include "core/svg.h"

namespace core {
namespace {

using svg::Num;
using svg::Put;

constexpr double kWidth = 600;
constexpr double kNames = 214;               // the names end here, before the axis and an arrow at its edge
constexpr double kLeft = 236, kRight = 506;  // the axis, from 40 to 160
constexpr double kWords = 526;               // where "strength" and "weakness" stand, past an arrow
constexpr double kTop = 28, kRow = 22, kBottom = 24;
constexpr double kLowest = 40, kHighest = 160;
constexpr std::size_t kLongestName = 34;  // characters; the table keeps the whole name

double X(double score) { return kLeft + (std::clamp(score, kLowest, kHighest) - kLowest) / (kHighest - kLowest) * (kRight - kLeft); }

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
// and down for a weakness, so that the shape says it without colour.
std::string Mark(double x, double y, int standing)
{
    std::string out;
    if (standing == 0) {
        Put(out, "<circle class=\"score\" cx=\"", Num(x), "\" cy=\"", Num(y), "\" r=\"4\" fill=\"#1d4a8c\"/>");
        return out;
    }
    const double d = standing > 0 ? -1 : 1;  // the tip, up for a strength
    Put(out, "<path class=\"score ", standing > 0 ? "strength" : "weakness", "\" d=\"M", Num(x), " ", Num(y + 6 * d),
        " L", Num(x - 6), " ", Num(y - 5 * d), " L", Num(x + 6), " ", Num(y - 5 * d), " Z\" fill=\"",
        standing > 0 ? "#1a7a3a" : "#b3261e", "\"/>");
    return out;
}

}  // namespace

std::string ProfileSvg(const ProfilePicture& picture)
{
    const double rows = static_cast<double>(std::max<std::size_t>(picture.measures.size(), 1));
    const double bottom = kTop + rows * kRow;
    const std::string w = Num(kWidth), h = Num(bottom + kBottom);
    std::string out;
    Put(out, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", w, "\" height=\"", h, "\" viewBox=\"0 0 ", w, " ",
        h, "\" role=\"img\" font-family=\"sans-serif\" font-size=\"11\"><title>Score profile</title><desc>",
        EscapeMarkup(picture.description), "</desc><rect width=\"", w, "\" height=\"", h, "\" fill=\"#fff\"/>");
    // The seven label bands, alternately shaded.
    double from = kLowest;
    for (std::size_t i = 0; i <= kLabelBandEdges.size(); ++i) {
        const double to = i < kLabelBandEdges.size() ? kLabelBandEdges[i] : kHighest;
        Put(out, "<rect x=\"", Num(X(from)), "\" y=\"", Num(kTop), "\" width=\"", Num(X(to) - X(from)), "\" height=\"",
            Num(bottom - kTop), "\" fill=\"", i % 2 ? "#c9d9ec" : "#e8eff8", "\"/>");
        from = to;
    }
    // The axis above and below: ticks every 10, numbers every 20.
    for (double y : {kTop, bottom}) {
        Put(out, "<line x1=\"", Num(kLeft), "\" y1=\"", Num(y), "\" x2=\"", Num(kRight), "\" y2=\"", Num(y),
            "\" stroke=\"#000\"/>");
        const double tick = y == kTop ? -4 : 4;
        for (int score = 40; score <= 160; score += 10) {
            Put(out, "<line x1=\"", Num(X(score)), "\" y1=\"", Num(y), "\" x2=\"", Num(X(score)), "\" y2=\"",
                Num(y + tick), "\" stroke=\"#000\"/>");
            if (score % 20 == 0)
                Put(out, "<text x=\"", Num(X(score)), "\" y=\"", Num(y == kTop ? y - 8 : y + 16),
                    "\" text-anchor=\"middle\">", std::to_string(score), "</text>");
        }
    }
    for (std::size_t i = 0; i < picture.measures.size(); ++i) {
        const ProfileMeasure& m = picture.measures[i];
        const double y = kTop + kRow * static_cast<double>(i) + kRow / 2;
        Put(out, "<text x=\"", Num(kNames), "\" y=\"", Num(y + 4), "\" text-anchor=\"end\">",
            EscapeMarkup(Shortened(m.name)), "</text>");
        if (m.low && m.high)
            Put(out, "<rect class=\"interval\" x=\"", Num(X(*m.low)), "\" y=\"", Num(y - 3), "\" width=\"",
                Num(X(*m.high) - X(*m.low)), "\" height=\"6\" fill=\"#7f9cc4\"/>");
        const double x = X(m.standard);
        out += Mark(x, y, m.standing);
        // Beyond the axis the mark stands at its edge, with an arrow pointing out.
        if (m.standard < kLowest || m.standard > kHighest) {
            const double d = m.standard > kHighest ? 1 : -1;
            Put(out, "<path class=\"beyond\" d=\"M", Num(x + 14 * d), " ", Num(y), " L", Num(x + 8 * d), " ",
                Num(y - 4), " L", Num(x + 8 * d), " ", Num(y + 4), " Z\" fill=\"#000\"/>");
        }
        if (m.standing != 0)
            Put(out, "<text x=\"", Num(kWords), "\" y=\"", Num(y + 4), "\">", m.standing > 0 ? "strength" : "weakness",
                "</text>");
    }
    if (picture.mean)
        Put(out, "<line class=\"mean\" x1=\"", Num(X(*picture.mean)), "\" y1=\"", Num(kTop), "\" x2=\"",
            Num(X(*picture.mean)), "\" y2=\"", Num(bottom), "\" stroke=\"#333\" stroke-dasharray=\"4 3\"/>",
            "<text x=\"4\" y=\"", Num(kTop - 8), "\" font-size=\"10\">dashed: the mean of these scores</text>");
    out += "</svg>";
    return out;
}

}  // namespace core
