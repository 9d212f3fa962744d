#include "windows/screen_keymap.h"

#include <array>
#include <span>

namespace kx {
namespace {

constexpr int kNone = -1;

// One key's screen codes: alone, with Shift, with Ctrl (kNone: types nothing).
struct KeyCodes {
  int vkCode;
  int alone;
  int shift;
  int ctrl;
};

// Keys that type the same in both mappings (letters and digits follow their own rules below).
constexpr KeyCodes kSharedKeys[] = {
    {vk::Space, 32, 32, 32},        {vk::Insert, 28, 105, 104},    {vk::Delete, 30, 94, 94},
    {vk::Semicolon, 58, 27, 58},    {vk::Equals, 45, 93, 92},      {vk::Comma, 44, 60, 44},
    {vk::Minus, 43, 91, 102},       {vk::FullStop, 46, 62, 46},    {vk::Slash, 47, 63, 47},
    {vk::BracketLeft, 0, 122, 100}, {vk::BracketRight, 42, 64, 95},
};

// The keys that differ: the same three glyphs sit on different keys of a US and a UK keyboard.
constexpr KeyCodes kUsKeys[] = {
    {vk::Apostrophe, 59, 29, kNone},
    {vk::Backslash, 61, kNone, kNone},
    {vk::Grave, 31, kNone, kNone},
};
constexpr KeyCodes kUkKeys[] = {
    {vk::Grave, 59, 29, kNone},
    {vk::Apostrophe, 61, kNone, kNone},
    {vk::UkGrave, 31, kNone, kNone},
};

// Ctrl+A .. Ctrl+Z.
constexpr std::array<int, 26> kCtrlLetters = {112, 127, 124, 108, 113, 123, 101, 116, 98,  117, 97,  103, 103,
                                              106, 121, 111, 107, 114, 110, 99,  120, 126, 115, 125, 119, 109};

constexpr int kShiftB = 93;  // Shift+B types this graphic instead of 64 + 2

std::optional<int> Present(int code) { return code == kNone ? std::nullopt : std::optional<int>(code); }

std::optional<int> LetterCode(int letter, bool shift, bool ctrl) {
  const int number = letter + 1;  // A = 1
  if (shift && ctrl) return number;
  if (shift) return letter == 1 ? kShiftB : 64 + number;
  if (ctrl) return kCtrlLetters[letter];
  return number;
}

std::optional<int> DigitCode(int digit, bool shift) {
  if (shift) return digit == 0 ? 48 : 32 + digit;
  return 48 + digit;  // alone and with Ctrl
}

std::optional<int> TableCode(std::span<const KeyCodes> table, int vkCode, bool shift, bool ctrl) {
  for (const KeyCodes& k : table) {
    if (k.vkCode != vkCode) continue;
    return Present(shift ? k.shift : ctrl ? k.ctrl : k.alone);
  }
  return std::nullopt;
}

}  // namespace

std::optional<int> ScreenCodeForKey(int vkCode, bool shift, bool ctrl, KeyMapping mapping) {
  if (vkCode >= vk::LetterA && vkCode < vk::LetterA + 26) return LetterCode(vkCode - vk::LetterA, shift, ctrl);
  if (vkCode >= vk::Digit0 && vkCode < vk::Digit0 + 10) return DigitCode(vkCode - vk::Digit0, shift);
  if (auto code = TableCode(kSharedKeys, vkCode, shift, ctrl)) return code;
  return TableCode(mapping == KeyMapping::Us ? std::span<const KeyCodes>(kUsKeys) : std::span<const KeyCodes>(kUkKeys),
                   vkCode, shift, ctrl);
}

}  // namespace kx
