#pragma once
// Clicks in the editor view, as the mouse would make them, for tests that run the glyph tools.

#include "app/editor_input.h"
#include "model/charset.h"

namespace kx::testing_clicks {

// A left press and release at (x, y) of the editor view.
inline void ClickAt(App& app, int x, int y) {
  MouseEvent e;
  e.x = x;
  e.y = y;
  e.action = MouseAction::Down;
  e.button = MouseButton::Left;
  e.leftHeld = true;
  OnEditorMouse(app, e);
  e.action = MouseAction::Up;
  e.leftHeld = false;
  OnEditorMouse(app, e);
}

// A left click on glyph n in the editor view at the start zoom and scroll (8 screen pixels a charset
// pixel); only the glyphs the start view shows can be clicked.
inline void ClickGlyph(App& app, int n) {
  ClickAt(app, (n % kGlyphsPerRow * 8 + 3) * 8 + 4, (n / kGlyphsPerRow * 8 + 2) * 8 + 4);
}

}  // namespace kx::testing_clicks
