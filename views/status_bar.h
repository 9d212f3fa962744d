#pragma once
// The status bar's glyph fields: the number of the glyph under the mouse and its ROM picture.

#include "model/editing_state.h"
#include "views/gadgets.h"

namespace kx {

// With nothing hovered: "---" in fields 1 and 2, and "CHAR NUMBER:  ---" in field 0 unless a selection
// exists. With a hovered glyph n and no selection: "CHAR NUMBER: 065", "$41" and ROM glyph n. While a
// selection exists a hovered glyph leaves the fields as they are. Field 3 is the swap's.
void UpdateStatusBar(StatusBarState& status, const EditingState& editing);

}  // namespace kx
