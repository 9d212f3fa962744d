#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ops/charset_pixels.h"

namespace kx {
namespace {

// Palette entry n is the pixel value n, so a row reads as its colour numbers in hex.
Palette NumberPalette() {
  Palette p{};
  for (int n = 0; n < kPaletteSize; ++n) p[static_cast<std::size_t>(n)] = static_cast<Rgb>(n);
  return p;
}

// The top row of cell `cell` of the charset picture, one hex digit per pixel.
std::string TopRow(const std::vector<std::uint32_t>& pixels, int cell) {
  std::string row;
  const int x0 = cell % 32 * 8, y0 = cell / 32 * 8;
  for (int x = 0; x < 8; ++x) row += "0123456789ABCDEF"[pixels[static_cast<std::size_t>(y0 * 256 + x0 + x)] & 15];
  return row;
}

TEST(CharsetPixels, EachDisplayModeShowsGlyphsAsTheVicDoes) {
  Charset charset{};
  GlyphInks inks = CharsetStore::DefaultInks();
  charset[0 * 8] = 0x1B;   // pairs 00 01 10 11
  inks[0] = 13;            // multicolour bit and colour 5
  charset[1 * 8] = 0xC3;   // 11 00 00 11
  inks[1] = 3;             // hi-res even in multicolour mode
  charset[65 * 8] = 0x81;  // 10 00 00 01
  inks[65] = 9;
  const std::array<std::uint8_t, 4> registers{6, 2, 7, 4};

  struct Case {
    DisplayMode mode;
    CellOrder order;
    const char* cells[4];  // cells 0, 1, 65, 193
  };
  const Case cases[] = {
      {DisplayMode::HiRes, CellOrder::Glyph, {"666DD6DD", "33666633", "96666669", "66666666"}},
      {DisplayMode::HiRes, CellOrder::ScreenCode, {"666DD6DD", "33666633", "96666669", "66666666"}},
      {DisplayMode::Multicolour, CellOrder::Glyph, {"66227755", "33666633", "77666622", "66666666"}},
      // Glyphs 64-255 cannot be shown; screen code c shows glyph c mod 64 on background c div 64.
      {DisplayMode::ExtendedBackground, CellOrder::Glyph, {"666DD6DD", "33666633", "66666666", "66666666"}},
      {DisplayMode::ExtendedBackground, CellOrder::ScreenCode, {"666DD6DD", "33666633", "33222233", "33444433"}},
  };
  for (const Case& c : cases) {
    std::vector<std::uint32_t> pixels(256 * 64, 0xFF);
    ASSERT_TRUE(PixelsFromCharset(charset, inks, NumberPalette(), pixels, 256, {c.mode, registers}, c.order));
    const int cells[] = {0, 1, 65, 193};
    for (int n = 0; n < 4; ++n)
      EXPECT_EQ(TopRow(pixels, cells[n]), c.cells[n]) << static_cast<int>(c.mode) << " cell " << cells[n];
    EXPECT_EQ(pixels[256 * 7 + 7], 6u);  // a clear row of glyph 0 is all $D021
  }
}

}  // namespace
}  // namespace kx
