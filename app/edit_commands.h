#pragma once
// The commands that change the editor charset, and the one frame every edit runs in: BeginEdit takes the
// undo step before the change, EndEdit marks the redraw, the modified flag and the title after it.

#include <string>

#include "app/app.h"
#include "app/transform_families.h"
#include "model/charset.h"
#include "model/editing_state.h"
#include "ops/batch.h"
#include "ops/derived_font.h"
#include "ops/scope.h"

namespace kx {

// What an undo step does to the redo entries above it: an edit by mouse, menu or import starts a new
// branch of the history and drops them; the glyph keys (Delete, F, R, K, I) keep them.
enum class RedoEntries { Drop, Keep };

// One undo step: the editor charset as it is now goes on its history before an edit changes it.
void BeginEdit(App& app, RedoEntries redo);

// An undo step that no edit of this command follows, for the commands that change no glyph themselves yet
// take a step when chosen (the first row copy, Individual ROM Chars). Nothing is redrawn.
void TakeUndoStepWithoutEdit(App& app);

// The charset changed: redraw the views that show it, mark it modified and update the title.
void EndEdit(App& app);

// The status bar's notice after a transform that had no meaning on `count` multicolour glyphs:
// "N multicolour glyphs left as they were"; none when count is 0. Every edit starts without a notice.
void TellMulticolourGlyphsLeft(App& app, int count);

// The status bar's notice after "Compress Current Charset": how many duplicate glyphs it removed, or that
// there were none.
std::string CompressNotice(int removed);

// The operation scope that covers all 32 glyphs of the glyph rows firstRow..lastRow (0..7).
constexpr OperationScope RowScope(int firstRow, int lastRow) {
  return {0, kGlyphsPerRow - 1, firstRow, lastRow};
}

// A menu command's edit: BeginEdit dropping the redo entries, set the scope, run `edit`, EndEdit.
template <class Edit>
void RunEditFrame(App& app, const OperationScope& scope, Edit&& edit) {
  BeginEdit(app, RedoEntries::Drop);
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
// the rows are copied one after another from the first, whose copy alone takes an undo step.
void RunCopyRowToMemory(App& app, int row);
void RunPasteRowFromMemory(App& app, int row);
// Erase, reverse and ROM restore over a byte range of whole glyph rows.
void RunByteOperation(App& app, ByteOperation operation, ByteRange range);
void RunSlideNoWrap(App& app, SlideDirection direction);
void RunCompress(App& app);
// Selects the click tool that restores one glyph from ROM, taking an undo step of its own when chosen;
// each click then takes its own step, as every press in the editor does.
void RunRestoreRomIndividual(App& app);
void RunDerivedFont(App& app, DerivedFontKind kind);

}  // namespace kx
