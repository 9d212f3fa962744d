#pragma once
// The built-in pixel-art pictures made for screens that show more than one device pixel per logical
// pixel: enlarged by whole factors only, so every picture pixel stays a square block of one colour.

#include "views/icons.h"

namespace kx {

// Device pixels that cover `logical` pixels at `ratio` device pixels per logical pixel (rounded up; a ratio
// below 1 counts as 1).
int DeviceExtent(int logical, double ratio);

// The largest whole factor by which a picture still fits the device pixels of its logical size (at least 1).
int WholeFactor(double ratio);

// `picture` for a screen of `ratio`: DeviceExtent of its width and height, the picture enlarged by
// WholeFactor(ratio) with nearest-neighbour and centred, the border around it transparent (alpha 0).
Picture CrispPicture(const Picture& picture, double ratio);

}  // namespace kx
