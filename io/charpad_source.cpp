#include "io/charpad_source.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace kx {
namespace {

constexpr std::string_view kMagic = "CTM";

// One format version: where its character count (count - 1, low byte first) and images are, and how its
// multicolour flag is kept. A block marker, when the version has one, must stand just before the count.
struct CharPadLayout {
  int version;
  std::size_t countAt;
  std::size_t countBytes;
  std::size_t dataAt;
  std::size_t bytesPerChar;
  std::size_t flagAt;
  std::uint8_t flagMask;
  bool blockMarker;  // 0xDA 0xB0 at countAt - 2
};

constexpr std::array<CharPadLayout, 6> kLayouts{{
    {1, 14, 1, 20, 8, 9, 0x01, false},
    {2, 14, 2, 20, 9, 9, 0x01, false},
    {3, 14, 2, 20, 8, 9, 0x01, false},
    {4, 10, 2, 24, 8, 9, 0x01, false},
    {5, 10, 2, 20, 8, 9, 0x04, false},
    {6, 12, 2, 14, 8, 9, 0x01, true},
}};

}  // namespace

SourceResult<CharPadChoices> ExamineCharPad(ByteSpan file) {
  if (file.size() < kMagic.size() + 1 || !std::equal(kMagic.begin(), kMagic.end(), file.begin())) {
    return SourceRefusal{"not a CharPad project"};
  }
  const int version = file[3];
  const auto layout = std::ranges::find(kLayouts, version, &CharPadLayout::version);
  if (layout == kLayouts.end()) {
    return SourceRefusal{"CharPad project format version " + std::to_string(version) + " is not known"};
  }
  if (file.size() < layout->dataAt) return SourceRefusal{"the CharPad project ends inside its header"};
  if (layout->blockMarker && (file[layout->countAt - 2] != 0xDA || file[layout->countAt - 1] != 0xB0)) {
    return SourceRefusal{"the CharPad project has no character block where it should"};
  }
  CharPadChoices choices;
  choices.version = version;
  choices.charCount = file[layout->countAt] + (layout->countBytes == 2 ? file[layout->countAt + 1] << 8 : 0) + 1;
  choices.glyphCount = std::min(choices.charCount, kGlyphCount);
  choices.multicolour = (file[layout->flagAt] & layout->flagMask) != 0;
  for (int i = 0; i < 4; ++i) choices.colours[i] = file[4 + i] & 15;
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
