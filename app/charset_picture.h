#pragma once
// The 256x64 picture of the editor charset that the dumps read and the image import draws over.

#include "runtime/image.h"

namespace kx {

struct App;

// The views' charset image: the editor charset one pixel per glyph pixel, set pixels in their glyph's ink,
// clear pixels in the paper colour. Never carries the display emulation.
const Image& CharsetPicture(const App& app);

}  // namespace kx
