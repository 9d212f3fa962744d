#pragma once
// Applying the glyph transforms to parts of a charset, and the charset-wide one-pixel slides that move
// pixels across glyph boundaries.

#include "model/charset.h"
#include "ops/glyph_modes.h"
#include "ops/transform.h"

namespace kx {

// Applies `t` to the 32 glyphs of every glyph row from firstRow to lastRow (0..7), each glyph from its own
// bytes and in its own mode. Rows outside 0..7 are clamped into it; nothing happens when firstRow >
// lastRow. Returns how many glyphs were left as they were because `t` has no meaning in their mode.
int ApplyToRows(Charset& charset, Transform t, int firstRow, int lastRow, const GlyphModes& modes = kAllHiRes);

// Applies `t` to glyph n in `mode`. A glyph number outside 0..255 changes nothing and returns false.
bool ApplyToGlyph(Charset& charset, Transform t, int glyph, GlyphMode mode = GlyphMode::HiRes);

// Puts back glyph n of the ROM charset at index n. A glyph number outside 0..255 changes nothing and
// returns false.
bool RestoreRomGlyph(Charset& charset, int glyph);

enum class SlideDirection { Right, Left, Up, Down };

// Moves the whole 256x64 bitmap one pixel; the line of pixels leaving one edge of the bitmap comes back
// at the opposite edge, so pixels cross from glyph to glyph. An unknown direction changes nothing.
// Up and down move byte rows whatever the modes. Left and right move every glyph's rows by one pixel of
// its own mode, so a multicolour pair moves whole: the pixel that enters a glyph's edge is the one leaving
// its neighbour's, and between glyphs of different modes it is carried over as the same colour source
// (a set hi-res pixel becomes pair 11, the glyph's own ink; any pair but 00 becomes a set pixel).
void SlideCharsetNoWrap(Charset& charset, SlideDirection direction, const GlyphModes& modes = kAllHiRes);

}  // namespace kx
