#pragma once
// The colour table: the 256 per-glyph inks as a C64 program keeps them beside its charset, one byte per
// glyph, glyph 0 first, each the colour-RAM nibble 0-15 (bit 3 makes the glyph multicolour).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "model/charset_store.h"

namespace kx {

inline constexpr std::size_t kColourTableBytes = kGlyphCount;

// The 256 bytes of the table.
std::string ColourTableBytes(const GlyphInks& inks);

// The inks a table holds, or a one-line reason it is none: not 256 bytes, or a byte above 15.
std::variant<GlyphInks, std::string> ReadColourTable(std::span<const std::uint8_t> bytes);

}  // namespace kx
