#include "app/run_command.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "app/app.h"
#include "app/edit_frame.h"
#include "app/font_preview_commands.h"
#include "app/forwarded_commands.h"
#include "app/help_commands.h"
#include "app/image_commands.h"
#include "app/redraw.h"
#include "app/swap.h"
#include "app/tool_commands.h"
#include "ops/batch.h"
#include "ops/derived_font.h"
#include "ops/scope.h"

namespace kx {
namespace {

constexpr OperationScope kAllRows = RowScope(0, kGlyphRows - 1);

// --- Transform families -------------------------------------------------------------------------------

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
  // One snapshot for the whole command, however many rows it walks.
  RunEditFrame(app, RowScope(c.firstRow, c.lastRow),
               [&] { ApplyToRows(app.store.editor, f.transform, c.firstRow, c.lastRow); });
}

// --- Edit menu ----------------------------------------------------------------------------------------

void RunUndoRedo(App& app, CommandId id) {
  const bool restored = id == cmd::Undo ? app.history.Undo(app.store) : app.history.Redo(app.store);
  if (!restored) return;
  SyncHistoryControls(app);
  RedrawAfterCharsetChange(app);
  RefreshTitle(app);
}

void RunClearHistory(App& app, CommandId) {
  app.history.Clear();
  SyncHistoryControls(app);
}

void RunSwapCommand(App& app, CommandId) { RunSwap(app); }

void RunHalfCopy(App& app, CommandId id) {
  const HalfCopy direction = id == cmd::CopyTopRowsToBottom ? HalfCopy::TopToBottom : HalfCopy::BottomToTop;
  RunEditFrame(app, kAllRows, [&] { CopyHalf(app.store.editor, direction); });
}

// Copying a row changes no glyph, yet counts as an unsaved change; only the Row 1 item snapshots first.
void RunCopyRowToMemory(App& app, CommandId id) {
  if (id == cmd::CopyRowToMemoryFirst) BeginEdit(app);
  CopyRowToMemory(app.store.editor, app.glyphStores, id - cmd::CopyRowToMemoryFirst);
  app.menu.SetRowMemoryPasteEnabled(true);
  MarkModified(app);
}

void RunPasteRowFromMemory(App& app, CommandId id) {
  const int row = id - cmd::PasteRowFromMemoryFirst;
  RunEditFrame(app, RowScope(row, row), [&] { PasteRowFromMemory(app.store.editor, app.glyphStores, row); });
}

// Erase, reverse and ROM restore over fixed byte ranges. An entry spanning several ids gives each id one
// glyph row, counted from its first id.
struct ByteCommand {
  CommandId first;
  CommandId last;
  ByteOperation operation;
  ByteRange range;
};

constexpr ByteCommand kByteCommands[] = {
    {cmd::RestoreRomAll, cmd::RestoreRomAll, ByteOperation::RestoreRom, kWholeCharset},
    {cmd::RestoreRomFirst128, cmd::RestoreRomFirst128, ByteOperation::RestoreRom, kFirst128Glyphs},
    {cmd::RestoreRomLast128, cmd::RestoreRomLast128, ByteOperation::RestoreRom, kLast128Glyphs},
    {cmd::EraseAll, cmd::EraseAll, ByteOperation::Erase, kWholeCharset},
    {cmd::EraseFirst128, cmd::EraseFirst128, ByteOperation::Erase, kFirst128Glyphs},
    {cmd::EraseLast128, cmd::EraseLast128, ByteOperation::Erase, kLast128Glyphs},
    {cmd::EraseRowFirst, cmd::EraseRowFirst + kGlyphRows - 1, ByteOperation::Erase, {}},
    {cmd::ReverseFirst128, cmd::ReverseFirst128, ByteOperation::Reverse, kFirst128Glyphs},
    {cmd::ReverseLast128, cmd::ReverseLast128, ByteOperation::Reverse, kLast128Glyphs},
    {cmd::ReverseRowFirst, cmd::ReverseRowFirst + kGlyphRows - 1, ByteOperation::Reverse, {}},
};

void RunByteCommand(App& app, CommandId id) {
  const auto* c = std::find_if(std::begin(kByteCommands), std::end(kByteCommands),
                               [id](const ByteCommand& b) { return id >= b.first && id <= b.last; });
  if (c == std::end(kByteCommands)) return;
  const ByteRange range = c->first == c->last ? c->range : GlyphRowRange(id - c->first);
  const OperationScope scope = RowScope(range.first / kRowBytes, (range.first + range.count - 1) / kRowBytes);
  RunEditFrame(app, scope, [&] { ApplyToBytes(app.store.editor, c->operation, range); });
}

// --- View menu ----------------------------------------------------------------------------------------

void RunViewToggle(App& app, CommandId id) {
  app.menu.SetChecked(id, !app.menu.Checked(id));
  RedrawViews(app);
}

void RunZoom(App& app, CommandId id) {
  const int zoom = app.editing.zoomIndex + (id == cmd::ZoomIn ? 1 : -1);
  if (zoom < 0 || zoom >= kZoomLevels) return;
  SetZoom(app, zoom);
  RedrawViews(app);
}

// --- Tools menu ---------------------------------------------------------------------------------------

// The items that show one variant of a two-variant button, with the tooltip it takes.
struct VariantChoice {
  CommandId id;
  Tool tool;
  std::string_view tooltip;
};

constexpr VariantChoice kVariantChoices[] = {
    {cmd::DrawContinuous, Tool::ContinuousDraw, "Continuous Drawing"},
    {cmd::DrawDotted, Tool::DottedDraw, "Dotted Drawing"},
    {cmd::BoxHollow, Tool::HollowBox, "Draw Box"},
    {cmd::BoxFilled, Tool::FilledBox, "Draw Filled Box"},
};

// The items that act as a click on their tool button.
struct ButtonChoice {
  CommandId id;
  GadgetId button;
};

constexpr ButtonChoice kButtonChoices[] = {
    {cmd::Copy, GadgetId::Copy},        {cmd::Paste, GadgetId::Paste},       {cmd::Cut, GadgetId::Cut},
    {cmd::LineDraw, GadgetId::Line},    {cmd::FillChar, GadgetId::Fill},     {cmd::ReverseChar, GadgetId::Reverse},
    {cmd::EraseChar, GadgetId::Clear},
};

void RunToolChoice(App& app, CommandId id) {
  // Cut makes Paste available at once, before anything was cut.
  if (id == cmd::Cut) EnableGlyphPaste(app);
  for (const VariantChoice& c : kVariantChoices) {
    if (c.id == id) SelectButtonTool(app, c.tool, c.tooltip);
  }
  for (const ButtonChoice& c : kButtonChoices) {
    if (c.id == id) ClickToolButton(app, c.button);
  }
}

void RunSlideNoWrap(App& app, CommandId id) {
  // 315 right, 316 left, 317 up, 318 down: the order of SlideDirection.
  const auto direction = static_cast<SlideDirection>(id - cmd::SlideRightNoWrap);
  RunEditFrame(app, kAllRows, [&] { SlideCharsetNoWrap(app.store.editor, direction); });
}

void RunCompress(App& app, CommandId) {
  RunEditFrame(app, kAllRows, [&] { CompressCharset(app.store); });
}

// Restores nothing yet: each later click restores one glyph, under this one snapshot's cover for undo.
void RunRestoreRomIndividual(App& app, CommandId) {
  BeginEdit(app);
  SelectButtonlessTool(app, Tool::RestoreRomGlyph);
}

void RunDerivedFont(App& app, CommandId id) {
  // 377..382 are the builders in the order of DerivedFontKind.
  const auto kind = static_cast<DerivedFontKind>(id - cmd::Font1x2NoReverse);
  RunEditFrame(app, kAllRows, [&] { BuildDerivedFont(app.store.editor, app.glyphStores, kind); });
  if (app.glyphStores.rowPasteEnabled) app.menu.SetRowMemoryPasteEnabled(true);
}

// --- Windows the adapter opens ------------------------------------------------------------------------

void RunFontPreview(App& app, CommandId id) {
  constexpr std::array<PreviewKind, 3> kinds{PreviewKind::OneByTwo, PreviewKind::TwoByOne, PreviewKind::TwoByTwo};
  OpenFontPreview(app, kinds[id - cmd::Preview1x2]);
}

void RequestScreenEditor(App& app, CommandId) { app.requests.openScreenEditor = true; }
void RunHelp(App& app, CommandId id) { RunHelpCommand(app, id); }
void RunImage(App& app, CommandId id) { RunImageCommand(app, id); }

// --- The table ----------------------------------------------------------------------------------------

struct CommandEntry {
  CommandId first;
  CommandId last;
  void (*run)(App&, CommandId);
  bool focus;  // the keyboard focus goes back to the editor canvas afterwards
};

// Every command outside the transform families, by id range.
constexpr CommandEntry kCommands[] = {
    {cmd::New, cmd::ClearRecent, ForwardCommand, true},
    {cmd::Quit, cmd::Quit, ForwardCommand, false},
    {cmd::Undo, cmd::Redo, RunUndoRedo, false},
    {cmd::ClearHistory, cmd::ClearHistory, RunClearHistory, false},
    {cmd::Copy, cmd::Cut, RunToolChoice, false},
    {cmd::Preview1x2, cmd::Preview2x2, RunFontPreview, false},
    {cmd::BrightnessHigh, cmd::BrightnessLow, ForwardCommand, true},
    {cmd::ShowCharGrid, cmd::CrtEmulationOnGrids, RunViewToggle, true},
    {cmd::ZoomIn, cmd::ZoomOut, RunZoom, false},
    {cmd::DrawContinuous, cmd::EraseChar, RunToolChoice, false},
    {cmd::SlideRightNoWrap, cmd::SlideDownNoWrap, RunSlideNoWrap, false},
    {cmd::ScreenEditor, cmd::ScreenEditor, RequestScreenEditor, false},
    {cmd::Swap, cmd::Swap, RunSwapCommand, false},
    {cmd::Compress, cmd::Compress, RunCompress, false},
    {cmd::RestoreRomAll, cmd::RestoreRomLast128, RunByteCommand, false},
    {cmd::RestoreRomIndividual, cmd::RestoreRomIndividual, RunRestoreRomIndividual, false},
    {cmd::EraseAll, cmd::ReverseRowFirst + kGlyphRows - 1, RunByteCommand, false},
    {cmd::CopyTopRowsToBottom, cmd::CopyBottomRowsToTop, RunHalfCopy, false},
    {cmd::CopyRowToMemoryFirst, cmd::CopyRowToMemoryFirst + kGlyphRows - 1, RunCopyRowToMemory, false},
    {cmd::PasteRowFromMemoryFirst, cmd::PasteRowFromMemoryFirst + kGlyphRows - 1, RunPasteRowFromMemory, false},
    {cmd::Font1x2NoReverse, cmd::Font2x2Reversed, RunDerivedFont, false},
    {cmd::DumpPng, cmd::DumpClipboard, RunImage, false},
    {cmd::Help, cmd::About, RunHelp, false},
};

const CommandEntry* FindEntry(CommandId id) {
  for (const CommandEntry& e : kCommands) {
    if (id >= e.first && id <= e.last) return &e;
  }
  return nullptr;
}

}  // namespace

bool CommandAvailable(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  if (!info || !app.menu.Enabled(id)) return false;
  const bool inRowMemoryPaste =
      std::find(info->path.begin(), info->path.end(), kRowMemoryPasteMenu) != info->path.end();
  return !inRowMemoryPaste || app.menu.RowMemoryPasteEnabled();
}

void RunCommand(App& app, CommandId id) {
  if (!CommandAvailable(app, id)) return;
  if (const auto& family = app.commands.Find(id)->family) {
    RunFamilyCommand(app, *family);
    return;
  }
  const CommandEntry* entry = FindEntry(id);
  if (!entry) return;
  entry->run(app, id);
  if (entry->focus) app.requests.focusEditor = true;
}

}  // namespace kx
