#pragma once
// What the shell around the views shows, and what the core asks of the window system: the title, the
// tool column and status bar, the window placement, the requests the adapter carries out after an event,
// and the dialogs port through which the core asks the user.

#include <string>

#include "app/recovery.h"
#include "app/window_placement.h"
#include "model/charset_store.h"
#include "runtime/dialogs.h"
#include "views/gadgets.h"

namespace kx {

class ImportDialogs;

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

struct ShellState {
  std::string title = kProgramTitle;  // until the first title update
  ToolColumnState tools;
  StatusBarState status;
  WindowPlacement placement;
  UiRequests requests;
  std::string buildDateTime;  // "dd/mm/yyyy, hh:ii:ss", shown in the About window
  // The folder that holds the executable, where the installed changelog and manual are looked for (see
  // runtime/data_files.h); empty until the adapter sets it.
  std::string programDir;
  // Where names without a folder are taken from: the file requesters' proposals and the picture dumps.
  // Empty: the working folder (see app/settings_location.h).
  std::string startFolder;
  // Message boxes, requesters, clipboard and the desktop. Points at a scripted stand-in until the
  // adapter (or a test) plugs in its own.
  Dialogs* dialogs = nullptr;
  // The import dialogs of programs, binaries, snapshots, projects and font sheets (app/import_dialogs.h);
  // a scripted stand-in that cancels until the adapter (or a test) plugs in its own.
  ImportDialogs* importDialogs = nullptr;
  // This run's recovery copies of unsaved charsets (app/recovery.h); off until the adapter starts it.
  RecoverySession recovery;
};

}  // namespace kx
