#include <gtest/gtest.h>

#include "model/charset.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

TEST(CharsetLayout, LeftmostPixelIsBitSeven) {
  Charset c{};
  c[0] = 0x80;
  c[1] = 0x01;
  EXPECT_TRUE(GetCharsetPixel(c, 0, 0));
  for (int x = 1; x < 8; ++x) EXPECT_FALSE(GetCharsetPixel(c, x, 0)) << x;
  EXPECT_TRUE(GetCharsetPixel(c, 7, 1));
  for (int x = 0; x < 7; ++x) EXPECT_FALSE(GetCharsetPixel(c, x, 1)) << x;
}

TEST(CharsetLayout, GlyphRowsAndColumns) {
  EXPECT_EQ(GlyphRowOf(33), 1);
  EXPECT_EQ(GlyphColumnOf(33), 1);
  EXPECT_EQ(GlyphRowOf(224), 7);
  EXPECT_EQ(GlyphRowOf(255), 7);
  EXPECT_EQ(GlyphAtCell(31, 7), 255);
}

TEST(CharsetLayout, PixelAddressingCrossesGlyphs) {
  Charset c{};
  // (9, 10): glyph column 1, glyph row 1 -> glyph 33, row 2, column 1.
  SetCharsetPixel(c, 9, 10, true);
  EXPECT_EQ(c[33 * 8 + 2], 0x40);
  SetCharsetPixel(c, 255, 63, true);
  EXPECT_EQ(c[2047], 0x01);
  SetCharsetPixel(c, 9, 10, false);
  EXPECT_EQ(c[33 * 8 + 2], 0x00);
}

TEST(CharsetLayout, OutOfRangeCoordinatesAndIndexesStayInside) {
  Charset c{};
  SetCharsetPixel(c, 256, 0, true);
  SetCharsetPixel(c, -1, 5, true);
  SetCharsetPixel(c, 3, 64, true);
  EXPECT_EQ(c, Charset{});
  EXPECT_FALSE(GetCharsetPixel(RomCharset(), 300, 300));
  PutGlyph(c, 256 + 3, Glyph{1, 2, 3, 4, 5, 6, 7, 8});  // wraps to glyph 3, never past the buffer
  EXPECT_EQ(GetGlyph(c, 3), (Glyph{1, 2, 3, 4, 5, 6, 7, 8}));
}

}  // namespace
}  // namespace kx
