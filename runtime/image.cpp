#include "runtime/image.h"

#include <algorithm>
#include <cstring>

namespace kx {

Rect Intersect(const Rect& r, const Rect& bounds) {
  // 64-bit edges: callers may pass far-away rectangles whose right edge would overflow an int.
  const long long left = std::max<long long>(r.x, bounds.x);
  const long long top = std::max<long long>(r.y, bounds.y);
  const long long right = std::min<long long>(static_cast<long long>(r.x) + r.w,
                                              static_cast<long long>(bounds.x) + bounds.w);
  const long long bottom = std::min<long long>(static_cast<long long>(r.y) + r.h,
                                               static_cast<long long>(bounds.y) + bounds.h);
  if (right <= left || bottom <= top) return {};
  return {static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
          static_cast<int>(bottom - top)};
}

Image::Image(int width, int height, Rgb fill) { Reset(width, height, fill); }

void Image::Reshape(int width, int height) {
  if (width <= 0 || height <= 0) width = height = 0;
  width_ = width;
  height_ = height;
  const std::size_t count = static_cast<std::size_t>(width) * height;
  if (count > pixels_.capacity()) pixels_.clear();  // a new buffer: the old pixels need not move into it
  pixels_.resize(count);
}

void Image::Reset(int width, int height, Rgb fill) {
  Reshape(width, height);
  Fill(fill);
}

void Image::Fill(Rgb colour) { std::fill(pixels_.begin(), pixels_.end(), PackPixel(colour)); }

Rgb Image::Pixel(int x, int y) const { return Contains(x, y) ? UnpackPixel(Row(y)[x]) : 0; }

void Image::SetPixel(int x, int y, Rgb colour) {
  if (Contains(x, y)) Row(y)[x] = PackPixel(colour);
}

bool operator==(const Image& a, const Image& b) {
  return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
}

Rgb BlendRgb(Rgb under, Rgb colour, int alpha) {
  return BlendChannels(under, colour, static_cast<std::uint32_t>(std::clamp(alpha, 0, 255)));
}

void CutInto(const Image& src, const Rect& area, Image& out) {
  const Rect part = Intersect(area, src.Bounds());
  out.Reshape(part.w, part.h);
  for (int y = 0; y < part.h; ++y) {
    std::memcpy(out.Row(y), src.Row(part.y + y) + part.x, static_cast<std::size_t>(part.w) * 4);
  }
}

Image Cut(const Image& src, const Rect& area) {
  Image out;
  CutInto(src, area, out);
  return out;
}

}  // namespace kx
