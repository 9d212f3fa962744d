#pragma once
// The glyph sheets the screen editor cuts its cells from: a charset drawn as a 256x64 picture, and that
// picture doubled to 512x128 so that every glyph is a 16x16 block.

#include "model/charset_store.h"
#include "model/palette.h"
#include "ops/charset_pixels.h"
#include "runtime/image.h"

namespace kx {

inline constexpr int kGlyphSheetScale = 2;
inline constexpr int kCellSize = 8 * kGlyphSheetScale;  // one glyph on the doubled sheet and on the screen
inline constexpr int kGlyphSheetWidth = kCharsetWidth * kGlyphSheetScale;    // 512
inline constexpr int kGlyphSheetHeight = kCharsetHeight * kGlyphSheetScale;  // 128

// The 256x64 picture of a charset as PixelsFromCharset draws it (in hi-res mode: set pixels in their
// glyph's ink, clear pixels in the paper colour).
Image CharsetImage(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                   const CharsetColours& colours = {}, CellOrder order = CellOrder::Glyph);

// The ROM charset white on black, 256x64.
Image RomCharsetImage();

// A 256x64 charset picture with every pixel made a 2x2 block.
Image DoubledGlyphSheet(const Image& charsetImage);

// Where glyph `code` (taken mod 256) sits on a sheet whose glyphs are `size` pixels square.
Rect GlyphBlock(int code, int size);

}  // namespace kx
