#include <gtest/gtest.h>

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

TEST(ScreenKeymap, LettersAloneShiftedAndWithCtrl) {
  for (KeyMapping m : {KeyMapping::Us, KeyMapping::Uk}) {
    ExpectCodes(m, {
                       {'A', false, false, 1},   {'Z', false, false, 26},  {'A', true, false, 65},
                       {'Z', true, false, 90},   {'B', true, false, 93},   {'C', true, false, 67},
                       {'A', false, true, 112},  {'B', false, true, 127},  {'K', false, true, 97},
                       {'L', false, true, 103},  {'M', false, true, 103},  {'Q', false, true, 107},
                       {'Z', false, true, 109},  {'X', false, true, 125},
                       // Shift+Ctrl on a letter types the plain letter.
                       {'A', true, true, 1},     {'B', true, true, 2},
                   });
  }
}

TEST(ScreenKeymap, DigitsAndSharedPunctuation) {
  for (KeyMapping m : {KeyMapping::Us, KeyMapping::Uk}) {
    ExpectCodes(m, {
                       {'0', false, false, 48},         {'9', false, false, 57},
                       {'1', true, false, 33},          {'9', true, false, 41},
                       {'0', true, false, 48},          {'5', false, true, 53},
                       {'5', true, true, 37},  // Shift wins over Ctrl
                       {vk::Space, true, true, 32},     {vk::Insert, false, false, 28},
                       {vk::Insert, true, false, 105},  {vk::Insert, false, true, 104},
                       {vk::Delete, false, false, 30},  {vk::Delete, false, true, 94},
                       {vk::Semicolon, true, false, 27}, {vk::Equals, false, true, 92},
                       {vk::Minus, false, true, 102},   {vk::BracketLeft, false, false, 0},
                       {vk::BracketLeft, true, false, 122}, {vk::BracketRight, true, true, 64},
                       {vk::Slash, true, false, 63},    {vk::Comma, true, false, 60},
                   });
  }
}

TEST(ScreenKeymap, UsAndUkPutTheSameGlyphsOnDifferentKeys) {
  ExpectCodes(KeyMapping::Us, {
                                  {vk::Apostrophe, false, false, 59},
                                  {vk::Apostrophe, true, false, 29},
                                  {vk::Backslash, false, false, 61},
                                  {vk::Grave, false, false, 31},
                                  {vk::UkGrave, false, false, -1},
                                  {vk::Apostrophe, false, true, -1},
                              });
  ExpectCodes(KeyMapping::Uk, {
                                  {vk::Grave, false, false, 59},
                                  {vk::Grave, true, false, 29},
                                  {vk::Apostrophe, false, false, 61},
                                  {vk::UkGrave, false, false, 31},
                                  {vk::Backslash, false, false, -1},
                              });
}

TEST(ScreenKeymap, OtherKeysTypeNothing) {
  for (int vkCode : {0x0D, 0x09, 0x24, 0x70, 0x60, 0xE2, vk::Left, vk::Backspace})
    EXPECT_FALSE(ScreenCodeForKey(vkCode, false, false, KeyMapping::Us)) << vkCode;
}

}  // namespace
}  // namespace kx
