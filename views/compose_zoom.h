#pragma once
// The enlarged, gridded picture of the charset that the editor view is cut from, composed row by row.
//
// The zoom picture is the char-aligned cut of the charset image at (cutX, cutY), every charset pixel a
// block x block square; grid lines lie on the multiples of the block (pixel grid) and of eight blocks (char
// grid) in its coordinates. Any part of it can be composed on its own, so the editor view is built
// straight from the charset image when no blur pass needs the picture around it.

#include "runtime/image.h"
#include "views/emulation.h"

namespace kx {

struct ZoomGeometry {
  int cutX = 0;  // charset pixel at the zoom picture's origin, a multiple of 8
  int cutY = 0;
  int cutW = 0;  // charset pixels in the cut, clipped at the charset's border
  int cutH = 0;
  int block = 8;
  Rect Bounds() const { return {0, 0, cutW * block, cutH * block}; }
};

// The zoom picture behind an editor view of viewW x viewH screen pixels scrolled to (scrollX, scrollY),
// and where the view lies in it.
ZoomGeometry ZoomFor(int scrollX, int scrollY, int viewW, int viewH, int block);
Rect VisiblePart(const ZoomGeometry& zoom, int scrollX, int scrollY, int viewW, int viewH);

inline constexpr Rgb kPixelGridColour = 0x202020;
inline constexpr Rgb kCharGridColour = 0x404040;

struct GridLines {
  bool pixel = false;
  bool chars = false;
};

enum class ScanlineOrder { None, BeforeGrids, AfterGrids };

// Composes `area` (zoom picture coordinates, inside zoom.Bounds()) into `out`, which takes the area's
// size: the enlarged charset pixels, the grids, and the scanlines on the even rows of the zoom picture
// either under or over the grids. Rows that come out the same are copied, not recomposed.
// With `ids`, a row that would be a copy of an earlier one is left unwritten, and `ids` says which row
// holds each row's pixels (RowIds).
void ComposeZoomArea(const Image& charset, const ZoomGeometry& zoom, const Rect& area, GridLines grids,
                     ScanlineOrder scanlines, Image& out, RowIds* ids = nullptr);
// The same into a picture that already holds it, with the area's top-left corner at (outX, outY): a
// part of the editor view recomposed in place.
void ComposeZoomAreaAt(const Image& charset, const ZoomGeometry& zoom, const Rect& area, GridLines grids,
                       ScanlineOrder scanlines, Image& out, int outX, int outY);

// Draws the grids over the part `clip` of a picture whose pixel (0, 0) is the zoom picture's pixel
// (originX, originY).
void DrawGridLines(Image& img, const Rect& clip, const ZoomGeometry& zoom, int originX, int originY,
                   GridLines grids);

}  // namespace kx
