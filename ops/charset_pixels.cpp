#include "ops/charset_pixels.h"

namespace kx {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool Fits(std::size_t size, int stride) {
  const std::size_t needed = CharsetPixelsNeeded(stride);
  return needed != 0 && size >= needed;
}

std::size_t PixelOffset(int x, int y, int stride) { return static_cast<std::size_t>(y) * stride + x; }

}  // namespace

Charset CharsetFromPixels(std::span<const std::uint32_t> pixels, int stride) {
  Charset charset{};
  if (!Fits(pixels.size(), stride)) return charset;
  for (int y = 0; y < kCharsetHeight; ++y)
    for (int x = 0; x < kCharsetWidth; ++x)
      if (pixels[PixelOffset(x, y, stride)] & kRgbMask) SetCharsetPixel(charset, x, y, true);
  return charset;
}

bool PixelsFromCharset(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                       std::span<std::uint32_t> pixels, int stride) {
  if (!Fits(pixels.size(), stride)) return false;
  const Rgb paper = palette[kPaperIndex];
  // Byte by byte: every edit redraws all 256 glyphs, so this runs on each stroke step.
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    const Rgb ink = palette[inks[glyph] % kPaletteSize];
    const int x0 = GlyphColumnOf(glyph) * kGlyphBytes, y0 = GlyphRowOf(glyph) * kGlyphBytes;
    for (int row = 0; row < kGlyphBytes; ++row) {
      const unsigned bits = charset[static_cast<std::size_t>(glyph) * kGlyphBytes + row];
      std::uint32_t* out = &pixels[PixelOffset(x0, y0 + row, stride)];
      for (int x = 0; x < kGlyphBytes; ++x) out[x] = (bits >> (7 - x)) & 1 ? ink : paper;
    }
  }
  return true;
}

}  // namespace kx
