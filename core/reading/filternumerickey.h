#ifndef MERVANE_CORE_READING_FILTERNUMERICKEY_H
#define MERVANE_CORE_READING_FILTERNUMERICKEY_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace core {

// Codes in the single-byte character set that the keystroke rule knows.
namespace keycode {
constexpr std::int16_t kBackspace = 8;
constexpr std::int16_t kPoint = '.';
constexpr std::int16_t kMinus = '-';
constexpr std::int16_t kZero = '0';
constexpr std::int16_t kNine = '9';
}  // namespace keycode

// The keystroke rule of every box that takes a number: digits, backspace and
// a single point pass; every other code becomes 0, which discards the key.
// `code` is the character in the single-byte character set (a character
// outside it arrives negative); `currentText` is the box's text before the key.
// `decimalSeparator` is the locale's, as a code: where it is not the point,
// its key (the keypad's decimal key among them) becomes a point, for the
// numbers are read with one and the key would otherwise be lost unseen.
std::int16_t FilterNumericKey(std::int16_t code, std::string_view currentText, std::int16_t decimalSeparator);

// The keystroke rule of a box whose value may be negative: a minus passes
// where it would stand first, before no other minus; the text typed replaces
// the characters from `selectionStart` up to `selectionEnd` (equal for a
// caret). Every other key as FilterNumericKey.
std::int16_t FilterSignedKey(std::int16_t code, std::string_view currentText, std::size_t selectionStart,
                             std::size_t selectionEnd, std::int16_t decimalSeparator);

}  // namespace core

#endif
