#include "core/calculation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/calculations/batch.h"
#include "core/calculations/casecontrols.h"
#include "core/calculations/compare.h"
#include "core/calculations/conversion.h"
#include "core/pictures/curve.h"
#include "core/calculations/interpretation.h"
#include "core/calculations/lowscores.h"
#include "core/reading/numbers.h"
#include "core/calculations/predict.h"
#include "core/calculations/twotasks.h"
#include "core/calculations/profile.h"
#include "core/calculations/scoreanalysis.h"

namespace core {
namespace {

// A record filled from the boxes its list names. In the windows beyond the
// main window, a box of blanks alone is an empty box, which asks to be
// filled in rather than being refused as no number.
template <typename Record, std::size_t N>
Record Read(const Texts& boxes, const std::array<Box<Record>, N>& list)
{
    Record in;
    for (const Box<Record>& box : list) {
        const std::string_view text = TextOf(boxes, box.name);
        in.*box.text = std::string(IsBlankText(text) ? "" : text);
    }
    return in;
}

// The main window's record, whose boxes count as empty only without a character.
ScoreInputs ReadAsTyped(const Texts& boxes)
{
    ScoreInputs in;
    for (const Box<ScoreInputs>& box : kInputBoxes)
        in.*box.text = std::string(TextOf(boxes, box.name));
    return in;
}

// Every box of the list from the record, an empty text included, so that no
// result of an earlier run survives.
template <typename Record, std::size_t N>
Shown Write(Record r, const std::array<Box<Record>, N>& list)
{
    Shown shown;
    for (const auto& box : list)
        shown.texts.emplace(box.name, std::move(r.*box.text));
    shown.message = std::move(r.message);
    return shown;
}

Shown Analyze(const Texts& boxes, std::string_view separator)
{
    Shown shown = Write(AnalyzeScores(ReadAsTyped(boxes), separator), kResultBoxes);
    const std::string& z = shown.texts["txtZScore"];
    shown.spoken = z.empty() ? "Results shown."
                             : "Results shown: z score " + z + ", percentile " + shown.texts["txtPercentile"] + ".";
    return shown;
}

// A refusal keeps the answer that was shown.
Shown Convert(const Texts& boxes, std::string_view separator)
{
    ConversionResult r = ConvertDeviationConfidence(TextOf(boxes, "txtConf"), TextOf(boxes, "txtSD"), separator);
    Shown shown;
    if (!r.txtAnswer.empty()) {
        shown.spoken = r.txtAnswer + ".";
        shown.texts.emplace("txtAnswer", std::move(r.txtAnswer));
    }
    shown.message = std::move(r.message);
    return shown;
}

Shown Interpret(const Texts& boxes, std::string_view separator)
{
    InterpretResults r = InterpretScore(Read(boxes, kInterpretInputs), separator);
    std::string curve = std::move(r.picCurve);
    Shown shown = Write(std::move(r), kInterpretResults);
    shown.texts.emplace("picCurve", std::move(curve));
    shown.spoken = "Interpretation shown: z score " + shown.texts["txtZScore"] + ", percentile " +
                   shown.texts["txtPercentile"] + ".";
    return shown;
}

Texts BlankCurve() { return {{"picCurve", CurveSvg({})}}; }

Shown Batch(const Texts& boxes, std::string_view separator)
{
    BatchTable t = InterpretBatch(Read(boxes, kBatchInputs), separator);
    Shown shown;
    std::string tsv = t.columns.empty() ? std::string() : t.Tsv();
    shown.table = Table{std::move(t.columns), std::move(t.rows), std::move(tsv)};
    shown.message = std::move(t.message);
    const std::size_t n = shown.table->rows.size();
    shown.spoken = n == 1 ? "One row shown." : std::to_string(n) + " rows shown.";
    return shown;
}

Shown Profile(const Texts& boxes, std::string_view separator)
{
    ProfileResults r = ProfileScores(Read(boxes, kProfileInputs), separator);
    Shown shown;
    const std::size_t n = r.table.rows.size();
    shown.table = std::move(r.table);
    shown.texts = {{"txtMeanScore", std::move(r.txtMeanScore)},
                   {"picProfile", std::move(r.picProfile)},
                   {"txtReport", std::move(r.txtReport)}};
    shown.message = std::move(r.message);
    shown.spoken = "Profile shown: " + (n == 1 ? std::string("one row") : std::to_string(n) + " rows") +
                   (shown.texts["txtMeanScore"].empty() ? "." : ", mean standard score " + shown.texts["txtMeanScore"] + ".");
    return shown;
}

Texts BlankProfile() { return {{"picProfile", ProfileSvg({})}}; }

Shown Compare(const Texts& boxes, std::string_view separator)
{
    Shown shown = Write(CompareScores(Read(boxes, kCompareInputs), separator), kCompareResults);
    const std::string& d = shown.texts["txtDifference"];
    shown.spoken = d.empty() ? "" : "Comparison shown: a difference of " + d + ".";
    return shown;
}

Shown CaseAgainstControls(const Texts& boxes, std::string_view separator)
{
    Shown shown = Write(CompareCaseToControls(Read(boxes, kCaseInputs), separator), kCaseResults);
    shown.spoken = "Case against controls shown: t " + shown.texts["txtT"] + ", one-tailed p " + shown.texts["txtPOne"] + ".";
    return shown;
}

std::unique_ptr<Run> StartLowScores(const Texts& boxes, std::string_view separator)
{
    return core::StartLowScores(Read(boxes, kLowScoresInputs), separator);
}

Shown LowScores(const Texts& boxes, std::string_view separator)
{
    return CountLowScores(Read(boxes, kLowScoresInputs), separator);
}

Shown Predicted(const Texts& boxes, std::string_view separator)
{
    Shown shown = Write(PredictScore(Read(boxes, kPredictInputs), separator), kPredictResults);
    shown.spoken = "Predicted score shown: " + shown.texts["txtPredicted"] + ", z " + shown.texts["txtZ"] + ".";
    return shown;
}

Shown TwoTasks(const Texts& boxes, std::string_view separator)
{
    Shown shown = Write(CompareTwoTasks(Read(boxes, kTwoTasksInputs), separator), kTwoTasksResults);
    shown.spoken = "Two tasks shown: " + shown.texts["txtVerdict"] + ".";
    return shown;
}

Texts Nothing() { return {}; }

constexpr Calculation kCalculations[] = {
    {"frmMain", "cmdGo", &Analyze, &Nothing},
    {"frmConvert", "cmdDoIt", &Convert, &Nothing},
    {"frmInterpret", "cmdGo", &Interpret, &BlankCurve},
    {"frmBatch", "cmdGo", &Batch, &Nothing},
    {"frmProfile", "cmdGo", &Profile, &BlankProfile},
    {"frmCompare", "cmdGo", &Compare, &Nothing},
    {"frmCase", "cmdGo", &CaseAgainstControls, &Nothing},
    {"frmLowScores", "cmdGo", &LowScores, &Nothing, &StartLowScores},
    {"frmPredict", "cmdGo", &Predicted, &Nothing},
    {"frmTwoTasks", "cmdGo", &TwoTasks, &Nothing},
};

}  // namespace

std::string_view TextOf(const Texts& boxes, std::string_view name)
{
    const auto found = boxes.find(name);
    return found == boxes.end() ? std::string_view() : std::string_view(found->second);
}

std::string TabSeparated(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows)
{
    std::string out;
    const auto line = [&out](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            (out += i ? "\t" : "") += cells[i];
        out += '\n';
    };
    line(columns);
    for (const std::vector<std::string>& cells : rows)
        line(cells);
    return out;
}

Texts Carried(const design::Window& window, const Texts& opener)
{
    Texts carried;
    for (const design::Carry& carry : window.carried) {
        std::string line(TextOf(opener, carry.from[0]));
        bool whole = true;
        for (std::size_t i = 1; i < carry.from.size() && !carry.from[i].empty(); ++i) {
            const std::string_view figure = TextOf(opener, carry.from[i]);
            whole = whole && !figure.empty();
            (line += '\t') += figure;
        }
        if (whole)
            carried.emplace(carry.to, std::move(line));
    }
    return carried;
}

Texts Kept(const design::Window& window, const Texts& boxes)
{
    Texts kept;
    if (window.keeps)
        for (const design::Control& c : window.controls)
            if (const auto found = boxes.find(c.name); design::IsInput(c) && found != boxes.end())
                kept.emplace(c.name, found->second);
    return kept;
}

Reopening Reopened(const design::Window& window, const Texts& kept, const Texts& opener)
{
    Reopening r{Kept(window, kept), {}};
    const Texts carried = Carried(window, opener);
    // The carried boxes come as a set: a stale name or tick must never stand
    // beside fresh figures. Only an opener that carries nothing leaves the kept inputs.
    if (std::all_of(carried.begin(), carried.end(), [](const auto& c) { return c.second.empty(); }))
        return r;
    for (const design::Carry& carry : window.carried) {
        std::string text(TextOf(carried, carry.to));
        if (carry.into == design::kIntoEmpty && (text.empty() || !TextOf(r.texts, carry.to).empty()))
            continue;
        const design::Control* box = design::Find(window, carry.to);
        if (box && box->Has(design::kMultiLine) && !text.empty())
            r.selected.push_back(std::string(carry.to));
        r.texts[std::string(carry.to)] = std::move(text);
    }
    return r;
}

namespace {

// A quick calculation, done in its one slice.
class Done final : public Run {
public:
    explicit Done(Shown shown) : shown_(std::move(shown)) {}
    bool Step() override { return true; }
    Shown Result() override { return std::move(shown_); }

private:
    Shown shown_;
};

}  // namespace

std::unique_ptr<Run> Start(const Calculation& calculation, const Texts& boxes, std::string_view decimalSeparator)
{
    if (calculation.start)
        return calculation.start(boxes, decimalSeparator);
    return std::make_unique<Done>(calculation.run(boxes, decimalSeparator));
}

const Calculation* CalculationOf(std::string_view window)
{
    for (const Calculation& c : kCalculations)
        if (c.window == window)
            return &c;
    return nullptr;
}

}  // namespace core
