#pragma once
// The editor: every piece of state the program has, owned by one object. A test makes a fresh App;
// the Qt adapter holds one and shows what it says.

#include <memory>

#include "app/command_table.h"
#include "app/document.h"
#include "app/import_dialogs.h"
#include "app/shell_state.h"
#include "app/view_session.h"

namespace kx {

// The editor in three parts: the document the user edits, the view session that looks at it, and the
// shell that shows both. Functions take the part they read or write; the command table's handlers take
// the App because a command may touch all three.
struct App {
  App();

  CommandTable commands = BuildCommandTable();
  Document doc;
  ViewSession view;
  ShellState shell;

 private:
  // The ports the shell starts with, which show nothing; the program and the tests plug in their own.
  std::unique_ptr<QuietDialogs> quietDialogs_;
  std::unique_ptr<QuietImportDialogs> quietImportDialogs_;
};

// Recomputes the window title from the store.
void RefreshTitle(App& app);

// The main window changed size (an event of its own): lay the views out again and keep the scroll position
// inside the new range. Here and after the scroll and zoom changes below, the hover is mapped again from
// where the pointer last was (FollowPointer).
void ResizeWindow(App& app, const WindowMetrics& window);

// The scroll bars moved, or the zoom box was used: events of their own, finished like any other.
void OnScrollBars(App& app, int x, int y);
void OnZoomChosen(App& app, int zoomIndex);

// Selects zoom index 0..4 (others are ignored) and re-lays out; the scroll position is kept where it fits.
void SetZoom(App& app, int zoomIndex);

// Moves the editor view to charset pixel (x, y) at its top-left, clamped to the scroll ranges.
void ScrollTo(App& app, int x, int y);

}  // namespace kx
