#include <gtest/gtest.h>

#include <vector>

#include "views/charset_preview.h"

namespace kx {
namespace {

// Row 0 of glyph 33 (second glyph row, second column: preview x 16..31, y 16..17) is 00 01 10 11 in pairs.
TEST(CharsetPreview, MulticolourPairsAreTwoPixelsWideAndHiResBitsOne) {
  Charset charset{};
  charset[33 * 8] = 0x1B;
  const PreviewLook multicolour{true, 0x000010, 0x000020, 0x000030, 0x000040};
  const PreviewLook hiRes{false, 0x000010, 0x000020, 0x000030, 0x000040};
  const std::vector<Rgb> multicolourRow{0x10, 0x10, 0x10, 0x10, 0x20, 0x20, 0x20, 0x20,
                                        0x30, 0x30, 0x30, 0x30, 0x40, 0x40, 0x40, 0x40};
  const std::vector<Rgb> hiResRow{0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x40, 0x40,
                                  0x40, 0x40, 0x10, 0x10, 0x40, 0x40, 0x40, 0x40};
  for (const auto& [look, expected] : {std::pair{multicolour, multicolourRow}, std::pair{hiRes, hiResRow}}) {
    const Image preview = ComposeCharsetPreview(charset, look);
    ASSERT_EQ(preview.Width(), 512);
    ASSERT_EQ(preview.Height(), 128);
    for (int y : {16, 17}) {
      std::vector<Rgb> row;
      for (int x = 16; x < 32; ++x) row.push_back(preview.Pixel(x, y));
      EXPECT_EQ(row, expected) << look.multicolour << " y " << y;
    }
    EXPECT_EQ(preview.Pixel(16, 18), 0x10u);  // row 1 of the glyph is clear
    EXPECT_EQ(preview.Pixel(15, 16), 0x10u);  // glyph 32 is clear
  }
}

}  // namespace
}  // namespace kx
