#pragma once
// The status bar's glyph fields: the number of the glyph under the mouse and its ROM picture.

#include "model/editing_state.h"
#include "views/gadgets.h"

namespace kx {

// With nothing hovered: "CHAR NUMBER:  ---" in field 0 and "---" in fields 1 and 2. With a hovered glyph n:
// "CHAR NUMBER: 065", "$41" and ROM glyph n, whether or not a glyph selection exists (the selection is
// outlined in the views). Field 3 is the swap's.
void UpdateStatusBar(StatusBarState& status, const EditingState& editing);

}  // namespace kx
