#pragma once
// The editor: every piece of state the program has, owned by one object. A test makes a fresh App;
// the Qt adapter holds one and mirrors what it shows.

#include <memory>
#include <optional>
#include <string>

#include "app/command_table.h"
#include "app/editor_input.h"
#include "app/file_session.h"
#include "app/window_placement.h"
#include "model/charset_store.h"
#include "model/editing_state.h"
#include "model/palette.h"
#include "model/undo_history.h"
#include "ops/derived_font.h"
#include "ops/glyph_stores.h"
#include "runtime/dialogs.h"
#include "views/gadgets.h"
#include "views/layout.h"
#include "views/tool_selection.h"
#include "views/view_pictures.h"
#include "windows/font_preview.h"
#include "windows/screen_editor.h"

namespace kx {

// Things only the window system can do, asked for by the core and carried out by the adapter after the
// event that asked. Each flag is cleared by whoever acts on it.
struct UiRequests {
  bool focusEditor = false;       // give the keyboard focus back to the editor canvas
  bool quit = false;              // end the event loop (settings are written on the way out)
  bool openScreenEditor = false;
  bool openFontPreview = false;
  bool closeFontPreview = false;
  bool openAbout = false;
  bool handPointer = false;       // held, not a one-shot: the pointer is the hand while it pans the view
};

struct App {
  App();

  CommandTable commands = BuildCommandTable();
  CharsetStore store = MakeStartupStore();
  UndoHistory history;
  GlyphStores glyphStores;  // row memory and the one-glyph clipboard
  EditingState editing;
  FileSession files;  // requester filters and the recent-files list
  Brightness brightness = Brightness::High;
  Palette palette = MakePalette();
  std::string title = kProgramTitle;  // until the first title update
  UiRequests requests;

  // Message boxes, requesters, clipboard and the desktop. Points at a scripted stand-in until the
  // adapter (or a test) plugs in its own.
  Dialogs* dialogs = nullptr;

  WindowPlacement placement;
  ToolColumnState tools;
  StatusBarState status;
  WindowMetrics window;  // the main window's size as last reported
  ViewLayout layout = LayoutViews(window, editing.zoomIndex);
  ViewOptions viewOptions;  // the View menu's options; its ticks show them
  ViewPictures pictures;  // every composed picture the main window shows (app/redraw.h)

  ToolVariantMemory toolMemory;  // the variant each two-variant tool button last used
  EditorInputState input;        // strokes, key latch and panning between events
  FontPreviewState preview;      // the "Preview Auto Creation" window and its picture
  std::string buildDateTime;     // "dd/mm/yyyy, hh:ii:ss", shown in the About window

  // The screen editor while its window is open.
  std::optional<ScreenEditor> screenEditor;

 private:
  std::unique_ptr<ScriptedDialogs> scriptedDialogs_;
};

// Recomputes the window title from the store.
void RefreshTitle(App& app);

// Copies the undo history's enable states into the menu items and the Undo and Redo buttons.
void SyncHistoryControls(App& app);

// The main window changed size: lay the views out again and keep the scroll position inside the new range.
// Here and after the two below, the hover is mapped again from where the pointer last was (FollowPointer).
void ResizeWindow(App& app, const WindowMetrics& window);

// Selects zoom index 0..4 (others are ignored) and re-lays out; the scroll position is kept where it fits.
void SetZoom(App& app, int zoomIndex);

// Moves the editor view to charset pixel (x, y) at its top-left, clamped to the scroll ranges.
void ScrollTo(App& app, int x, int y);

}  // namespace kx
