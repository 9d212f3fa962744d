#pragma once
// Tool selection from the menus, on top of the tool column's own selection rules.

#include <string_view>

#include "model/editing_state.h"
#include "views/gadgets.h"

namespace kx {

struct App;

// A menu choice of one variant ("Draw Dotted", "Filled", an Individual Chars item): the button holding
// `tool` is pressed with that variant's icon, the others released, and the remembered variant left alone.
// A non-empty `tooltip` replaces the variant's own.
void SelectButtonTool(App& app, Tool tool, std::string_view tooltip = {});

// The per-glyph tools no button shows (ROM restore and the text styles): every button released.
void SelectButtonlessTool(App& app, Tool tool);

// A menu item that acts exactly as a click on its tool button ("Line Draw", "Fill Char", "Copy", …).
void ClickToolButton(App& app, GadgetId button);

// Enables the Paste item and the paste button; nothing disables them again.
void EnableGlyphPaste(App& app);

// The Cut item: Paste becomes available at once, then the cut tool is chosen as by its button.
void ChooseCut(App& app);

}  // namespace kx
