#include "core/design/windows.h"

#include <string>

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
                EXPECT_TRUE(c.Has(design::kNumeric)) << "a red or blue box is a number box";
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
        EXPECT_NE(Find(*o.from, o.control), nullptr);
        for (const design::Carry& carry : o.window->carried)
            for (std::string_view from : carry.from)
                EXPECT_TRUE(from.empty() || Find(*o.from, from)) << o.window->name << " carries " << from;
    }
}

}  // namespace
