#include <gtest/gtest.h>

#include <cstdint>

#include "model/rom_charset.h"

namespace kx {
namespace {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

TEST(RomCharset, WholeRomIsEmbeddedExactly) {
  EXPECT_EQ(RomBytes().size(), 4096u);
  EXPECT_EQ(Crc32(RomBytes().data(), RomBytes().size()), 0xEC4272EEu);
}

TEST(RomCharset, KnownGlyphs) {
  EXPECT_EQ(GetGlyph(RomCharset(), 0), (Glyph{0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00}));  // @
  EXPECT_EQ(GetGlyph(RomCharset(), 1), (Glyph{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00}));  // A
  EXPECT_EQ(GetGlyph(RomCharset(), 32), Glyph{});                                                // space
  // Reversed glyphs fill the second half of the upper-case set.
  for (int b = 0; b < 8; ++b) EXPECT_EQ(RomCharset()[129 * 8 + b], RomCharset()[8 + b] ^ 0xFF);
}

}  // namespace
}  // namespace kx
