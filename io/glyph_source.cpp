#include "io/glyph_source.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace kx {

SourceResult<PlacedGlyphs> PlaceGlyphs(const Charset& base, ByteSpan glyphs, int firstGlyph) {
  if (glyphs.empty() || glyphs.size() % kGlyphBytes != 0) return SourceRefusal{"no whole glyphs to take"};
  const std::size_t count = glyphs.size() / kGlyphBytes;
  if (firstGlyph < 0 || firstGlyph >= kGlyphCount) {
    return SourceRefusal{"first glyph " + std::to_string(firstGlyph) + " is not a glyph (0 to 255)"};
  }
  const int fit = std::min(static_cast<int>(std::min<std::size_t>(count, kGlyphCount)), kGlyphCount - firstGlyph);
  PlacedGlyphs placed{base, firstGlyph, fit, static_cast<int>(count) - fit};
  std::copy_n(glyphs.begin(), fit * kGlyphBytes, placed.charset.begin() + firstGlyph * kGlyphBytes);
  return placed;
}

std::string LeftOutText(int leftOut) {
  return std::to_string(leftOut) + (leftOut == 1 ? " glyph" : " glyphs") + " past glyph 255 left out";
}

std::optional<std::uint64_t> ParseSourceNumber(std::string_view text, std::uint64_t limit) {
  int base = 10;
  if (text.starts_with('$')) {
    text.remove_prefix(1);
    base = 16;
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
    base = 16;
  }
  // from_chars takes no sign for unsigned numbers, so "-1" and "+1" fail here.
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > limit) {
    return std::nullopt;
  }
  return value;
}

std::string HexAddress(std::uint32_t address) {
  char text[16];
  std::snprintf(text, sizeof text, "$%04X", static_cast<unsigned>(address));
  return text;
}

}  // namespace kx
