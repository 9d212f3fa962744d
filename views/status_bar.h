#pragma once
// The status bar's glyph fields: the number of the glyph under the mouse and its ROM picture, and over a
// multicolour glyph the multicolour pixel under the mouse with its bit pair.

#include "model/charset_store.h"
#include "model/editing_state.h"
#include "views/gadgets.h"

namespace kx {

// With nothing hovered: "CHAR NUMBER:  ---" in field 0 and "---" in fields 1 and 2. With a hovered glyph n:
// "CHAR NUMBER: 065", "$41" and ROM glyph n, whether or not a glyph selection exists (the selection is
// outlined in the views). Field 3 is the swap's. The pixel field reads "PIXEL x,y  PAIR bb" over a multicolour
// glyph of `store` (x 0-3 from the left, y 0-7 from the top, bb the pair's two bits) and is empty otherwise.
void UpdateStatusBar(StatusBarState& status, const EditingState& editing, const CharsetStore& store);

}  // namespace kx
