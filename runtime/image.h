#pragma once
// An off-screen 24-bit picture. Every composed picture of the program (editor view, charset panes,
// previews, screen editor, dumps) is one of these.
//
// Pixels are 32-bit words 0xFFRRGGBB, row-major, rows Stride() pixels apart: the layout of Qt's RGB32
// format, so the adapter shows a picture by wrapping the buffer, without converting it. Colours passed in
// and read out are 0x00RRGGBB (kx::Rgb); the top byte is kept at 0xFF internally.

#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "runtime/rgb.h"

namespace kx {

// The alpha of normal (opaque) drawing. Blended drawing uses 0 (no change) .. 255 (the colour itself).
inline constexpr int kOpaque = 255;

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  bool Empty() const { return w <= 0 || h <= 0; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// The part of `r` that lies inside `bounds` (an empty rectangle when they do not meet).
Rect Intersect(const Rect& r, const Rect& bounds);

// The allocator of picture buffers: they start on a cache line (64 bytes), so wide stores and copies of
// rows never straddle one more than the row's size makes them, and new elements of plain types are left
// uninitialised when a container grows: a picture reshaped before it is overwritten whole need not be
// filled first.
template <typename T>
struct PixelAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlignment{64};

  PixelAllocator() = default;
  template <typename U>
  PixelAllocator(const PixelAllocator<U>&) noexcept {}
  T* allocate(std::size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlignment)); }
  void deallocate(T* p, std::size_t) noexcept { ::operator delete(p, kAlignment); }
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
  template <typename U>
  friend bool operator==(const PixelAllocator&, const PixelAllocator<U>&) noexcept {
    return true;
  }
};

class Image {
 public:
  Image() = default;
  // A width x height picture filled with `fill`; negative sizes make an empty picture.
  Image(int width, int height, Rgb fill = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ == 0 || height_ == 0; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  // Distance between rows, in pixels and in bytes (for wrapping the buffer).
  int Stride() const { return width_; }
  int StrideBytes() const { return width_ * 4; }

  const std::uint32_t* Data() const { return pixels_.data(); }
  std::uint32_t* Data() { return pixels_.data(); }
  const std::uint32_t* Row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }

  // Changes the size and fills with `fill`. Keeps the buffer when it is large enough, so that a picture
  // recomposed on every mouse move is not reallocated.
  void Reset(int width, int height, Rgb fill = 0);
  // Changes the size without filling: the content is unspecified until drawn (for outputs that are
  // overwritten whole). Keeps the buffer when it is large enough.
  void Reshape(int width, int height);
  void Fill(Rgb colour);

  // The colour at (x, y), 0x00RRGGBB; black outside the picture.
  Rgb Pixel(int x, int y) const;
  // Sets one pixel; does nothing outside the picture.
  void SetPixel(int x, int y, Rgb colour);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Same size and same colours.
  friend bool operator==(const Image& a, const Image& b);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t, PixelAllocator<std::uint32_t>> pixels_;
};

// The stored word for a colour, and the colour of a stored word.
inline constexpr std::uint32_t PackPixel(Rgb colour) { return 0xFF000000u | (colour & 0x00FFFFFFu); }
inline constexpr Rgb UnpackPixel(std::uint32_t word) { return word & 0x00FFFFFFu; }

// Blends `colour` over `under` (both 0x00RRGGBB) with alpha 0..255, rounding each channel to nearest:
// alpha 0 gives `under`, alpha 255 gives `colour`.
Rgb BlendRgb(Rgb under, Rgb colour, int alpha);

// The same for an alpha already in 0..255, on words whose top byte is ignored (the result's is 0), inline
// and without branches so that loops over pixels run several at once. Each channel is
// (c * alpha + u * (255 - alpha) + 127) / 255; red and blue share one word in 16-bit lanes, green has its
// own, and x / 255 is worked out as (x + 1 + x / 256) / 256, exact for every x a lane can hold here.
inline constexpr Rgb BlendChannels(std::uint32_t under, std::uint32_t colour, std::uint32_t alpha) {
  const auto lanes = [alpha](std::uint32_t u, std::uint32_t c) {
    const std::uint32_t x = c * alpha + u * (255 - alpha) + 0x007F007Fu;
    return ((x + 0x00010001u + ((x >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
  };
  return lanes(under & 0xFF00FFu, colour & 0xFF00FFu) | lanes((under >> 8) & 0xFFu, (colour >> 8) & 0xFFu) << 8;
}

// The part of `src` inside `area`, clipped at the picture's borders (so it may be smaller than `area`,
// or empty). The second form writes into `out`, reusing its buffer.
Image Cut(const Image& src, const Rect& area);
void CutInto(const Image& src, const Rect& area, Image& out);

}  // namespace kx
