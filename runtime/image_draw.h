#pragma once
// Drawing into an Image. Every function clips to the picture, so coordinates may lie partly or wholly
// outside it. `alpha` selects the mode: kOpaque (255) draws normally, 0..254 blends the colour over what
// is there (0 leaves it unchanged). Each pixel is touched at most once per call, so a blended shape has
// one even tone (outline corners and line ends are not blended twice).

#include "runtime/image.h"

namespace kx {

// A filled box covering `box`.
void FillBox(Image& img, const Rect& box, Rgb colour, int alpha = kOpaque);

// A 1-pixel outline along the inside edge of `box`: rows box.y and box.y + box.h - 1, columns box.x and
// box.x + box.w - 1.
void DrawOutline(Image& img, const Rect& box, Rgb colour, int alpha = kOpaque);

// A 1-pixel line from (x0, y0) to (x1, y1), both ends included.
void DrawLine(Image& img, int x0, int y0, int x1, int y1, Rgb colour, int alpha = kOpaque);

// A filled disc: every pixel whose centre offset (dx, dy) from (cx, cy) has dx*dx + dy*dy <= r*r.
void FillCircle(Image& img, int cx, int cy, int radius, Rgb colour, int alpha = kOpaque);

// Draws `src` with its top-left corner at (x, y). The second form draws only the part `from` of `src`
// (clipped to `src`), with that part's top-left corner at (x, y): a block cut and pasted in one step.
void DrawImage(Image& img, const Image& src, int x, int y, int alpha = kOpaque);
void DrawImage(Image& img, const Image& src, const Rect& from, int x, int y, int alpha = kOpaque);

}  // namespace kx
