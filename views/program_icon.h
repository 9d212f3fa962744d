#pragma once
// The program's icon: the logo's kestrel on a C64 screen tile, for the window system and the desktop.

#include <array>

#include "views/icons.h"

namespace kx {

// The square sizes the desktop's icon theme gets, in pixels.
inline constexpr std::array<int, 9> kProgramIconSizes = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// A size x size picture of the scalable icon's shape: a tile with rounded corners, transparent (0) around
// it, a light blue frame round the dark blue screen and the kestrel in its middle, every art pixel a whole
// block of pixels (nearest neighbour, no blending), as large as fits.
Picture ProgramIconPicture(int size);

// The smallest rectangle that holds every opaque (non-zero) pixel of `p`.
Picture CroppedToArt(const Picture& p);

}  // namespace kx
