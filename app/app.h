#pragma once
// The editor: every piece of state the program has, owned by one object. A test makes a fresh App;
// the Qt adapter holds one and mirrors what it shows.

#include <string>

#include "model/charset_store.h"
#include "model/editing_state.h"
#include "model/palette.h"
#include "model/undo_history.h"

namespace kx {

struct App {
  CharsetStore store = MakeStartupStore();
  UndoHistory history;
  EditingState editing;
  Palette palette = MakePalette();
  std::string title = kProgramTitle;  // until the first title update
};

// Recomputes the window title from the store.
void RefreshTitle(App& app);

}  // namespace kx
