#pragma once
// One entry for every way a charset comes from a file: the editor's own layouts by size, C64 programs,
// binaries at an offset, emulator snapshots, CharPad projects, font sheets and pictures. The kind is the
// one asked for, else told by the content (a snapshot's or project's signature, a picture's), else by the
// extension (.prg and .64c programs, .vsf snapshots, .ctm projects), else by the size.
//
// The editor's import dialog examines a file with the per-format readers (program_source.h,
// raw_source.h, snapshot_source.h, charpad_source.h, font_sheet.h) to show the choices, then reads the
// chosen glyphs here with a SourceRequest; kestrelix-cli goes straight to ReadCharsetSource.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "io/charpad_source.h"
#include "io/font_sheet.h"
#include "io/glyph_source.h"
#include "io/program_source.h"
#include "io/snapshot_source.h"
#include "model/charset_store.h"

namespace kx {

enum class SourceKind {
  RawCharset,   // 2048 bytes
  PrgCharset,   // 2050 bytes: load address + 2048
  ShortPrg,     // 2049 bytes: header + 2047, the last byte 0
  RowFile,      // 256 * n bytes, n = 1..7: glyphs 0..32n-1
  Program,      // a C64 program at any address
  Raw,          // any binary at an offset
  Snapshot,     // a VICE snapshot of a C64
  CharPad,      // a CharPad project
  Sheet,        // a font sheet cut on its 8x8 grid
  Picture,      // a picture scaled to 256x64, as "Import Charset as Image"
};

// How messages and `info` name a kind: "raw charset (.chr)", "C64 program", "VICE snapshot", ...
std::string_view SourceKindName(SourceKind kind);

// The kinds the user may ask for by name: "prg", "raw", "vsf", "ctm", "sheet", "picture".
std::optional<SourceKind> SourceKindFromName(std::string_view name);
inline constexpr std::string_view kSourceKindNames = "prg|raw|vsf|ctm|sheet|picture";

// The kind of a file judged by its content, then by the extension of `path` (compared without regard to
// case), then by its size (the editor's own sizes, then 2 + 8 * n bytes as a program); nullopt when none
// fits.
std::optional<SourceKind> DetectSourceKind(ByteSpan file, std::string_view path);

// What the user chose beyond the kind. `address`: a C64 address, where a program's or a snapshot's glyphs
// start. `offset`: a binary's byte the glyphs start at, counted from the file's first byte. `glyphs`: how
// many glyphs to take (1..256). `firstGlyph`: where the first one goes; glyphs that would land past 255
// are left out and counted.
struct PictureColours {
  CharsetColours colours;
  GlyphInks inks{};
};

struct SourceRequest {
  std::optional<SourceKind> kind;
  std::optional<std::uint32_t> address;
  std::optional<std::uint64_t> offset;
  std::optional<int> glyphs;
  std::optional<int> firstGlyph;
  SheetOptions sheet;
  // How a picture is read: in the display mode and registers it was drawn in, starting from these inks
  // (CharsetFromColourPixels). Without it, or in hi-res mode with a black $D021, black is clear and every
  // other colour set.
  std::optional<PictureColours> picture;
};

// What the file said, for `info` and the dialog's preview.
struct SourceFacts {
  std::optional<std::uint16_t> loadAddress;
  std::optional<SnapshotChoices> snapshot;  // its RAM left empty
  std::optional<CharPadChoices> charPad;
  std::optional<SheetCut> sheet;             // its glyphs left empty
  // A snapshot's or project's mode and registers, and the inks of the glyphs placed (the first one's
  // first).
  std::optional<SourceColours> colours;
};

struct SourceReading {
  SourceKind kind = SourceKind::RawCharset;
  PlacedGlyphs placed;  // glyphs the source does not fill are zero
  SourceFacts facts;
};

// Reads the charset the request asks for from the file's bytes. Refusals say why in words; `path` only
// helps to tell the kind.
SourceResult<SourceReading> ReadCharsetSource(ByteSpan file, std::string_view path, const SourceRequest& request);

}  // namespace kx
