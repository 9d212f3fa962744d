#pragma once
// Glyphs from any binary at an offset: `count` glyphs of 8 bytes from byte `offset` of the data.

#include <cstdint>
#include <optional>

#include "io/glyph_source.h"

namespace kx {

// How many whole glyphs (at most 256) the data holds from `offset` on; 0 when none.
int GlyphsAvailable(ByteSpan data, std::uint64_t offset);

// `count` glyphs (1..256; by default every glyph available, at most 256) from byte `offset`. Refused when
// the offset is past the end or the glyphs would reach past it.
SourceResult<GlyphBytes> RawGlyphs(ByteSpan data, std::uint64_t offset, std::optional<int> count);

}  // namespace kx
