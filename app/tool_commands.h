#pragma once
// Tool selection from the menus. A menu choice presses the tool's button directly, with the icon and
// tooltip of the chosen variant; unlike a click on the button it never flips to the other variant and
// leaves the variant the button remembers alone.

#include <string_view>

#include "model/editing_state.h"

namespace kx {

struct App;

// Releases every tool button of the tool column (the push buttons are never pressed).
void ReleaseToolButtons(App& app);

// Releases the other buttons, presses the button that holds `tool` showing the tool's icon, gives it
// `tooltip` unless that is empty, and makes `tool` the current tool. A tool no button holds is set with
// every button released.
void SelectButtonTool(App& app, Tool tool, std::string_view tooltip = {});

// The per-glyph tools no button shows (ROM restore and the text styles): every button released.
void SelectButtonlessTool(App& app, Tool tool);

// Enables the Paste item and the paste button; nothing disables them again.
void EnableGlyphPaste(App& app);

}  // namespace kx
