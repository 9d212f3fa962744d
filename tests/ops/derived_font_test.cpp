#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "ops/batch.h"
#include "ops/charset_pixels.h"
#include "ops/derived_font.h"
#include "tests/ops/sample_charsets.h"

namespace kx {
namespace {

using samples::Patterned;

constexpr Glyph kZero = samples::kDigitZero;

Charset Built(Charset c, DerivedFontKind kind) {
  GlyphStores stores;
  BuildDerivedFont(c, stores, kind);
  return c;
}

Glyph Reversed(Glyph g) {
  for (auto& b : g) b = static_cast<std::uint8_t>(b ^ 0xFF);
  return g;
}

TEST(DerivedFonts, DoublingExamples) {
  Charset c = Patterned();
  PutGlyph(c, 0, kZero);
  const Charset oneByTwo = Built(c, DerivedFontKind::OneByTwo);
  EXPECT_EQ(GetGlyph(oneByTwo, 0), (Glyph{0x3C, 0x3C, 0x66, 0x66, 0x6E, 0x6E, 0x6E, 0x6E}));
  EXPECT_EQ(GetGlyph(oneByTwo, 64), (Glyph{0x60, 0x60, 0x62, 0x62, 0x3C, 0x3C, 0x00, 0x00}));

  const Charset twoByOne = Built(c, DerivedFontKind::TwoByOne);
  EXPECT_EQ(GetGlyph(twoByOne, 0)[0], 0x0F);   // row 3C: left half 0011 doubled
  EXPECT_EQ(GetGlyph(twoByOne, 64)[0], 0xF0);  // right half 1100 doubled
  EXPECT_EQ(GetGlyph(twoByOne, 0)[1], 0x3C);   // row 66 gives 3C on both sides
  EXPECT_EQ(GetGlyph(twoByOne, 64)[1], 0x3C);

  // 2 x 2 of the digit: each quarter's pixel becomes a 2x2 block (left halves 0011, 0110, 0110, 0110).
  const Charset twoByTwo = Built(c, DerivedFontKind::TwoByTwo);
  EXPECT_EQ(GetGlyph(twoByTwo, 0), (Glyph{0x0F, 0x0F, 0x3C, 0x3C, 0x3C, 0x3C, 0x3C, 0x3C}));
  EXPECT_EQ(GetGlyph(twoByTwo, 192), (Glyph{0x00, 0x00, 0x0C, 0x0C, 0xF0, 0xF0, 0x00, 0x00}));
}

// Row 0 of source glyphs 0 (multicolour) and 1 (hi-res) both 1B: the multicolour glyph's pairs 00 01 10 11
// are doubled whole (00 00 01 01 | 10 10 11 11) into glyphs 0 and 64, the hi-res glyph's pixels one by one
// into glyphs 1 and 65; the tall build only doubles rows.
TEST(DerivedFonts, MulticolourSourceGlyphsDoubleTheirPairs) {
  GlyphModes modes{};
  modes[0] = GlyphMode::Multicolour;
  struct Case {
    DerivedFontKind kind;
    std::uint8_t mcLeft, mcRight, hiResLeft, hiResRight;
  };
  const Case cases[] = {
      {DerivedFontKind::TwoByOne, 0x05, 0xAF, 0x03, 0xCF},
      {DerivedFontKind::TwoByTwo, 0x05, 0xAF, 0x03, 0xCF},
      {DerivedFontKind::OneByTwo, 0x1B, 0x00, 0x1B, 0x00},
  };
  for (const Case& c : cases) {
    Charset charset{};
    charset[0] = 0x1B;
    charset[8] = 0x1B;
    GlyphStores stores;
    BuildDerivedFont(charset, stores, c.kind, modes);
    const int k = static_cast<int>(c.kind);
    EXPECT_EQ(charset[0], c.mcLeft) << k;
    EXPECT_EQ(charset[64 * 8], c.mcRight) << k;
    EXPECT_EQ(charset[8], c.hiResLeft) << k;
    EXPECT_EQ(charset[65 * 8], c.hiResRight) << k;
  }
}

TEST(DerivedFonts, EmptyHalvesGiveEmptyGlyphs) {
  Charset c = Patterned();
  PutGlyph(c, 5, Glyph{0x18, 0x18, 0x18, 0x18});   // rows 4-7 empty
  PutGlyph(c, 6, Glyph{0xF0, 0xA0, 0x50, 0xF0, 0x10, 0x20, 0x40, 0x80});  // only the left columns set
  const Charset oneByTwo = Built(c, DerivedFontKind::OneByTwo);
  EXPECT_EQ(GetGlyph(oneByTwo, 69), Glyph{});
  const Charset twoByTwo = Built(c, DerivedFontKind::TwoByTwo);
  EXPECT_EQ(GetGlyph(twoByTwo, 133), Glyph{});
  EXPECT_EQ(GetGlyph(twoByTwo, 197), Glyph{});
  EXPECT_EQ(GetGlyph(Built(c, DerivedFontKind::TwoByOne), 70), Glyph{});
}

TEST(DerivedFonts, UpperHalfKeptOrReversed) {
  const Charset start = Patterned();
  for (auto [plain, reversed] : {std::pair{DerivedFontKind::OneByTwo, DerivedFontKind::OneByTwoReversed},
                                 std::pair{DerivedFontKind::TwoByOne, DerivedFontKind::TwoByOneReversed}}) {
    const Charset a = Built(start, plain);
    const Charset b = Built(start, reversed);
    for (int n = 0; n < 128; ++n) {
      EXPECT_EQ(GetGlyph(a, 128 + n), GetGlyph(start, 128 + n)) << n;
      EXPECT_EQ(GetGlyph(b, n), GetGlyph(a, n)) << n;
      EXPECT_EQ(GetGlyph(b, 128 + n), Reversed(GetGlyph(b, n))) << n;
    }
  }
  const Charset full = Built(start, DerivedFontKind::TwoByTwo);
  const Charset fullReversed = Built(start, DerivedFontKind::TwoByTwoReversed);
  for (int n = 0; n < kGlyphCount; ++n) EXPECT_EQ(GetGlyph(fullReversed, n), Reversed(GetGlyph(full, n))) << n;
}

TEST(DerivedFonts, BuildingTwiceDoublesTheDoubledGlyphs) {
  Charset c{};
  PutGlyph(c, 0, kZero);
  const Charset twice = Built(Built(c, DerivedFontKind::OneByTwo), DerivedFontKind::OneByTwo);
  // The first build's glyph 0 is 3C 3C 66 66 6E 6E 6E 6E; its top half doubled again:
  EXPECT_EQ(GetGlyph(twice, 0), (Glyph{0x3C, 0x3C, 0x3C, 0x3C, 0x66, 0x66, 0x66, 0x66}));
  EXPECT_EQ(GetGlyph(twice, 64), (Glyph{0x6E, 0x6E, 0x6E, 0x6E, 0x6E, 0x6E, 0x6E, 0x6E}));
}

TEST(DerivedFonts, WideningBuildsLeaveGlyphRowTwoInRowMemory) {
  for (auto kind : {DerivedFontKind::TwoByOne, DerivedFontKind::TwoByOneReversed, DerivedFontKind::TwoByTwo,
                    DerivedFontKind::TwoByTwoReversed}) {
    const Charset start = Patterned();
    Charset c = start;
    GlyphStores stores;
    BuildDerivedFont(c, stores, kind);
    EXPECT_TRUE(stores.rowPasteEnabled);
    ASSERT_TRUE(PasteRowFromMemory(c, stores, 1));
    for (int n = 32; n < 64; ++n) EXPECT_EQ(GetGlyph(c, n), GetGlyph(start, n)) << n;
  }
  Charset c = Patterned();
  GlyphStores stores;
  BuildDerivedFont(c, stores, DerivedFontKind::OneByTwo);
  EXPECT_FALSE(stores.rowPasteEnabled);
  EXPECT_EQ(stores.rowMemory, RowBytes{});
}

TEST(DerivedFonts, UnknownKindChangesNothing) {
  const Charset start = Patterned();
  EXPECT_EQ(Built(start, static_cast<DerivedFontKind>(17)), start);
}

TEST(FontPreview, EveryKindPlacesEachGlyphInItsOwnCell) {
  for (auto kind : {PreviewKind::None, PreviewKind::OneByTwo, PreviewKind::TwoByOne, PreviewKind::TwoByTwo}) {
    std::set<std::pair<int, int>> cells;
    for (int n = 0; n < kGlyphCount; ++n) {
      const CellPosition p = PreviewCellOf(kind, n);
      ASSERT_TRUE(p.x >= 0 && p.x < 32 && p.y >= 0 && p.y < 8) << n;
      cells.insert({p.x, p.y});
    }
    EXPECT_EQ(cells.size(), 256u);
  }
}

TEST(FontPreview, LettersStandTogether) {
  const struct {
    PreviewKind kind;
    int dx, dy;  // where glyph g + 64 stands relative to glyph g
  } layouts[] = {{PreviewKind::OneByTwo, 0, 1}, {PreviewKind::TwoByOne, 1, 0}, {PreviewKind::TwoByTwo, 1, 0}};
  for (const auto& l : layouts)
    for (int g : {0, 17, 63, 128, 150, 191}) {
      const CellPosition a = PreviewCellOf(l.kind, g);
      const CellPosition b = PreviewCellOf(l.kind, g + 64);
      EXPECT_EQ(b.x - a.x, l.dx) << g;
      EXPECT_EQ(b.y - a.y, l.dy) << g;
    }
  for (int g : {0, 17, 63}) {
    const CellPosition a = PreviewCellOf(PreviewKind::TwoByTwo, g);
    const CellPosition below = PreviewCellOf(PreviewKind::TwoByTwo, g + 128);
    const CellPosition belowRight = PreviewCellOf(PreviewKind::TwoByTwo, g + 192);
    EXPECT_EQ(below.x, a.x);
    EXPECT_EQ(below.y, a.y + 1);
    EXPECT_EQ(belowRight.x, a.x + 1);
    EXPECT_EQ(belowRight.y, a.y + 1);
  }
  EXPECT_EQ(PreviewCellOf(PreviewKind::TwoByOne, 17).x, 2);
  EXPECT_EQ(PreviewCellOf(PreviewKind::TwoByOne, 17).y, 1);
  EXPECT_EQ(PreviewCellOf(PreviewKind::TwoByOne, 128 + 17).y, 5);
}

TEST(FontPreview, ComposesCellsFromTheCharsetPicture) {
  Charset c{};
  PutGlyph(c, 64, Glyph{0x80});  // top-left pixel of glyph 64, shown below glyph 0 in the 1 x 2 preview
  std::vector<std::uint32_t> picture(kCharsetWidth * kCharsetHeight);
  ASSERT_TRUE(PixelsFromCharset(c, CharsetStore::DefaultInks(), MakePalette(), picture, kCharsetWidth));
  std::vector<std::uint32_t> preview(kCharsetWidth * kCharsetHeight, 0x123456);
  ASSERT_TRUE(ComposeFontPreview(PreviewKind::OneByTwo, picture, kCharsetWidth, preview, kCharsetWidth));
  Charset shown = CharsetFromPixels(preview, kCharsetWidth);
  Charset expected{};
  SetCharsetPixel(expected, 0, 8, true);
  EXPECT_EQ(shown, expected);

  std::vector<std::uint32_t> small(100);
  EXPECT_FALSE(ComposeFontPreview(PreviewKind::TwoByTwo, picture, kCharsetWidth, small, kCharsetWidth));
  EXPECT_FALSE(ComposeFontPreview(PreviewKind::TwoByTwo, small, kCharsetWidth, preview, kCharsetWidth));
}

}  // namespace
}  // namespace kx
