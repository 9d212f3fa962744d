#pragma once
// The 16 C64 colours and the editor brightness that replaces the foreground colour.

#include <array>

#include "runtime/rgb.h"

namespace kx {

inline constexpr int kPaletteSize = 16;
inline constexpr int kPaperIndex = 0;
inline constexpr int kInkIndex = 1;

enum class Brightness { High, Medium, Low };

// The foreground colour for each brightness level: #FFFFFF, #BBBBBB, #777777. These are also the numbers
// stored in the settings file (grey, so RGB and BGR order give the same value).
Rgb BrightnessColour(Brightness level);

// The level whose colour is exactly `colour`, or High for any other value (an unknown stored value is
// treated as High and written back as such).
Brightness BrightnessFromColour(Rgb colour);

using Palette = std::array<Rgb, kPaletteSize>;

// Entry 0 black, entry 1 the foreground at the given brightness, then the C64's other 14 colours.
Palette MakePalette(Brightness level = Brightness::High);

}  // namespace kx
