#include "io/charpad_source.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

namespace kx {
namespace {

constexpr std::string_view kMagic = "CTM";
constexpr std::uint8_t kPerCharacter = 2;  // the colouring method that keeps a colour with each character

// Where a layout keeps one attribute byte per character (colour in the low nybble, material in the high):
// none before version 5, right after the images in 5, after a 0xDA 0xB1 block marker from 6 on.
enum class Attributes : std::uint8_t { None, AfterImages, AfterMarker };

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
  std::uint8_t flagMask;  // 0: flagAt holds the screen mode (kScreenModes)
  bool blockMarker;       // 0xDA 0xB0 at countAt - 2
  std::array<std::size_t, 4> coloursAt;  // screen, multicolour 1, multicolour 2, character colour
  std::size_t methodAt;   // the colouring method, where 2 is per character
  Attributes attributes;  // where the per-character colours are
  std::size_t background3At;  // the fifth background colour ($D024), 0: none
};

// Versions 1 to 6: CharPad's manual, its appendix on the project file. Versions 7 to 9 (the manual that
// ships with them was not at hand): the layout as a build tool's CharPad importer reads it, checked there
// against projects CharPad wrote. 7 puts a fifth background colour before the character colour, then the
// colouring method, the screen mode and the flags. 8 and 9 start with the screen mode, the colouring
// method and the flags; 9 then keeps a 2 x 2-byte grid size and a spare byte; both follow with the
// screen colour, multicolours 1 and 2, the fifth background colour and three character colours. Early
// builds writing version 8 kept a fourth character colour (the one text modes use) before the blocks,
// and some write version number 82 for the same layout.
constexpr auto N = Attributes::None;
constexpr auto A = Attributes::AfterImages;
constexpr auto M = Attributes::AfterMarker;
constexpr std::array<CharPadLayout, 12> kLayouts{{
    {1, 14, 1, 20, 8, 9, 0x01, false, {4, 5, 6, 7}, 8, N, 0},
    {2, 14, 2, 20, 9, 9, 0x01, false, {4, 5, 6, 7}, 8, N, 0},
    {3, 14, 2, 20, 8, 9, 0x01, false, {4, 5, 6, 7}, 8, N, 0},
    {4, 10, 2, 24, 8, 9, 0x01, false, {4, 5, 6, 7}, 8, N, 0},
    {5, 10, 2, 20, 8, 9, 0x04, false, {4, 5, 6, 7}, 8, A, 0},
    {6, 12, 2, 14, 8, 9, 0x01, true, {4, 5, 6, 7}, 8, M, 0},
    {7, 14, 2, 16, 8, 10, 0, true, {4, 5, 6, 8}, 9, M, 7},
    {8, 16, 2, 18, 8, 4, 0, true, {7, 8, 9, 11}, 5, M, 10},
    {8, 17, 2, 19, 8, 4, 0, true, {7, 8, 9, 14}, 5, M, 10},
    {82, 16, 2, 18, 8, 4, 0, true, {7, 8, 9, 11}, 5, M, 10},
    {82, 17, 2, 19, 8, 4, 0, true, {7, 8, 9, 14}, 5, M, 10},
    {9, 21, 2, 23, 8, 4, 0, true, {12, 13, 14, 16}, 5, M, 15},
}};

bool MarkerBefore(ByteSpan file, const CharPadLayout& layout) {
  return file.size() >= layout.countAt && file[layout.countAt - 2] == 0xDA && file[layout.countAt - 1] == 0xB0;
}

// The screen modes of the layouts that keep one: text hi-res, multicolour and extended background, then
// bitmap hi-res and multicolour (whose characters show as the text modes' would).
constexpr std::array<DisplayMode, 5> kScreenModes{DisplayMode::HiRes, DisplayMode::Multicolour,
                                                  DisplayMode::ExtendedBackground, DisplayMode::HiRes,
                                                  DisplayMode::Multicolour};

SourceResult<DisplayMode> ModeOf(ByteSpan file, const CharPadLayout& layout) {
  const std::uint8_t value = file[layout.flagAt];
  if (layout.flagMask != 0) return (value & layout.flagMask) != 0 ? DisplayMode::Multicolour : DisplayMode::HiRes;
  if (value >= kScreenModes.size()) return SourceRefusal{"CharPad project screen mode " + std::to_string(value) + " is not known"};
  return kScreenModes[value];
}

// The header's colours, each a C64 colour or the project is refused.
std::optional<SourceRefusal> ReadColours(ByteSpan file, const CharPadLayout& layout, CharPadChoices& choices) {
  constexpr std::array<const char*, 5> kNames{"screen", "multicolour 1", "multicolour 2", "character",
                                              "fifth background"};
  std::array<std::size_t, 5> at{layout.coloursAt[0], layout.coloursAt[1], layout.coloursAt[2], layout.coloursAt[3],
                                layout.background3At};
  for (std::size_t i = 0; i < at.size(); ++i) {
    if (i == 4 && at[i] == 0) break;
    const int colour = file[at[i]];
    if (colour > 15) {
      return SourceRefusal{std::string("the CharPad project's ") + kNames[i] + " colour " + std::to_string(colour) +
                           " is not a C64 colour (0 to 15)"};
    }
    if (i < 4) choices.colours[i] = colour;
    if (i != 3) choices.taken.colours.registers[i == 4 ? 3 : i] = static_cast<std::uint8_t>(colour);
  }
  return std::nullopt;
}

// The inks of the glyphs taken: the attribute bytes' colours when the project is coloured per character,
// else the character colour for every glyph.
std::optional<SourceRefusal> ReadInks(ByteSpan file, const CharPadLayout& layout, CharPadChoices& choices) {
  SourceColours& taken = choices.taken;
  const auto count = static_cast<std::size_t>(choices.glyphCount);
  if (layout.attributes == Attributes::None || file[layout.methodAt] != kPerCharacter) {
    std::uint8_t ink = static_cast<std::uint8_t>(choices.colours[3]);
    if (taken.colours.mode == DisplayMode::Multicolour) ink |= kMulticolourBit;
    taken.inks.assign(count, ink);
    taken.origin = "the character colour";
    return std::nullopt;
  }
  std::size_t at = layout.dataAt + static_cast<std::size_t>(choices.charCount) * layout.bytesPerChar;
  if (layout.attributes == Attributes::AfterMarker) {
    if (file.size() < at + 2 || file[at] != 0xDA || file[at + 1] != 0xB1) {
      return SourceRefusal{"the CharPad project has no character colours where it should"};
    }
    at += 2;
  }
  if (file.size() < at + count) return SourceRefusal{"the CharPad project ends inside its character colours"};
  taken.inks.resize(count);
  for (std::size_t n = 0; n < count; ++n) taken.inks[n] = file[at + n] & 15;
  taken.origin = "per-character colours";
  return std::nullopt;
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
  const auto mode = ModeOf(file, *layout);
  if (const auto* refusal = std::get_if<SourceRefusal>(&mode)) return *refusal;
  choices.taken.colours.mode = std::get<DisplayMode>(mode);
  choices.multicolour = choices.taken.colours.mode == DisplayMode::Multicolour;
  if (auto refusal = ReadColours(file, *layout, choices)) return *refusal;
  choices.charDataOffset = layout->dataAt;
  choices.bytesPerChar = layout->bytesPerChar;
  const std::size_t needed = static_cast<std::size_t>(choices.glyphCount) * layout->bytesPerChar;
  if (file.size() - layout->dataAt < needed) {
    return SourceRefusal{"the CharPad project ends inside its " + std::to_string(choices.charCount) + " characters"};
  }
  if (auto refusal = ReadInks(file, *layout, choices)) return *refusal;
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
