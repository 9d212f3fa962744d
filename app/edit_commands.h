#pragma once
// The commands that change the editor charset, and the frame they run in: an undo snapshot that drops the
// redo entries before the change, then the redraw, the modified flag and the title after it.

#include "app/app.h"
#include "app/transform_families.h"
#include "model/charset.h"
#include "model/editing_state.h"
#include "ops/batch.h"
#include "ops/derived_font.h"
#include "ops/scope.h"

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
  app.view.editing.scope = scope;
  edit();
  EndEdit(app);
}

// "Swap Charset1 <> Charset2": the swap button, the memory pane, command 332 and the J key all run this.
// The picture of the leaving charset goes to the memory pane, the bytes and each charset's flags change
// places, the swap button and status field 3 name the charset now in the editor, and the views and title
// are redrawn. Each charset's undo history goes with it; a stroke still being drawn ends.
void RunSwap(App& app);

// Undo and Redo restore a snapshot of the editor charset and redraw; Clear Undo/Redo History empties both
// stacks of the editor charset's history (the memory charset keeps its own).
void RunUndo(App& app);
void RunRedo(App& app);
void RunClearHistory(App& app);

// A transform family item: the Individual item picks the per-glyph tool, the others transform their rows
// under one snapshot, however many rows they walk.
void RunFamilyCommand(App& app, const FamilyCommand& command);

void RunHalfCopy(App& app, HalfCopy direction);
// Glyph row `row` (0..7) into the row memory. Copying changes no glyph, yet counts as an unsaved change;
// only row 0 snapshots first.
void RunCopyRowToMemory(App& app, int row);
void RunPasteRowFromMemory(App& app, int row);
// Erase, reverse and ROM restore over a byte range of whole glyph rows.
void RunByteOperation(App& app, ByteOperation operation, ByteRange range);
void RunSlideNoWrap(App& app, SlideDirection direction);
void RunCompress(App& app);
// Restores nothing yet: each later click restores one glyph, under this one snapshot's cover for undo.
void RunRestoreRomIndividual(App& app);
void RunDerivedFont(App& app, DerivedFontKind kind);

}  // namespace kx
