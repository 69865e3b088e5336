#ifndef MERVANE_CORE_DESIGN_DESIGN_H
#define MERVANE_CORE_DESIGN_DESIGN_H

#include <array>
#include <span>
#include <string_view>

// The windows' designs as data, the way a form designer stores them: each
// window and its controls, placed in twips. The desktop builds its windows
// from these tables and the browser edition's page is generated from them,
// so the two editions cannot drift apart.
namespace core::design {

enum class Kind {
    TextBox,    // single- or multi-line; a button-face box without a border is printed text
    Label,
    Button,
    Picture,    // an icon that answers a click
    Image,      // a framed JPEG
    Line,       // its place is two end points: X1, Y1, X2, Y2
    Frame,      // holds the controls that name it as their container
    Drawing,    // a picture the program draws, as SVG
    Grid,       // a table of rows under named columns, which scrolls inside its place
    StatusBar,  // docked to the bottom edge: a text panel, the date and the time
    CheckBox,   // a box ticked on or off, its caption to its right
    Viewer,     // a read-only document the core writes as HTML, which scrolls; its text, the file it is saved as
};

// The background a box or label is painted with.
enum class Colour { Face, Field, Compulsory, Optional };
enum class Font { Sans, Bold, Splash14, Splash18, Splash24 };
enum class Align { Left, Centre, Right };
enum class Border { Sizable, FixedSingle, None };
enum class Icon { None, Calculator, Question };

enum Flag : unsigned {
    kNoFlags = 0,
    kMultiLine = 1u << 0,
    kWordWrap = 1u << 1,
    kReadOnly = 1u << 2,
    kBorder = 1u << 3,    // a thin flat line around a button-face box
    kNumeric = 1u << 4,   // typed keys pass the keystroke rule, in both editions
    kAutoSize = 1u << 5,  // a label sized to its text (a centred one keeps its centre)
    kScrollBars = 1u << 6,  // a multi-line box scrolls when its text is longer than it
    kInput = 1u << 7,       // a box the user fills in with any text (a number box is one anyway)
    kSigned = 1u << 8,      // a number box whose value may be negative: a minus may be typed first
    kStacked = 1u << 9,     // a grid of few rows: on a narrow screen each row stands as a block, its cells under its first
};

// Whether Tab reaches a control. The tab stops follow one another in the
// order the table lists them, so a new control needs no renumbering.
enum TabStop : bool { kNoTab = false, kTab = true };

// The tables name kinds, colours, fonts and alignments unqualified.
using enum Kind;
using enum Colour;
using enum Font;
using enum Align;

struct Control {
    Kind kind;
    std::string_view name;  // the design name; an indexed member is written name_index
    int left, top, width, height;
    // A caption ("&" marks a button's access key); a box's text as its window
    // opens; a picture's file, or the file a drawing is saved as.
    std::string_view text;
    std::string_view accessible;  // what a screen reader announces, where the text does not say it
    Colour colour;
    Font font;
    Align align;
    TabStop tab;
    unsigned flags;
    std::string_view tip = {};        // tooltip
    // The box a label or caption names; the box whose text describes a
    // drawing; the control a Copy or Save button takes its text from.
    std::string_view buddy = {};
    std::string_view container = {};  // the frame it stands in, if any
    int lineWidth = 1;                // in pixels, for a line

    constexpr bool Has(Flag f) const { return (flags & f) != 0; }
};

// A box that a window fills from its opener's boxes each time it opens.
// From one box, its text; from several, their texts joined by tabs as one
// line of a pasted table, and only when every box after the first (the
// figures of that line) holds a text. What an opener carries replaces what
// the window kept as a set, emptied boxes and check boxes included, unless
// every box it carries is empty; a box that takes it only when empty keeps
// its text (a pasted battery is never replaced by one line).
enum CarryInto : bool { kReplacing = false, kIntoEmpty = true };

struct Carry {
    std::string_view to;
    std::array<std::string_view, 4> from;
    CarryInto into = kReplacing;
};

struct Window {
    std::string_view name;
    std::string_view caption;
    int width, height;  // of the client area, in twips
    Border border;
    Icon icon;
    std::span<const Control> controls;  // the tab stops among them in tab order
    std::span<const Carry> carried = {};
    // Whether it keeps the texts of its input boxes from one opening to the
    // next, until the program ends; each opening of the others starts afresh.
    bool keeps = false;
};

// A box or check box that the user fills in, whose text a window may keep.
constexpr bool IsInput(const Control& c)
{
    return c.kind == Kind::CheckBox || (c.kind == Kind::TextBox && (c.Has(kNumeric) || c.Has(kInput)));
}

// The control of that design name, or nullptr.
constexpr const Control* Find(const Window& w, std::string_view name)
{
    for (const Control& c : w.controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

// A control of one window that opens another, and the function key that
// does the same anywhere in the first (or the key alone, where the control is
// empty); both editions wire them from here.
struct Opening {
    const Window* from;
    std::string_view control;
    std::string_view key;  // "F1" and so on, or empty
    const Window* window;
};

// What a window that keeps its inputs says through a run longer than a
// moment, beside the share done and a Cancel button, in both editions.
inline constexpr std::string_view kWorking = "Working: this takes a moment.";
inline constexpr int kWorkingAfterMs = 300;

inline constexpr int kTwipsPerPixel = 15;
// Rounds to the nearest pixel: adding 7 of 15 twips makes the division round
// rather than truncate (halves, which 15 twips never give, would go down).
constexpr int Px(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

struct PixelRect {
    int left, top, width, height;
};

// Where a control stands, in device-independent pixels of its parent.
constexpr PixelRect Place(const Control& c)
{
    if (c.kind != Kind::Line)
        return {Px(c.left), Px(c.top), Px(c.width), Px(c.height)};
    const int x1 = Px(c.left), y1 = Px(c.top), x2 = Px(c.width), y2 = Px(c.height);
    // The design point lies on the middle of a thick line.
    const int before = (c.lineWidth - 1) / 2;
    const auto lo = [](int a, int b) { return a < b ? a : b; };
    const auto span = [](int a, int b) { return (a < b ? b - a : a - b) + 1; };
    if (y1 == y2)
        return {lo(x1, x2), y1 - before, span(x1, x2), c.lineWidth};
    return {x1 - before, lo(y1, y2), c.lineWidth, span(y1, y2)};
}

// The letter after "&" in a caption, lower case, or 0.
constexpr char AccessKey(std::string_view caption)
{
    const std::size_t at = caption.find('&');
    if (at == std::string_view::npos || at + 1 >= caption.size())
        return 0;
    const char c = caption[at + 1];
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace core::design

#endif
