#pragma once
// The television look of the editor: darkened alternate lines and two blur passes. They change only what
// is shown, never the charset.

#include "runtime/image.h"
#include "views/view_pictures.h"

namespace kx {

// The scanline colour is black, blended at this alpha.
inline constexpr int kScanlineAlpha = 64;

// Darkens the rows area.y, area.y + 2, area.y + 4, ... inside `area` (clipped to the picture) with the
// scanline colour.
void DrawScanlines(Image& img, const Rect& area);

// The blur passes chosen by the options, then the scanlines, applied to the whole picture in place.
// "main" halves the picture with the smoothing resampler and enlarges it back smoothly; "edge" halves it
// the same way and enlarges it by doubling pixels. Both together run the edge passes and then the main
// ones; halving a pixel-doubled picture gives back exactly the half picture, so that sequence ends as the
// main passes alone do. Width and height should be even (the editor's zoom picture always is); an odd last
// row or column is left as it is. `half` and `halfWide` are work buffers reused between calls.
void ApplyDisplayEmulation(Image& img, const ViewOptions& options, Image& half, Image& halfWide);

// The halving and the smooth doubling used above, the same as ScaleSmooth at 1:2 and 2:1.
void ShrinkHalfSmooth(const Image& src, Image& out);
void EnlargeDoubleSmooth(const Image& src, Image& wide, Image& out);

}  // namespace kx
