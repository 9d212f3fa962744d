#include "app/edit_commands.h"

#include <string>

#include "app/event_flow.h"
#include "app/tool_commands.h"
#include "runtime/file_stamp.h"

namespace kx {

namespace {
constexpr OperationScope kAllRows = RowScope(0, kGlyphRows - 1);
// The row whose copy into the row memory takes the undo step for the copies of the rows after it.
constexpr int kRowCopyTakingUndoStep = 0;
}  // namespace

void BeginEdit(App& app, RedoEntries redo) {
  app.doc.history.Push(app.doc.store, /*discardRedo=*/redo == RedoEntries::Drop);
  app.shell.status.notice.clear();
}

void TakeUndoStepWithoutEdit(App& app) { BeginEdit(app, RedoEntries::Drop); }

void TellMulticolourGlyphsLeft(App& app, int count) {
  if (count > 0) app.shell.status.notice = std::to_string(count) + " multicolour glyphs left as they were";
}

std::string CompressNotice(int removed) {
  if (removed == 0) return "No duplicate glyphs to remove";
  return "Removed " + std::to_string(removed) + (removed == 1 ? " duplicate glyph" : " duplicate glyphs");
}

void EndEdit(App& app) {
  MarkCharsetChanged(app.view);
  MarkModified(app);
}

namespace {

// A step across a load brought back another file's charset (a new generation says so). When that file
// changed on disk since it was read or written, the bytes brought back are no longer what it holds: the
// charset is unsaved, in a lineage of its own, and the stamp it keeps makes a save ask first.
void CheckReturnedFile(CharsetStore& store, std::uint64_t generationBefore) {
  if (store.generation == generationBefore || !store.hasFile) return;
  if (store.diskStamp.exists && TakeFileStamp(store.currentName) == store.diskStamp) return;
  store.modified = true;
  StartNewGeneration(store);
}

template <class Step>
void StepHistory(App& app, Step step) {
  const std::uint64_t generation = app.doc.store.generation;
  if (!step(app.doc.history, app.doc.store)) return;
  CheckReturnedFile(app.doc.store, generation);
  MarkCharsetChanged(app.view);
  RefreshTitle(app);
}

}  // namespace

void RunUndo(App& app) { StepHistory(app, [](UndoHistory& h, CharsetStore& s) { return h.Undo(s); }); }
void RunRedo(App& app) { StepHistory(app, [](UndoHistory& h, CharsetStore& s) { return h.Redo(s); }); }

void RunSwap(App& app) {
  CaptureMemoryPanePicture(app);
  // A stroke belongs to the charset it was pressed in, whose history holds its snapshot: it ends here
  // rather than drawing on in the arriving charset, whose history does not cover it.
  app.view.input.strokeButton = MouseButton::None;
  SwapCharsets(app.doc);
  const bool second = app.doc.store.editorSlot == 1;
  app.shell.tools[GadgetId::Swap].icon = second ? IconId::SwapCharset2 : IconId::SwapCharset1;
  app.shell.status.charsetInEditor = second ? "CHARSET 2" : "CHARSET 1";
  MarkCharsetChanged(app.view);
  RefreshTitle(app);
  app.shell.requests.focusEditor = true;
}

void RunClearHistory(App& app) {
  app.doc.history.Clear();
}

void RunFamilyCommand(App& app, const FamilyCommand& c) {
  const TransformFamily& f = *c.family;
  if (c.scope == FamilyScope::Individual) {
    if (f.textStyle) {
      SelectButtonlessTool(app, f.tool);
    } else {
      SelectButtonTool(app, f.tool, f.tooltip);
    }
    return;
  }
  RunEditFrame(app, RowScope(c.firstRow, c.lastRow), [&] {
    const int left =
        ApplyToRows(app.doc.store.editor, f.transform, c.firstRow, c.lastRow, GlyphModesOf(app.doc.store));
    TellMulticolourGlyphsLeft(app, left);
  });
}

void RunHalfCopy(App& app, HalfCopy direction) {
  RunEditFrame(app, kAllRows, [&] { CopyHalf(app.doc.store.editor, direction); });
}

void RunCopyRowToMemory(App& app, int row) {
  if (row == kRowCopyTakingUndoStep) TakeUndoStepWithoutEdit(app);
  CopyRowToMemory(app.doc.store.editor, app.doc.glyphStores, row);
  MarkModified(app);
}

void RunPasteRowFromMemory(App& app, int row) {
  RunEditFrame(app, RowScope(row, row), [&] { PasteRowFromMemory(app.doc.store.editor, app.doc.glyphStores, row); });
}

void RunByteOperation(App& app, ByteOperation operation, ByteRange range) {
  const OperationScope scope = RowScope(range.first / kRowBytes, (range.first + range.count - 1) / kRowBytes);
  RunEditFrame(app, scope, [&] { ApplyToBytes(app.doc.store.editor, operation, range); });
}

void RunSlideNoWrap(App& app, SlideDirection direction) {
  RunEditFrame(app, kAllRows,
               [&] { SlideCharsetNoWrap(app.doc.store.editor, direction, GlyphModesOf(app.doc.store)); });
}

void RunCompress(App& app) {
  int removed = 0;
  RunEditFrame(app, kAllRows, [&] { removed = CompressCharset(app.doc.store); });
  app.shell.status.notice = CompressNotice(removed);
}

void RunRestoreRomIndividual(App& app) {
  TakeUndoStepWithoutEdit(app);
  SelectButtonlessTool(app, Tool::RestoreRomGlyph);
}

void RunDerivedFont(App& app, DerivedFontKind kind) {
  RunEditFrame(app, kAllRows, [&] {
    BuildDerivedFont(app.doc.store.editor, app.doc.glyphStores, kind, GlyphModesOf(app.doc.store));
  });
}

}  // namespace kx
