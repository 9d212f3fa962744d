#pragma once
// The frame every menu command that changes the editor charset runs in: an undo snapshot that drops the
// redo entries before the change, then the redraw, the modified flag and the title after it.

#include "app/app.h"
#include "model/charset.h"
#include "model/editing_state.h"

namespace kx {

// Snapshot of the editor charset (redo entries are discarded) and the history controls brought up to date.
void BeginEdit(App& app);

// The charset changed: redraw the views that show it, mark it modified and update the title.
void EndEdit(App& app);

// The operation scope that covers all 32 glyphs of the glyph rows firstRow..lastRow (0..7).
constexpr OperationScope RowScope(int firstRow, int lastRow) {
  return {0, kGlyphsPerRow - 1, firstRow, lastRow};
}

// BeginEdit, set the scope, run `edit`, EndEdit.
template <class Edit>
void RunEditFrame(App& app, const OperationScope& scope, Edit&& edit) {
  BeginEdit(app);
  app.editing.scope = scope;
  edit();
  EndEdit(app);
}

}  // namespace kx
