#include <gtest/gtest.h>

#include <array>
#include <span>
#include <vector>

#include "windows/screen_keymap.h"

namespace kx {
namespace {

struct KeyCase {
  int vkCode;
  bool shift;
  bool ctrl;
  int expected;  // -1: types nothing
};

void ExpectCodes(KeyMapping mapping, std::initializer_list<KeyCase> cases) {
  for (const KeyCase& k : cases) {
    const std::optional<int> code = ScreenCodeForKey(k.vkCode, k.shift, k.ctrl, mapping);
    EXPECT_EQ(code.value_or(-1), k.expected)
        << std::hex << "vk 0x" << k.vkCode << " shift " << k.shift << " ctrl " << k.ctrl;
  }
}

// The whole keyboard, key by key: what each key types alone, with Shift and with Ctrl (-1: nothing).
// Shift+Ctrl types as Shift on every key but the letters, which type their plain glyph.
TEST(ScreenKeymap, EveryKeyOfBothMappings) {
  const std::array<int, 26> letters = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13,
                                       14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26};
  const std::array<int, 26> shifted = {65, 93, 67, 68, 69, 70, 71, 72, 73, 74, 75, 76, 77,
                                       78, 79, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90};
  const std::array<int, 26> ctrl = {112, 127, 124, 108, 113, 123, 101, 116, 98,  117, 97,  103, 103,
                                    106, 121, 111, 107, 114, 110, 99,  120, 126, 115, 125, 119, 109};
  const std::array<int, 10> digitShift = {48, 33, 34, 35, 36, 37, 38, 39, 40, 41};
  struct Other {
    int vkCode, alone, shift, ctrl;
  };
  const Other shared[] = {
      {vk::Space, 32, 32, 32},        {vk::Insert, 28, 105, 104},    {vk::Delete, 30, 94, 94},
      {vk::Semicolon, 58, 27, 58},    {vk::Equals, 45, 93, 92},      {vk::Comma, 44, 60, 44},
      {vk::Minus, 43, 91, 102},       {vk::FullStop, 46, 62, 46},    {vk::Slash, 47, 63, 47},
      {vk::BracketLeft, 0, 122, 100}, {vk::BracketRight, 42, 64, 95},
  };
  const Other us[] = {{vk::Apostrophe, 59, 29, -1}, {vk::Backslash, 61, -1, -1}, {vk::Grave, 31, -1, -1},
                      {vk::UkGrave, -1, -1, -1}};
  const Other uk[] = {{vk::Grave, 59, 29, -1}, {vk::Apostrophe, 61, -1, -1}, {vk::UkGrave, 31, -1, -1},
                      {vk::Backslash, -1, -1, -1}};
  for (KeyMapping m : {KeyMapping::Us, KeyMapping::Uk}) {
    for (int i = 0; i < 26; ++i)
      ExpectCodes(m, {{'A' + i, false, false, letters[i]}, {'A' + i, true, false, shifted[i]},
                      {'A' + i, false, true, ctrl[i]}, {'A' + i, true, true, letters[i]}});
    for (int d = 0; d < 10; ++d)
      ExpectCodes(m, {{'0' + d, false, false, 48 + d}, {'0' + d, true, false, digitShift[d]},
                      {'0' + d, false, true, 48 + d}, {'0' + d, true, true, digitShift[d]}});
    std::vector<Other> keys(std::begin(shared), std::end(shared));
    for (const Other& k : m == KeyMapping::Us ? std::span<const Other>(us) : std::span<const Other>(uk)) keys.push_back(k);
    for (const Other& k : keys)
      ExpectCodes(m, {{k.vkCode, false, false, k.alone}, {k.vkCode, true, false, k.shift},
                      {k.vkCode, false, true, k.ctrl}, {k.vkCode, true, true, k.shift}});
  }
}

TEST(ScreenKeymap, OtherKeysTypeNothing) {
  for (int vkCode : {0x0D, 0x09, 0x24, 0x70, 0x60, 0xE2, vk::Left, vk::Backspace})
    EXPECT_FALSE(ScreenCodeForKey(vkCode, false, false, KeyMapping::Us)) << vkCode;
}

}  // namespace
}  // namespace kx
