#include "views/emulation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace kx {
namespace {

// The per-pixel loops below are plain integer arithmetic that the compiler vectorises; built with GCC for
// x86-64, each is also built for AVX2 and the processor's best version is picked when the program starts.
// Both versions compute the same words. Sanitizer builds keep the one plain version.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define KX_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define KX_VECTOR_CLONES
#endif

// Black blended over the row at the scanline alpha. At a quarter the blend, (v * 191 + 127) / 255, equals
// v - (v + 2) / 4 for every channel value v: a quarter taken away, rounded half up, which works on the
// three channels of a pixel at once without carries.
static_assert(kScanlineAlpha == 64, "the shortcut below holds for a quarter only");
KX_VECTOR_CLONES void DarkenRow(std::uint32_t* row, int count) {
  for (int i = 0; i < count; ++i) {
    const std::uint32_t p = row[i];
    const std::uint32_t quarter = ((p >> 2) & 0x003F3F3Fu) + ((p >> 1) & 0x00010101u);
    row[i] = (p | 0xFF000000u) - quarter;
  }
}

// (a + b + 1) / 2 in every channel at once: no channel can carry into the next.
inline std::uint32_t Average(std::uint32_t a, std::uint32_t b) {
  return 0xFF000000u | ((a | b) - (((a ^ b) & 0x00FEFEFEu) >> 1));
}

// (3a + b + 2) / 4 in every channel; red and blue share one word (10 bits each are enough).
inline std::uint32_t ThreeToOne(std::uint32_t a, std::uint32_t b) {
  const std::uint32_t rb = ((3 * (a & 0xFF00FFu) + (b & 0xFF00FFu) + 0x020002u) >> 2) & 0xFF00FFu;
  const std::uint32_t g = ((3 * (a & 0x00FF00u) + (b & 0x00FF00u) + 0x000200u) >> 2) & 0x00FF00u;
  return 0xFF000000u | rb | g;
}

// (3a + b + 2) / 4 of two opaque bytes: a averaged, rounding up, with (a + b) / 2 rounded down, which
// the compiler can do with byte averages. Opaque alpha bytes stay opaque.
inline std::uint8_t ThreeToOneByte(std::uint8_t a, std::uint8_t b) {
  const auto up = static_cast<std::uint8_t>((a + b + 1) >> 1);
  const auto half = static_cast<std::uint8_t>(up - ((a ^ b) & 1));
  return static_cast<std::uint8_t>((a + half + 1) >> 1);
}

// Each pixel of `out` from a 2x2 square of the rows `top` and `bottom`: across first, then down, each
// rounded, the order in which the smoothing resampler works.
KX_VECTOR_CLONES void HalveRows(const std::uint32_t* top, const std::uint32_t* bottom, int w, std::uint32_t* out) {
  for (int x = 0; x < w; ++x) {
    out[x] = Average(Average(top[2 * x], top[2 * x + 1]), Average(bottom[2 * x], bottom[2 * x + 1]));
  }
}

// out[0] = in[0]; then between neighbours m and m+1 the pixels 3:1 and 1:3; the last pixel repeats.
KX_VECTOR_CLONES void WidenRow(const std::uint32_t* in, int n, std::uint32_t* out) {
  out[0] = in[0];
  for (int m = 0; m + 1 < n; ++m) {
    out[2 * m + 1] = ThreeToOne(in[m], in[m + 1]);
    out[2 * m + 2] = ThreeToOne(in[m + 1], in[m]);
  }
  out[2 * n - 1] = in[n - 1];
}

// ThreeToOne of near[x] and far[x] (both opaque), byte by byte.
KX_VECTOR_CLONES void BlendRows(const std::uint32_t* near, const std::uint32_t* far, int n, std::uint32_t* out) {
  const auto* a = reinterpret_cast<const std::uint8_t*>(near);
  const auto* b = reinterpret_cast<const std::uint8_t*>(far);
  auto* o = reinterpret_cast<std::uint8_t*>(out);
  for (int i = 0; i < 4 * n; ++i) o[i] = ThreeToOneByte(a[i], b[i]);
}

bool SameRow(const Image& img, int a, int b) {
  return std::memcmp(img.Row(a), img.Row(b), static_cast<std::size_t>(img.Width()) * 4) == 0;
}

void CopyRow(const Image& src, int from, Image& out, int to) {
  std::memcpy(out.Row(to), src.Row(from), static_cast<std::size_t>(src.Width()) * 4);
}

// Like EnlargeDoubleSmooth, but into the top-left of an existing picture. The zoomed pictures repeat
// most rows (every charset pixel is a block), so a row equal to its neighbour is copied, not recomputed.
void EnlargeDoubleSmoothInto(const Image& src, Image& wide, Image& out) {
  const int n = src.Height();
  const int w = src.Width() * 2;
  wide.Reshape(w, n);
  for (int y = 0; y < n; ++y) {
    if (y > 0 && SameRow(src, y, y - 1)) {
      CopyRow(wide, y - 1, wide, y);
    } else {
      WidenRow(src.Row(y), src.Width(), wide.Row(y));
    }
  }
  CopyRow(wide, 0, out, 0);
  for (int m = 0; m + 1 < n; ++m) {
    if (SameRow(src, m, m + 1)) {
      CopyRow(wide, m, out, 2 * m + 1);
      CopyRow(wide, m, out, 2 * m + 2);
      continue;
    }
    BlendRows(wide.Row(m), wide.Row(m + 1), w, out.Row(2 * m + 1));
    BlendRows(wide.Row(m + 1), wide.Row(m), w, out.Row(2 * m + 2));
  }
  CopyRow(wide, n - 1, out, 2 * n - 1);
}

// Which rows of the widened half picture make row y of the smooth doubling (n half rows): `near` at
// weight 3, `far` at weight 1. The first and last rows repeat their half row.
void SmoothRowSources(int y, int n, int& near, int& far) {
  if (y == 0 || y >= 2 * n - 1) {
    near = far = y == 0 ? 0 : n - 1;
  } else if (y % 2 == 1) {
    near = (y - 1) / 2;
    far = near + 1;
  } else {
    far = (y - 2) / 2;
    near = far + 1;
  }
}

// Columns x0..x0+count of the smooth doubling's row made of wide rows `near` and `far` (blending a row
// with itself gives it back, so equal rows are copied).
void SmoothRow(const Image& wide, int near, int far, int x0, int count, std::uint32_t* out) {
  if (near == far) {
    std::memcpy(out, wide.Row(near) + x0, static_cast<std::size_t>(count) * 4);
  } else {
    BlendRows(wide.Row(near) + x0, wide.Row(far) + x0, count, out);
  }
}

// Row y of src's pixels, read through `ids` when given.
const std::uint32_t* SourceRow(const Image& src, const RowIds* ids, int y) {
  return src.Row(ids ? (*ids)[static_cast<std::size_t>(y)] : y);
}

// The half picture of src, and which of its rows equal the row above them (`halfIds`: the first row of
// each run of equal rows). With `srcIds` the equal rows of src are known and not compared.
void ShrinkHalf(const Image& src, const RowIds* srcIds, Image& out, RowIds& halfIds) {
  const int w = src.Width() / 2, h = src.Height() / 2;
  out.Reshape(w, h);
  halfIds.resize(static_cast<std::size_t>(h));
  const auto same = [&](int a, int b) {
    return srcIds ? (*srcIds)[static_cast<std::size_t>(a)] == (*srcIds)[static_cast<std::size_t>(b)] : SameRow(src, a, b);
  };
  for (int y = 0; y < h; ++y) {
    if (y > 0 && same(2 * y, 2 * y - 2) && same(2 * y + 1, 2 * y - 1)) {
      halfIds[y] = halfIds[y - 1];
      CopyRow(out, y - 1, out, y);
      continue;
    }
    halfIds[y] = y;
    HalveRows(SourceRow(src, srcIds, 2 * y), SourceRow(src, srcIds, 2 * y + 1), w, out.Row(y));
  }
}

}  // namespace

void DrawScanlines(Image& img, const Rect& area, const Rect& clip) {
  const Rect part = Intersect(Intersect(area, clip), img.Bounds());
  if (part.Empty()) return;
  // The first darkened row inside the clipped part keeps the parity of area.y.
  for (int y = part.y + ((part.y - area.y) & 1); y < part.y + part.h; y += 2) DarkenRow(img.Row(y) + part.x, part.w);
}

void DrawScanlines(Image& img, const Rect& area) { DrawScanlines(img, area, area); }

void ShrinkHalfSmooth(const Image& src, Image& out) {
  RowIds ids;
  ShrinkHalf(src, nullptr, out, ids);
}

void EnlargeDoubleSmooth(const Image& src, Image& wide, Image& out) {
  out.Reshape(src.Width() * 2, src.Height() * 2);
  if (src.Empty()) return;
  EnlargeDoubleSmoothInto(src, wide, out);
}

void ApplyDisplayEmulation(Image& img, const ViewOptions& options, Image& half, Image& halfWide) {
  EmulateInto(img, options, img.Bounds(), half, halfWide, img, 0, 0);
}

void EmulateInto(const Image& src, const ViewOptions& options, const Rect& keep, Image& half, Image& halfWide,
                 Image& out, int outX, int outY, const RowIds* srcIds) {
  const Rect k = Intersect(keep, src.Bounds());
  if (k.Empty()) return;
  const bool blur = (options.crtMain || options.crtEdge) && src.Width() >= 2 && src.Height() >= 2;
  // The doubled half picture covers the even part of src; an odd last row or column stays as it is.
  const int evenW = blur ? src.Width() / 2 * 2 : 0, evenH = blur ? src.Height() / 2 * 2 : 0;
  RowIds halfIds;
  if (blur) ShrinkHalf(src, srcIds, half, halfIds);  // reads src before anything is written (out may be src)
  // The half rows the kept rows are made of. A blurred row is fixed by those half rows and by whether a
  // scanline darkens it; equal half rows count as one, the first of their run at or after `lo`. Such rows
  // are made once and then copied, scanline and all.
  const int lo = std::max(0, k.y / 2 - 1), hi = blur ? std::min(half.Height() - 1, (k.y + k.h) / 2) : -1;
  const auto first = [&](int r) { return std::max(halfIds[static_cast<std::size_t>(r)], lo); };
  if (blur && options.crtMain) {  // only the rows that stand for their run are widened
    halfWide.Reshape(2 * half.Width(), half.Height());
    for (int r = lo; r <= hi; ++r) {
      if (first(r) == r) WidenRow(half.Row(r), half.Width(), halfWide.Row(r));
    }
  }
  const int blurW = std::clamp(evenW - k.x, 0, k.w);
  struct MadeRow {
    int near = -1, far = -1, y = -1;
  };
  std::array<MadeRow, 2> made;  // the last row made of each kind: plain, darkened
  for (int y = k.y; y < k.y + k.h; ++y) {
    std::uint32_t* o = out.Row(outY + y - k.y) + outX;
    const bool dark = options.scanlines && y % 2 == 0;
    if (y < evenH && blurW > 0) {
      int near = y / 2, far = y / 2;
      if (options.crtMain) SmoothRowSources(y, half.Height(), near, far);
      near = first(near);
      far = first(far);
      MadeRow& last = made[dark ? 1 : 0];
      if (blurW == k.w && last.y >= 0 && last.near == near && last.far == far) {
        std::memcpy(o, out.Row(outY + last.y - k.y) + outX, static_cast<std::size_t>(k.w) * 4);
        continue;
      }
      if (blurW == k.w) last = {near, far, y};
      if (options.crtMain) {
        SmoothRow(halfWide, near, far, k.x, blurW, o);
      } else {
        const std::uint32_t* in = half.Row(near);
        for (int x = 0; x < blurW; ++x) o[x] = in[(k.x + x) / 2];
      }
    }
    const int plainFrom = y < evenH ? blurW : 0;
    if (plainFrom < k.w) {  // memmove: in place this copies a pixel onto itself
      std::memmove(o + plainFrom, SourceRow(src, srcIds, y) + k.x + plainFrom,
                   static_cast<std::size_t>(k.w - plainFrom) * 4);
    }
    if (dark) DarkenRow(o, k.w);
  }
}

}  // namespace kx
