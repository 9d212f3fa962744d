#include "model/charset.h"

#include <algorithm>

namespace kx {

Glyph GetGlyph(const Charset& charset, int n) {
  Glyph g{};
  const auto first = charset.begin() + ClampGlyphIndex(n) * kGlyphBytes;
  std::copy(first, first + kGlyphBytes, g.begin());
  return g;
}

void PutGlyph(Charset& charset, int n, const Glyph& g) {
  std::copy(g.begin(), g.end(), charset.begin() + ClampGlyphIndex(n) * kGlyphBytes);
}

bool GetCharsetPixel(const Charset& charset, int x, int y) {
  if (!InCharset(x, y)) return false;
  return (charset[CharsetPixelByte(x, y)] >> CharsetPixelBit(x)) & 1;
}

void SetCharsetPixel(Charset& charset, int x, int y, bool on) {
  if (!InCharset(x, y)) return;
  auto& byte = charset[CharsetPixelByte(x, y)];
  const auto mask = static_cast<std::uint8_t>(1u << CharsetPixelBit(x));
  byte = on ? static_cast<std::uint8_t>(byte | mask) : static_cast<std::uint8_t>(byte & ~mask);
}

}  // namespace kx
