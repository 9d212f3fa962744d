#pragma once
// The few drawing steps the built-in pictures are made of.

#include <string_view>

#include "views/icons.h"

namespace kx {

inline constexpr std::uint32_t kOpaqueWord = 0xFF000000;
inline constexpr std::uint32_t kC64Blue = kOpaqueWord | 0x352879;
inline constexpr std::uint32_t kC64LightBlue = kOpaqueWord | 0x6C5EB5;
inline constexpr std::uint32_t kWhite = kOpaqueWord | 0xFFFFFF;

// Fills the part of the rectangle that lies inside the picture.
void FillRect(Picture& p, int x, int y, int w, int h, std::uint32_t colour);

// Draws the ROM glyph with screen code `code`, every glyph pixel a scale x scale block.
void DrawRomGlyph(Picture& p, int code, int x, int y, int scale, std::uint32_t colour);

// Draws upper-case text with the ROM glyphs, one glyph every 8 * scale pixels.
void DrawRomText(Picture& p, std::string_view text, int x, int y, int scale, std::uint32_t colour);

}  // namespace kx
