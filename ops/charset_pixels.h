#pragma once
// The charset as a 256x64 picture and back, on plain pixel buffers (one 32-bit 0x??RRGGBB value per pixel,
// rows `stride` pixels apart). Glyph n occupies the 8x8 cell at ((n mod 32)*8, (n div 32)*8).

#include <array>
#include <cstdint>
#include <span>

#include "model/charset.h"
#include "model/charset_colours.h"
#include "model/charset_store.h"
#include "model/palette.h"

namespace kx {

// How many pixels a buffer of a 256x64 picture with this stride must hold; 0 for a stride below 256.
constexpr std::size_t CharsetPixelsNeeded(int stride) {
  return stride < kCharsetWidth ? 0 : static_cast<std::size_t>(stride) * (kCharsetHeight - 1) + kCharsetWidth;
}

// Reads a 256x64 picture back into glyph bytes: a pixel whose RGB part is `clear` (black unless the paper
// is another colour) is a clear bit, every other colour a set bit (the top byte is ignored). A buffer too
// small for the stride, or a stride below 256, gives an empty charset.
Charset CharsetFromPixels(std::span<const std::uint32_t> pixels, int stride, Rgb clear = 0);

// The colour numbers (palette entries 0-15) of one glyph row's 8 pixels as the VIC-II shows it, given the
// glyph's ink and the register (0-3) of the background it stands on:
// - a multicolour glyph (see IsMulticolourGlyph): 4 double-wide pixels, one per bit pair from the left,
//   00 $D021, 01 $D022, 10 $D023, 11 ink - 8;
// - any other glyph: a set bit in its ink (mod 16), a clear bit in the background register's colour.
using RowColours = std::array<std::uint8_t, kGlyphBytes>;
RowColours DecodeGlyphRow(std::uint8_t bits, std::uint8_t ink, const CharsetColours& colours, int background);

// The colour numbers a multicolour glyph with this ink shows for the bit pairs 00, 01, 10 and 11.
std::array<std::uint8_t, 4> PairColours(std::uint8_t ink, const CharsetColours& colours);

// What one 8x8 cell of a picture shows: the glyph whose bytes are drawn there and the background register,
// or nothing but $D021 when `shown` is false.
struct GlyphCell {
  int glyph = 0;
  int background = kBackground0;
  bool shown = true;
};

// The order of the cells of a 256x64 picture: by glyph number (the charset itself, as the panes show it) or
// by screen code (what a screen cell with that code shows). They differ only in extended background mode,
// where code c shows glyph c mod 64 on background c div 64, and glyphs 64-255 cannot be shown at all.
enum class CellOrder { Glyph, ScreenCode };
GlyphCell CellAt(int n, DisplayMode mode, CellOrder order);

// Draws the charset into a 256x64 picture with DecodeGlyphRow, cell n as CellAt(n) says, colour numbers
// looked up in `palette`. In hi-res mode with the default registers: set pixels in palette[inks[n]],
// clear pixels in the paper colour palette[0]. Returns false, writing nothing, when the buffer is too small
// for the stride.
bool PixelsFromCharset(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                       std::span<std::uint32_t> pixels, int stride, const CharsetColours& colours = {},
                       CellOrder order = CellOrder::Glyph);

}  // namespace kx
