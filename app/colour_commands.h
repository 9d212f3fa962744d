#pragma once
// The commands that change how the editor charset is shown: its display mode, its colour registers and
// the ink of a glyph. Each is an undoable edit of the charset.

#include "model/charset_colours.h"
#include "views/input_events.h"

namespace kx {

struct App;

// Switches the display mode; nothing (and no undo step) when the charset already has it.
void SetDisplayMode(App& app, DisplayMode mode);

// The colours dialog for the registers and the glyphs' inks, opening on the ink of the glyph under the
// pointer (the one last pointed at); the user may pick any other glyph's. What it confirms is one undo step.
// Cancelling, confirming unchanged values or a colour outside 0-15 changes nothing.
void EditCharsetColours(App& app);

// The pane's M key in multicolour mode: flips the multicolour bit of the glyph's ink (or of every glyph of
// the selection), so that it is drawn as multicolour pixels or hi-res ones.
void ToggleMulticolourGlyph(App& app, int glyph);

// The bit pair (0-3) the button's pen draws in multicolour glyphs.
void ChoosePenPair(App& app, MouseButton button, int pair);
int PenPairOf(const App& app, MouseButton button);

}  // namespace kx
