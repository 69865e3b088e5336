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
