#include <gtest/gtest.h>

#include "runtime/image.h"
#include "runtime/image_draw.h"
#include "runtime/image_scale.h"

namespace kx {
namespace {

constexpr Rgb kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

int CountColour(const Image& img, Rgb colour) {
  int n = 0;
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) n += img.Pixel(x, y) == colour;
  }
  return n;
}

// A picture whose every pixel has its own colour, so that scaling and cutting can be traced.
Image Numbered(int w, int h) {
  Image img(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) img.SetPixel(x, y, static_cast<Rgb>(y * 256 + x));
  }
  return img;
}

TEST(ImageStorage, WordsAreOpaqueRgb32) {
  Image img(3, 2, 0x123456);
  EXPECT_EQ(img.StrideBytes(), 12);
  EXPECT_EQ(img.Data()[5], 0xFF123456u);
  img.SetPixel(2, 1, 0xAB000000u | kRed);  // a stray top byte is not stored
  EXPECT_EQ(img.Row(1)[2], 0xFFFF0000u);
  EXPECT_EQ(img.Pixel(2, 1), kRed);
  EXPECT_EQ(img.Pixel(-1, 0), 0u);
  EXPECT_EQ(img.Pixel(3, 0), 0u);
  img.SetPixel(3, 0, kWhite);  // outside: ignored
  EXPECT_EQ(CountColour(img, kWhite), 0);
  EXPECT_TRUE(Image(-5, 4).Empty());
}

TEST(ImageStorage, ResetKeepsTheBufferWhenItFits) {
  Image img(64, 64);
  const std::uint32_t* before = img.Data();
  img.Reset(32, 16, kBlue);
  EXPECT_EQ(img.Data(), before);
  EXPECT_EQ(CountColour(img, kBlue), 32 * 16);
}

TEST(ImageCut, ClipsAtTheBorders) {
  const Image src = Numbered(10, 8);
  const Image inside = Cut(src, {2, 3, 4, 2});
  ASSERT_EQ(inside.Width(), 4);
  EXPECT_EQ(inside.Pixel(0, 0), src.Pixel(2, 3));
  EXPECT_EQ(inside.Pixel(3, 1), src.Pixel(5, 4));

  const Image corner = Cut(src, {7, -2, 10, 5});
  EXPECT_EQ(corner.Width(), 3);
  EXPECT_EQ(corner.Height(), 3);
  EXPECT_EQ(corner.Pixel(0, 0), src.Pixel(7, 0));
  EXPECT_TRUE(Cut(src, {20, 0, 4, 4}).Empty());
  // Touching an edge from outside leaves nothing, on every side.
  for (const Rect r : {Rect{0, -4, 4, 4}, Rect{-4, 0, 4, 4}, Rect{10, 0, 4, 4}, Rect{0, 8, 4, 4}})
    EXPECT_EQ(Intersect(r, src.Bounds()), Rect{}) << r.x << "," << r.y;
  EXPECT_TRUE(Cut(src, {0x7FFFFFF0, 0x7FFFFFF0, 0x7FFFFFF0, 100}).Empty());
}

TEST(ImageBlend, AlphaRunsFromUnchangedToColour) {
  EXPECT_EQ(BlendRgb(0x102030, kWhite, 0), 0x102030u);
  EXPECT_EQ(BlendRgb(0x102030, kWhite, 255), kWhite);
  EXPECT_EQ(BlendRgb(0x000000, kWhite, 128), 0x808080u);
  // The pane fade: (64, 64, 64) at alpha 128 over white and over black.
  EXPECT_EQ(BlendRgb(kWhite, 0x404040, 128), 0x9F9F9Fu);
  EXPECT_EQ(BlendRgb(0, 0x404040, 128), 0x202020u);
  // Scanlines: black at alpha 64 darkens by a quarter.
  EXPECT_EQ(BlendRgb(kWhite, 0, 64), 0xBFBFBFu);
}

TEST(ImageBlend, EveryPairOfChannelValuesRoundsToNearestAtEveryAlpha) {
  for (int alpha = 0; alpha <= 255; ++alpha) {
    for (unsigned u = 0; u < 256; ++u) {
      for (unsigned c = 0; c < 256; ++c) {
        const unsigned mixed = (c * alpha + u * (255 - alpha) + 127) / 255;
        // Each channel with its own pair of values, so that a carry between channels shows.
        const Rgb under = u << 16 | (255 - u) << 8 | u, colour = c << 16 | c << 8 | (255 - c);
        const unsigned green = (c * alpha + (255 - u) * (255 - alpha) + 127) / 255;
        const unsigned blue = ((255 - c) * alpha + u * (255 - alpha) + 127) / 255;
        ASSERT_EQ(BlendRgb(under, colour, alpha), mixed << 16 | green << 8 | blue) << alpha << " " << u << " " << c;
      }
    }
  }
  EXPECT_EQ(BlendRgb(0x102030, kWhite, 300), kWhite);  // alpha out of range is clamped
  EXPECT_EQ(BlendRgb(0x102030, kWhite, -5), 0x102030u);
}

TEST(ImageDraw, BoxesAndOutlinesClip) {
  Image img(8, 8);
  FillBox(img, {-2, -2, 4, 4}, kRed);
  EXPECT_EQ(CountColour(img, kRed), 4);
  DrawOutline(img, {4, 4, 10, 10}, kGreen);
  EXPECT_EQ(CountColour(img, kGreen), 7);  // only the top row and left column are inside
  EXPECT_EQ(img.Pixel(4, 7), kGreen);
  EXPECT_EQ(img.Pixel(7, 4), kGreen);
  EXPECT_EQ(img.Pixel(5, 5), 0u);
}

TEST(ImageDraw, BlendedOutlinePaintsEachPixelOnce) {
  Image img(20, 20, kWhite);
  DrawOutline(img, {2, 2, 6, 4}, 0, 128);
  EXPECT_EQ(CountColour(img, 0x7F7F7F), 2 * 6 + 2 * 2);
  EXPECT_EQ(img.Pixel(2, 2), 0x7F7F7Fu);  // a corner, not darkened twice
  DrawOutline(img, {10, 10, 1, 1}, 0, 128);
  EXPECT_EQ(img.Pixel(10, 10), 0x7F7F7Fu);
}

TEST(ImageDraw, LinesIncludeBothEndsAndClip) {
  Image img(10, 10);
  DrawLine(img, 0, 0, 9, 9, kRed);
  EXPECT_EQ(CountColour(img, kRed), 10);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(img.Pixel(i, i), kRed);
  DrawLine(img, 9, 0, 0, 3, kGreen);  // shallow, drawn right to left
  EXPECT_EQ(CountColour(img, kGreen), 10);
  EXPECT_EQ(img.Pixel(9, 0), kGreen);
  EXPECT_EQ(img.Pixel(0, 3), kGreen);
  img.Fill(0);
  // A horizontal line far longer than the picture touches only its own row, once per pixel.
  DrawLine(img, -1000000000, 4, 1000000000, 4, kWhite, 128);
  EXPECT_EQ(CountColour(img, 0x808080), 10);
  DrawLine(img, 3, 3, 3, 3, kBlue);
  EXPECT_EQ(img.Pixel(3, 3), kBlue);
}

TEST(ImageDraw, FilledCircleIsSymmetricAndClipped) {
  Image img(15, 15);
  FillCircle(img, 7, 7, 7, kRed);
  EXPECT_EQ(img.Pixel(0, 7), kRed);
  EXPECT_EQ(img.Pixel(14, 7), kRed);
  EXPECT_EQ(img.Pixel(7, 0), kRed);
  EXPECT_EQ(img.Pixel(0, 0), 0u);
  EXPECT_EQ(img.Pixel(2, 2), 0u);  // (5, 5) from the centre: 50 > 49
  EXPECT_EQ(CountColour(img, kRed), 149);  // lattice points within radius 7
  Image small(4, 4);
  FillCircle(small, 0, 0, 100, kRed);
  EXPECT_EQ(CountColour(small, kRed), 16);
  FillCircle(small, 1, 1, 0, kBlue);
  EXPECT_EQ(CountColour(small, kBlue), 1);
}

TEST(ImageDraw, ImagesDrawClippedAndBlended) {
  const Image src = Numbered(4, 4);
  Image img(6, 6, kWhite);
  DrawImage(img, src, 4, -2);
  EXPECT_EQ(img.Pixel(4, 0), src.Pixel(0, 2));
  EXPECT_EQ(img.Pixel(5, 1), src.Pixel(1, 3));
  EXPECT_EQ(img.Pixel(3, 0), kWhite);
  EXPECT_EQ(img.Pixel(4, 2), kWhite);

  // A 2x2 block of a bigger picture at a position, as the screen editor pastes glyph cells.
  img.Fill(kWhite);
  DrawImage(img, src, {2, 2, 2, 2}, 1, 1);
  EXPECT_EQ(img.Pixel(1, 1), src.Pixel(2, 2));
  EXPECT_EQ(img.Pixel(2, 2), src.Pixel(3, 3));
  EXPECT_EQ(CountColour(img, kWhite), 32);

  Image under(2, 2, kWhite);
  DrawImage(under, Image(2, 2, 0), 0, 0, 0);
  EXPECT_EQ(CountColour(under, kWhite), 4);
  DrawImage(under, Image(2, 2, 0), 0, 0, 64);
  EXPECT_EQ(CountColour(under, 0xBFBFBF), 4);
}

TEST(ImageScale, NearestEnlargeMakesBlocks) {
  const Image src = Numbered(5, 3);
  for (const int b : {2, 3, 8}) {
    const Image big = ScaleNearest(src, 5 * b, 3 * b);
    for (int y = 0; y < big.Height(); ++y) {
      for (int x = 0; x < big.Width(); ++x) ASSERT_EQ(big.Pixel(x, y), src.Pixel(x / b, y / b)) << b;
    }
  }
  // Not a whole factor: x*srcW/w, and shrinking picks every second pixel.
  const Image odd = ScaleNearest(src, 7, 3);
  EXPECT_EQ(odd.Pixel(6, 0), src.Pixel(6 * 5 / 7, 0));
  const Image half = ScaleNearest(Numbered(8, 8), 4, 4);
  EXPECT_EQ(half.Pixel(3, 1), Numbered(8, 8).Pixel(6, 2));
}

TEST(ImageScale, NearestIntoReusesTheTarget) {
  const Image src = Numbered(16, 8);
  Image out(64, 64);
  const std::uint32_t* buffer = out.Data();
  ScaleNearestInto(src, 32, 16, out);
  EXPECT_EQ(out.Data(), buffer);
  EXPECT_EQ(out, ScaleNearest(src, 32, 16));
  ScaleNearestInto(Image(), 32, 16, out);
  EXPECT_TRUE(out.Empty());
}

TEST(ImageScale, SmoothShrinkAveragesBlocksExactly) {
  // 2x2 blocks of one colour each, as in a 2x dump, shrink back to exactly those colours.
  const Image src = Numbered(9, 5);
  const Image back = ScaleSmooth(ScaleNearest(src, 18, 10), 9, 5);
  EXPECT_EQ(back, src);
  // Two pixels average to the middle colour, rounded.
  Image pair(2, 1);
  pair.SetPixel(0, 0, 0x000000);
  pair.SetPixel(1, 0, 0xFF0001);
  EXPECT_EQ(ScaleSmooth(pair, 1, 1).Pixel(0, 0), 0x800001u);
  EXPECT_EQ(ScaleSmooth(src, 9, 5), src);  // the same size copies
  // A shrink by a non-whole factor keeps a single colour.
  EXPECT_EQ(ScaleSmooth(Image(7, 5, 0x336699), 3, 2), Image(3, 2, 0x336699));
}

TEST(ImageScale, SmoothEnlargeInterpolatesAndKeepsFlatAreas) {
  EXPECT_EQ(ScaleSmooth(Image(3, 2, 0x336699), 12, 8), Image(12, 8, 0x336699));
  Image edge(2, 1);
  edge.SetPixel(1, 0, kWhite);
  const Image wide = ScaleSmooth(edge, 4, 1);
  EXPECT_EQ(wide.Pixel(0, 0), 0u);
  EXPECT_EQ(wide.Pixel(3, 0), kWhite);
  EXPECT_GT(wide.Pixel(2, 0) & 0xFF, wide.Pixel(1, 0) & 0xFF);
  EXPECT_GT(wide.Pixel(1, 0) & 0xFF, 0u);
  // The display emulation's pass: shrink by two, enlarge by two, same size as before.
  const Image pass = ScaleSmooth(ScaleSmooth(Numbered(40, 20), 20, 10), 40, 20);
  EXPECT_EQ(pass.Width(), 40);
  EXPECT_EQ(pass.Height(), 20);
}

}  // namespace
}  // namespace kx
