#include "io/charpad_source.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kx {
namespace {

constexpr std::string_view kMagic = "CTM";

// One layout of a format version: where its character count (count - 1, low byte first), images and
// colours are, and how its multicolour choice is kept. A block marker, when the layout has one, must
// stand just before the count; a version with two layouts is told apart by where that marker stands.
struct CharPadLayout {
  int version;
  std::size_t countAt;
  std::size_t countBytes;
  std::size_t dataAt;
  std::size_t bytesPerChar;
  std::size_t flagAt;
  std::uint8_t flagMask;  // 0: flagAt holds the screen mode, where 1 (text) and 4 (bitmap) are multicolour
  bool blockMarker;       // 0xDA 0xB0 at countAt - 2
  std::array<std::size_t, 4> coloursAt;  // screen, multicolour 1, multicolour 2, character colour
};

// Versions 1 to 6: CharPad's manual, its appendix on the project file. Versions 7 to 9 (the manual that
// ships with them was not at hand): the layout as a build tool's CharPad importer reads it, checked there
// against projects CharPad wrote. 7 puts a fifth background colour before the character colour, then the
// colouring method, the screen mode and the flags. 8 and 9 start with the screen mode, the colouring
// method and the flags; 9 then keeps a 2 x 2-byte grid size and a spare byte; both follow with the
// screen colour, multicolours 1 and 2, the fifth background colour and three character colours. Early
// builds writing version 8 kept a fourth character colour (the one text modes use) before the blocks,
// and some write version number 82 for the same layout.
constexpr std::array<CharPadLayout, 12> kLayouts{{
    {1, 14, 1, 20, 8, 9, 0x01, false, {4, 5, 6, 7}},
    {2, 14, 2, 20, 9, 9, 0x01, false, {4, 5, 6, 7}},
    {3, 14, 2, 20, 8, 9, 0x01, false, {4, 5, 6, 7}},
    {4, 10, 2, 24, 8, 9, 0x01, false, {4, 5, 6, 7}},
    {5, 10, 2, 20, 8, 9, 0x04, false, {4, 5, 6, 7}},
    {6, 12, 2, 14, 8, 9, 0x01, true, {4, 5, 6, 7}},
    {7, 14, 2, 16, 8, 10, 0, true, {4, 5, 6, 8}},
    {8, 16, 2, 18, 8, 4, 0, true, {7, 8, 9, 11}},
    {8, 17, 2, 19, 8, 4, 0, true, {7, 8, 9, 14}},
    {82, 16, 2, 18, 8, 4, 0, true, {7, 8, 9, 11}},
    {82, 17, 2, 19, 8, 4, 0, true, {7, 8, 9, 14}},
    {9, 21, 2, 23, 8, 4, 0, true, {12, 13, 14, 16}},
}};

bool MarkerBefore(ByteSpan file, const CharPadLayout& layout) {
  return file.size() >= layout.countAt && file[layout.countAt - 2] == 0xDA && file[layout.countAt - 1] == 0xB0;
}

bool Multicolour(ByteSpan file, const CharPadLayout& layout) {
  const std::uint8_t value = file[layout.flagAt];
  return layout.flagMask != 0 ? (value & layout.flagMask) != 0 : value == 1 || value == 4;
}

}  // namespace

bool IsKnownCharPadVersion(int version) {
  return std::ranges::find(kLayouts, version, &CharPadLayout::version) != kLayouts.end();
}

SourceResult<CharPadChoices> ExamineCharPad(ByteSpan file) {
  if (file.size() < kMagic.size() + 1 || !std::equal(kMagic.begin(), kMagic.end(), file.begin())) {
    return SourceRefusal{"not a CharPad project"};
  }
  const int version = file[3];
  const CharPadLayout* layout = nullptr;
  bool known = false;
  for (const CharPadLayout& row : kLayouts) {
    if (row.version != version) continue;
    known = true;
    if (!row.blockMarker || MarkerBefore(file, row)) {
      layout = &row;
      break;
    }
  }
  if (!known) return SourceRefusal{"CharPad project format version " + std::to_string(version) + " is not known"};
  if (!layout) {
    const auto& first = *std::ranges::find(kLayouts, version, &CharPadLayout::version);
    if (file.size() < first.countAt) return SourceRefusal{"the CharPad project ends inside its header"};
    return SourceRefusal{"the CharPad project has no character block where it should"};
  }
  if (file.size() < layout->dataAt) return SourceRefusal{"the CharPad project ends inside its header"};
  CharPadChoices choices;
  choices.version = version;
  choices.charCount = file[layout->countAt] + (layout->countBytes == 2 ? file[layout->countAt + 1] << 8 : 0) + 1;
  choices.glyphCount = std::min(choices.charCount, kGlyphCount);
  choices.multicolour = Multicolour(file, *layout);
  for (int i = 0; i < 4; ++i) choices.colours[i] = file[layout->coloursAt[i]] & 15;
  choices.charDataOffset = layout->dataAt;
  choices.bytesPerChar = layout->bytesPerChar;
  const std::size_t needed = static_cast<std::size_t>(choices.glyphCount) * layout->bytesPerChar;
  if (file.size() - layout->dataAt < needed) {
    return SourceRefusal{"the CharPad project ends inside its " + std::to_string(choices.charCount) + " characters"};
  }
  return choices;
}

GlyphBytes CharPadGlyphs(ByteSpan file, const CharPadChoices& choices) {
  GlyphBytes glyphs;
  glyphs.reserve(static_cast<std::size_t>(choices.glyphCount) * kGlyphBytes);
  for (int n = 0; n < choices.glyphCount; ++n) {
    const std::size_t at = choices.charDataOffset + static_cast<std::size_t>(n) * choices.bytesPerChar;
    if (at + kGlyphBytes > file.size()) break;
    glyphs.insert(glyphs.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                  file.begin() + static_cast<std::ptrdiff_t>(at + kGlyphBytes));
  }
  return glyphs;
}

}  // namespace kx
