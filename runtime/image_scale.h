#pragma once
// Resizing pictures. Nearest-neighbour keeps hard pixel edges (zoomed views, the 2x dumps); the smoothing
// resampler averages (memory pane, preview, display emulation, image import).
//
// A target size of 0 or less gives an empty picture, as does an empty source.

#include "runtime/image.h"

namespace kx {

// Nearest-neighbour: target pixel (x, y) takes source pixel (x * srcW / w, y * srcH / h). Enlarging by
// a whole factor f turns every source pixel into an f x f block. The second form writes into `out`
// (which must not be `src`), reusing its buffer: no allocation once `out` has been large enough.
Image ScaleNearest(const Image& src, int width, int height);
void ScaleNearestInto(const Image& src, int width, int height, Image& out);

// Smoothing, each axis on its own: when an axis shrinks (or keeps its size), every target pixel is the
// area-weighted average of the source pixels it covers, so a block of one colour shrinks to exactly that
// colour; when it grows, target pixels interpolate linearly between the two nearest source pixel
// centres (edges repeat the border pixel). Channels are rounded to nearest.
Image ScaleSmooth(const Image& src, int width, int height);
void ScaleSmoothInto(const Image& src, int width, int height, Image& out);

}  // namespace kx
