#include "io/charpad_project.h"

#include <algorithm>

#include "io/charpad_source.h"

namespace kx {
namespace {

// Version 5's header fields (CharPad's manual, its appendix on the project file).
enum : std::size_t {
  kVersionAt = 3,
  kColoursAt = 4,     // $D021, $D022, $D023, the character colour
  kMethodAt = 8,      // the colouring method
  kFlagsAt = 9,       // bit 0 tile system, bit 1 expanded character set, bit 2 multicolour
  kCharCountAt = 10,  // the character count less one, low byte first
  kTileCountAt = 12,  // the tile count less one, low byte first
  kTileWidthAt = 14,
  kTileHeightAt = 15,
  kMapWidthAt = 16,   // 16 bits, low byte first
  kMapHeightAt = 18,
};
constexpr std::uint8_t kPerCharacterColours = 2;
constexpr std::uint8_t kMulticolourFlag = 0x04;

void PutWord(std::string& out, std::size_t at, int value) {
  out[at] = static_cast<char>(value & 0xFF);
  out[at + 1] = static_cast<char>((value >> 8) & 0xFF);
}

// What a written-back project would lose: characters past 255 in any version; anything but a version 5
// project's images and colours (other versions always keep tiles or a map block); in version 5, materials,
// or more after the attributes than the empty tile and map this editor writes.
std::string NotRead(ByteSpan file, const CharPadChoices& choices) {
  if (choices.charCount > kGlyphCount) {
    return "characters 256 to " + std::to_string(choices.charCount - 1);
  }
  if (choices.version != kCharPadWrittenVersion) return "its tiles and map";
  const std::size_t count = static_cast<std::size_t>(choices.charCount);
  const std::size_t attributes = choices.charDataOffset + count * kGlyphBytes;
  if (file.size() <= attributes) return {};
  const ByteSpan atts = file.subspan(attributes, std::min(count, file.size() - attributes));
  if (std::ranges::any_of(atts, [](std::uint8_t a) { return (a >> 4) != 0; })) return "its materials";
  if (file.size() <= attributes + count) return {};
  const ByteSpan tail = file.subspan(attributes + count);
  if (tail.size() > kCharPadTailBytes || std::ranges::any_of(tail, [](std::uint8_t b) { return b != 0; })) {
    return "its tiles and map";
  }
  return {};
}

}  // namespace

std::string CharPadProjectBytes(const Charset& charset, const GlyphInks& inks, const CharsetColours& colours) {
  std::string out(kCharPadProjectBytes, '\0');
  out.replace(0, 3, "CTM");
  out[kVersionAt] = static_cast<char>(kCharPadWrittenVersion);
  for (std::size_t i = 0; i < 3; ++i) out[kColoursAt + i] = static_cast<char>(colours.registers[i] & 15);
  out[kColoursAt + 3] = static_cast<char>(inks[0] & 15);
  out[kMethodAt] = static_cast<char>(kPerCharacterColours);
  // No tile system and no expanded set: the map refers to characters, and one 1x1 tile of character 0 follows.
  out[kFlagsAt] = static_cast<char>(colours.mode == DisplayMode::Multicolour ? kMulticolourFlag : 0);
  PutWord(out, kCharCountAt, kGlyphCount - 1);
  PutWord(out, kTileCountAt, 0);
  out[kTileWidthAt] = 1;
  out[kTileHeightAt] = 1;
  PutWord(out, kMapWidthAt, 1);
  PutWord(out, kMapHeightAt, 1);
  std::copy(charset.begin(), charset.end(), out.begin() + kCharPadHeaderBytes);
  for (std::size_t n = 0; n < inks.size(); ++n) {
    out[kCharPadHeaderBytes + kCharsetBytes + n] = static_cast<char>(inks[n] & 15);  // material 0
  }
  return out;
}

SourceResult<CharPadProject> ReadCharPadProject(ByteSpan file) {
  auto examined = ExamineCharPad(file);
  if (const auto* refusal = std::get_if<SourceRefusal>(&examined)) return *refusal;
  const CharPadChoices& choices = std::get<CharPadChoices>(examined);
  CharPadProject project;
  const GlyphBytes glyphs = CharPadGlyphs(file, choices);
  std::copy(glyphs.begin(), glyphs.end(), project.charset.begin());
  const std::size_t inks = std::min(choices.taken.inks.size(), project.inks.size());
  std::copy_n(choices.taken.inks.begin(), inks, project.inks.begin());
  project.colours = choices.taken.colours;
  project.charCount = choices.charCount;
  project.notRead = NotRead(file, choices);
  return project;
}

}  // namespace kx
