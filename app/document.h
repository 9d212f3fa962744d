#pragma once
// The document: what the user edits and keeps. The two charsets with their names and flags, the undo
// history, the row memory and glyph clipboard, and the file session (remembered filters, recent files).

#include "app/file_session.h"
#include "model/charset_store.h"
#include "model/undo_history.h"
#include "ops/glyph_stores.h"

namespace kx {

struct Document {
  CharsetStore store = MakeStartupStore();
  UndoHistory history;
  GlyphStores glyphStores;  // row memory and the one-glyph clipboard
  FileSession files;        // requester filters and the recent-files list
};

}  // namespace kx
