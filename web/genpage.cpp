// Writes the browser edition's page from the windows' design tables: the
// template's "@windows@" line becomes the markup of every window, each control
// at its design place, with its design name, and its "@layout@" line the
// one-column layout of each window on a screen narrower than it, from the
// column.css.in and splash.css.in templates beside it. With --json it writes
// instead, for the page's test, each window's design names, its tab order and
// its number boxes; with --worker, the service worker that keeps the site's
// files, from its template.
//
//     genpage TEMPLATE OUTPUT    genpage --json OUTPUT    genpage --worker TEMPLATE OUTPUT FILE...

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "core/design/windows.h"
#include "core/text/markup.h"

namespace {

using namespace core::design;

std::string Escape(std::string_view text) { return core::EscapeMarkup(text); }

// A multi-line text as a text area holds it: line feeds, without the last one.
std::string Lines(std::string_view crlf)
{
    std::string out;
    for (std::size_t i = 0; i < crlf.size(); ++i)
        if (!(crlf[i] == '\r' && i + 1 < crlf.size() && crlf[i + 1] == '\n'))
            out += crlf[i];
    if (!out.empty() && out.back() == '\n')
        out.pop_back();
    return Escape(out);
}

// A caption with its access key underlined.
std::string Caption(std::string_view text)
{
    const std::size_t at = text.find('&');
    if (at == std::string_view::npos || at + 1 >= text.size())
        return Escape(text);
    return Escape(text.substr(0, at)) + "<u>" + Escape(text.substr(at + 1, 1)) + "</u>" + Escape(text.substr(at + 2));
}

std::string Box(int left, int top, int width, int height)
{
    std::ostringstream s;
    s << "left:" << left << "px;top:" << top << "px;width:" << width << "px;height:" << height << "px";
    return s.str();
}

// Each control's place in the one-column layout (see ColumnOrder).
using Order = std::map<std::string_view, int>;

std::string Style(const Control& c, const Order& order)
{
    const PixelRect r = Place(c);
    const auto at = order.find(c.name);
    return Box(r.left, r.top, r.width, r.height) + (at == order.end() ? "" : ";--order:" + std::to_string(at->second));
}

// The page holds every window at once: the main window's controls have their
// design names as ids, a secondary window's have its name before theirs.
std::string Id(const Window& w, std::string_view name)
{
    return &w == &frmMain ? std::string(name) : std::string(w.name) + "_" + std::string(name);
}

// A window as the page draws it: its design, and where each control stands
// in one column.
struct Drawn {
    const Window& design;
    Order column;
};

std::string Attributes(const Drawn& w, const Control& c, std::string_view cls)
{
    std::string a = "id=\"" + Id(w.design, c.name) + "\" data-name=\"" + std::string(c.name) + "\"";
    if (!cls.empty())
        a += " class=\"" + std::string(cls) + "\"";
    return a + " style=\"" + Style(c, w.column) + "\"";
}

std::string Classes(std::initializer_list<std::pair<bool, std::string_view>> parts)
{
    std::string out;
    for (const auto& [on, name] : parts)
        if (on)
            out += (out.empty() ? "" : " ") + std::string(name);
    return out;
}

std::string TextBoxMarkup(const Drawn& w, const Control& c)
{
    const bool tabStop = c.tab != kNoTab;
    const bool caption = c.colour == Face && !c.Has(kBorder);
    // A caption box is printed text: no field for assistive technology.
    if (caption && c.Has(kMultiLine))
        return "<div " + Attributes(w, c, "printed caption") + ">" + Lines(c.text) + "</div>";
    if (caption)
        return "<span " + Attributes(w, c, Classes({{true, "caption"}, {c.align == Right, "right"}})) + ">" +
               Escape(c.text) + "</span>";
    const std::string label = " aria-label=\"" + Escape(c.accessible.empty() ? c.text : c.accessible) + "\"";
    const std::string tab = tabStop ? "" : " tabindex=\"-1\"";
    const std::string readOnly = c.Has(kReadOnly) ? " readonly" : "";
    if (c.Has(kMultiLine)) {
        const std::string cls = c.colour == Face ? "printed flat"
                                                 : Classes({{true, "printed licence"},
                                                            {c.Has(kScrollBars), "scroll"},
                                                            {c.colour == Compulsory, "compulsory"},
                                                            {c.colour == Optional, "optional"}});
        // A pasted table keeps each line on one line, as a spreadsheet shows it.
        const std::string wrap = IsInput(c) && !c.Has(kWordWrap) ? " wrap=\"off\"" : "";
        return "<textarea " + Attributes(w, c, cls) + label + tab + wrap + " spellcheck=\"false\"" + readOnly + ">" +
               Lines(c.text) + "</textarea>";
    }
    const std::string cls = c.colour == Face ? "echo"
                                             : Classes({{true, "box"},
                                                        {c.colour == Compulsory, "compulsory"},
                                                        {c.colour == Optional, "optional"}});
    const std::string required = c.colour == Compulsory ? " aria-required=\"true\"" : "";
    // A phone's decimal keypad may have no minus: a box that takes one keeps the whole keyboard.
    const std::string numeric = !c.Has(kNumeric) ? ""
                                : c.Has(kSigned) ? " data-numeric data-signed"
                                                 : " data-numeric inputmode=\"decimal\"";
    const std::string value = c.text.empty() ? "" : " value=\"" + Escape(c.text) + "\"";
    return "<input type=\"text\" " + Attributes(w, c, cls) + label + tab + required + numeric + value +
           " autocomplete=\"off\" spellcheck=\"false\"" + readOnly + ">";
}

std::string FontClasses(Font f)
{
    switch (f) {
    case Bold: return "bold";
    case Splash14: return "splash s14";
    case Splash18: return "splash s18";
    case Splash24: return "splash s24";
    case Sans: break;
    }
    return "";
}

// The words of a text, lower case, without its access key and punctuation.
std::vector<std::string> Words(std::string_view text)
{
    std::vector<std::string> words(1);
    for (const char ch : text) {
        if (std::isalnum(static_cast<unsigned char>(ch)) || ch == '\'')
            words.back() += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        else if (ch != '&' && !words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

// A caption's text. A terse one ("b:"), shorter than its box's accessible
// name and with words that name does not hold, gives way, in the phone's column, to that name in full
// ("Coefficient of predictor 2:"), since the column no longer shows the
// headings over the boxes that explained it.
std::string CaptionText(const Drawn& w, const Control& c)
{
    const Control* box = Find(w.design, c.buddy);
    if (!box || box->accessible.size() <= c.text.size())
        return Escape(c.text);
    const std::vector<std::string> name = Words(box->accessible);
    bool held = true;
    for (const std::string& word : Words(c.text))
        held = held && std::find(name.begin(), name.end(), word) != name.end();
    if (held)
        return Escape(c.text);
    return "<span class=\"short\">" + Escape(c.text) + "</span><span class=\"full\">" + Escape(box->accessible) +
           ":</span>";
}

std::string LabelMarkup(const Drawn& w, const Control& c)
{
    const std::string cls = Classes({{true, "label"},
                                     {c.font != Sans && c.font != Bold, FontClasses(c.font)},
                                     {c.align == Right, "right"},
                                     {c.Has(kWordWrap), "wrap"},
                                     {c.font == Bold, "bold"},
                                     {c.align == Centre, "centre"}});
    if (c.buddy.empty())
        return "<span " + Attributes(w, c, cls) + ">" + Escape(c.text) + "</span>";
    return "<label " + Attributes(w, c, cls) + " for=\"" + Id(w.design, c.buddy) + "\">" + CaptionText(w, c) + "</label>";
}

// The window a control opens, and the function key that opens it too.
std::string OpensAttributes(const Drawn& w, const Control& c)
{
    for (const Opening& o : kOpenings)
        if (o.from == &w.design && o.control == c.name)
            return " data-opens=\"" + std::string(o.window->name) + "\"" +
                   (o.key.empty() ? "" : " aria-keyshortcuts=\"" + std::string(o.key) + "\"");
    return "";
}

std::string ButtonMarkup(const Drawn& w, const Control& c)
{
    const std::string cls = Classes({{true, "button"}, {c.font == Bold, "bold"}, {c.Has(kWordWrap), "wrap"}});
    const char key = AccessKey(c.text);
    const std::string dataKey = key ? " data-key=\"" + std::string(1, key) + "\"" : "";
    const std::string takes = c.buddy.empty() ? "" : " data-buddy=\"" + std::string(c.buddy) + "\"";
    return "<button type=\"button\" " + Attributes(w, c, cls) + dataKey + takes + OpensAttributes(w, c) + ">" +
           Caption(c.text) + "</button>";
}

// The box and its caption in one label, which takes the design's place.
std::string CheckBoxMarkup(const Drawn& w, const Control& c)
{
    const std::string label = c.accessible.empty() ? "" : " aria-label=\"" + Escape(c.accessible) + "\"";
    return "<label class=\"check\" style=\"" + Style(c, w.column) + "\"><input type=\"checkbox\" id=\"" +
           Id(w.design, c.name) + "\" data-name=\"" + std::string(c.name) + "\"" + label + ">" + Escape(c.text) +
           "</label>";
}

std::string PictureMarkup(const Drawn& w, const Control& c)
{
    const std::string file(c.text);
    const std::string stem = file.substr(0, file.rfind('.'));
    const PixelRect r = Place(c);
    return "<button type=\"button\" " + Attributes(w, c, "picture") + OpensAttributes(w, c) + " aria-label=\"" +
           Escape(c.accessible) + "\" tabindex=\"-1\" title=\"" + Escape(c.tip) + "\"><img src=\"" + file + "\" srcset=\"" + file + " 1x, " +
           stem + "@2x.png 2x\" alt=\"\" width=\"" + std::to_string(r.width) + "\" height=\"" +
           std::to_string(r.height) + "\"></button>";
}

// Not a live region: a screen reader would read the clock out every minute.
std::string StatusBarMarkup(const Drawn& w, const Control& c)
{
    const int panel = Place(c).width / 3;
    const auto at = [panel](int i) {
        return " style=\"left:" + std::to_string(i * panel) + "px;width:" + std::to_string(panel) + "px\"";
    };
    return "<div " + Attributes(w, c, "") + ">\n        <span class=\"panel\"" + at(0) + ">" + Escape(c.text) +
           "</span><span class=\"panel centre\" id=\"StatusDate\"" + at(1) +
           "></span><span class=\"panel centre\" id=\"StatusTime\"" + at(2) + "></span>\n      </div>";
}

std::string Children(const Drawn& w, std::string_view container, const std::string& indent);

std::string ControlMarkup(const Drawn& w, const Control& c, const std::string& indent)
{
    switch (c.kind) {
    case TextBox: return TextBoxMarkup(w, c);
    case Label: return LabelMarkup(w, c);
    case Button: return ButtonMarkup(w, c);
    case Picture: return PictureMarkup(w, c);
    case Image: return "<span " + Attributes(w, c, "label") + "><img src=\"" + std::string(c.text) + "\" alt=\"\"></span>";
    case Line: return "<div " + Attributes(w, c, "line") + " aria-hidden=\"true\"></div>";
    case Frame: return "<div " + Attributes(w, c, "") + ">\n" + Children(w, c.name, indent + "  ") + indent + "</div>";
    case StatusBar: return StatusBarMarkup(w, c);
    case Grid:
        return "<div " + Attributes(w, c, c.Has(kStacked) ? "grid stacked" : "grid") +
               " tabindex=\"0\" role=\"region\" aria-label=\"" +
               Escape(c.accessible) + "\"><table><thead><tr></tr></thead><tbody></tbody></table></div>";
    case Drawing:
        return "<div " + Attributes(w, c, "drawing") + " role=\"img\" aria-label=\"" + Escape(c.accessible) +
               "\" aria-describedby=\"" + Id(w.design, c.buddy) + "\"" +
               (c.text.empty() ? "" : " data-file=\"" + Escape(c.text) + "\"") + "></div>";
    case CheckBox: return CheckBoxMarkup(w, c);
    case Viewer:
        return "<div " + Attributes(w, c, "viewer") + " role=\"document\" tabindex=\"0\" aria-label=\"" +
               Escape(c.accessible) + "\" data-file=\"" + Escape(c.text) + "\"></div>";
    }
    return "";
}

// The controls that stand in `container`: the tab stops in tab order, then the others in design order.
std::string Children(const Drawn& w, std::string_view container, const std::string& indent)
{
    std::vector<const Control*> order;
    for (const Control& c : w.design.controls)
        if (c.container == container)
            order.push_back(&c);
    std::stable_partition(order.begin(), order.end(), [](const Control* c) { return c->tab == kTab; });
    std::string out;
    for (const Control* c : order)
        out += indent + ControlMarkup(w, *c, indent) + "\n";
    return out;
}

bool IsHeading(const Control& c)
{
    return c.buddy.empty() && (c.kind == Label || (c.kind == TextBox && c.Has(kMultiLine) && c.colour == Face));
}

// A control no taller than a box and the space above it stands in one row of them.
constexpr int kOneRow = 300;  // twips

// The tab stop a control that is none stands with in one column: its buddy's;
// for a heading, the first in column order of those under it, down to the next
// heading; for a line's height, the nearest on its row to its right; else the
// nearest below it that it overlaps across, or failing that the nearest below.
const Control* Anchor(const Window& w, const Control& c, const std::vector<const Control*>& stops)
{
    if (c.tab != kNoTab)
        return &c;
    if (const Control* buddy = Find(w, c.buddy))
        return Anchor(w, *buddy, stops);
    const auto under = [&](const Control& s) {
        return s.top >= c.top && s.left < c.left + c.width && c.left < s.left + s.width;
    };
    if (IsHeading(c)) {
        int end = INT32_MAX;  // the next heading under this one
        for (const Control& h : w.controls)
            if (&h != &c && IsHeading(h) && h.top > c.top && under(h))
                end = std::min(end, h.top);
        for (const Control* s : stops)  // in column order
            if (under(*s) && s->top < end)
                return s;
    }
    const auto best = [&](auto accept, auto distance) {
        const Control* found = nullptr;
        for (const Control* s : stops)
            if (accept(*s) && (!found || distance(*s) < distance(*found)))
                found = s;
        return found;
    };
    const auto below = [&](const Control& s) { return s.top + s.height / 2 >= c.top; };
    const auto acrossFrom = [&](const Control& s) { return s.left < c.left + c.width && c.left < s.left + s.width; };
    const auto dx = [&](const Control& s) { return static_cast<double>(s.left - c.left); };
    const auto dy = [&](const Control& s) { return static_cast<double>(s.top - c.top); };
    const Control* row = c.height <= kOneRow ? best([&](const Control& s) {
        return s.left >= c.left && s.top < c.top + c.height && c.top < s.top + s.height;
    }, dx) : nullptr;
    if (row)
        return row;
    if (const Control* under = best([&](const Control& s) { return below(s) && acrossFrom(s); }, dy))
        return under;
    return best(below, [&](const Control& s) { return dx(s) * dx(s) + dy(s) * dy(s); });
}

// Reading order: column by column, where vertical lines divide the window,
// then from the top down and from the left.
auto ReadingKey(const Window& w)
{
    return [&w](const Control* c) {
        int column = 0;
        for (const Control& line : w.controls)
            column += line.kind == Line && line.left == line.width && line.left <= c->left;
        return std::tuple(column, c->top, c->left);
    };
}

// The tab stops in the order they stand in one column: the tab order, but
// where it reaches the window's first button before boxes it is to read (the
// main window's), the boxes come first as a form is filled in, the
// compulsory and plain ones before the optional, each in reading order; then
// that button's row; then the rest in reading order.
std::vector<const Control*> NarrowOrder(const Window& w, const std::vector<const Control*>& stops)
{
    const auto command = std::find_if(stops.begin(), stops.end(), [](const Control* c) { return c->kind == Button; });
    if (std::none_of(command, stops.end(), [](const Control* c) { return IsInput(*c); }))
        return stops;
    const auto key = ReadingKey(w);
    const auto group = [&](const Control* c) {
        if (IsInput(*c))
            return c->colour == Optional ? 1 : 0;
        return c->kind == Button && c->top == (*command)->top ? 2 : 3;
    };
    std::vector<const Control*> order = stops;
    std::stable_sort(order.begin(), order.end(), [&](const Control* a, const Control* b) {
        return std::pair(group(a), key(a)) < std::pair(group(b), key(b));
    });
    return order;
}

// A control that begins above every tab stop (the instructions) stands
// before them all; but not one of a row of headings, each over its own
// column of boxes, which stands before the first box it heads.
bool AboveAll(const Window& w, const Control& c, const std::vector<const Control*>& stops)
{
    const bool headingsInARow = std::any_of(w.controls.begin(), w.controls.end(), [&c](const Control& h) {
        return &h != &c && IsHeading(h) && h.top == c.top;
    });
    return IsHeading(c) && !headingsInARow &&
           std::all_of(stops.begin(), stops.end(), [&c](const Control* s) { return c.top < s->top; });
}

// Where each control stands in one column: the tab stops in their narrow
// order, each after the controls that stand with it, in reading order; the
// rest (the status bar) at the end.
Order ColumnOrder(const Window& w)
{
    std::vector<const Control*> tabStops;
    for (const Control& c : w.controls)
        if (c.tab != kNoTab && c.container.empty())
            tabStops.push_back(&c);
    const std::vector<const Control*> stops = NarrowOrder(w, tabStops);
    struct Standing {
        const Control* control;
        const Control* anchor;  // the tab stop it stands before, or else after
        bool after;
    };
    std::vector<Standing> rest;
    for (const Control& c : w.controls) {
        if (c.tab != kNoTab || !c.container.empty())
            continue;
        const Control* before = c.kind == StatusBar                     ? nullptr
                                : !stops.empty() && AboveAll(w, c, stops) ? stops.front()
                                                                       : Anchor(w, c, stops);
        const Control* after = nullptr;  // with no tab stop below: after the nearest above
        if (!before && c.kind != StatusBar)
            for (const Control* s : stops)
                if (!after || std::hypot(s->left - c.left, s->top - c.top) <
                                  std::hypot(after->left - c.left, after->top - c.top))
                    after = s;
        rest.push_back({&c, before ? before : after, !before});
    }
    // In reading order, but a caption just before its box, whatever else stands with it.
    const auto key = [](const Standing& s) {
        return std::tuple(s.anchor && s.control->buddy == s.anchor->name, s.control->top, s.control->left);
    };
    std::sort(rest.begin(), rest.end(), [&key](const Standing& a, const Standing& b) { return key(a) < key(b); });
    Order order;
    int next = 0;
    const auto place = [&](const Control* s, bool after) {
        for (const Standing& r : rest)
            if (r.anchor == s && r.after == after)
                order[r.control->name] = next++;
    };
    for (const Control* s : stops) {
        place(s, false);
        order[s->name] = next++;
        place(s, true);
    }
    place(nullptr, true);
    return order;
}

// The narrowest screen a window keeps its design on: its own width, and at
// least a phone's, whose text of 11 pixels would be too small to read; from
// 768 pixels on the design stands.
int ColumnBelow(const Window& w) { return std::min(std::max(Px(w.width) + 2, 480), 768); }

// The template's text with each mark replaced.
std::string Fill(std::string text, std::initializer_list<std::pair<std::string_view, std::string>> marks)
{
    for (const auto& [mark, value] : marks)
        for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size()))
            text.replace(at, mark.size(), value);
    return text;
}

// A window on a screen narrower than it: its controls in one column, in the
// order above, each as wide as the screen, text of 16 pixels, dialogs within
// the screen and scrolling down (column.css.in); the splash keeps its
// picture, scaled into the screen (splash.css.in).
std::string ColumnCss(const Window& w, const std::string& columnTemplate, const std::string& splashTemplate)
{
    const std::string id = "#" + std::string(w.name), max = std::to_string(ColumnBelow(w) - 1);
    if (w.border != Border::None)
        return Fill(columnTemplate, {{"@window@", id}, {"@max@", max}});
    char scale[16];
    std::snprintf(scale, sizeof scale, "%.3f", 360.0 / Px(w.width));
    return Fill(splashTemplate, {{"@window@", id}, {"@max@", max}, {"@scale@", scale}});
}

// The title bar's icon, and the same drawn twice the size for screens of twice the density.
std::string IconImage(Icon icon)
{
    const auto [one, two] = icon == Icon::Question ? std::pair("question.png", "question@2x.png")
                                                   : std::pair("calculator-16.png", "calculator-32.png");
    return "<img src=\"" + std::string(one) + "\" srcset=\"" + one + " 1x, " + two +
           " 2x\" width=\"16\" height=\"16\" alt=\"\">";
}

std::string WindowMarkup(const Window& design)
{
    const Drawn w{design, ColumnOrder(design)};
    const int width = Px(design.width), height = Px(design.height);
    const std::string name(design.name);
    if (design.border == Border::None)  // the splash: no title bar, centred over the page
        return "  <div id=\"" + name + "\" data-ms=\"" + std::to_string(kSplashMs) + "\" style=\"width:" +
               std::to_string(width) + "px;height:" + std::to_string(height) + "px;margin:" +
               std::to_string(-height / 2) + "px 0 0 " + std::to_string(-width / 2) + "px\" aria-hidden=\"true\">\n" +
               Children(w, "", "    ") + "  </div>\n";
    // The main window's title is the page's heading, each dialog's its own.
    const bool main = &design == &frmMain;
    const std::string element = main ? "main" : "dialog", heading = main ? "h1" : "h2";
    // The main window takes no input until the page's script has started the core.
    const std::string inert = main ? " inert" : "";
    // Function keys that open a window without a control of their own.
    std::string keys;
    for (const Opening& o : kOpenings)
        if (o.from == &design && o.control.empty())
            keys += (keys.empty() ? "" : " ") + std::string(o.key) + "=" + std::string(o.window->name);
    const std::string keyOpenings = keys.empty() ? "" : " data-key-openings=\"" + keys + "\"";
    // A window that keeps its inputs closes on Escape, and shows a long run's progress with a way to cancel it.
    const std::string keeps = design.keeps ? " data-keeps" : "";
    const std::string working =
        design.keeps ? "    <div class=\"working\" id=\"" + name + "-working\" hidden><span>" + std::string(kWorking) +
                           "</span><progress max=\"1\" value=\"0\" aria-label=\"Share done\"></progress>"
                           "<button type=\"button\" class=\"cancel\">Cancel</button></div>\n"
                     : "";
    return "  <" + element + " id=\"" + name + "\" class=\"window\" aria-labelledby=\"" + name + "-title\"" + inert +
           keyOpenings + keeps + ">\n" +
           "    <" + heading + " class=\"titlebar\" id=\"" + name + "-title\">" + IconImage(design.icon) +
           Escape(design.caption) + "</" + heading + ">\n" +
           "    <div class=\"client\" style=\"width:" + std::to_string(width) +
           "px;height:" + std::to_string(height) + "px\">\n" + Children(w, "", "      ") + "    </div>\n" + working + "  </" +
           element + ">\n";
}

// A JSON list of the names of the controls that pass the test.
template <typename Test>
std::string Names(const Window& w, Test test)
{
    std::string out = "[";
    for (const Control& c : w.controls)
        if (test(c))
            out += std::string(out.size() > 1 ? ", " : "") + "\"" + std::string(c.name) + "\"";
    return out + "]";
}

std::string Json()
{
    std::string out = "{";
    for (const Window* w : kWindows)
        out += std::string(out.size() > 1 ? ", " : "") + "\"" + std::string(w->name) + "\": {\"controls\": " +
               Names(*w, [](const Control&) { return true; }) +
               ", \"tabOrder\": " + Names(*w, [](const Control& c) { return c.tab == kTab; }) +
               ", \"numeric\": " + Names(*w, [](const Control& c) { return c.Has(kNumeric); }) +
               ", \"signed\": " + Names(*w, [](const Control& c) { return c.Has(kSigned); }) + "}";
    return out + "}\n";
}

std::string Read(const std::string& path, bool& ok)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    ok = ok && static_cast<bool>(in);
    return text.str();
}

// The service worker: it keeps the site's own files, and only those, in a
// cache named after their contents, so that a new build replaces them all,
// and answers from it when the network cannot.
std::string Worker(const std::string& workerTemplate, const std::vector<std::string>& files, bool& ok)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over every file's name and bytes
    std::string list;
    for (const std::string& path : files) {
        const std::string name = path.substr(path.find_last_of('/') + 1);
        for (const char c : name + '\0' + Read(path, ok))
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        list += std::string(list.empty() ? "" : ", ") + "'" + name + "'";
    }
    char version[17];
    std::snprintf(version, sizeof version, "%016llx", static_cast<unsigned long long>(hash));
    return Fill(workerTemplate, {{"@version@", version}, {"@files@", list}});
}

bool Write(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv)
{
    bool ok = true;
    if (argc == 3 && std::string_view(argv[1]) == "--json")
        return Write(argv[2], Json()) ? 0 : 1;
    if (argc >= 4 && std::string_view(argv[1]) == "--worker") {
        const std::string worker = Worker(Read(argv[2], ok), std::vector<std::string>(argv + 4, argv + argc), ok);
        return ok && Write(argv[3], worker) ? 0 : 1;
    }
    if (argc != 3) {
        std::cerr << "usage: genpage TEMPLATE OUTPUT | genpage --json OUTPUT | genpage --worker TEMPLATE OUTPUT FILE...\n";
        return 2;
    }
    const std::string page = argv[1], folder = page.substr(0, page.find_last_of('/') + 1);
    std::string text = Read(page, ok);
    const std::string columnTemplate = Read(folder + "column.css.in", ok);
    const std::string splashTemplate = Read(folder + "splash.css.in", ok);
    const std::string mark = "@windows@\n", layoutMark = "@layout@\n";
    const std::size_t at = text.find(mark);
    if (!ok || at == std::string::npos) {
        std::cerr << "genpage: cannot read " << page << " or its column.css.in and splash.css.in, or no @windows@ line\n";
        return 1;
    }
    std::string windows;
    for (const Window* w : kWindows)
        windows += WindowMarkup(*w) + "\n";
    text.replace(at, mark.size(), windows);
    if (const std::size_t layout = text.find(layoutMark); layout != std::string::npos) {
        std::string css = "  <style>\n";
        for (const Window* w : kWindows)
            css += ColumnCss(*w, columnTemplate, splashTemplate);
        text.replace(layout, layoutMark.size(), css + "  </style>\n");
    }
    return Write(argv[2], text) ? 0 : 1;
}
