#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "views/memory_strip.h"

namespace kx {
namespace {

// Eight previews of 64x64 pixels to a row, each inside a 2-pixel frame (68 pixels apart): the position at
// $2800 (the sixth) shows its glyph 9 (second glyph row, second column) at strip x 350, y 10, and only the
// chosen position is framed. A click maps back to the position under it.
TEST(MemoryStrip, PreviewsSitOnTheirPositionsAndClicksFindThem) {
  std::vector<std::uint8_t> memory(0x10000, 0);
  memory[0x2800 + 9 * 8 + 3] = 0x81;  // glyph row 3: the outer pixels set
  const PreviewLook look{false, 0x000010, 0, 0, 0x0000F0};
  const Image strip = ComposeMemoryStrip(memory, 5, look);
  ASSERT_EQ(strip.Width(), 544);
  ASSERT_EQ(strip.Height(), 272);
  std::vector<Rgb> row;
  for (int x = 349; x <= 358; ++x) row.push_back(strip.Pixel(x, 13));
  EXPECT_EQ(row, (std::vector<Rgb>{0x10, 0xF0, 0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0xF0, 0x10}));
  EXPECT_EQ(strip.Pixel(350, 12), 0x10u);  // row 2 is clear
  EXPECT_NE(strip.Pixel(340, 0), strip.Pixel(0, 0));  // the chosen frame stands out
  EXPECT_EQ(strip.Pixel(272, 0), strip.Pixel(0, 0));  // the others look alike
  EXPECT_EQ(ComposeMemoryStrip(memory, std::nullopt, look).Pixel(340, 0), strip.Pixel(0, 0));

  const struct {
    int x, y;
    std::optional<int> position;
  } clicks[] = {{0, 0, 0}, {67, 67, 0}, {68, 0, 1}, {350, 13, 5}, {0, 68, 8}, {543, 271, 31},
                {544, 0, std::nullopt}, {0, 272, std::nullopt}, {-1, 5, std::nullopt}};
  for (const auto& c : clicks) EXPECT_EQ(StripPositionAt(c.x, c.y), c.position) << c.x << "," << c.y;
}

}  // namespace
}  // namespace kx
