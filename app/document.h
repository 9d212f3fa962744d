#pragma once
// The document: what the user edits and keeps. The two charsets with their names and flags, each
// charset's undo history, the row memory and glyph clipboard, and the file session (remembered filters,
// recent files).

#include <utility>

#include "app/file_session.h"
#include "model/charset_store.h"
#include "model/undo_history.h"
#include "ops/glyph_stores.h"

namespace kx {

struct Document {
  CharsetStore store = MakeStartupStore();
  // Each charset has its own undo and redo steps: `history` is the editor charset's (the Edit menu and the
  // Undo and Redo buttons follow it), `memoryHistory` the memory charset's.
  UndoHistory history;
  UndoHistory memoryHistory;
  GlyphStores glyphStores;  // row memory and the one-glyph clipboard
  FileSession files;        // requester filters and the recent-files list
};

// Exchanges the editor charset with the one in memory, each with its flags and its undo history, so that
// an undo only ever brings back a state of the charset it was taken from.
inline void SwapCharsets(Document& doc) {
  SwapCharsets(doc.store);
  std::swap(doc.history, doc.memoryHistory);
}

}  // namespace kx
