#include "cli/colour_options.h"

#include <array>
#include <string>
#include <string_view>

#include "io/glyph_source.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

struct ModeName {
  std::string_view name;
  DisplayMode mode;
};
constexpr std::array<ModeName, 3> kModes{{
    {"hires", DisplayMode::HiRes},
    {"mc", DisplayMode::Multicolour},
    {"ecm", DisplayMode::ExtendedBackground},
}};

constexpr int kHighestColour = 15;

std::variant<ColourSettings, CliFailure> WithMode(ColourSettings settings, const std::string& text) {
  for (const ModeName& m : kModes) {
    if (m.name == text) {
      settings.colours.mode = m.mode;
      return settings;
    }
  }
  return UsageFailure("unknown mode '" + text + "' (hires, mc or ecm)");
}

// Three or four colours separated by commas, into the registers from $D021 on; $D024 keeps its value when
// only three are given.
std::variant<ColourSettings, CliFailure> WithRegisters(ColourSettings settings, const std::string& text) {
  const auto refuse = [&](const std::string& why) {
    return UsageFailure("bad colours '" + text + "' (" + why + ")");
  };
  std::string_view rest = text;
  int count = 0;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    if (count == kColourRegisters) return refuse("at most four: D021,D022,D023,D024");
    const std::optional<std::uint64_t> value = ParseSourceNumber(item, kHighestColour);
    if (!value) return refuse("'" + std::string(item) + "' is no colour 0-15");
    settings.colours.registers[static_cast<std::size_t>(count++)] = static_cast<std::uint8_t>(*value);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  if (count < kColourRegisters - 1) return refuse("at least three: D021,D022,D023");
  return settings;
}

std::variant<ColourSettings, CliFailure> WithInks(ColourSettings settings, const std::string& path) {
  // A longer file is not read past the 256 bytes an inks file holds.
  const FileRead file = ReadFileBytes(path, kGlyphCount);
  switch (file.status) {
    case FileReadStatus::Ok: break;
    case FileReadStatus::Missing: return InputFailure(path, "not found");
    case FileReadStatus::TooLarge: return InputFailure(path, "an inks file holds 256 bytes, this one more");
    case FileReadStatus::Failed: return InputFailure(path, "could not read the file");
  }
  if (file.bytes.size() != kGlyphCount) {
    return InputFailure(path, "an inks file holds 256 bytes, this one " + std::to_string(file.bytes.size()));
  }
  for (int n = 0; n < kGlyphCount; ++n) {
    const auto ink = static_cast<std::uint8_t>(file.bytes[static_cast<std::size_t>(n)]);
    if (ink > kHighestColour) {
      return InputFailure(path, "ink " + std::to_string(ink) + " of glyph " + std::to_string(n) + " is no colour 0-15");
    }
    settings.inks[static_cast<std::size_t>(n)] = ink;
  }
  return settings;
}

}  // namespace

std::variant<ColourSettings, CliFailure> ColourSettingsFrom(const ParsedArgs& args) {
  std::variant<ColourSettings, CliFailure> settings = ColourSettings{};
  if (const auto mode = args.Value(CliOption::Mode)) settings = WithMode(std::get<ColourSettings>(settings), *mode);
  if (std::holds_alternative<CliFailure>(settings)) return settings;
  if (const auto colours = args.Value(CliOption::Colours)) {
    settings = WithRegisters(std::get<ColourSettings>(settings), *colours);
  }
  if (std::holds_alternative<CliFailure>(settings)) return settings;
  if (const auto inks = args.Value(CliOption::Inks)) settings = WithInks(std::get<ColourSettings>(settings), *inks);
  return settings;
}

const char* ColourOptionsHelp() {
  return "Colour options (the charset's colours in the editor):\n"
         "  --mode MODE          hires (default), mc (multicolour) or ecm (extended background)\n"
         "  --colours LIST       D021,D022,D023[,D024]: the VIC-II registers, each 0-15 (default 0,11,12,15)\n"
         "  --inks FILE          256 bytes, glyph 0's ink first, each 0-15 (default 1 for every glyph)\n"
         "  --write-inks FILE    also writes the charset's 256 inks to FILE, the same layout as --inks reads\n"
         "  --with-inks          source formats: the inks follow the charset as a second table, LABEL_colours\n"
         "In mc mode a glyph whose ink is 8-15 is multicolour: transforms move its 2-bit pixels whole (rotate\n"
         "leaves it as it was), the charset-wide slides never split its pairs, 2x1 and 2x2 double them.\n"
         "Without --inks no glyph is multicolour. A picture IN is read in these colours; in mc and ecm\n"
         "its colours also give the inks.\n";
}

}  // namespace kx
