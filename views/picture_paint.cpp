#include "views/picture_paint.h"

#include <algorithm>

#include "model/rom_charset.h"

namespace kx {
namespace {

// The screen code under which the ROM holds an ASCII character: letters at 1..26, digits and punctuation
// where ASCII has them.
int ScreenCode(char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 1 : static_cast<unsigned char>(c) & 0x3F; }

}  // namespace

void FillRect(Picture& p, int x0, int y0, int w, int h, std::uint32_t colour) {
  for (int y = std::max(y0, 0); y < std::min(y0 + h, p.height); ++y) {
    for (int x = std::max(x0, 0); x < std::min(x0 + w, p.width); ++x) {
      p.pixels[static_cast<std::size_t>(y) * p.width + x] = colour;
    }
  }
}

void DrawRomGlyph(Picture& p, int code, int x0, int y0, int scale, std::uint32_t colour) {
  const Glyph g = GetGlyph(RomCharset(), code);
  for (int y = 0; y < kGlyphBytes; ++y) {
    for (int x = 0; x < kGlyphBytes; ++x) {
      if (GlyphPixel(g, x, y)) FillRect(p, x0 + x * scale, y0 + y * scale, scale, scale, colour);
    }
  }
}

void DrawRomText(Picture& p, std::string_view text, int x, int y, int scale, std::uint32_t colour) {
  for (char c : text) {
    DrawRomGlyph(p, ScreenCode(c), x, y, scale, colour);
    x += kGlyphBytes * scale;
  }
}

}  // namespace kx
