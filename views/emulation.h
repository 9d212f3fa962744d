#pragma once
// The television look of the editor: darkened alternate lines and two blur passes. They change only what
// is shown, never the charset.

#include <vector>

#include "runtime/image.h"
#include "views/view_pictures.h"

namespace kx {

// For each row of a picture, the row that holds its pixels: a row known to equal an earlier one names that
// row and need not hold the pixels itself; any other row names itself. Rows with equal entries are equal;
// rows may be equal without being known so.
using RowIds = std::vector<int>;

// How far the blur passes carry a pixel: a pixel's result depends on the pixels up to this far away.
inline constexpr int kBlurReach = 2;

// The scanline colour is black, blended at this alpha.
inline constexpr int kScanlineAlpha = 64;

// Darkens the rows area.y, area.y + 2, area.y + 4, ... inside `area` (clipped to the picture) with the
// scanline colour.
void DrawScanlines(Image& img, const Rect& area);
// The same, touching only the pixels inside `clip`: a part of the picture redrawn on its own gets the
// rows the whole drawing would give it.
void DrawScanlines(Image& img, const Rect& area, const Rect& clip);

// The blur passes chosen by the options, then the scanlines, applied to the whole picture in place.
// "main" halves the picture with the smoothing resampler and enlarges it back smoothly; "edge" halves it
// the same way and enlarges it by doubling pixels. Both together run the edge passes and then the main
// ones; halving a pixel-doubled picture gives back exactly the half picture, so that sequence ends as the
// main passes alone do. Width and height should be even (the editor's zoom picture always is); an odd last
// row or column is left as it is. `half` and `halfWide` are work buffers reused between calls.
void ApplyDisplayEmulation(Image& img, const ViewOptions& options, Image& half, Image& halfWide);

// The same passes on `src` as a whole, but only the part `keep` of the result (src coordinates) is
// written, into `out` with keep's top-left corner at (outX, outY); `out` must hold it. The scanlines fall
// on the even rows of `src`. Pixels at least two away from src's borders come out as they would in any
// larger picture around src whose pixel pairs start at the same parity, which is what lets a changed
// region be redone with a margin instead of the whole picture.
// `srcIds`, when given, tells which row of src holds each row's pixels and which rows are equal (RowIds),
// so rows are read through it and not compared.
void EmulateInto(const Image& src, const ViewOptions& options, const Rect& keep, Image& half, Image& halfWide,
                 Image& out, int outX, int outY, const RowIds* srcIds = nullptr);

// The halving and the smooth doubling used above, the same as ScaleSmooth at 1:2 and 2:1.
void ShrinkHalfSmooth(const Image& src, Image& out);
void EnlargeDoubleSmooth(const Image& src, Image& wide, Image& out);

}  // namespace kx
