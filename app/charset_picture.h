#pragma once
// The 256x64 picture of the editor charset that the dumps read and the image import draws over.

#include "runtime/image.h"

namespace kx {

struct App;

// The editor charset drawn one pixel per glyph pixel: set pixels in their glyph's ink, clear pixels in the
// paper colour. Never carries the display emulation.
Image CharsetPicture(const App& app);

}  // namespace kx
