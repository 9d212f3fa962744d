#pragma once
// The options in front of every input of the charset-source fuzz targets (charset_source_fuzz.h), so that
// the file behind them stays valid whatever they pick and the reader gets past its signature:
//   byte 0  bit 0 a place (a binary's offset, else a C64 address), bit 1 a glyph count, bit 2 a first
//           glyph, bit 3 drop repeated sheet cells, bit 4 let the content and the name tell the kind,
//           bit 5 white sheet paper
//   1, 2    the place, low byte first
//   3       the glyph count less one
//   4       the first glyph
#include <array>
#include <cstddef>
#include <cstdint>

namespace kx::fuzz {

inline constexpr std::size_t kSourceOptionBytes = 5;

struct SourceOptions {
  enum Flag : std::uint8_t { Place = 1, Glyphs = 2, First = 4, Unique = 8, Detect = 16, WhitePaper = 32 };
  std::uint8_t flags = 0;
  std::uint16_t place = 0;
  std::uint8_t glyphsLessOne = 0;
  std::uint8_t firstGlyph = 0;

  static SourceOptions From(const std::array<std::uint8_t, kSourceOptionBytes>& b) {
    return {b[0], static_cast<std::uint16_t>(b[1] | b[2] << 8), b[3], b[4]};
  }
  std::array<std::uint8_t, kSourceOptionBytes> Bytes() const {
    return {flags, static_cast<std::uint8_t>(place), static_cast<std::uint8_t>(place >> 8), glyphsLessOne, firstGlyph};
  }
  bool Has(Flag f) const { return (flags & f) != 0; }
};

}  // namespace kx::fuzz
