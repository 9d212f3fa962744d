#pragma once
// The editor: every piece of state the program has, owned by one object. A test makes a fresh App;
// the Qt adapter holds one and mirrors what it shows.

#include <string>

#include "app/window_placement.h"
#include "model/charset_store.h"
#include "model/editing_state.h"
#include "model/palette.h"
#include "model/undo_history.h"
#include "views/gadgets.h"
#include "views/layout.h"

namespace kx {

struct App {
  CharsetStore store = MakeStartupStore();
  UndoHistory history;
  EditingState editing;
  Palette palette = MakePalette();
  std::string title = kProgramTitle;  // until the first title update
  WindowPlacement placement;
  ToolColumnState tools;
  StatusBarState status;
  WindowMetrics window;  // the main window's size as last reported
  ViewLayout layout = LayoutViews(window, editing.zoomIndex);
};

// Recomputes the window title from the store.
void RefreshTitle(App& app);

// The main window changed size: lay the views out again and keep the scroll position inside the new range.
void ResizeWindow(App& app, const WindowMetrics& window);

// Selects zoom index 0..4 (others are ignored) and re-lays out; the scroll position is kept where it fits.
void SetZoom(App& app, int zoomIndex);

// Moves the editor view to charset pixel (x, y) at its top-left, clamped to the scroll ranges.
void ScrollTo(App& app, int x, int y);

// Asked before the program ends (close box, Quit); true lets it end.
bool RequestQuit(App& app);

}  // namespace kx
