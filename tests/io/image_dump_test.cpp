#include <gtest/gtest.h>

#include "io/image_dump.h"

namespace kx {
namespace {

TEST(DumpFileName, KeepsOnlyTheTrimmedFileNameAndSwapsItsLastExtension) {
  EXPECT_EQ(DumpFileName("C:\\charsets\\font.chr", "png"), "font.png");
  EXPECT_EQ(DumpFileName("/home/me/font.prg", "jpg"), "font.jpg");
  EXPECT_EQ(DumpFileName("untitled charset 1", "png"), "untitled charset 1.png");
  EXPECT_EQ(DumpFileName("  my.font.chr ", "bmp"), "my.font.bmp");
  EXPECT_EQ(DumpFileName("/data/v1.2/font", "png"), "font.png");  // a dot in the directory does not count
  EXPECT_EQ(DumpFileName("C:\\fonts/ trailing.", "png"), "trailing.png");
}

TEST(DumpPicture, EveryPixelBecomesATwoByTwoBlock) {
  Image charset(256, 64);
  charset.SetPixel(0, 0, 0xFFFFFF);
  charset.SetPixel(255, 63, 0x123456);
  const Image dump = DumpPicture(charset);
  ASSERT_EQ(dump.Width(), 512);
  ASSERT_EQ(dump.Height(), 128);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}}) EXPECT_EQ(dump.Pixel(x, y), 0xFFFFFFu);
  EXPECT_EQ(dump.Pixel(2, 0), 0u);
  EXPECT_EQ(dump.Pixel(510, 126), 0x123456u);
  EXPECT_EQ(dump.Pixel(511, 127), 0x123456u);
  EXPECT_EQ(dump.Pixel(509, 127), 0u);
}

}  // namespace
}  // namespace kx
