#pragma once
// How a charset is shown: the VIC-II text mode and the colour registers it is shown with.

#include <array>
#include <cstdint>

namespace kx {

// Hi-res: every glyph 8x8 in its ink on $D021. Multicolour: a glyph whose ink has bit 3 set is 4x8 double-wide
// pixels, the others hi-res. Extended background: glyphs 0-63 only, on the background the screen code picks.
enum class DisplayMode : std::uint8_t { HiRes, Multicolour, ExtendedBackground };

// The VIC-II registers a charset is shown with, as C64 colour numbers 0-15: $D021 the background,
// $D022/$D023 multicolour 1 and 2 (in extended background mode backgrounds 1 and 2), $D024 background 3.
enum ColourRegister : int { kBackground0 = 0, kMulticolour1 = 1, kMulticolour2 = 2, kBackground3 = 3 };
inline constexpr int kColourRegisters = 4;
inline constexpr std::uint8_t kMulticolourBit = 8;  // the colour-RAM nibble's bit that makes a glyph multicolour

struct CharsetColours {
  DisplayMode mode = DisplayMode::HiRes;
  std::array<std::uint8_t, kColourRegisters> registers{0, 11, 12, 15};

  bool operator==(const CharsetColours&) const = default;
};

// A glyph is drawn and transformed as 4x8 double-wide pixels only in multicolour mode, and only when its ink
// carries the multicolour bit.
constexpr bool IsMulticolourGlyph(DisplayMode mode, std::uint8_t ink) {
  return mode == DisplayMode::Multicolour && (ink & kMulticolourBit) != 0;
}

}  // namespace kx
