// The calculation core as the browser edition's page sees it: every figure,
// message, fixed text and the keystroke rule come from here; the page's own
// script only moves texts between its fields and these calls. Each window's
// command runs through the one list of calculations that the desktop uses.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <memory>
#include <string>

#include "core/calculation.h"
#include "core/calculations/report.h"
#include "core/reading/casefile.h"
#include "core/design/windows.h"
#include "core/reading/filternumerickey.h"
#include "core/text/texts.h"

namespace {

using emscripten::val;

val Object(const core::Texts& texts)
{
    val out = val::object();
    for (const auto& [name, text] : texts)
        out.set(name, text);
    return out;
}

val Array(const std::vector<std::string>& texts)
{
    val out = val::array();
    for (const std::string& text : texts)
        out.call<void>("push", text);
    return out;
}

core::Texts Texts(val boxes)
{
    core::Texts texts;
    const val names = val::global("Object").call<val>("keys", boxes);
    const int n = names["length"].as<int>();
    for (int i = 0; i < n; ++i) {
        const std::string name = names[i].as<std::string>();
        texts.emplace(name, boxes[name].as<std::string>());
    }
    return texts;
}

const core::design::Window* WindowNamed(const std::string& name)
{
    for (const core::design::Window* w : core::design::kWindows)
        if (w->name == name)
            return w;
    return nullptr;
}

// The button that runs a window's calculation, or "" for a window without one.
std::string Command(const std::string& window)
{
    const core::Calculation* c = core::CalculationOf(window);
    return c ? std::string(c->command) : std::string();
}

// What a command shows: the texts by box name, the grid's columns, rows and
// tab-separated copy (or null), the message (or null) and what a screen
// reader is told.
val Out(const core::Shown& shown)
{
    val out = val::object();
    out.set("texts", Object(shown.texts));
    if (shown.table) {
        val table = val::object();
        table.set("columns", Array(shown.table->columns));
        val rows = val::array();
        for (const auto& row : shown.table->rows)
            rows.call<void>("push", Array(row));
        table.set("rows", rows);
        table.set("tsv", shown.table->tsv);
        out.set("table", table);
    } else {
        out.set("table", val::null());
    }
    out.set("message", shown.message ? val(*shown.message) : val::null());
    out.set("spoken", shown.spoken);
    return out;
}

// A window's command on its boxes by name, in slices, so that the page stays
// responsive through a long one: step() does the next slice and says whether
// all is done; result() is then what the window shows.
class Job {
public:
    Job(const std::string& window, val boxes, const std::string& decimalSeparator)
        : run_(core::Start(*core::CalculationOf(window), Texts(boxes), decimalSeparator))
    {
    }
    bool step() { return run_->Step(); }
    double share() const { return run_->Share(); }
    val result() { return Out(run_->Result()); }

private:
    std::unique_ptr<core::Run> run_;
};

// What a window shows as it opens, beyond its design's texts.
val Opening(const std::string& window)
{
    const core::Calculation* c = core::CalculationOf(window);
    return Object(c ? c->opening() : core::Texts());
}

// Inputs on which the window's calculation computes, for the tests that wire every window alike.
val Example(const std::string& window)
{
    const core::Calculation* c = core::CalculationOf(window);
    return Object(c ? c->example() : core::Texts());
}

// What a window that keeps its inputs keeps of its boxes as it closes.
val Kept(const std::string& window, val boxes)
{
    return Object(core::Kept(*WindowNamed(window), Texts(boxes)));
}

// A window's input boxes as it opens: what it kept, and what it carries from
// its opener's boxes; `selected`, the multi-line boxes whose carried text is selected.
val Reopened(const std::string& window, val kept, val openerBoxes)
{
    const core::Reopening r = core::Reopened(*WindowNamed(window), Texts(kept), Texts(openerBoxes));
    val out = val::object();
    out.set("texts", Object(r.texts));
    out.set("selected", Array(r.selected));
    return out;
}

core::CaseWindows Windows(val byWindow)
{
    core::CaseWindows out;
    const val names = val::global("Object").call<val>("keys", byWindow);
    for (int i = 0, n = names["length"].as<int>(); i < n; ++i) {
        const std::string name = names[i].as<std::string>();
        out.emplace(name, Texts(byWindow[name]));
    }
    return out;
}

// The whole assessment from what every window kept (by window, by box),
// computed once; each writing puts it under the header as it then stands:
// as HTML for the page, as a page of its own to save, or as plain text.
class Report {
public:
    Report(val kept, const std::string& decimalSeparator) : report_(Windows(kept), decimalSeparator) {}
    std::string html(val header) const { return core::DocumentHtml(report_.WithHeader(Texts(header))); }
    std::string page(val header) const { return core::DocumentPage(report_.WithHeader(Texts(header))); }
    std::string text(val header) const { return core::DocumentText(report_.WithHeader(Texts(header))); }

private:
    core::AssessmentReport report_;
};

// Every window's kept inputs as a case file, saved at `saved` (ISO 8601, UTC).
std::string WriteCase(val kept, const std::string& decimalSeparator, const std::string& saved)
{
    return core::WriteCase(Windows(kept), decimalSeparator, saved);
}

// A case file's bytes read: {windows} or {message}.
val ReadCase(val bytes, const std::string& decimalSeparator)
{
    const std::vector<std::uint8_t> data = emscripten::convertJSArrayToNumberVector<std::uint8_t>(bytes);
    const auto read = core::ReadCase(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()),
                                     decimalSeparator);
    val out = val::object();
    if (const auto* message = std::get_if<std::string>(&read)) {
        out.set("message", *message);
    } else {
        val windows = val::object();
        for (const auto& [name, boxes] : std::get<core::CaseWindows>(read))
            windows.set(name, Object(boxes));
        out.set("windows", windows);
    }
    return out;
}

// What typing `typed` into a number box that holds `current`, over the
// characters from `start` up to `end`, puts in: the keystroke rule on each
// character in turn (a minus first in a box that is `isSigned`), all of them
// or none (""), the language's decimal separator as a point.
std::string Typed(const std::wstring& typed, const std::wstring& current, int start, int end,
                  const std::wstring& separator, bool isSigned)
{
    const auto code = [](wchar_t c) { return static_cast<std::int16_t>(c <= 0xFF ? c : -1); };
    const std::int16_t separatorCode = separator.size() == 1 ? code(separator[0]) : std::int16_t{'.'};
    std::string text;
    for (wchar_t c : current)
        text.push_back(c <= 0x7F ? static_cast<char>(c) : '?');
    std::size_t from = std::min(static_cast<std::size_t>(std::max(start, 0)), text.size());
    std::size_t to = std::clamp(static_cast<std::size_t>(std::max(end, 0)), from, text.size());
    std::string kept;
    for (wchar_t c : typed) {
        const std::int16_t k = isSigned ? core::FilterSignedKey(code(c), text, from, to, separatorCode)
                                        : core::FilterNumericKey(code(c), text, separatorCode);
        if (k == 0)
            return {};
        kept.push_back(static_cast<char>(k));
        text.replace(from, to - from, 1, static_cast<char>(k));
        to = ++from;
    }
    return kept;
}

// The maker's web site, which the credits window opens.
std::string MakerAddress() { return core::texts::kMakerAddress; }

}  // namespace

EMSCRIPTEN_BINDINGS(mervane)
{
    emscripten::function("command", &Command);
    emscripten::class_<Job>("Job")
        .constructor<std::string, val, std::string>()
        .function("step", &Job::step)
        .function("share", &Job::share)
        .function("result", &Job::result);
    emscripten::class_<Report>("Report")
        .constructor<val, std::string>()
        .function("html", &Report::html)
        .function("page", &Report::page)
        .function("text", &Report::text);
    emscripten::function("writeCase", &WriteCase);
    emscripten::function("readCase", &ReadCase);
    emscripten::function("newCaseQuestion", +[] { return std::string(core::texts::kNewCaseQuestion); });
    emscripten::function("caseLimit", +[] { return static_cast<double>(core::kCaseLimit); });
    emscripten::function("opening", &Opening);
    emscripten::function("example", &Example);
    emscripten::function("kept", &Kept);
    emscripten::function("reopened", &Reopened);
    emscripten::function("typed", &Typed);
    emscripten::function("makerAddress", &MakerAddress);
}
