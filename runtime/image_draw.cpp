#include "runtime/image_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace kx {
namespace {

// Paints `count` stored pixels from `p` on in the given mode.
void PaintSpan(std::uint32_t* p, int count, Rgb colour, int alpha) {
  if (alpha >= kOpaque) {
    std::fill_n(p, count, PackPixel(colour));
    return;
  }
  if (alpha <= 0) return;
  const auto a = static_cast<std::uint32_t>(alpha);
  for (int i = 0; i < count; ++i) p[i] = 0xFF000000u | BlendChannels(p[i], colour, a);
}

// Floor of a / b for b > 0.
long long FloorDiv(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

void FillBox(Image& img, const Rect& box, Rgb colour, int alpha) {
  const Rect r = Intersect(box, img.Bounds());
  for (int y = r.y; y < r.y + r.h; ++y) PaintSpan(img.Row(y) + r.x, r.w, colour, alpha);
}

void DrawOutline(Image& img, const Rect& box, Rgb colour, int alpha) {
  if (box.Empty()) return;
  FillBox(img, {box.x, box.y, box.w, 1}, colour, alpha);
  if (box.h > 1) FillBox(img, {box.x, box.y + box.h - 1, box.w, 1}, colour, alpha);
  // The sides leave out the corner pixels, which the top and bottom rows already painted.
  const Rect side{box.x, box.y + 1, 1, box.h - 2};
  FillBox(img, side, colour, alpha);
  if (box.w > 1) FillBox(img, {box.x + box.w - 1, side.y, 1, side.h}, colour, alpha);
}

void DrawLine(Image& img, int x0, int y0, int x1, int y1, Rgb colour, int alpha) {
  if (img.Empty()) return;
  // Walk the longer axis; the other coordinate is computed per step (rounded to nearest), so only the
  // steps inside the picture are visited however far away the ends lie.
  const bool xMajor = std::llabs(static_cast<long long>(x1) - x0) >= std::llabs(static_cast<long long>(y1) - y0);
  const long long a0 = xMajor ? x0 : y0, a1 = xMajor ? x1 : y1;
  const long long b0 = xMajor ? y0 : x0, b1 = xMajor ? y1 : x1;
  const long long aSize = xMajor ? img.Width() : img.Height();
  const long long bSize = xMajor ? img.Height() : img.Width();
  const long long steps = std::llabs(a1 - a0);
  const long long dir = a1 >= a0 ? 1 : -1;
  // Steps t with 0 <= a0 + dir * t < aSize.
  long long tFirst = dir > 0 ? -a0 : a0 - (aSize - 1);
  long long tLast = dir > 0 ? aSize - 1 - a0 : a0;
  tFirst = std::max(tFirst, 0LL);
  tLast = std::min(tLast, steps);
  for (long long t = tFirst; t <= tLast; ++t) {
    const long long a = a0 + dir * t;
    const long long b = steps == 0 ? b0 : b0 + FloorDiv(2 * t * (b1 - b0) + steps, 2 * steps);
    if (b < 0 || b >= bSize) continue;
    const int x = static_cast<int>(xMajor ? a : b);
    const int y = static_cast<int>(xMajor ? b : a);
    PaintSpan(img.Row(y) + x, 1, colour, alpha);
  }
}

void FillCircle(Image& img, int cx, int cy, int radius, Rgb colour, int alpha) {
  if (radius < 0) return;
  const long long r2 = static_cast<long long>(radius) * radius;
  const long long yFirst = std::max<long long>(static_cast<long long>(cy) - radius, 0);
  const long long yLast = std::min<long long>(static_cast<long long>(cy) + radius, img.Height() - 1LL);
  for (long long y = yFirst; y <= yLast; ++y) {
    const long long dy = y - cy;
    long long half = static_cast<long long>(std::sqrt(static_cast<double>(r2 - dy * dy)));
    while (half * half > r2 - dy * dy) --half;
    while ((half + 1) * (half + 1) <= r2 - dy * dy) ++half;
    const long long left = std::max<long long>(cx - half, 0);
    const long long right = std::min<long long>(cx + half, img.Width() - 1LL);
    if (left <= right) {
      PaintSpan(img.Row(static_cast<int>(y)) + left, static_cast<int>(right - left + 1), colour, alpha);
    }
  }
}

void DrawImage(Image& img, const Image& src, int x, int y, int alpha) {
  DrawImage(img, src, src.Bounds(), x, y, alpha);
}

void DrawImage(Image& img, const Image& src, const Rect& from, int x, int y, int alpha) {
  if (&img == &src) {
    const Image copy = src;  // drawing a picture into itself would read pixels it already overwrote
    DrawImage(img, copy, from, x, y, alpha);
    return;
  }
  const Rect part = Intersect(from, src.Bounds());
  if (part.Empty() || alpha <= 0) return;
  // Where the part lands, clipped to the target; then the matching source corner.
  const long long destX = static_cast<long long>(x) + (part.x - from.x);
  const long long destY = static_cast<long long>(y) + (part.y - from.y);
  if (destX > img.Width() || destY > img.Height() || destX + part.w < 0 || destY + part.h < 0) return;
  const Rect dest = Intersect({static_cast<int>(destX), static_cast<int>(destY), part.w, part.h}, img.Bounds());
  const int sx = part.x + static_cast<int>(dest.x - destX);
  const int sy = part.y + static_cast<int>(dest.y - destY);
  for (int row = 0; row < dest.h; ++row) {
    const std::uint32_t* in = src.Row(sy + row) + sx;
    std::uint32_t* out = img.Row(dest.y + row) + dest.x;
    if (alpha >= kOpaque) {
      std::memcpy(out, in, static_cast<std::size_t>(dest.w) * 4);
    } else {
      for (int i = 0; i < dest.w; ++i) {
        out[i] = PackPixel(BlendRgb(UnpackPixel(out[i]), UnpackPixel(in[i]), alpha));
      }
    }
  }
}

}  // namespace kx
