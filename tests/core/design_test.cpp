#include "core/calculation.h"
#include "core/design/windows.h"

#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace design = core::design;

// Rules that every window's table keeps, so that a slip in one row shows.
TEST(Designs, RedAndBlueBoxesTakeNumbersAndEveryNameItUsesExists)
{
    for (const design::Window* w : design::kWindows) {
        for (const design::Control& c : w->controls) {
            SCOPED_TRACE(std::string(w->name) + "." + std::string(c.name));
            if (c.kind == design::TextBox && (c.colour == design::Compulsory || c.colour == design::Optional)) {
                EXPECT_TRUE(design::IsInput(c)) << "a red or blue box is one to fill in";
            }
            if (c.Has(design::kSigned)) {
                EXPECT_TRUE(c.Has(design::kNumeric)) << "only a number box takes a minus";
            }
            if (!c.buddy.empty()) {
                EXPECT_NE(Find(*w, c.buddy), nullptr) << c.buddy;
            }
        }
        for (const design::Carry& carry : w->carried)
            EXPECT_NE(Find(*w, carry.to), nullptr) << w->name << " carries into " << carry.to;
    }
    for (const design::Opening& o : design::kOpenings) {
        SCOPED_TRACE(std::string(o.from->name) + "." + std::string(o.control));
        EXPECT_TRUE(Find(*o.from, o.control) || (o.control.empty() && !o.key.empty()));
        for (const design::Carry& carry : o.window->carried)
            for (std::string_view from : carry.from)
                EXPECT_TRUE(from.empty() || Find(*o.from, from)) << o.window->name << " carries " << from;
    }
}

// Every box name a window's calculation reads or writes is a control of its
// design: a misspelt name would read "" and pass every other test. And each
// calculation's example, which the window tests press Go on, computes.
TEST(Designs, EveryBoxACalculationNamesIsInItsWindow)
{
    int calculations = 0;
    for (const design::Window* w : design::kWindows) {
        const core::Calculation* calculation = core::CalculationOf(w->name);
        if (!calculation)
            continue;
        ++calculations;
        SCOPED_TRACE(w->name);
        EXPECT_NE(Find(*w, calculation->command), nullptr) << calculation->command;
        for (std::string_view name : calculation->boxes())
            EXPECT_NE(Find(*w, name), nullptr) << name;
        for (const auto& [name, text] : calculation->example())
            EXPECT_NE(Find(*w, name), nullptr) << name;
        const core::Shown shown = core::Finished(*calculation, calculation->example(), ".");
        EXPECT_FALSE(shown.message) << *shown.message;
    }
    EXPECT_EQ(calculations, 11);
}

// The added windows' designs against the table written out by hand in
// tests/data/added-windows.tsv, which the page's test reads too: a minus flag,
// a red box, a carried box or a stacked grid that changes fails here.
TEST(Designs, AddedWindowsAsWrittenOut)
{
    std::vector<std::string> written, designed;
    std::ifstream table(MERVANE_TEST_DATA "/added-windows.tsv");
    ASSERT_TRUE(table) << "tests/data/added-windows.tsv";
    for (std::string line; std::getline(table, line);)
        if (!line.empty() && line[0] != '#')
            written.push_back(line);
    for (const design::Window* w : design::kWindows) {
        if (!w->keeps)
            continue;
        const auto line = [&](const char* fact, auto names) {
            std::string out = std::string(w->name) + "\t" + fact + "\t";
            names(out);
            designed.push_back(out.back() == ' ' ? out.substr(0, out.size() - 1) : out);
        };
        const auto controls = [w](auto test) {
            return [w, test](std::string& out) {
                for (const design::Control& c : w->controls)
                    if (test(c))
                        (out += c.name) += ' ';
            };
        };
        line("signed", controls([](const design::Control& c) { return c.Has(design::kSigned); }));
        line("compulsory", controls([](const design::Control& c) { return c.colour == design::Compulsory; }));
        line("stacked", controls([](const design::Control& c) { return c.Has(design::kStacked); }));
        line("opened-by", [w](std::string& out) {
            for (const design::Opening& o : design::kOpenings)
                if (o.window == w && out.find(o.from->name) == std::string::npos)
                    (out += o.from->name) += ' ';
        });
        line("carried", [w](std::string& out) {
            for (const design::Carry& c : w->carried) {
                (out += c.to) += '<';
                for (std::size_t i = 0; i < c.from.size() && !c.from[i].empty(); ++i)
                    (out += i ? "," : "") += c.from[i];
                out += c.into == design::kIntoEmpty ? "(empty) " : " ";
            }
        });
    }
    // A line that a name alone ends has lost its tab: both forms read alike.
    for (std::string& l : designed)
        if (l.back() == '\t')
            l.pop_back();
    EXPECT_EQ(designed, written);
}

// The windows beyond the original ones keep one look: what is to be filled in
// is red (compulsory) or blue (optional) and is a tab stop, a check box too;
// what is computed cannot be typed over.
TEST(Designs, AddedWindowsMarkWhatIsToBeFilledInAndWhatIsComputed)
{
    for (const design::Window* w : design::kWindows) {
        if (!w->keeps)
            continue;
        for (const design::Control& c : w->controls) {
            SCOPED_TRACE(std::string(w->name) + "." + std::string(c.name));
            if (design::IsInput(c)) {
                EXPECT_EQ(c.tab, design::kTab);
                if (c.kind == design::TextBox) {
                    EXPECT_TRUE(c.colour == design::Compulsory || c.colour == design::Optional);
                }
            } else if (c.kind == design::TextBox && c.colour != design::Face) {
                EXPECT_TRUE(c.Has(design::kReadOnly)) << "a result box";
            }
        }
    }
    EXPECT_TRUE(Find(design::frmProfile, "txtRows")->Has(design::kInput));
    EXPECT_EQ(Find(design::frmProfile, "txtRows")->colour, design::Compulsory);
}

}  // namespace
