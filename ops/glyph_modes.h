#pragma once
// Which glyphs of a charset are transformed as multicolour glyphs. Each glyph's own ink decides, so a row
// of mixed hi-res and multicolour glyphs needs no special case.

#include <array>
#include <cstdint>

#include "model/charset_colours.h"
#include "model/charset_store.h"
#include "ops/transform.h"

namespace kx {

using GlyphModes = std::array<GlyphMode, kGlyphCount>;

// Every glyph hi-res: the hi-res display mode, whatever the inks.
inline constexpr GlyphModes kAllHiRes{};

constexpr GlyphMode GlyphModeOf(DisplayMode mode, std::uint8_t ink) {
  return IsMulticolourGlyph(mode, ink) ? GlyphMode::Multicolour : GlyphMode::HiRes;
}

inline GlyphModes GlyphModesOf(const CharsetColours& colours, const GlyphInks& inks) {
  GlyphModes modes{};
  for (int n = 0; n < kGlyphCount; ++n) modes[n] = GlyphModeOf(colours.mode, inks[n]);
  return modes;
}

// The editor charset's glyph modes.
inline GlyphModes GlyphModesOf(const CharsetStore& store) { return GlyphModesOf(store.colours, store.inks); }

}  // namespace kx
