// Writes the browser edition's page from the windows' design tables: the
// template's "@windows@" line becomes the markup of every window, each control
// at its design place, with its design name. With --json it writes instead,
// for the page's test, each window's design names in tab order.
//
//     genpage TEMPLATE OUTPUT          genpage --json OUTPUT

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
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

std::string Style(const Control& c)
{
    const PixelRect r = Place(c);
    return Box(r.left, r.top, r.width, r.height);
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
    const std::string label = " aria-label=\"" + Escape(c.accessible.empty() ? c.text : c.accessible) + "\"";
    const std::string tab = tabStop ? "" : " tabindex=\"-1\"";
    const std::string readOnly = c.Has(kReadOnly) ? " readonly" : "";
    if (c.Has(kMultiLine)) {
        const std::string cls = c.colour == Face      ? (c.Has(kBorder) ? "printed flat" : "printed caption")
                                : c.Has(kScrollBars) ? "printed licence scroll"
                                                     : "printed licence";
        return "<textarea " + Attributes(w, c, cls) + label + tab + " spellcheck=\"false\"" + readOnly + ">" +
               Lines(c.text) + "</textarea>";
    }
    std::string cls, value;
    if (c.colour == Face && !c.Has(kBorder)) {
        cls = Classes({{true, "caption"}, {c.align == Right, "right"}});
        value = " value=\"" + Escape(c.text) + "\"";
    } else if (c.colour == Face) {
        cls = "echo";
    } else {
        cls = Classes({{true, "box"}, {c.colour == Compulsory, "compulsory"}, {c.colour == Optional, "optional"}});
    }
    const std::string numeric = c.Has(kNumeric) ? " data-numeric" : "";
    return "<input type=\"text\" " + Attributes(w, c, cls) + value + label + tab + numeric +
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

std::string StatusBarMarkup(const Window& w, const Control& c)
{
    const int panel = Place(c).width / 3;
    return "<div " + Attributes(w, c, "") + " role=\"status\">\n        <span class=\"panel\" style=\"left:0px\">" +
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

std::string IconFile(Icon icon)
{
    return icon == Icon::Question ? "question.png" : "calculator-16.png";
}

std::string WindowMarkup(const Window& w)
{
    const int width = Px(w.width), height = Px(w.height);
    const std::string name(w.name);
    if (w.border == Border::None)  // the splash: no title bar, centred over the page
        return "  <div id=\"" + name + "\" data-ms=\"" + std::to_string(kSplashMs) + "\" style=\"width:" +
               std::to_string(width) + "px;height:" + std::to_string(height) + "px;margin:" +
               std::to_string(-height / 2) + "px 0 0 " + std::to_string(-width / 2) + "px\" aria-hidden=\"true\">\n" +
               Children(w, "", "    ") + "  </div>\n";
    const std::string element = &w == &frmMain ? "main" : "dialog";
    return "  <" + element + " id=\"" + name + "\" class=\"window\" aria-labelledby=\"" + name + "-title\">\n" +
           "    <div class=\"titlebar\" id=\"" + name + "-title\"><img src=\"" + IconFile(w.icon) + "\" alt=\"\">" +
           Escape(w.caption) + "</div>\n" + "    <div class=\"client\" style=\"width:" + std::to_string(width) +
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
    if (argc != 3) {
        std::cerr << "usage: genpage TEMPLATE OUTPUT | genpage --json OUTPUT\n";
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
    return Write(argv[2], text) ? 0 : 1;
}
