#pragma once
// A charset as a CharPad project of its own: the editor writes format version 5 and opens any version the
// reader knows. Version 5 is a fixed 20-byte header ("CTM", 5, $D021, $D022, $D023, the character colour,
// the colouring method, the flags, the counts less one of characters and tiles, the tile size and the map
// size), then the character images and one attribute byte per character (material in the high nybble,
// colour in the low), then one 1x1 tile and a 1x1 map, both of character 0. docs/charpad_project.md says
// why this version.

#include <cstddef>
#include <string>

#include "io/glyph_source.h"
#include "model/charset.h"
#include "model/charset_colours.h"
#include "model/charset_store.h"

namespace kx {

inline constexpr int kCharPadWrittenVersion = 5;
inline constexpr std::size_t kCharPadHeaderBytes = 20;
// The bytes after the attributes: one tile of one cell and a map of one cell, 16 bits each, all character 0.
inline constexpr std::size_t kCharPadTailBytes = 4;
inline constexpr std::size_t kCharPadProjectBytes =
    kCharPadHeaderBytes + kCharsetBytes + kGlyphCount + kCharPadTailBytes;  // 2328

// The project bytes of a charset with its inks and colours, coloured per character. Version 5 knows hi-res
// and multicolour only: an extended-background charset is written as hi-res, and $D024 is not kept.
std::string CharPadProjectBytes(const Charset& charset, const GlyphInks& inks, const CharsetColours& colours);

// A project opened as the editor charset: its first 256 characters (the rest zero) with their inks
// (glyphs past the project's characters keep the default ink), its mode and registers.
struct CharPadProject {
  Charset charset{};
  GlyphInks inks = CharsetStore::DefaultInks();
  CharsetColours colours;
  int charCount = 0;
  // What the project holds that the charset does not: empty when writing the charset back as a project
  // loses nothing, else the words for it ("the characters past 255", "tiles, a map or materials").
  std::string notRead;
};

SourceResult<CharPadProject> ReadCharPadProject(ByteSpan file);

}  // namespace kx
