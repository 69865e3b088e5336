// Every window's calculation on any texts in its boxes, as both editions run
// it: the first byte picks the window, bytes 0x01 split the rest among its
// boxes in design order. Nothing may crash or hang, and no figure may show
// what is not a number.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculation.h"
#include "core/design/windows.h"
#include "tests/support/properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using properties::Require;
    namespace design = core::design;
    std::vector<const design::Window*> windows;
    for (const design::Window* w : design::kWindows)
        if (core::CalculationOf(w->name))
            windows.push_back(w);
    if (size == 0)
        return 0;
    const design::Window& w = *windows[data[0] % windows.size()];
    std::vector<std::string_view> boxes;
    for (const design::Control& c : w.controls)
        if (c.kind == design::TextBox || c.kind == design::CheckBox)
            boxes.push_back(c.name);
    core::Texts in;
    std::size_t box = 0;
    for (std::size_t i = 1; i < size && box < boxes.size(); ++i) {
        if (data[i] == 0x01)
            ++box;
        else if (box < boxes.size())
            in[std::string(boxes[box])].push_back(static_cast<char>(data[i]));
    }
    // A long run (the low scores' million draws) is taken a few slices far, and left there.
    const std::unique_ptr<core::Run> run = core::Start(*core::CalculationOf(w.name), in, ".");
    bool done = false;
    for (int slice = 0; slice < 2 && !done; ++slice)
        done = run->Step();
    if (!done)
        return 0;
    const core::Shown shown = run->Result();
    for (const auto& [name, text] : shown.texts) {
        // Texts as typed, drawings, and the main window's score at a percentile of 0 or 100, which is infinite.
        if (name == "txtReport" || name.starts_with("pic") || name == "txtUserPercentileAnswer")
            continue;
        for (std::string_view bad : {"nan", "NaN", "inf", "\u221e"})
            Require(text.find(bad) == std::string::npos, "a figure that is not a number", name + ": " + text);
    }
    if (shown.table)
        for (const auto& row : shown.table->rows)
            Require(!row.empty() && row.size() <= shown.table->columns.size(), "a row of the table's columns");
    return 0;
}
