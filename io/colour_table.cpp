#include "io/colour_table.h"

namespace kx {

namespace {
constexpr std::uint8_t kHighestColour = 15;
}  // namespace

std::string ColourTableBytes(const GlyphInks& inks) {
  std::string bytes(kColourTableBytes, '\0');
  for (std::size_t n = 0; n < kColourTableBytes; ++n) bytes[n] = static_cast<char>(inks[n] & kHighestColour);
  return bytes;
}

std::variant<GlyphInks, std::string> ReadColourTable(std::span<const std::uint8_t> bytes) {
  if (bytes.size() != kColourTableBytes) {
    return "a colour table holds 256 bytes, this one " + std::to_string(bytes.size());
  }
  GlyphInks inks{};
  for (std::size_t n = 0; n < kColourTableBytes; ++n) {
    if (bytes[n] > kHighestColour) {
      return "the colour " + std::to_string(bytes[n]) + " of glyph " + std::to_string(n) + " is no colour 0-15";
    }
    inks[n] = bytes[n];
  }
  return inks;
}

}  // namespace kx
