#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "runtime/image_draw.h"
#include "windows/screen_editor.h"
#include "windows/screen_editor_layout.h"
#include "windows/screen_rulers.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

// A charset unlike the ROM one, in a colour the ROM sheet never has.
Image CustomCharsetImage() {
  Charset c{};
  for (int i = 0; i < kCharsetBytes; ++i) c[i] = static_cast<std::uint8_t>(i * 37 + (i >> 8) * 11 + 1);
  Palette palette = MakePalette();
  palette[kInkIndex] = 0xFF4000;
  return CharsetImage(c, CharsetStore::DefaultInks(), palette);
}

Image CellOf(const TextScreen& s, int column, int row) {
  return Cut(s.picture, {column * kCellSize, row * kCellSize, kCellSize, kCellSize});
}
Image GlyphOf(const TextScreen& s, int code) { return Cut(s.glyphs, GlyphBlock(code, kCellSize)); }
const Image kCursor(kCellSize, kCellSize, kCursorColour);
const Image kBlack(kCellSize, kCellSize);

// The glyph a cell shows; the cursor cell is read from what the cursor covers.
void ExpectCell(const ScreenEditor& e, int column, int row, int code) {
  for (const TextScreen* s : {&e.custom, &e.rom}) {
    const bool underCursor = column == e.column && row == e.row;
    const Image shown = underCursor ? s->underCursor : CellOf(*s, column, row);
    EXPECT_EQ(shown, code < 0 ? kBlack : GlyphOf(*s, code)) << "cell " << column << "," << row;
  }
}

// The status line's text at each given x position.
void ExpectStatus(const ScreenEditor& e, std::initializer_list<StatusLabel> expected) {
  const std::vector<StatusLabel> line = ScreenStatusLine(e);
  for (const StatusLabel& want : expected) {
    const auto at = std::find_if(line.begin(), line.end(), [&](const StatusLabel& l) { return l.x == want.x; });
    ASSERT_NE(at, line.end()) << want.x;
    EXPECT_EQ(at->text, want.text) << "at x " << want.x;
  }
}

void PressKeys(ScreenEditor& e, std::initializer_list<int> keys, bool shift = false) {
  for (int key : keys) PressScreenKey(e, key, shift, false);
}

TEST(ScreenEditor, OpensBlackWithTheCursorHomeAndDefaults) {
  const ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  EXPECT_EQ(e.custom.glyphs.Width(), 512);
  EXPECT_EQ(e.custom.glyphs.Height(), 128);
  for (const TextScreen* s : {&e.custom, &e.rom}) {
    EXPECT_EQ(s->picture.Width(), 640);
    EXPECT_EQ(s->picture.Height(), 400);
    EXPECT_EQ(CellOf(*s, 0, 0), kCursor);
    EXPECT_EQ(CellOf(*s, 39, 24), kBlack);
  }
  EXPECT_EQ(e.view, ScreenView::Custom);
  EXPECT_EQ(e.mapping, KeyMapping::Us);
  EXPECT_FALSE(e.reverse);
  // The ROM sheet is the ROM charset white on black, doubled: "A" is glyph 1.
  EXPECT_EQ(e.rom.glyphs.Pixel(16 + 6, 0), 0xFFFFFFu);
  EXPECT_EQ(e.rom.glyphs.Pixel(16, 0), 0u);
}

TEST(ScreenEditor, TypingFillsTheRowAndStopsAtTheLastColumn) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  for (int i = 0; i < 41; ++i) PressScreenKey(e, 'A' + i % 26, false, false);
  EXPECT_EQ(e.column, 39);
  EXPECT_EQ(e.row, 0);
  for (int col = 0; col < 39; ++col) ExpectCell(e, col, 0, 1 + col % 26);
  ExpectCell(e, 39, 0, 1 + 40 % 26);  // the 41st letter overwrote the 40th
  EXPECT_EQ(CellOf(e.custom, 39, 0), kCursor);
  ExpectCell(e, 0, 1, -1);
}

TEST(ScreenEditor, CursorMovesInsideTheScreenAndRestoresWhatItCovered) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  PressKeys(e, {'H', 'I'});
  PressKeys(e, {vk::Left, vk::Left, vk::Left, vk::Up});
  EXPECT_EQ(e.column, 0);
  EXPECT_EQ(e.row, 0);
  ExpectCell(e, 0, 0, 8);
  EXPECT_EQ(CellOf(e.rom, 0, 0), kCursor);
  ExpectCell(e, 1, 0, 9);  // uncovered again
  for (int i = 0; i < 30; ++i) PressKeys(e, {vk::Down});
  EXPECT_EQ(e.row, 24);
  PressKeys(e, {vk::Right, vk::Right});
  EXPECT_EQ(e.column, 2);
  ExpectCell(e, 0, 0, 8);
  ExpectCell(e, 1, 0, 9);
  ExpectCell(e, 1, 24, -1);
}

TEST(ScreenEditor, BackspaceErasesUnderTheCursorThenMovesLeft) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  PressKeys(e, {'A', 'B', 'C', vk::Left});  // cursor on the C
  PressKeys(e, {vk::Backspace});
  EXPECT_EQ(e.column, 1);
  ExpectCell(e, 2, 0, -1);
  ExpectCell(e, 1, 0, 2);
  PressKeys(e, {vk::Left, vk::Backspace});
  EXPECT_EQ(e.column, 0);
  ExpectCell(e, 0, 0, -1);
  ExpectCell(e, 1, 0, 2);
}

TEST(ScreenEditor, ReverseAddsOneHundredAndTwentyEight) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  PressScreenButton(e, ScreenButton::Reverse, true, dialogs);
  PressScreenKey(e, 'A', false, false);
  PressScreenKey(e, 'A', true, false);
  ExpectCell(e, 0, 0, 129);
  ExpectCell(e, 1, 0, 193);
  PressScreenButton(e, ScreenButton::Reverse, false, dialogs);
  PressScreenKey(e, 'A', false, false);
  ExpectCell(e, 2, 0, 1);
}

TEST(ScreenEditor, ViewsShowTheSameTextInTheirOwnGlyphs) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  PressKeys(e, {'K', 'X'});
  EXPECT_EQ(&ShownScreen(e), &e.custom);
  PressScreenButton(e, ScreenButton::View, false, dialogs);
  EXPECT_EQ(&ShownScreen(e), &e.rom);
  EXPECT_EQ(CellOf(ShownScreen(e), 0, 0), GlyphOf(e.rom, 11));
  EXPECT_NE(CellOf(e.rom, 0, 0), CellOf(e.custom, 0, 0));
  PressScreenButton(e, ScreenButton::View, false, dialogs);
  EXPECT_EQ(CellOf(ShownScreen(e), 1, 0), GlyphOf(e.custom, 24));
}

TEST(ScreenEditor, ClearHomeBlanksBothScreens) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  PressKeys(e, {'A', vk::Down, 'B'});
  PressScreenButton(e, ScreenButton::ClearHome, false, dialogs);
  EXPECT_EQ(e.column, 0);
  EXPECT_EQ(e.row, 0);
  ExpectCell(e, 0, 0, -1);
  ExpectCell(e, 1, 1, -1);
  PressKeys(e, {vk::Right});
  ExpectCell(e, 0, 0, -1);  // the cell under the cursor was emptied too
}

TEST(ScreenEditor, StatusLineAndButtonsFollowTheState) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  for (int i = 0; i < 10; ++i) PressKeys(e, {vk::Right});
  for (int i = 0; i < 24; ++i) PressKeys(e, {vk::Down});
  ExpectStatus(e, {{82, "CURSOR POSITION:"}, {213, "10"}, {250, "0A"}, {294, "24"}, {330, "18"},
                   {370, "CHARSET: CUSTOM"}, {495, "REVERSE: OFF"}, {590, "KEY MAPPING: US"}});
  EXPECT_EQ(ScreenButtonText(e, ScreenButton::View), "View ROM Chars");
  EXPECT_EQ(ScreenButtonText(e, ScreenButton::Mapping), "Use UK Keymap");

  for (ScreenButton b : {ScreenButton::View, ScreenButton::Mapping}) PressScreenButton(e, b, false, dialogs);
  PressScreenButton(e, ScreenButton::Reverse, true, dialogs);
  for (int i = 0; i < 40; ++i) PressKeys(e, {vk::Right});
  ExpectStatus(e, {{213, "39"}, {250, "27"}, {370, "CHARSET: ROM"}, {495, "REVERSE: ON"}, {590, "KEY MAPPING: UK"}});
  EXPECT_EQ(ScreenButtonText(e, ScreenButton::View), "View Custom Chars");
  EXPECT_EQ(ScreenButtonText(e, ScreenButton::Mapping), "Use US Keymap");
}

// Every column and row the cursor can reach, in decimal and in hexadecimal (A to F in capitals).
TEST(ScreenEditor, StatusLineNumbersEveryColumnAndRow) {
  constexpr std::string_view kDecimal = "00010203040506070809101112131415161718192021222324252627282930313233343536373839";
  constexpr std::string_view kHex = "000102030405060708090A0B0C0D0E0F101112131415161718191A1B1C1D1E1F2021222324252627";
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  for (int i = 0; i < 41; ++i) {  // one step past the last column and row: the cursor stays there
    const auto column = static_cast<std::size_t>(std::min(i, 39)) * 2;
    const auto row = static_cast<std::size_t>(std::min(i, 24)) * 2;
    ExpectStatus(e, {{213, std::string(kDecimal.substr(column, 2))}, {250, std::string(kHex.substr(column, 2))},
                     {294, std::string(kDecimal.substr(row, 2))}, {330, std::string(kHex.substr(row, 2))}});
    PressKeys(e, {vk::Right, vk::Down});
  }
}

TEST(ScreenEditor, MappingButtonSwitchesTheKeyTables) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  PressKeys(e, {vk::Grave});
  PressScreenButton(e, ScreenButton::Mapping, false, dialogs);
  PressKeys(e, {vk::Grave});
  ExpectCell(e, 0, 0, 31);
  ExpectCell(e, 1, 0, 59);
}

TEST(ScreenEditor, DumpCopiesTheShownScreenWithTheCursorAndConfirms) {
  ScreenEditor e = MakeScreenEditor(CustomCharsetImage());
  ScriptedDialogs dialogs;
  PressKeys(e, {'A'});
  PressScreenButton(e, ScreenButton::View, false, dialogs);
  PressScreenButton(e, ScreenButton::Dump, false, dialogs);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  const DialogCall& copy = dialogs.calls[0];
  EXPECT_EQ(copy.kind, DialogKind::Clipboard);
  EXPECT_EQ(copy.width, 640);
  EXPECT_EQ(copy.height, 400);
  ASSERT_EQ(copy.pixels.size(), 640u * 400u);
  EXPECT_TRUE(std::equal(copy.pixels.begin(), copy.pixels.end(), e.rom.picture.Data()));
  EXPECT_EQ(UnpackPixel(copy.pixels[16 * 1]), kCursorColour);  // cursor block at column 1
  const DialogCall& message = dialogs.calls[1];
  EXPECT_EQ(message.kind, DialogKind::Message);
  EXPECT_EQ(message.title, "Kestrelix");
  EXPECT_EQ(message.text, "Current Screen Copied to Clipboard");
  EXPECT_EQ(message.icon, MessageIcon::None);
  EXPECT_EQ(message.buttons, MessageButtons::Ok);
}

// The 8x8 block at (x, y) read back as glyph bytes: a white pixel is a set bit.
Glyph ReadDigit(const Image& img, int x, int y) {
  Glyph g{};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (img.Pixel(x + c, y + r) == 0xFFFFFF) g[r] = static_cast<std::uint8_t>(g[r] | (0x80 >> c));
  return g;
}

// White pixels of the 1-pixel line from (x, y), `length` long, across (dx = 1) or down (dy = 1).
int WhiteRun(const Image& img, int x, int y, int dx, int dy, int length) {
  int white = 0;
  for (int i = 0; i < length; ++i) white += img.Pixel(x + i * dx, y + i * dy) == 0xFFFFFF;
  return white;
}

TEST(ScreenRulers, NumberEveryCellAndTickItsEdgesNextToTheScreen) {
  constexpr Glyph kDigits[10] = {  // the ROM's digits 0 to 9
      {0x3C, 0x66, 0x6E, 0x76, 0x66, 0x66, 0x3C, 0x00}, {0x18, 0x18, 0x38, 0x18, 0x18, 0x18, 0x7E, 0x00},
      {0x3C, 0x66, 0x06, 0x0C, 0x30, 0x60, 0x7E, 0x00}, {0x3C, 0x66, 0x06, 0x1C, 0x06, 0x66, 0x3C, 0x00},
      {0x06, 0x0E, 0x1E, 0x66, 0x7F, 0x06, 0x06, 0x00}, {0x7E, 0x60, 0x7C, 0x06, 0x06, 0x66, 0x3C, 0x00},
      {0x3C, 0x66, 0x60, 0x7C, 0x66, 0x66, 0x3C, 0x00}, {0x7E, 0x66, 0x0C, 0x18, 0x18, 0x18, 0x18, 0x00},
      {0x3C, 0x66, 0x66, 0x3C, 0x66, 0x66, 0x3C, 0x00}, {0x3C, 0x66, 0x66, 0x3E, 0x06, 0x66, 0x3C, 0x00}};
  const Image top = RulerPicture(RulerSide::Top);
  const Image bottom = RulerPicture(RulerSide::Bottom);
  const Image left = RulerPicture(RulerSide::Left);
  const Image right = RulerPicture(RulerSide::Right);
  EXPECT_EQ(top.Bounds(), (Rect{0, 0, 640, 30}));
  EXPECT_EQ(bottom.Bounds(), (Rect{0, 0, 640, 30}));
  EXPECT_EQ(left.Bounds(), (Rect{0, 0, 82, 400}));
  EXPECT_EQ(right.Bounds(), (Rect{0, 0, 82, 400}));

  // Columns: tens over units, 4 pixels into the 16-pixel column; ticks 5 pixels long at the screen's side.
  for (int c = 0; c < 40; ++c) {
    SCOPED_TRACE(c);
    EXPECT_EQ(ReadDigit(top, c * 16 + 4, 3), kDigits[c / 10]);
    EXPECT_EQ(ReadDigit(top, c * 16 + 4, 13), kDigits[c % 10]);
    EXPECT_EQ(ReadDigit(bottom, c * 16 + 4, 9), kDigits[c / 10]);
    EXPECT_EQ(ReadDigit(bottom, c * 16 + 4, 19), kDigits[c % 10]);
    EXPECT_EQ(WhiteRun(top, c * 16, 25, 0, 1, 5), 5);
    EXPECT_EQ(WhiteRun(bottom, c * 16, 0, 0, 1, 5), 5);
  }
  EXPECT_EQ(WhiteRun(top, 16, 25, 0, 1, 5), 5);
  EXPECT_EQ(WhiteRun(top, 639, 25, 0, 1, 5), 5);  // the screen's right edge
  EXPECT_EQ(WhiteRun(top, 8, 25, 0, 1, 5), 0);    // mid-cell
  EXPECT_EQ(WhiteRun(top, 16, 21, 0, 1, 4), 0);   // between the units and the tick
  EXPECT_EQ(WhiteRun(bottom, 16, 0, 0, 1, 5), 5);
  EXPECT_EQ(WhiteRun(bottom, 16, 5, 0, 1, 4), 0);

  // Rows: both digits side by side, 4 pixels down the 16-pixel row; ticks at the screen's side.
  for (int r = 0; r < 25; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(ReadDigit(left, 57, r * 16 + 4), kDigits[r / 10]);
    EXPECT_EQ(ReadDigit(left, 65, r * 16 + 4), kDigits[r % 10]);
    EXPECT_EQ(ReadDigit(right, 9, r * 16 + 4), kDigits[r / 10]);
    EXPECT_EQ(ReadDigit(right, 17, r * 16 + 4), kDigits[r % 10]);
    EXPECT_EQ(WhiteRun(left, 77, r * 16, 1, 0, 5), 5);
    EXPECT_EQ(WhiteRun(right, 0, r * 16, 1, 0, 5), 5);
  }
  EXPECT_EQ(WhiteRun(left, 77, 16, 1, 0, 5), 5);
  EXPECT_EQ(WhiteRun(left, 77, 399, 1, 0, 5), 5);  // the screen's bottom edge
  EXPECT_EQ(WhiteRun(left, 0, 16, 1, 0, 57), 0);
  EXPECT_EQ(WhiteRun(right, 0, 16, 1, 0, 5), 5);
  EXPECT_EQ(WhiteRun(right, 5, 16, 1, 0, 4), 0);
}

}  // namespace
}  // namespace kx
