#include "ops/strokes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kx {
namespace {

// The slope is kept in single precision, but the position along it is worked out in extended precision
// from that slope, so lines land on the same pixels whatever the compiler does with intermediate floats.
// nearbyint rounds halves to the even neighbour in the default rounding mode: 2.5 becomes 2.
int Nearest(int start, float slope, int step) {
  const long double value = static_cast<long double>(start) + static_cast<long double>(slope) * step;
  return static_cast<int>(std::nearbyint(value));
}

}  // namespace

void PlotPixel(Charset& charset, int x, int y, PenKind pen) { SetCharsetPixel(charset, x, y, pen == PenKind::Set); }

void PlotLine(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen) {
  const int dx = x1 - x0;
  const int dy = y1 - y0;
  if (dx == 0 && dy == 0) {
    PlotPixel(charset, x0, y0, pen);
    return;
  }
  if (std::abs(dx) < std::abs(dy)) {
    const float slope = static_cast<float>(dx) / static_cast<float>(dy);
    const int s = dy > 0 ? 1 : -1;
    for (int i = 0; i != dy + s; i += s) PlotPixel(charset, Nearest(x0, slope, i), y0 + i, pen);
  } else {
    const float slope = static_cast<float>(dy) / static_cast<float>(dx);
    const int s = dx > 0 ? 1 : -1;
    for (int i = 0; i != dx + s; i += s) PlotPixel(charset, x0 + i, Nearest(y0, slope, i), pen);
  }
}

void PlotBox(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen, bool filled) {
  if (filled) {
    const auto [left, right] = std::minmax(x0, x1);
    const auto [top, bottom] = std::minmax(y0, y1);
    for (int y = top; y <= bottom; ++y) PlotLine(charset, left, y, right, y, pen);
    return;
  }
  PlotLine(charset, x0, y0, x1, y0, pen);
  PlotLine(charset, x0, y1, x1, y1, pen);
  PlotLine(charset, x0, y0, x0, y1, pen);
  PlotLine(charset, x1, y0, x1, y1, pen);
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
