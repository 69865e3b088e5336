// Writes the browser edition's page from the windows' design tables: the
// template's "@windows@" line becomes the markup of every window, each control
// at its design place, with its design name, and its "@layout@" line the
// one-column layout of each window on a screen narrower than it. With --json
// it writes instead, for the page's test, each window's design names in tab
// order; with --worker, the service worker that keeps the site's files.
//
//     genpage TEMPLATE OUTPUT    genpage --json OUTPUT    genpage --worker OUTPUT FILE...

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/design/windows.h"
#include "core/markup.h"

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
std::map<std::string_view, int> columnOrder;

std::string Style(const Control& c)
{
    const PixelRect r = Place(c);
    const auto order = columnOrder.find(c.name);
    return Box(r.left, r.top, r.width, r.height) +
           (order == columnOrder.end() ? "" : ";--order:" + std::to_string(order->second));
}

// The main window's names stand alone; a secondary window's control whose
// name the main window has too gets its window's name before it.
std::string Id(const Window& w, std::string_view name)
{
    if (&w != &frmMain)
        for (const Control& m : frmMain.controls)
            if (m.name == name)
                return std::string(w.name) + "_" + std::string(name);
    return std::string(name);
}

std::string Attributes(const Window& w, const Control& c, std::string_view cls)
{
    std::string a = "id=\"" + Id(w, c.name) + "\" data-name=\"" + std::string(c.name) + "\"";
    if (!cls.empty())
        a += " class=\"" + std::string(cls) + "\"";
    return a + " style=\"" + Style(c) + "\"";
}

std::string Classes(std::initializer_list<std::pair<bool, std::string_view>> parts)
{
    std::string out;
    for (const auto& [on, name] : parts)
        if (on)
            out += (out.empty() ? "" : " ") + std::string(name);
    return out;
}

std::string TextBoxMarkup(const Window& w, const Control& c)
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
        const std::string cls = c.colour == Face      ? "printed flat"
                                : c.Has(kScrollBars) ? "printed licence scroll"
                                                     : "printed licence";
        return "<textarea " + Attributes(w, c, cls) + label + tab + " spellcheck=\"false\"" + readOnly + ">" +
               Lines(c.text) + "</textarea>";
    }
    const std::string cls = c.colour == Face ? "echo"
                                             : Classes({{true, "box"},
                                                        {c.colour == Compulsory, "compulsory"},
                                                        {c.colour == Optional, "optional"}});
    const std::string required = c.colour == Compulsory ? " aria-required=\"true\"" : "";
    const std::string numeric = c.Has(kNumeric) ? " data-numeric inputmode=\"decimal\"" : "";
    return "<input type=\"text\" " + Attributes(w, c, cls) + label + tab + required + numeric +
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

std::string LabelMarkup(const Window& w, const Control& c)
{
    const std::string cls = Classes({{true, "label"},
                                     {c.font != Sans && c.font != Bold, FontClasses(c.font)},
                                     {c.align == Right, "right"},
                                     {c.Has(kWordWrap), "wrap"},
                                     {c.font == Bold, "bold"},
                                     {c.align == Centre, "centre"}});
    if (c.buddy.empty())
        return "<span " + Attributes(w, c, cls) + ">" + Escape(c.text) + "</span>";
    return "<label " + Attributes(w, c, cls) + " for=\"" + Id(w, c.buddy) + "\">" + Escape(c.text) + "</label>";
}

std::string ButtonMarkup(const Window& w, const Control& c)
{
    const std::string cls = Classes({{true, "button"}, {c.font == Bold, "bold"}, {c.Has(kWordWrap), "wrap"}});
    const char key = AccessKey(c.text);
    const std::string dataKey = key ? " data-key=\"" + std::string(1, key) + "\"" : "";
    return "<button type=\"button\" " + Attributes(w, c, cls) + dataKey + ">" + Caption(c.text) + "</button>";
}

std::string PictureMarkup(const Window& w, const Control& c)
{
    const std::string file(c.text);
    const std::string stem = file.substr(0, file.rfind('.'));
    const PixelRect r = Place(c);
    return "<button type=\"button\" " + Attributes(w, c, "picture") + " aria-label=\"" + Escape(c.accessible) +
           "\" tabindex=\"-1\" title=\"" + Escape(c.tip) + "\"><img src=\"" + file + "\" srcset=\"" + file + " 1x, " +
           stem + "@2x.png 2x\" alt=\"\" width=\"" + std::to_string(r.width) + "\" height=\"" +
           std::to_string(r.height) + "\"></button>";
}

// Not a live region: a screen reader would read the clock out every minute.
std::string StatusBarMarkup(const Window& w, const Control& c)
{
    const int panel = Place(c).width / 3;
    return "<div " + Attributes(w, c, "") + ">\n        <span class=\"panel\" style=\"left:0px\">" +
           Escape(c.text) + "</span><span class=\"panel centre\" id=\"StatusDate\" style=\"left:" +
           std::to_string(panel) + "px\"></span><span class=\"panel centre\" id=\"StatusTime\" style=\"left:" +
           std::to_string(2 * panel) + "px\"></span>\n      </div>";
}

std::string Children(const Window& w, std::string_view container, const std::string& indent);

std::string ControlMarkup(const Window& w, const Control& c, const std::string& indent)
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
        return "<div " + Attributes(w, c, "grid") + " tabindex=\"0\" role=\"region\" aria-label=\"" +
               Escape(c.accessible) + "\"><table><thead><tr></tr></thead><tbody></tbody></table></div>";
    case Drawing:
        return "<div " + Attributes(w, c, "drawing") + " role=\"img\" aria-label=\"" + Escape(c.accessible) +
               "\" aria-describedby=\"" + Id(w, c.buddy) + "\"></div>";
    }
    return "";
}

// The controls that stand in `container`: the tab stops in tab order, then the others in design order.
std::string Children(const Window& w, std::string_view container, const std::string& indent)
{
    std::vector<const Control*> order;
    for (const Control& c : w.controls)
        if (c.container == container)
            order.push_back(&c);
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const bool aTab = a->tab != kNoTab, bTab = b->tab != kNoTab;
        return aTab != bTab ? aTab : aTab && a->tab < b->tab;
    });
    std::string out;
    for (const Control* c : order)
        out += indent + ControlMarkup(w, *c, indent) + "\n";
    return out;
}

const Control* Find(const Window& w, std::string_view name)
{
    for (const Control& c : w.controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

bool IsHeading(const Control& c)
{
    return c.buddy.empty() && (c.kind == Label || (c.kind == TextBox && c.Has(kMultiLine) && c.colour == Face));
}

// The tab stop a control that is none stands with in one column: its buddy's;
// for a heading, the first in tab order of those under it, down to the next
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
        for (const Control* s : stops)  // in tab order
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
    const Control* row = c.height <= 300 ? best([&](const Control& s) {
        return s.left >= c.left && s.top < c.top + c.height && c.top < s.top + s.height;
    }, dx) : nullptr;
    if (row)
        return row;
    if (const Control* under = best([&](const Control& s) { return below(s) && acrossFrom(s); }, dy))
        return under;
    return best(below, [&](const Control& s) { return dx(s) * dx(s) + dy(s) * dy(s); });
}

// Where each control stands in one column: the tab stops in tab order, each
// after the controls that stand with it, in reading order; the rest (the
// status bar) at the end.
std::map<std::string_view, int> ColumnOrder(const Window& w)
{
    std::vector<const Control*> stops;
    for (const Control& c : w.controls)
        if (c.tab != kNoTab && c.container.empty())
            stops.push_back(&c);
    std::sort(stops.begin(), stops.end(), [](const Control* a, const Control* b) { return a->tab < b->tab; });
    struct Standing {
        const Control* control;
        const Control* anchor;  // the tab stop it stands before, or else after
        bool after;
    };
    std::vector<Standing> rest;
    for (const Control& c : w.controls) {
        if (c.tab != kNoTab || !c.container.empty())
            continue;
        const Control* before = c.kind == StatusBar ? nullptr : Anchor(w, c, stops);
        const Control* after = nullptr;  // with no tab stop below: after the nearest above
        if (!before && c.kind != StatusBar)
            for (const Control* s : stops)
                if (!after || std::hypot(s->left - c.left, s->top - c.top) <
                                  std::hypot(after->left - c.left, after->top - c.top))
                    after = s;
        rest.push_back({&c, before ? before : after, !before});
    }
    std::sort(rest.begin(), rest.end(), [](const Standing& a, const Standing& b) {
        return std::pair(a.control->top, a.control->left) < std::pair(b.control->top, b.control->left);
    });
    std::map<std::string_view, int> order;
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

// A window on a screen narrower than it: its controls in one column, in the
// order above, each as wide as the screen, text of 16 pixels, dialogs within
// the screen and scrolling down.
std::string ColumnCss(const Window& w)
{
    const std::string id = "#" + std::string(w.name);
    const std::string media = "@media (max-width: " + std::to_string(ColumnBelow(w) - 1) + "px) {\n";
    if (w.border == Border::None) {
        // The splash keeps its picture, scaled into the screen.
        const double scale = 360.0 / Px(w.width);
        char factor[16];
        std::snprintf(factor, sizeof factor, "%.3f", scale);
        return media + "  " + id + " { transform: scale(" + factor + "); }\n}\n";
    }
    const std::string client = id + " > .client";
    const std::string each = client + " > ";
    std::string css = media;
    for (const std::string& rule : {
             id + " { box-sizing: border-box; width: calc(100vw - 16px); max-width: none; font-size: 16px; "
                  "letter-spacing: normal; }",
             id + " > .titlebar { height: auto; line-height: 1.5; }",
             client + " { width: auto !important; height: auto !important; display: flex; flex-direction: column; "
                      "gap: 4px; padding: 8px; }",
             each + "* { position: static !important; order: var(--order); width: auto !important; "
                    "height: auto !important; font-size: 16px; line-height: 1.35; letter-spacing: normal; }",
             each + ".line { display: none; }",
             each + ".label, " + each + ".caption { display: block; white-space: normal; text-align: left; "
                    "margin-top: 6px; }",
             each + "input, " + each + "button.button { min-height: 40px; padding: 4px 8px; }",
             each + "textarea { field-sizing: content; overflow: visible; }",
             each + "textarea.licence:not([readonly]) { field-sizing: fixed; min-height: 10em; overflow: auto; }",
             each + "button.picture { align-self: flex-start; min-width: 24px; min-height: 24px; }",
             each + ".grid { height: 60vh !important; }",
             each + ".drawing svg { width: 100%; height: auto; }",
             each + "#StatusBar { display: flex; flex-wrap: wrap; }",
             each + "#StatusBar .panel { position: static; width: auto; height: auto; flex: 1 1 auto; }",
             // A dialog stays within the screen and scrolls down.
             "dialog" + id + " { max-height: calc(100dvh - 16px); overflow-y: auto; }",
         })
        css += "  " + rule + "\n";
    return css + "}\n";
}

std::string IconFile(Icon icon)
{
    return icon == Icon::Question ? "question.png" : "calculator-16.png";
}

std::string WindowMarkup(const Window& w)
{
    const int width = Px(w.width), height = Px(w.height);
    const std::string name(w.name);
    columnOrder = ColumnOrder(w);
    if (w.border == Border::None)  // the splash: no title bar, centred over the page
        return "  <div id=\"" + name + "\" data-ms=\"" + std::to_string(kSplashMs) + "\" style=\"width:" +
               std::to_string(width) + "px;height:" + std::to_string(height) + "px;margin:" +
               std::to_string(-height / 2) + "px 0 0 " + std::to_string(-width / 2) + "px\" aria-hidden=\"true\">\n" +
               Children(w, "", "    ") + "  </div>\n";
    // The main window's title is the page's heading, each dialog's its own.
    const bool main = &w == &frmMain;
    const std::string element = main ? "main" : "dialog", heading = main ? "h1" : "h2";
    // The main window takes no input until the page's script has started the core.
    const std::string inert = main ? " inert" : "";
    return "  <" + element + " id=\"" + name + "\" class=\"window\" aria-labelledby=\"" + name + "-title\"" + inert +
           ">\n" +
           "    <" + heading + " class=\"titlebar\" id=\"" + name + "-title\"><img src=\"" + IconFile(w.icon) +
           "\" alt=\"\">" + Escape(w.caption) + "</" + heading + ">\n" +
           "    <div class=\"client\" style=\"width:" + std::to_string(width) +
           "px;height:" + std::to_string(height) + "px\">\n" + Children(w, "", "      ") + "    </div>\n  </" +
           element + ">\n";
}

std::string Json()
{
    std::string out = "{";
    for (const Window* w : kWindows) {
        std::vector<const Control*> tabs;
        for (const Control& c : w->controls)
            if (c.tab != kNoTab)
                tabs.push_back(&c);
        std::sort(tabs.begin(), tabs.end(), [](const Control* a, const Control* b) { return a->tab < b->tab; });
        out += std::string(out.size() > 1 ? ", " : "") + "\"" + std::string(w->name) + "\": {\"controls\": [";
        for (std::size_t i = 0; i < w->controls.size(); ++i)
            out += std::string(i ? ", " : "") + "\"" + std::string(w->controls[i].name) + "\"";
        out += "], \"tabOrder\": [";
        for (std::size_t i = 0; i < tabs.size(); ++i)
            out += std::string(i ? ", " : "") + "\"" + std::string(tabs[i]->name) + "\"";
        out += "]}";
    }
    return out + "}\n";
}

// The service worker: it keeps the site's own files, and only those, in a
// cache named after their contents, so that a new build replaces them all,
// and answers from it when the network cannot.
std::string Worker(const std::vector<std::string>& files)
{
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over every file's name and bytes
    std::string list;
    for (const std::string& path : files) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream bytes;
        bytes << in.rdbuf();
        const std::string name = path.substr(path.find_last_of('/') + 1);
        for (const char c : name + '\0' + bytes.str())
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        list += std::string(list.empty() ? "" : ", ") + "'" + name + "'";
    }
    char version[17];
    std::snprintf(version, sizeof version, "%016llx", static_cast<unsigned long long>(hash));
    return "'use strict';\n"
           "// Generated with the page: keeps the page's own files for use offline.\n"
           "const CACHE = 'mervane-" + std::string(version) + "';\n"
           "const FILES = ['./', " + list + "];\n"
           "self.addEventListener('install', (e) => {\n"
           "  e.waitUntil(caches.open(CACHE).then((c) => c.addAll(FILES)).then(() => self.skipWaiting()));\n"
           "});\n"
           "self.addEventListener('activate', (e) => {\n"
           "  e.waitUntil(caches.keys()\n"
           "    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('mervane-') && k !== CACHE).map((k) => caches.delete(k))))\n"
           "    .then(() => self.clients.claim()));\n"
           "});\n"
           "self.addEventListener('fetch', (e) => {\n"
           "  const url = new URL(e.request.url);\n"
           "  const scope = new URL(self.registration.scope);\n"
           "  const name = url.pathname.startsWith(scope.pathname) ? url.pathname.slice(scope.pathname.length) : null;\n"
           "  if (e.request.method !== 'GET' || url.origin !== scope.origin || !FILES.includes(name === '' ? './' : name))\n"
           "    return;\n"
           "  e.respondWith(caches.open(CACHE).then((c) => c.match(e.request, { ignoreSearch: true }))\n"
           "    .then((kept) => kept || fetch(e.request)));\n"
           "});\n";
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
    if (argc == 3 && std::string_view(argv[1]) == "--json")
        return Write(argv[2], Json()) ? 0 : 1;
    if (argc >= 3 && std::string_view(argv[1]) == "--worker")
        return Write(argv[2], Worker(std::vector<std::string>(argv + 3, argv + argc))) ? 0 : 1;
    if (argc != 3) {
        std::cerr << "usage: genpage TEMPLATE OUTPUT | genpage --json OUTPUT | genpage --worker OUTPUT FILE...\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    std::stringstream page;
    page << in.rdbuf();
    std::string text = page.str();
    const std::string mark = "@windows@\n";
    const std::size_t at = text.find(mark);
    if (!in || at == std::string::npos) {
        std::cerr << "genpage: no " << mark.substr(0, mark.size() - 1) << " line in " << argv[1] << "\n";
        return 1;
    }
    std::string windows;
    for (const Window* w : kWindows)
        windows += WindowMarkup(*w) + "\n";
    text.replace(at, mark.size(), windows);
    const std::string layoutMark = "@layout@\n";
    if (const std::size_t layout = text.find(layoutMark); layout != std::string::npos) {
        std::string css = "  <style>\n";
        for (const Window* w : kWindows)
            css += ColumnCss(*w);
        text.replace(layout, layoutMark.size(), css + "  </style>\n");
    }
    return Write(argv[2], text) ? 0 : 1;
}
