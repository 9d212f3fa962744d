#pragma once
// The small stores the glyph operations copy through. Both start empty, live only for the session and are
// never saved.

#include <array>
#include <cstdint>

#include "model/charset.h"

namespace kx {

using RowBytes = std::array<std::uint8_t, kRowBytes>;

struct GlyphStores {
  RowBytes rowMemory{};            // one glyph row (32 glyphs), not one per row
  bool rowPasteEnabled = false;    // "Paste from Row Memory to..." stays enabled after the first copy into it
  Glyph glyphClipboard{};          // the one-glyph clipboard of the copy, cut and paste tools
  bool glyphPasteEnabled = false;  // Paste and its tool button; once enabled they stay enabled
};

}  // namespace kx
