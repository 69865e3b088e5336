#include "core/calculation.h"

#include <algorithm>
#include <array>
#include <utility>

#include "core/calculations/batch.h"
#include "core/calculations/casecontrols.h"
#include "core/calculations/compare.h"
#include "core/calculations/composite.h"
#include "core/calculations/conversion.h"
#include "core/calculations/interpretation.h"
#include "core/calculations/lowscores.h"
#include "core/calculations/predict.h"
#include "core/calculations/profile.h"
#include "core/calculations/scoreanalysis.h"
#include "core/calculations/twotasks.h"
#include "core/design/windows.h"

namespace core {
namespace {

// Every window's calculation, by its design: one row a window.
constexpr std::pair<const design::Window*, const Calculation*> kCalculations[] = {
    {&design::frmMain, &kAnalysis},         {&design::frmConvert, &kConversion},
    {&design::frmInterpret, &kInterpretation}, {&design::frmBatch, &kManyScores},
    {&design::frmProfile, &kProfile},       {&design::frmCompare, &kComparison},
    {&design::frmCase, &kCaseAgainstControls}, {&design::frmLowScores, &kLowScores},
    {&design::frmPredict, &kPrediction},    {&design::frmTwoTasks, &kTwoTasks},
    {&design::frmComposite, &kComposite},
};

}  // namespace

std::string_view TextOf(const Texts& boxes, std::string_view name)
{
    const auto found = boxes.find(name);
    return found == boxes.end() ? std::string_view() : std::string_view(found->second);
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

Shown Finished(const Calculation& calculation, const Texts& boxes, std::string_view decimalSeparator)
{
    const std::unique_ptr<Run> run = Start(calculation, boxes, decimalSeparator);
    while (!run->Step()) {
    }
    return run->Result();
}

Texts NoOpening() { return {}; }

const Calculation* CalculationOf(std::string_view window)
{
    for (const auto& [design, calculation] : kCalculations)
        if (design->name == window)
            return calculation;
    return nullptr;
}

}  // namespace core
