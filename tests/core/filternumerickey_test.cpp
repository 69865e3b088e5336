#include "core/reading/filternumerickey.h"

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

namespace {

TEST(FilterSignedKey, LetsAMinusStandFirstOnly)
{
    struct Row {
        int code;
        std::string text;
        std::size_t start, end;  // where the key's text goes
        int expected;
    };
    const Row rows[] = {
        {'-', "", 0, 0, '-'},     {'-', "1.5", 0, 0, '-'},  {'-', "1.5", 1, 1, 0},  {'-', "1.5", 3, 3, 0},
        {'-', "-1.5", 0, 0, 0},   {'-', "-1.5", 0, 1, '-'},  {'-', "-1.5", 0, 4, '-'},
        {'1', "-", 1, 1, '1'},    {'.', "-1", 2, 2, '.'},    {'.', "-1.5", 4, 4, 0}, {'+', "", 0, 0, 0},
        {',', "-1", 2, 2, '.'},  // the comma key of a comma locale still types the point
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("code " + std::to_string(row.code) + " into \"" + row.text + "\" at " +
                     std::to_string(row.start) + "-" + std::to_string(row.end));
        EXPECT_EQ(core::FilterSignedKey(static_cast<std::int16_t>(row.code), row.text, row.start, row.end, ','),
                  row.expected);
    }
}

}  // namespace
