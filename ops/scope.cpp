#include "ops/scope.h"

#include <algorithm>

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

void ApplyToRows(Charset& charset, Transform t, int firstRow, int lastRow) {
  const int first = std::clamp(firstRow, 0, kGlyphRows - 1);
  const int last = std::clamp(lastRow, 0, kGlyphRows - 1);
  const auto fn = TransformFunction(t);
  for (int row = first; row <= last; ++row)
    for (int column = 0; column < kGlyphsPerRow; ++column) {
      const int n = GlyphAtCell(column, row);
      PutGlyph(charset, n, fn(GetGlyph(charset, n)));
    }
}

bool ApplyToGlyph(Charset& charset, Transform t, int glyph) {
  if (!IsGlyphNumber(glyph)) return false;
  PutGlyph(charset, glyph, ApplyTransform(t, GetGlyph(charset, glyph)));
  return true;
}

bool RestoreRomGlyph(Charset& charset, int glyph) {
  if (!IsGlyphNumber(glyph)) return false;
  PutGlyph(charset, glyph, RomGlyph(glyph));
  return true;
}

void SlideCharsetNoWrap(Charset& charset, SlideDirection direction) {
  const Step step = StepOf(direction);
  const Charset old = charset;
  for (int y = 0; y < kCharsetHeight; ++y)
    for (int x = 0; x < kCharsetWidth; ++x)
      SetCharsetPixel(charset, x, y,
                      GetCharsetPixel(old, Wrap(x - step.dx, kCharsetWidth), Wrap(y - step.dy, kCharsetHeight)));
}

}  // namespace kx
