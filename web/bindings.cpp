// The calculation core as the browser edition's page sees it: every figure,
// message, fixed text and the keystroke rule come from here; the page's own
// script only moves texts between its fields and these calls.

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <string>

#include "core/batch.h"
#include "core/conversion.h"
#include "core/curve.h"
#include "core/interpretation.h"
#include "core/scoreanalysis.h"
#include "core/filternumerickey.h"
#include "core/texts.h"

namespace {

using emscripten::val;

val MessageOrNull(const std::optional<std::string>& message)
{
    return message ? val(*message) : val::null();
}

// The five number boxes' texts by box name in; the fourteen results by box
// name and the message, or null, out.
val Analyze(val inputs, const std::string& decimalSeparator)
{
    core::ScoreInputs in;
    for (const core::InputBox& box : core::kInputBoxes)
        in.*box.text = inputs[std::string(box.name)].as<std::string>();
    const core::ScoreResults r = core::AnalyzeScores(in, decimalSeparator);
    val out = val::object();
    for (const core::ResultBox& box : core::kResultBoxes)
        out.set(std::string(box.name), r.*box.text);
    out.set("message", MessageOrNull(r.message));
    return out;
}

val Convert(const std::string& confidence, const std::string& deviations, const std::string& decimalSeparator)
{
    const core::ConversionResult r = core::ConvertDeviationConfidence(confidence, deviations, decimalSeparator);
    val out = val::object();
    out.set("txtAnswer", r.txtAnswer);
    out.set("message", MessageOrNull(r.message));
    return out;
}

// What typing `typed` into a number box that holds `current` puts in: the
// keystroke rule on each character in turn, all of them or none (""), the
// language's decimal separator as a point.
std::string Typed(const std::wstring& typed, const std::wstring& current, const std::wstring& separator)
{
    const auto code = [](wchar_t c) { return static_cast<std::int16_t>(c <= 0xFF ? c : -1); };
    const std::int16_t separatorCode = separator.size() == 1 ? code(separator[0]) : std::int16_t{'.'};
    std::string text;
    for (wchar_t c : current)
        text.push_back(c <= 0x7F ? static_cast<char>(c) : '?');
    std::string kept;
    for (wchar_t c : typed) {
        const std::int16_t k = core::FilterNumericKey(code(c), text + kept, separatorCode);
        if (k == 0)
            return {};
        kept.push_back(static_cast<char>(k));
    }
    return kept;
}

val Names(const auto& boxes)
{
    val names = val::array();
    for (const auto& box : boxes)
        names.call<void>("push", std::string(box.name));
    return names;
}

val InputBoxes() { return Names(core::kInputBoxes); }
val ResultBoxes() { return Names(core::kResultBoxes); }
val InterpretInputBoxes() { return Names(core::kInterpretInputs); }
val InterpretResultBoxes() { return Names(core::kInterpretResults); }

// The interpretation window's eight boxes by name in; its results by box
// name, the curve's SVG as picCurve and the message, or null, out.
val Interpret(val inputs, const std::string& decimalSeparator)
{
    core::InterpretInputs in;
    for (const core::InterpretInputBox& box : core::kInterpretInputs)
        in.*box.text = inputs[std::string(box.name)].as<std::string>();
    const core::InterpretResults r = core::InterpretScore(in, decimalSeparator);
    val out = val::object();
    for (const core::InterpretResultBox& box : core::kInterpretResults)
        out.set(std::string(box.name), r.*box.text);
    out.set("picCurve", r.picCurve);
    out.set("message", MessageOrNull(r.message));
    return out;
}

// The many-scores window's boxes by name in; the table's columns, its rows,
// its tab-separated copy and the message, or null, out.
val Batch(val inputs, const std::string& decimalSeparator)
{
    const auto text = [&inputs](const char* name) { return inputs[name].as<std::string>(); };
    const core::BatchTable table = core::InterpretBatch(
        {text("txtMeasure"), text("txtMean"), text("txtSD"), text("txtReliability"), text("txtLevel"), text("txtScores")},
        decimalSeparator);
    val columns = val::array();
    for (const std::string& c : table.columns)
        columns.call<void>("push", c);
    val rows = val::array();
    for (const auto& row : table.rows) {
        val cells = val::array();
        for (const std::string& cell : row)
            cells.call<void>("push", cell);
        rows.call<void>("push", cells);
    }
    val out = val::object();
    out.set("columns", columns);
    out.set("rows", rows);
    out.set("tsv", table.columns.empty() ? std::string() : table.Tsv());
    out.set("message", MessageOrNull(table.message));
    return out;
}

// The curve with nothing marked, as the window opens.
std::string BlankCurve() { return core::CurveSvg({}); }

// The maker's web site, which the credits window opens.
std::string MakerAddress() { return core::texts::kMakerAddress; }

}  // namespace

EMSCRIPTEN_BINDINGS(mervane)
{
    emscripten::function("analyze", &Analyze);
    emscripten::function("interpret", &Interpret);
    emscripten::function("interpretInputBoxes", &InterpretInputBoxes);
    emscripten::function("interpretResultBoxes", &InterpretResultBoxes);
    emscripten::function("blankCurve", &BlankCurve);
    emscripten::function("batch", &Batch);
    emscripten::function("convert", &Convert);
    emscripten::function("typed", &Typed);
    emscripten::function("inputBoxes", &InputBoxes);
    emscripten::function("resultBoxes", &ResultBoxes);
    emscripten::function("makerAddress", &MakerAddress);
}
