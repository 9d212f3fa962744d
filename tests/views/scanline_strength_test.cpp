#include <gtest/gtest.h>

#include "views/emulation.h"

namespace kx {
namespace {

// Scanlines darken every other row by a quarter (black at alpha 64): white becomes 0xBFBFBF and mid grey
// 0x606060; the rows between stay as they were.
TEST(ScanlineStrength, AlternateRowsDarkenByAQuarter) {
  for (const auto& [under, darkened] : {std::pair<Rgb, Rgb>{0xFFFFFF, 0xBFBFBF}, {0x808080, 0x606060}}) {
    Image img(4, 4, under);
    DrawScanlines(img, img.Bounds());
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < 4; ++x) EXPECT_EQ(img.Pixel(x, y), y % 2 == 0 ? darkened : under) << x << "," << y;
  }
}

}  // namespace
}  // namespace kx
