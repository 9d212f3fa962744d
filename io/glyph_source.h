#pragma once
// What every foreign charset source hands back: a run of glyphs (8 bytes each) the user chose from the
// file, or a refusal with the reason in words. PlaceGlyphs puts such a run into a charset at a first glyph.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "model/charset.h"

namespace kx {

// Why a file or a choice was refused, in words for the user ("offset 4000 is past the end of the data").
struct SourceRefusal {
  std::string reason;
};

template <class T>
using SourceResult = std::variant<T, SourceRefusal>;

using ByteSpan = std::span<const std::uint8_t>;
using GlyphBytes = std::vector<std::uint8_t>;  // 8 bytes per glyph, glyph after glyph

// A charset with the glyphs firstGlyph .. firstGlyph + glyphCount - 1 filled from a source; `leftOut`
// glyphs of the run would have landed past glyph 255 and were not taken.
struct PlacedGlyphs {
  Charset charset{};
  int firstGlyph = 0;
  int glyphCount = 0;
  int leftOut = 0;
};

// `base` with `glyphs` written from glyph `firstGlyph` on, as many as fit up to glyph 255; the rest are
// counted in leftOut. Refused when there is no glyph, when the bytes are not whole glyphs or when the first
// glyph is no glyph.
SourceResult<PlacedGlyphs> PlaceGlyphs(const Charset& base, ByteSpan glyphs, int firstGlyph);

// "3 glyphs past glyph 255 left out": how the dialogs and kestrelix-cli tell a leftOut count.
std::string LeftOutText(int leftOut);

// A count or offset as the user types it: decimal, "$hex" or "0xhex"; nullopt for anything else (a sign,
// an empty number, trailing characters, a value past `limit`).
std::optional<std::uint64_t> ParseSourceNumber(std::string_view text, std::uint64_t limit);

// "$0800": a C64 address as the program shows it.
std::string HexAddress(std::uint32_t address);

}  // namespace kx
