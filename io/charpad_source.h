#pragma once
// The first 256 characters of a CharPad project (.ctm), format versions 1 to 9 (and 82, which some
// builds write for the layout of 8). Every version starts with "CTM" and the version byte; where the
// colours, the character count and the images sit, and how the multicolour choice is kept, differ by
// version (the table in charpad_source.cpp). From version 6 on the images follow a block marker, 0xDA
// 0xB0, and a version unknown to the table is refused, never guessed.

#include <array>
#include <cstdint>

#include "io/glyph_source.h"
#include "io/source_colours.h"

namespace kx {

struct CharPadChoices {
  int version = 0;
  int charCount = 0;               // characters in the project
  int glyphCount = 0;              // the ones taken: at most 256
  bool multicolour = false;
  std::array<int, 4> colours{};    // screen, multicolour 1, multicolour 2, character colour
  std::size_t charDataOffset = 0;  // the first character's first byte in the file
  std::size_t bytesPerChar = 8;    // 9 in version 2, whose ninth byte is a material value
  // The mode, $D021-$D023 (and $D024 from version 7 on, the fifth background colour) and the inks of the
  // glyphs taken: their per-character colours when the project is coloured per character, else the one
  // character colour (with the multicolour bit in a multicolour project, whose characters are all
  // multicolour).
  SourceColours taken;
};

SourceResult<CharPadChoices> ExamineCharPad(ByteSpan file);

// Whether a project of format version `version` is one this reader knows a layout for.
bool IsKnownCharPadVersion(int version);

// The glyphCount glyphs of an examined project.
GlyphBytes CharPadGlyphs(ByteSpan file, const CharPadChoices& choices);

}  // namespace kx
