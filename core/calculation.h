#ifndef MERVANE_CORE_CALCULATION_H
#define MERVANE_CORE_CALCULATION_H

#include <array>
#include <initializer_list>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/box.h"
#include "core/design/design.h"
#include "core/reading/numbers.h"
#include "core/text/document.h"

namespace core {

// A window's boxes by their design names: the texts typed in, or the texts a
// command shows. A ticked check box reads "1", one not ticked "".
using Texts = std::map<std::string, std::string, std::less<>>;

// The text of a box, or "" for a box that is not there.
std::string_view TextOf(const Texts& boxes, std::string_view name);

// Rows of texts under named columns, for a window's grid, and the same as
// tab-separated lines for a spreadsheet of the same locale.
struct Table {
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string tsv;  // empty when there is nothing to copy
};

// What a window's command shows: a text for each box it fills (a drawing's is
// its SVG; a box it leaves out keeps its text), the rows of its grid, the
// message that stopped it, if one did, and what a screen reader is told when
// none did.
struct Shown {
    Texts texts;
    std::optional<Table> table;
    std::optional<std::string> message;
    std::string spoken;
};

// A calculation's run, done in slices so that a window can stay responsive
// through a long one: Step does the next slice and says whether all is done;
// Result is then what the window shows.
class Run {
public:
    virtual ~Run() = default;
    virtual bool Step() = 0;
    virtual Shown Result() = 0;
    // The share of the run done, from 0 to 1, for a progress bar.
    virtual double Share() const { return 0; }
};

// A window's calculation, defined in that window's own file: the button
// that runs it; the run itself on the window's boxes as they stand, done at
// once (run) or, for one that can take long, in slices (start); what the
// window shows as it opens beyond its design's texts; every box it reads or
// writes; and inputs that compute without a message, for the tests that
// wire every window alike.
struct Calculation {
    std::string_view command;
    Shown (*run)(const Texts& boxes, std::string_view decimalSeparator);
    std::unique_ptr<Run> (*start)(const Texts& boxes, std::string_view decimalSeparator);
    Texts (*opening)();
    std::vector<std::string_view> (*boxes)();
    Texts (*example)();
};

// A window's command on its boxes as they stand, in slices; a quick one is one slice.
std::unique_ptr<Run> Start(const Calculation& calculation, const Texts& boxes, std::string_view decimalSeparator);
// The same, run to its end.
Shown Finished(const Calculation& calculation, const Texts& boxes, std::string_view decimalSeparator);

// What a window without drawings shows as it opens: its design's texts alone.
Texts NoOpening();

// A record filled from the boxes its list names. Beyond the main window and
// the converter, a box of blanks alone is an empty box, which asks to be
// filled in rather than being refused as no number.
template <typename Record, std::size_t N>
Record ReadBoxes(const Texts& boxes, const std::array<Box<Record>, N>& list)
{
    Record in;
    for (const Box<Record>& box : list) {
        const std::string_view text = TextOf(boxes, box.name);
        in.*box.text = std::string(IsBlankText(text) ? "" : text);
    }
    return in;
}

// Every box of the list from the record, an empty text included, so that no
// result of an earlier run survives.
template <typename Record, std::size_t N>
Shown WriteBoxes(Record r, const std::array<Box<Record>, N>& list)
{
    Shown shown;
    for (const auto& box : list)
        shown.texts.emplace(box.name, std::move(r.*box.text));
    shown.message = std::move(r.message);
    return shown;
}

// The names of the boxes of the lists, and of any further boxes named.
template <typename... Lists>
std::vector<std::string_view> BoxNames(std::initializer_list<std::string_view> further, const Lists&... lists)
{
    std::vector<std::string_view> names(further);
    (..., [&names](const auto& list) {
        for (const auto& box : list)
            names.push_back(box.name);
    }(lists));
    return names;
}

// The texts a window takes from its opener's boxes as it opens, by the
// design's list of what it carries.
Texts Carried(const design::Window& window, const Texts& opener);

// What a window that keeps its inputs keeps of its boxes as it closes: the
// texts of its input boxes and check boxes; nothing for the others.
Texts Kept(const design::Window& window, const Texts& boxes);

// A window's input boxes as it opens again: what it kept, and over it what it
// carries from its opener, by the rules of its design's Carry. `selected`
// names the multi-line boxes it carried into, whose text is selected so that
// a paste replaces it.
struct Reopening {
    Texts texts;
    std::vector<std::string> selected;
};
Reopening Reopened(const design::Window& window, const Texts& kept, const Texts& opener);

// The calculation of the window of that design name, or nullptr for a window
// that has none. Both editions run every window's command through here.
const Calculation* CalculationOf(std::string_view window);

}  // namespace core

#endif
