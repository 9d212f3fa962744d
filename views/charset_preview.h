#pragma once
// The import dialogs' preview: all 256 glyphs of a charset at twice their size, laid out like the charset
// pane (32 across, 8 rows down, 512x128), drawn either in hi-res like the pane or as the VIC-II draws
// multicolour text, so that a charset ripped from a multicolour game is recognisable before it is taken.

#include "model/charset.h"
#include "runtime/image.h"

namespace kx {

inline constexpr int kPreviewWidth = 512;
inline constexpr int kPreviewHeight = 128;

struct PreviewLook {
  // Hi-res: a clear bit is `background`, a set bit `ink`. Multicolour: each pair of bits is one pixel twice
  // as wide, 00 `background` ($D021), 01 `multi1` ($D022), 10 `multi2` ($D023), 11 `ink` (the character's
  // colour).
  bool multicolour = false;
  Rgb background = 0x000000;
  Rgb multi1 = 0x000000;
  Rgb multi2 = 0x000000;
  Rgb ink = 0xFFFFFF;
};

Image ComposeCharsetPreview(const Charset& charset, const PreviewLook& look);

// The colour of glyph pixel `column` (0..7) of the glyph row byte `bits` in `look`.
Rgb PreviewPixelColour(std::uint8_t bits, int column, const PreviewLook& look);

}  // namespace kx
