#pragma once
// The check every charset-source fuzz target makes: the reader refuses with a reason or places a run of
// glyphs inside the charset, whatever the bytes and whatever options the user chose. An input is the
// options (fuzz/source_options.h), then the file.
#include <algorithm>
#include <string>

#include "fuzz/fuzz_support.h"
#include "fuzz/source_options.h"
#include "io/charset_source.h"
#include "io/source_caps.h"

namespace kx::fuzz {

// A name whose extension tells `kind` when the content leaves it open.
inline std::string NameTelling(SourceKind kind) {
  switch (kind) {
    case SourceKind::Program: return "input.prg";
    case SourceKind::Snapshot: return "input.vsf";
    case SourceKind::CharPad: return "input.ctm";
    default: return "input";
  }
}

struct SourceInput {
  SourceOptions options;
  std::span<const std::uint8_t> file;
};

// The options in front and the file behind them; missing option bytes are zero.
inline SourceInput SplitSourceInput(std::span<const std::uint8_t> input) {
  std::array<std::uint8_t, kSourceOptionBytes> optionBytes{};
  const std::size_t given = std::min(input.size(), optionBytes.size());
  std::copy_n(input.begin(), given, optionBytes.begin());
  return {SourceOptions::From(optionBytes), input.subspan(given)};
}

inline void CheckSourceRead(SourceKind kind, std::span<const std::uint8_t> input) {
  const auto [o, file] = SplitSourceInput(input);

  SourceRequest request;
  const bool detect = o.Has(SourceOptions::Detect);
  if (!detect) request.kind = kind;
  if (o.Has(SourceOptions::Place) && kind == SourceKind::Raw) request.offset = o.place;
  if (o.Has(SourceOptions::Place) && kind != SourceKind::Raw) request.address = o.place;
  if (o.Has(SourceOptions::Glyphs)) request.glyphs = o.glyphsLessOne + 1;
  if (o.Has(SourceOptions::First)) request.firstGlyph = o.firstGlyph;
  request.sheet.unique = o.Has(SourceOptions::Unique);
  if (o.Has(SourceOptions::WhitePaper)) request.sheet.paper = 0xFFFFFF;
  const std::string path = detect ? NameTelling(kind) : "";

  const SourceCap cap = SourceCapFor(file.first(std::min(file.size(), kSourceHeadBytes)), path, request.kind);
  Require(cap.bytes >= static_cast<std::size_t>(kCharsetBytes), "every kind's cap holds a charset");

  const auto read = ReadCharsetSource(file, path, request);
  if (const auto* refusal = std::get_if<SourceRefusal>(&read)) {
    Require(!refusal->reason.empty(), "a refusal says why");
    return;
  }
  const SourceReading& reading = std::get<SourceReading>(read);
  Require(detect || reading.kind == kind, "the kind asked for is the kind read");
  const PlacedGlyphs& placed = reading.placed;
  Require(placed.glyphCount >= 1 && placed.firstGlyph == request.firstGlyph.value_or(0) &&
              placed.firstGlyph + placed.glyphCount <= kGlyphCount,
          "the placed glyphs lie inside the charset from the first glyph asked for");
  Require(!request.glyphs || placed.glyphCount + placed.leftOut == *request.glyphs,
          "the glyphs asked for are placed or counted as left out");
  const auto from = placed.charset.begin() + placed.firstGlyph * kGlyphBytes;
  const auto to = from + placed.glyphCount * kGlyphBytes;
  const auto zero = [](std::uint8_t b) { return b == 0; };
  Require(std::all_of(placed.charset.begin(), from, zero) && std::all_of(to, placed.charset.end(), zero),
          "nothing outside the placed glyphs is written");
  if (reading.facts.colours && !reading.facts.colours->inks.empty()) {
    Require(reading.facts.colours->inks.size() == static_cast<std::size_t>(placed.glyphCount + placed.leftOut),
            "one ink per glyph taken");
  }
}

}  // namespace kx::fuzz
