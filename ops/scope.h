#pragma once
// Applying the glyph transforms to parts of a charset, and the charset-wide one-pixel slides that move
// pixels across glyph boundaries.

#include "model/charset.h"
#include "ops/transform.h"

namespace kx {

// Applies `t` to the 32 glyphs of every glyph row from firstRow to lastRow (0..7), each glyph from its own
// bytes. Rows outside 0..7 are clamped into it; nothing happens when firstRow > lastRow.
void ApplyToRows(Charset& charset, Transform t, int firstRow, int lastRow);

// Applies `t` to glyph n. A glyph number outside 0..255 changes nothing and returns false.
bool ApplyToGlyph(Charset& charset, Transform t, int glyph);

// Puts back glyph n of the ROM charset at index n. A glyph number outside 0..255 changes nothing and
// returns false.
bool RestoreRomGlyph(Charset& charset, int glyph);

enum class SlideDirection { Right, Left, Up, Down };

// Moves the whole 256x64 bitmap one pixel; the line of pixels leaving one edge of the bitmap comes back
// at the opposite edge, so pixels cross from glyph to glyph. An unknown direction changes nothing.
void SlideCharsetNoWrap(Charset& charset, SlideDirection direction);

}  // namespace kx
