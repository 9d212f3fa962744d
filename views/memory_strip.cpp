#include "views/memory_strip.h"

namespace kx {
namespace {

constexpr Rgb kGap = 0x303030;
constexpr Rgb kSelectedFrame = 0xFFC000;
constexpr int kThumbnailGlyphsAcross = kStripThumbnail / 8;

}  // namespace

Image ComposeMemoryStrip(std::span<const std::uint8_t> memory, std::optional<int> selected, const PreviewLook& look) {
  Image out(kStripWidth, kStripHeight, kGap);
  for (int position = 0; position < kStripPositions; ++position) {
    const int left = (position % kStripColumns) * kStripPitch;
    const int top = (position / kStripColumns) * kStripPitch;
    if (position == selected) {
      for (int y = top; y < top + kStripPitch; ++y) {
        for (int x = left; x < left + kStripPitch; ++x) out.SetPixel(x, y, kSelectedFrame);
      }
    }
    const std::size_t base = static_cast<std::size_t>(position) * kStripStep;
    for (int glyph = 0; glyph < kStripGlyphsShown; ++glyph) {
      const int glyphLeft = left + kStripFrame + (glyph % kThumbnailGlyphsAcross) * 8;
      const int glyphTop = top + kStripFrame + (glyph / kThumbnailGlyphsAcross) * 8;
      for (int row = 0; row < 8; ++row) {
        const std::size_t at = base + static_cast<std::size_t>(glyph * 8 + row);
        const std::uint8_t bits = at < memory.size() ? memory[at] : 0;
        std::uint32_t* line = out.Row(glyphTop + row) + glyphLeft;
        for (int column = 0; column < 8; ++column) line[column] = PackPixel(PreviewPixelColour(bits, column, look));
      }
    }
  }
  return out;
}

std::optional<int> StripPositionAt(int x, int y) {
  if (x < 0 || y < 0 || x >= kStripWidth || y >= kStripHeight) return std::nullopt;
  return (y / kStripPitch) * kStripColumns + x / kStripPitch;
}

}  // namespace kx
