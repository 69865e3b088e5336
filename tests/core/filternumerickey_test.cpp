#include "core/filternumerickey.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(FilterNumericKey, LetsThroughDigitsBackspaceAndOnePoint)
{
    struct Row {
        int code;
        std::string text;
        int expected;
        int separator = '.';
    };
    const Row rows[] = {
        {'0', "", '0'},  {'9', "12", '9'}, {'5', "1.2", '5'},  {'0', "00", '0'},
        {'.', "", '.'},  {'.', "12", '.'}, {'.', "1.2", 0},    {'.', ".", 0},     {'.', "12.", 0},
        {8, "", 8},      {8, "1.5", 8},
        {'/', "", 0},    {':', "", 0},     {'-', "", 0},       {'+', "", 0},      {',', "", 0},
        {'e', "1", 0},   {'E', "1", 0},    {' ', "", 0},       {'a', "", 0},
        {13, "", 0},     {27, "", 0},      {3, "1", 0},        {22, "", 0},       {9, "", 0},
        {127, "", 0},    {0xB7, "", 0},    {255, "", 0},       {-1, "", 0},       {-32768, "", 0},
        {32767, "", 0},  {0, "", 0},
        // Under a comma locale its key types the point, and stays one point.
        {',', "12", '.', ','}, {',', "1.2", 0, ','}, {'.', "12", '.', ','}, {'5', "1", '5', ','},
        {-1, "", 0, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("code " + std::to_string(row.code) + " into \"" + row.text + "\" separator " +
                     std::to_string(row.separator));
        EXPECT_EQ(core::FilterNumericKey(static_cast<std::int16_t>(row.code), row.text,
                                         static_cast<std::int16_t>(row.separator)),
                  row.expected);
    }
}

}  // namespace
