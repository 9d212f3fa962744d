#pragma once
// A 256x64 picture drawn in a multicolour or extended background display mode, read back into glyph bytes
// and inks: the way back of PixelsFromCharset for the modes whose pictures carry colours.

#include <cstdint>
#include <span>

#include "model/charset.h"
#include "model/charset_colours.h"
#include "model/charset_store.h"
#include "model/palette.h"

namespace kx {

struct ColouredCharset {
  Charset charset{};
  GlyphInks inks{};
};

// Reads each glyph's cell of the picture (cells in glyph order, colours compared with `palette`) as the
// glyph the VIC-II would show that way in `colours`:
// - The glyph keeps its ink from `inks` when every pixel of the cell is (nearest to) one of the colours that
//   ink can show, as a multicolour glyph or, with the multicolour bit flipped, as a hi-res one.
// - Otherwise the cell chooses: double-wide pixels of $D021-$D023 and at most one colour 0-7 make a
//   multicolour glyph in that colour; a single colour besides $D021 a hi-res glyph in it; anything else
//   keeps the glyph's ink.
// - A multicolour glyph takes for each double pixel the nearest of its four colours, a hi-res glyph for
//   each pixel the nearer of $D021 and its ink. Where two choices are equally near (colours that coincide),
//   the bits of `base` are kept, so a picture of a charset read over that charset gives it back exactly.
// In extended background mode every shown glyph is hi-res, and glyphs 64-255, which the picture cannot show,
// keep their bytes and inks from `base` and `inks`. In hi-res mode the result is `base` and `inks`.
// A buffer too small for the stride gives `base` and `inks` too.
ColouredCharset CharsetFromColourPixels(std::span<const std::uint32_t> pixels, int stride, const Palette& palette,
                                        const CharsetColours& colours, const Charset& base, const GlyphInks& inks);

}  // namespace kx
