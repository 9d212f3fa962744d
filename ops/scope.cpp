#include "ops/scope.h"

#include <algorithm>
#include <array>

#include "model/rom_charset.h"

namespace kx {
namespace {

constexpr bool IsGlyphNumber(int n) { return n >= 0 && n < kGlyphCount; }

struct Step {
  int dx;
  int dy;
};

constexpr Step StepOf(SlideDirection d) {
  switch (d) {
    case SlideDirection::Right: return {1, 0};
    case SlideDirection::Left: return {-1, 0};
    case SlideDirection::Up: return {0, -1};
    case SlideDirection::Down: return {0, 1};
  }
  return {0, 0};
}

constexpr int Wrap(int v, int size) { return ((v % size) + size) % size; }

}  // namespace

int ApplyToRows(Charset& charset, Transform t, int firstRow, int lastRow, const GlyphModes& modes) {
  const int first = std::clamp(firstRow, 0, kGlyphRows - 1);
  const int last = std::clamp(lastRow, 0, kGlyphRows - 1);
  const std::array<GlyphTransformFn, 2> fns{TransformFunction(t, GlyphMode::HiRes),
                                            TransformFunction(t, GlyphMode::Multicolour)};
  const bool actsOnMulticolour = TransformActsOn(t, GlyphMode::Multicolour);
  int leftAlone = 0;
  for (int row = first; row <= last; ++row)
    for (int column = 0; column < kGlyphsPerRow; ++column) {
      const int n = GlyphAtCell(column, row);
      const bool multicolour = modes[n] == GlyphMode::Multicolour;
      if (multicolour && !actsOnMulticolour) ++leftAlone;
      PutGlyph(charset, n, fns[multicolour](GetGlyph(charset, n)));
    }
  return leftAlone;
}

bool ApplyToGlyph(Charset& charset, Transform t, int glyph, GlyphMode mode) {
  if (!IsGlyphNumber(glyph)) return false;
  PutGlyph(charset, glyph, ApplyTransform(t, mode, GetGlyph(charset, glyph)));
  return true;
}

bool RestoreRomGlyph(Charset& charset, int glyph) {
  if (!IsGlyphNumber(glyph)) return false;
  PutGlyph(charset, glyph, RomGlyph(glyph));
  return true;
}

namespace {

constexpr int WidthOf(GlyphMode mode) { return mode == GlyphMode::Multicolour ? 2 : 1; }

// The pixel leaving one glyph, as the pixel of `toWidth` bits that enters the next: unchanged between
// glyphs of one mode, else the same colour source (hi-res set <-> pair 11, pair 00 <-> clear).
constexpr unsigned CarryPixel(unsigned pixel, int fromWidth, int toWidth) {
  if (fromWidth == toWidth) return pixel;
  if (pixel == 0) return 0;
  return toWidth == 2 ? 3u : 1u;
}

// One pixel line of 32 glyphs is a ring: each glyph's byte moves by one of its own pixels and takes in
// the pixel leaving its neighbour on the side it moves away from.
void SlideLineSideways(Charset& charset, const Charset& old, int y, bool right, const GlyphModes& modes) {
  const int glyphRow = y / kGlyphBytes;
  const int line = y % kGlyphBytes;
  for (int column = 0; column < kGlyphsPerRow; ++column) {
    const int n = GlyphAtCell(column, glyphRow);
    const int from = GlyphAtCell((column + (right ? kGlyphsPerRow - 1 : 1)) % kGlyphsPerRow, glyphRow);
    const unsigned byte = old[n * kGlyphBytes + line];
    const unsigned neighbour = old[from * kGlyphBytes + line];
    const int w = WidthOf(modes[n]);
    const int wFrom = WidthOf(modes[from]);
    const unsigned mask = (1u << wFrom) - 1;
    unsigned moved = 0;
    if (right) {
      moved = (byte >> w) | (CarryPixel(neighbour & mask, wFrom, w) << (8 - w));
    } else {
      moved = (byte << w) | CarryPixel(neighbour >> (8 - wFrom), wFrom, w);
    }
    charset[n * kGlyphBytes + line] = static_cast<std::uint8_t>(moved);
  }
}

}  // namespace

void SlideCharsetNoWrap(Charset& charset, SlideDirection direction, const GlyphModes& modes) {
  const Step step = StepOf(direction);
  const Charset old = charset;
  if (step.dx != 0) {
    for (int y = 0; y < kCharsetHeight; ++y) SlideLineSideways(charset, old, y, step.dx > 0, modes);
    return;
  }
  for (int y = 0; y < kCharsetHeight; ++y)
    for (int x = 0; x < kCharsetWidth; ++x)
      SetCharsetPixel(charset, x, y,
                      GetCharsetPixel(old, Wrap(x - step.dx, kCharsetWidth), Wrap(y - step.dy, kCharsetHeight)));
}

}  // namespace kx
