#pragma once
// The white-on-black rulers around the screen editor's screen: the column numbers 00..39 above and below
// it (tens over units, one 16-pixel column each), the row numbers 00..24 to its left and right, and a
// tick at every cell boundary on the side facing the screen. The digits are the ROM glyphs.

#include "runtime/image.h"
#include "windows/screen_editor_layout.h"

namespace kx {

// The ruler picture for one side, of the size kRulers gives for that side.
Image RulerPicture(RulerSide side);

}  // namespace kx
