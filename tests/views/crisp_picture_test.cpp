#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "views/crisp_picture.h"

namespace kx {
namespace {

// A picture whose every pixel differs: 0xFF000000 | (y << 8) | x.
Picture Numbered(int width, int height) {
  Picture p{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.pixels.push_back(0xFF000000u | (y << 8) | x);
  return p;
}

// Expects `out` to be `in` enlarged `factor` times at (left, top) with a transparent border.
void ExpectBlocks(const Picture& out, const Picture& in, int factor, int left, int top) {
  int wrong = 0;
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      const int sx = x - left, sy = y - top;
      const bool inside = sx >= 0 && sy >= 0 && sx < in.width * factor && sy < in.height * factor;
      const std::uint32_t want = inside ? in.At(sx / factor, sy / factor) : 0u;
      if (out.At(x, y) != want) ++wrong;
    }
  }
  EXPECT_EQ(wrong, 0);
}

TEST(CrispPicture, WholeFactorsCentredInTheDevicePixelsOfTheLogicalSize) {
  const Picture icon = Numbered(16, 16);
  struct Case {
    double ratio;
    int size, factor, offset;
  };
  for (const Case c : {Case{1.0, 16, 1, 0}, Case{1.25, 20, 1, 2}, Case{1.5, 24, 1, 4}, Case{1.75, 28, 1, 6},
                       Case{2.0, 32, 2, 0}, Case{2.5, 40, 2, 4}, Case{3.0, 48, 3, 0}}) {
    SCOPED_TRACE(c.ratio);
    const Picture out = CrispPicture(icon, c.ratio);
    ASSERT_EQ(out.width, c.size);
    ASSERT_EQ(out.height, c.size);
    ExpectBlocks(out, icon, c.factor, c.offset, c.offset);
  }
}

TEST(CrispPicture, OddSizesAndAwkwardRatios) {
  // The logo at 125 %: 336.25 device pixels round up to 337; the picture sits 34 in (the odd pixel right).
  const Picture logo = Numbered(269, 269);
  const Picture at125 = CrispPicture(logo, 1.25);
  ASSERT_EQ(at125.width, 337);
  ExpectBlocks(at125, logo, 1, 34, 34);
  // The swap picture at 150 %: 66x30, the 44x20 picture 11 and 5 in.
  const Picture swap = Numbered(44, 20);
  const Picture at150 = CrispPicture(swap, 1.5);
  ASSERT_EQ(at150.width, 66);
  ASSERT_EQ(at150.height, 30);
  ExpectBlocks(at150, swap, 1, 11, 5);
  // A product that misses a whole number by rounding noise is that number, not one more.
  EXPECT_EQ(DeviceExtent(20, 1.1), 22);
  EXPECT_EQ(WholeFactor(2.9999999999), 3);
  // Ratios below 1 or not numbers leave the picture as it is.
  for (double ratio : {0.5, 0.0, -2.0, std::numeric_limits<double>::quiet_NaN()}) {
    const Picture out = CrispPicture(swap, ratio);
    EXPECT_EQ(out.pixels, swap.pixels) << ratio;
  }
}

}  // namespace
}  // namespace kx
