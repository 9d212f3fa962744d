#include "views/charset_preview.h"

namespace kx {
namespace {

constexpr int kScale = 2;  // preview pixels per glyph pixel, as in the charset pane

}  // namespace

Rgb PreviewPixelColour(std::uint8_t bits, int column, const PreviewLook& look) {
  if (!look.multicolour) return (bits >> (7 - column)) & 1 ? look.ink : look.background;
  // A multicolour pixel covers two glyph pixels: columns 0-1 are bits 7-6, and so on.
  const int pair = (bits >> (6 - (column & ~1))) & 3;
  const Rgb colours[4] = {look.background, look.multi1, look.multi2, look.ink};
  return colours[pair];
}

Image ComposeCharsetPreview(const Charset& charset, const PreviewLook& look) {
  Image out(kPreviewWidth, kPreviewHeight);
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    const int left = (glyph % kGlyphsPerRow) * kGlyphBytes * kScale;
    const int top = (glyph / kGlyphsPerRow) * kGlyphBytes * kScale;
    for (int row = 0; row < kGlyphBytes; ++row) {
      const std::uint8_t bits = charset[static_cast<std::size_t>(glyph * kGlyphBytes + row)];
      for (int column = 0; column < 8; ++column) {
        const std::uint32_t pixel = PackPixel(PreviewPixelColour(bits, column, look));
        for (int dy = 0; dy < kScale; ++dy) {
          std::uint32_t* line = out.Row(top + row * kScale + dy) + left + column * kScale;
          for (int dx = 0; dx < kScale; ++dx) line[dx] = pixel;
        }
      }
    }
  }
  return out;
}

}  // namespace kx
