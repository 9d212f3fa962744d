#include <gtest/gtest.h>

#include <set>

#include "views/program_icon.h"

namespace kx {
namespace {

constexpr std::uint32_t kFrame = 0xFF6C5EB5;   // C64 light blue
constexpr std::uint32_t kScreen = 0xFF352879;  // C64 blue
constexpr std::uint32_t kBeak = 0xFFF0C040;
constexpr std::uint32_t kEye = 0xFF101010;

int Count(const Picture& p, std::uint32_t colour) {
  int n = 0;
  for (std::uint32_t pixel : p.pixels) n += pixel == colour;
  return n;
}

TEST(ProgramIcon, ComesInTheIconThemeSizes) {
  EXPECT_EQ(std::vector<int>(kProgramIconSizes.begin(), kProgramIconSizes.end()),
            (std::vector<int>{16, 22, 24, 32, 48, 64, 128, 256, 512}));
}

TEST(ProgramIcon, IsARoundedTileInAFrameWithOnlyTheArtsOwnColours) {
  const std::set<std::uint32_t> palette = {0,         kFrame,     kScreen,    kBeak,
                                           kEye,      0xFFC8743A, 0xFF5A3418, 0xFF8A9AC8};
  for (int size : kProgramIconSizes) {
    const Picture icon = ProgramIconPicture(size);
    ASSERT_EQ(icon.width, size);
    ASSERT_EQ(icon.height, size);
    ASSERT_EQ(icon.pixels.size(), static_cast<std::size_t>(size * size));
    // Nearest neighbour: no colour in between two of the art's colours, no half-transparent pixel.
    for (std::uint32_t pixel : icon.pixels) ASSERT_TRUE(palette.contains(pixel)) << std::hex << pixel << " at " << size;
    // The corners are transparent, as the scalable icon's are; across the middle, from each edge, the
    // transparent margin (none at the smallest sizes) meets the frame, then the screen.
    for (int corner : {0, size - 1}) {
      EXPECT_EQ(icon.At(corner, 0), 0u) << size;
      EXPECT_EQ(icon.At(corner, size - 1), 0u) << size;
    }
    int edge = 0;
    while (icon.At(edge, size / 2) == 0) ++edge;
    EXPECT_LE(edge, size / 32 + 1) << size;
    EXPECT_EQ(icon.At(edge, size / 2), kFrame) << size;
    EXPECT_EQ(icon.At(size / 2, edge), kFrame) << size;
    EXPECT_EQ(icon.At(size / 2, size - 1 - edge), kFrame) << size;
    EXPECT_EQ(icon.At(size / 2, size / 8), kScreen) << "room above the bird at " << size;
  }
}

TEST(ProgramIcon, TheBirdIsCentredAndDrawnInWholeBlocksWhereTheTileAllows) {
  // The art's bird is mirror-symmetric, so a centred bird leaves the whole icon symmetric.
  for (int size : kProgramIconSizes) {
    const Picture icon = ProgramIconPicture(size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size / 2; ++x) ASSERT_EQ(icon.At(x, y), icon.At(size - 1 - x, y)) << size << ": " << x << "," << y;
    }
  }
  // Two beak pixels in the art; at 64 the art is drawn 1:1, at 128 in 2x2 blocks, at 256 in 4x4 blocks.
  EXPECT_EQ(Count(ProgramIconPicture(64), kBeak), 2);
  EXPECT_EQ(Count(ProgramIconPicture(128), kBeak), 2 * 4);
  EXPECT_EQ(Count(ProgramIconPicture(256), kBeak), 2 * 16);
  // A block is whole: the beak pixels of the 256 icon form two 4x4 squares.
  const Picture big = ProgramIconPicture(256);
  int firstX = -1, firstY = -1;
  for (int y = 0; y < 256 && firstX < 0; ++y) {
    for (int x = 0; x < 256; ++x) {
      if (big.At(x, y) == kBeak) {
        firstX = x, firstY = y;
        break;
      }
    }
  }
  ASSERT_GE(firstX, 0);
  for (int dy = 0; dy < 4; ++dy) {
    for (int dx = 0; dx < 8; ++dx) EXPECT_EQ(big.At(firstX + dx, firstY + dy), kBeak) << dx << "," << dy;
  }
  // The bird still shows at the smallest size.
  EXPECT_GT(Count(ProgramIconPicture(16), 0xFFC8743A), 4);
}

}  // namespace
}  // namespace kx
