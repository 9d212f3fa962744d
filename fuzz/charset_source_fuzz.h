#pragma once
// The check every charset-source fuzz target makes: the reader refuses with a reason or places a run of
// glyphs inside the charset, whatever the bytes and whatever the first input byte picks as options.
#include "fuzz/fuzz_support.h"
#include "io/charset_source.h"

namespace kx::fuzz {

inline void CheckSourceRead(SourceKind kind, std::span<const std::uint8_t> data) {
  SourceRequest request;
  request.kind = kind;
  if (!data.empty()) {
    // The first byte picks the options: bit 0 a place (a binary's offset, else a C64 address), bit 1 a
    // glyph count, bit 2 a first glyph.
    const std::uint8_t pick = data[0];
    if ((pick & 1) && kind == SourceKind::Raw) request.offset = static_cast<std::uint64_t>(pick) * 97;
    if ((pick & 1) && kind != SourceKind::Raw) request.address = static_cast<std::uint32_t>(pick) * 257;
    if (pick & 2) request.glyphs = pick;
    if (pick & 4) request.firstGlyph = pick >> 3;
    request.sheet.unique = pick & 8;
  }
  const auto read = ReadCharsetSource(data, "", request);
  if (const auto* refusal = std::get_if<SourceRefusal>(&read)) {
    Require(!refusal->reason.empty(), "a refusal says why");
    return;
  }
  const PlacedGlyphs& placed = std::get<SourceReading>(read).placed;
  Require(placed.glyphCount >= 1 && placed.firstGlyph >= 0 && placed.firstGlyph + placed.glyphCount <= 256,
          "the placed glyphs lie inside the charset");
}

}  // namespace kx::fuzz
