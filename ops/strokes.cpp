#include "ops/strokes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/charset_colours.h"
#include "ops/glyph_tools.h"

namespace kx {
namespace {

// The slope is kept in single precision, but the position along it is worked out in extended precision
// from that slope, so lines land on the same pixels whatever the compiler does with intermediate floats.
// nearbyint rounds halves to the even neighbour in the default rounding mode: 2.5 becomes 2.
int Nearest(int start, float slope, int step) {
  const long double value = static_cast<long double>(start) + static_cast<long double>(slope) * step;
  return static_cast<int>(std::nearbyint(value));
}

// Walks the line's pixels, both ends included, handing each to `plot`.
template <class Plot>
void WalkLine(int x0, int y0, int x1, int y1, Plot plot) {
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  if (dx == 0 && dy == 0) {
    plot(x0, y0);
    return;
  }
  if (std::abs(dx) < std::abs(dy)) {
    const float slope = static_cast<float>(dx) / static_cast<float>(dy);
    const int s = dy > 0 ? 1 : -1;
    for (int i = 0; i != dy + s; i += s) plot(Nearest(x0, slope, i), y0 + i);
  } else {
    const float slope = static_cast<float>(dy) / static_cast<float>(dx);
    const int s = dx > 0 ? 1 : -1;
    for (int i = 0; i != dx + s; i += s) plot(x0 + i, Nearest(y0, slope, i));
  }
}

template <class Plot>
void WalkBox(int x0, int y0, int x1, int y1, bool filled, Plot plot) {
  if (filled) {
    const auto [left, right] = std::minmax(x0, x1);
    const auto [top, bottom] = std::minmax(y0, y1);
    for (int y = top; y <= bottom; ++y) WalkLine(left, y, right, y, plot);
    return;
  }
  WalkLine(x0, y0, x1, y0, plot);
  WalkLine(x0, y1, x1, y1, plot);
  WalkLine(x0, y0, x0, y1, plot);
  WalkLine(x1, y0, x1, y1, plot);
}

auto KindPlotter(Charset& charset, PenKind pen) {
  return [&charset, pen](int x, int y) { PlotPixel(charset, x, y, pen); };
}

auto StorePlotter(CharsetStore& store, const Pen& pen) {
  return [&store, pen](int x, int y) { PlotPixel(store, x, y, pen); };
}

}  // namespace

void PlotPixel(Charset& charset, int x, int y, PenKind pen) { SetCharsetPixel(charset, x, y, pen == PenKind::Set); }

void PlotLine(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen) {
  WalkLine(x0, y0, x1, y1, KindPlotter(charset, pen));
}

void PlotBox(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen, bool filled) {
  WalkBox(x0, y0, x1, y1, filled, KindPlotter(charset, pen));
}

void PlotPixel(CharsetStore& store, int x, int y, const Pen& pen) {
  if (!InCharset(x, y)) return;
  const std::uint8_t ink = store.inks[static_cast<std::size_t>(GlyphAtPixel(x, y))];
  if (!IsMulticolourGlyph(store.colours.mode, ink)) {
    PlotPixel(store.editor, x, y, pen.kind);
    return;
  }
  // The pair's high bit is the left column of the double-wide pixel.
  const int pair = DrawnPair(pen);
  SetCharsetPixel(store.editor, x & ~1, y, (pair & 2) != 0);
  SetCharsetPixel(store.editor, x | 1, y, (pair & 1) != 0);
}

void PlotLine(CharsetStore& store, int x0, int y0, int x1, int y1, const Pen& pen) {
  WalkLine(x0, y0, x1, y1, StorePlotter(store, pen));
}

void PlotBox(CharsetStore& store, int x0, int y0, int x1, int y1, const Pen& pen, bool filled) {
  WalkBox(x0, y0, x1, y1, filled, StorePlotter(store, pen));
}

void SaveBackup(const CharsetStore& store, StrokeBackup& backup) {
  backup.bytes = store.editor;
  backup.inks = store.inks;
}

void RestoreBackup(CharsetStore& store, const StrokeBackup& backup) {
  store.editor = backup.bytes;
  store.inks = backup.inks;
}

}  // namespace kx
