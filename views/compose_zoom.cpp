#include "views/compose_zoom.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/charset.h"
#include "views/emulation.h"

namespace kx {
namespace {

constexpr std::uint32_t kPixelGridWord = PackPixel(kPixelGridColour);
constexpr std::uint32_t kCharGridWord = PackPixel(kCharGridColour);

// Sets the pixels of a row segment that lie on multiples of `spacing` (zoom x of row[0] is x0).
void MarkColumns(std::uint32_t* row, int x0, int count, int spacing, std::uint32_t word) {
  for (int x = (spacing - x0 % spacing) % spacing; x < count; x += spacing) row[x] = word;
}

// The grid lines of one row segment at zoom row `zy`: the pixel grid first, the char grid over it. With
// `pixelColumnsDone` the pixel grid's columns are already there (EnlargeRow drew them with the pixels).
void GridRow(std::uint32_t* row, int x0, int count, int zy, int block, GridLines grids,
             bool pixelColumnsDone = false) {
  if (grids.chars && zy % (8 * block) == 0) {  // a char grid line hides everything under it
    std::fill_n(row, count, kCharGridWord);
    return;
  }
  if (grids.pixel && zy % block == 0) {
    std::fill_n(row, count, kPixelGridWord);
  } else if (grids.pixel && !pixelColumnsDone) {
    MarkColumns(row, x0, count, block, kPixelGridWord);
  }
  if (grids.chars) MarkColumns(row, x0, count, 8 * block, kCharGridWord);
}

// Runs of `block` copies of src[0], src[1], ... filling out[0, count), each starting on a block boundary;
// with `lead`, the first pixel of each run is *lead instead (a pixel grid column). A block size known when
// compiling makes each run a few wide stores instead of a call.
template <int kBlock>
void FillRuns(const std::uint32_t* src, int count, std::uint32_t* out, const std::uint32_t* lead) {
  int x = 0;
  for (; x + kBlock <= count; x += kBlock) {
    std::fill_n(out + x, kBlock, *src++);
    if (lead) out[x] = *lead;
  }
  if (x < count) {
    std::fill_n(out + x, count - x, *src);
    if (lead) out[x] = *lead;
  }
}

void FillRuns(const std::uint32_t* src, int count, int block, std::uint32_t* out, const std::uint32_t* lead) {
  switch (block) {
    case 4: return FillRuns<4>(src, count, out, lead);
    case 8: return FillRuns<8>(src, count, out, lead);
    default:
      for (int x = 0; x < count; x += block) {
        std::fill_n(out + x, std::min(block, count - x), *src++);
        if (lead) out[x] = *lead;
      }
  }
}

// The charset row `src` enlarged: zoom x of out[0] is x0. With `lead`, the pixels on block boundaries are
// *lead (the pixel grid's columns).
void EnlargeRow(const std::uint32_t* src, int x0, int count, int block, std::uint32_t* out,
                const std::uint32_t* lead) {
  const int column = x0 / block;
  const int first = std::min(block - x0 % block, count);  // the cut-off run at the left edge
  std::fill_n(out, first, src[column]);
  if (lead && x0 % block == 0) out[0] = *lead;
  FillRuns(src + column + 1, count - first, block, out + first, lead);
}

}  // namespace

ZoomGeometry ZoomFor(int scrollX, int scrollY, int viewW, int viewH, int block) {
  ZoomGeometry z;
  z.block = block;
  z.cutX = std::clamp(scrollX / 8 * 8, 0, kCharsetWidth);
  z.cutY = std::clamp(scrollY / 8 * 8, 0, kCharsetHeight);
  z.cutW = std::min(viewW / block + 8, kCharsetWidth - z.cutX);
  z.cutH = std::min(viewH / block + 8, kCharsetHeight - z.cutY);
  return z;
}

Rect VisiblePart(const ZoomGeometry& zoom, int scrollX, int scrollY, int viewW, int viewH) {
  return {(scrollX - zoom.cutX) * zoom.block, (scrollY - zoom.cutY) * zoom.block, viewW, viewH};
}

namespace {

// ComposeZoomAreaAt; with `ids`, rows that would be copies are not written and `ids` names their source.
void ComposeRows(const Image& charset, const ZoomGeometry& zoom, const Rect& area, GridLines grids,
                 ScanlineOrder scanlines, Image& out, int outX, int outY, RowIds* ids) {
  const Rect part = Intersect(area, zoom.Bounds());
  if (ids) ids->resize(static_cast<std::size_t>(std::max(0, part.h)));
  if (part.Empty()) return;
  outX += part.x - area.x;
  outY += part.y - area.y;
  const int block = zoom.block;
  const std::size_t rowBytes = static_cast<std::size_t>(part.w) * 4;
  // Within one band of `block` rows, a row is fixed by whether it is the band's first row (where
  // horizontal grid lines lie) and by its parity (scanlines): the first row of each kind is composed,
  // the others copy it.
  int band = -1;
  std::array<int, 4> made{};
  for (int y = 0; y < part.h; ++y) {
    const int zy = part.y + y;
    if (zy / block != band) {
      band = zy / block;
      made.fill(-1);
    }
    const bool even = zy % 2 == 0;
    const bool bandStart = zy % block == 0;
    const int kind = (bandStart ? 2 : 0) + (even && scanlines != ScanlineOrder::None ? 1 : 0);
    std::uint32_t* row = out.Row(outY + y) + outX;
    if (made[kind] >= 0) {
      if (ids) {
        (*ids)[static_cast<std::size_t>(y)] = made[kind];
      } else {
        std::memcpy(row, out.Row(outY + made[kind]) + outX, rowBytes);
      }
      continue;
    }
    made[kind] = y;
    if (ids) (*ids)[static_cast<std::size_t>(y)] = y;
    // A horizontal grid line covers the whole row; otherwise the row starts as enlarged charset pixels.
    const bool lineRow = bandStart && (grids.pixel || (grids.chars && zy % (8 * block) == 0));
    // The pixel grid's columns come with the pixels, unless scanlines darken the pixels first.
    const bool columnsWithPixels = grids.pixel && !(scanlines == ScanlineOrder::BeforeGrids && even);
    if (!lineRow) {
      EnlargeRow(charset.Row(zoom.cutY + band) + zoom.cutX, part.x, part.w, block, row,
                 columnsWithPixels ? &kPixelGridWord : nullptr);
    }
    const Rect rowArea{outX, outY + y, part.w, 1};
    if (scanlines == ScanlineOrder::BeforeGrids && even) DrawScanlines(out, rowArea);
    GridRow(row, part.x, part.w, zy, block, grids, columnsWithPixels);
    if (scanlines == ScanlineOrder::AfterGrids && even) DrawScanlines(out, rowArea);
  }
}

}  // namespace

void ComposeZoomArea(const Image& charset, const ZoomGeometry& zoom, const Rect& area, GridLines grids,
                     ScanlineOrder scanlines, Image& out, RowIds* ids) {
  const Rect part = Intersect(area, zoom.Bounds());
  out.Reshape(part.w, part.h);
  ComposeRows(charset, zoom, part, grids, scanlines, out, 0, 0, ids);
}

void ComposeZoomAreaAt(const Image& charset, const ZoomGeometry& zoom, const Rect& area, GridLines grids,
                       ScanlineOrder scanlines, Image& out, int outX, int outY) {
  ComposeRows(charset, zoom, area, grids, scanlines, out, outX, outY, nullptr);
}

void DrawGridLines(Image& img, const Rect& clip, const ZoomGeometry& zoom, int originX, int originY,
                   GridLines grids) {
  const Rect part = Intersect(clip, img.Bounds());
  for (int y = part.y; y < part.y + part.h; ++y) {
    GridRow(img.Row(y) + part.x, originX + part.x, part.w, originY + y, zoom.block, grids);
  }
}

}  // namespace kx
