#pragma once
// The charset as a 256x64 picture and back, on plain pixel buffers (one 32-bit 0x??RRGGBB value per pixel,
// rows `stride` pixels apart). Glyph n occupies the 8x8 cell at ((n mod 32)*8, (n div 32)*8).

#include <cstdint>
#include <span>

#include "model/charset.h"
#include "model/charset_store.h"
#include "model/palette.h"

namespace kx {

// How many pixels a buffer of a 256x64 picture with this stride must hold; 0 for a stride below 256.
constexpr std::size_t CharsetPixelsNeeded(int stride) {
  return stride < kCharsetWidth ? 0 : static_cast<std::size_t>(stride) * (kCharsetHeight - 1) + kCharsetWidth;
}

// Reads a 256x64 picture back into glyph bytes: a pixel whose RGB part is 0 is a clear bit, every other
// colour a set bit (the top byte is ignored). A buffer too small for the stride, or a stride below 256,
// gives an empty charset.
Charset CharsetFromPixels(std::span<const std::uint32_t> pixels, int stride);

// Draws the charset into a 256x64 picture: set pixels in palette[inks[n]] of their glyph, clear pixels in
// the paper colour palette[0]. Ink indexes are taken mod 16. Returns false, writing nothing, when the buffer
// is too small for the stride.
bool PixelsFromCharset(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                       std::span<std::uint32_t> pixels, int stride);

}  // namespace kx
