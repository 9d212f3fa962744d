#pragma once
// Fonts of letters two glyphs high, wide, or both, built by doubling the pixels of glyphs 0-63, and the
// preview picture that places each letter's glyphs together.

#include <cstdint>
#include <span>

#include "model/charset.h"
#include "ops/glyph_modes.h"
#include "ops/glyph_stores.h"

namespace kx {

enum class DerivedFontKind {
  OneByTwo,           // "1 x 2 Font From Current (No Reverse)"
  OneByTwoReversed,   // "1 x 2 Font From Current (With Reverse)"
  TwoByOne,           // "2 x 1 Font From Current (No Reverse)"
  TwoByOneReversed,   // "2 x 1 Font From Current (With Reverse)"
  TwoByTwo,           // "2 x 2 Font From Current"
  TwoByTwoReversed,   // "2 x 2 Reversed Font From Current"
};

// Rebuilds the charset from its glyphs 0-63 as they stand on entry. Source glyph g gives its upper/left
// part to glyph g and its lower/right part to glyph g + 64 (for 2 x 2 the quarters go to g, g + 64,
// g + 128, g + 192). The reversed 1 x 2 and 2 x 1 kinds then make glyphs 128-255 the reverse of the new
// glyphs 0-127; the reversed 2 x 2 reverses all 256. The 2 x 1 and 2 x 2 kinds leave glyph row 2 as it
// was on entry in the row memory and enable pasting from it. An unknown kind changes nothing. A source glyph
// whose mode is multicolour has its two-bit pixels doubled, never split.
void BuildDerivedFont(Charset& charset, GlyphStores& stores, DerivedFontKind kind,
                      const GlyphModes& modes = kAllHiRes);

enum class PreviewKind { None, OneByTwo, TwoByOne, TwoByTwo };

struct CellPosition {
  int x = 0;  // 0..31
  int y = 0;  // 0..7
};

// The 8x8 cell of the preview picture in which glyph n is shown. None shows every glyph in its own cell.
CellPosition PreviewCellOf(PreviewKind kind, int glyph);

// Composes the 256x64 preview picture from the 256x64 charset picture by moving every glyph's cell to
// PreviewCellOf. Both buffers hold 32-bit pixels with rows `stride` pixels apart (see CharsetPixelsNeeded).
// Returns false, writing nothing, when either buffer is too small for its stride.
bool ComposeFontPreview(PreviewKind kind, std::span<const std::uint32_t> charsetPicture, int charsetStride,
                        std::span<std::uint32_t> preview, int previewStride);

}  // namespace kx
