#include <gtest/gtest.h>

#include <vector>

#include "ops/strokes.h"

namespace kx {
namespace {

// The y of the single set pixel in each column x0..x1 (-1 when the column has none or several).
std::vector<int> RowsPerColumn(const Charset& c, int x0, int x1) {
  std::vector<int> rows;
  for (int x = x0; x <= x1; ++x) {
    int found = -1, count = 0;
    for (int y = 0; y < kCharsetHeight; ++y) {
      if (GetCharsetPixel(c, x, y)) {
        found = y;
        ++count;
      }
    }
    rows.push_back(count == 1 ? found : -1);
  }
  return rows;
}

int CountSet(const Charset& c) {
  int n = 0;
  for (int y = 0; y < kCharsetHeight; ++y)
    for (int x = 0; x < kCharsetWidth; ++x) n += GetCharsetPixel(c, x, y);
  return n;
}

TEST(PlotLine, ShallowLinesRoundHalvesToEven) {
  Charset c{};
  PlotLine(c, 0, 0, 7, 3, PenKind::Set);
  EXPECT_EQ(RowsPerColumn(c, 0, 7), (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3}));
  Charset half{};
  PlotLine(half, 0, 0, 6, 3, PenKind::Set);
  EXPECT_EQ(RowsPerColumn(half, 0, 6), (std::vector<int>{0, 0, 1, 2, 2, 2, 3}));
}

TEST(PlotLine, DrawnBackwardsCoversTheSameEndsAndCount) {
  Charset c{};
  PlotLine(c, 7, 3, 0, 0, PenKind::Set);
  EXPECT_TRUE(GetCharsetPixel(c, 0, 0));
  EXPECT_TRUE(GetCharsetPixel(c, 7, 3));
  EXPECT_EQ(CountSet(c), 8);
}

TEST(PlotLine, SteepLinesStepAlongY) {
  Charset c{};
  PlotLine(c, 10, 20, 13, 27, PenKind::Set);  // dx 3, dy 7: one pixel per row
  for (int y = 20; y <= 27; ++y) {
    int inRow = 0;
    for (int x = 0; x < kCharsetWidth; ++x) inRow += GetCharsetPixel(c, x, y);
    EXPECT_EQ(inRow, 1) << y;
  }
  EXPECT_TRUE(GetCharsetPixel(c, 10, 20));
  EXPECT_TRUE(GetCharsetPixel(c, 13, 27));
  Charset up{};
  PlotLine(up, 13, 27, 10, 20, PenKind::Set);
  EXPECT_EQ(CountSet(up), 8);
  EXPECT_TRUE(GetCharsetPixel(up, 13, 27));
  EXPECT_TRUE(GetCharsetPixel(up, 10, 20));
}

TEST(PlotLine, ZeroLengthPlotsOnePixelAndClearPenClears) {
  Charset c{};
  PlotLine(c, 255, 63, 255, 63, PenKind::Set);
  EXPECT_EQ(CountSet(c), 1);
  EXPECT_EQ(c[CharsetPixelByte(255, 63)], 0x01);
  PlotLine(c, 250, 63, 255, 63, PenKind::Clear);
  EXPECT_EQ(CountSet(c), 0);
}

TEST(PlotBox, HollowKeepsTheInsideFilledCoversTheRectangle) {
  Charset hollow{};
  PlotBox(hollow, 5, 4, 1, 1, PenKind::Set, false);
  EXPECT_EQ(CountSet(hollow), 2 * 5 + 2 * 2);
  EXPECT_FALSE(GetCharsetPixel(hollow, 3, 2));
  Charset filled;
  filled.fill(0xFF);
  PlotBox(filled, 5, 4, 1, 1, PenKind::Clear, true);
  EXPECT_EQ(CountSet(filled), kCharsetWidth * kCharsetHeight - 5 * 4);
  for (int y = 1; y <= 4; ++y)
    for (int x = 1; x <= 5; ++x) EXPECT_FALSE(GetCharsetPixel(filled, x, y)) << x << "," << y;
  EXPECT_TRUE(GetCharsetPixel(filled, 0, 1));
  EXPECT_TRUE(GetCharsetPixel(filled, 6, 4));
}

// Boxes over row 0 of a multicolour glyph 0 and a hi-res glyph 1: the multicolour one gets the pen's pair on
// both bits of every double-wide pixel touched, the hi-res one single pixels by the pen's kind.
TEST(PlotBox, SetsBitPairsInMulticolourGlyphsAndPixelsInHiResOnes) {
  struct Case {
    Pen pen;
    int x0, x1;
    bool filled;
    std::uint8_t before, glyph0, glyph1;
  };
  const Case cases[] = {
      {{PenKind::Set, 1, 2}, 1, 9, true, 0x00, 0xAA, 0xC0},
      {{PenKind::Clear, 0, kFollowKind}, 1, 9, true, 0xFF, 0x00, 0x3F},
      {{PenKind::Set, 1, kFollowKind}, 2, 3, false, 0x00, 0x30, 0x00},
      {{PenKind::Clear, 0, 1}, 1, 3, false, 0xFF, 0x5F, 0xFF},
  };
  for (const Case& c : cases) {
    CharsetStore store;
    store.colours.mode = DisplayMode::Multicolour;
    store.inks[0] = 9;
    store.inks[1] = 15 - 8;
    store.editor[0] = store.editor[8] = c.before;
    PlotBox(store, c.x0, 0, c.x1, 0, c.pen, c.filled);
    PlotPixel(store, -1, 0, c.pen);  // off the charset: nothing
    EXPECT_EQ(store.editor[0], c.glyph0) << c.x0;
    EXPECT_EQ(store.editor[8], c.glyph1) << c.x0;
  }
}

TEST(StrokeBackup, RestoresBytesAndInks) {
  CharsetStore store;
  store.editor[3] = 0x42;
  StrokeBackup backup;
  SaveBackup(store, backup);
  store.editor[3] = 0;
  store.inks[7] = 5;
  RestoreBackup(store, backup);
  EXPECT_EQ(store.editor[3], 0x42);
  EXPECT_EQ(store.inks[7], 1);
}

}  // namespace
}  // namespace kx
