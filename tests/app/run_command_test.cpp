#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "app/app.h"
#include "app/run_command.h"

namespace kx {
namespace {

Charset RandomCharset(unsigned seed) {
  std::mt19937 rng(seed);
  Charset c{};
  for (auto& b : c) b = static_cast<std::uint8_t>(rng());
  return c;
}

TEST(RunCommand, OneUndoRestoresAllFourRowsOfABatchCommand) {
  App app;
  app.doc.store.editor = RandomCharset(3);
  const Charset start = app.doc.store.editor;
  RunCommand(app, 76);  // "Batch Italicise Last 4 Rows"
  const Charset edited = app.doc.store.editor;
  EXPECT_TRUE(ItemState(app, cmd::Undo).enabled);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");

  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.editor, start);
  EXPECT_FALSE(app.doc.store.modified);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 1");
  EXPECT_FALSE(ItemState(app, cmd::Undo).enabled);
  EXPECT_FALSE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);
  EXPECT_TRUE(ItemState(app, cmd::Redo).enabled);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Redo)).enabled);

  RunCommand(app, cmd::Redo);
  EXPECT_EQ(app.doc.store.editor, edited);
  EXPECT_FALSE(ItemState(app, cmd::Redo).enabled);
  EXPECT_TRUE(ItemState(app, cmd::Undo).enabled);

  // A menu edit after an Undo leaves nothing to redo.
  RunCommand(app, cmd::Undo);
  RunCommand(app, cmd::EraseAll);
  EXPECT_FALSE(ItemState(app, cmd::Redo).enabled);

  RunCommand(app, cmd::ClearHistory);
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_FALSE(ItemState(app, cmd::Undo).enabled);
  EXPECT_FALSE(ItemState(app, cmd::ClearHistory).enabled);
  EXPECT_FALSE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);
}

TEST(RunCommand, ZoomStopsAtBothEnds) {
  App app;
  OnZoomChosen(app, kZoomLevels - 1);
  const ViewLayout before = app.view.layout;
  RunCommand(app, cmd::ZoomIn);
  EXPECT_EQ(app.view.editing.zoomIndex, kZoomLevels - 1);
  EXPECT_EQ(app.view.layout.editorView.w, before.editorView.w);
  OnZoomChosen(app, 0);
  RunCommand(app, cmd::ZoomOut);
  EXPECT_EQ(app.view.editing.zoomIndex, 0);
  RunCommand(app, cmd::ZoomIn);
  EXPECT_EQ(app.view.editing.zoomIndex, 1);
}

TEST(RunCommand, SlideRightNoWrapCrossesGlyphsFromEitherMenuPlace) {
  App app;
  app.doc.store.editor = {};
  SetCharsetPixel(app.doc.store.editor, 255, 7, true);  // rightmost pixel of glyph 31, bottom row
  RunCommand(app, cmd::SlideRightNoWrap);
  EXPECT_TRUE(GetCharsetPixel(app.doc.store.editor, 0, 7));
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  // Both menu places carry the same id, and the table knows it by one entry.
  EXPECT_EQ(app.commands.Find(cmd::SlideRightNoWrap)->places, 2);
}

TEST(RunCommand, RowMemoryCopiesEnableThePasteSubmenuAndOnlyRowOneSnapshots) {
  App app;
  app.doc.store.editor = RandomCharset(11);
  const Charset start = app.doc.store.editor;
  EXPECT_FALSE(CommandAvailable(app, cmd::PasteRowFromMemoryFirst));
  RunCommand(app, cmd::PasteRowFromMemoryFirst + 7);  // greyed: nothing happens
  EXPECT_EQ(app.doc.store.editor, start);

  RunCommand(app, cmd::CopyRowToMemoryFirst + 1);  // Row 2: no snapshot
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
  EXPECT_TRUE(CommandAvailable(app, cmd::PasteRowFromMemoryFirst));
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_EQ(app.doc.store.editor, start);

  RunCommand(app, cmd::CopyRowToMemoryFirst);  // Row 1: one snapshot
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);

  RunCommand(app, cmd::PasteRowFromMemoryFirst + 7);  // Row 8 := Row 1
  for (int i = 0; i < kGlyphsPerRow; ++i) EXPECT_EQ(GetGlyph(app.doc.store.editor, 224 + i), GetGlyph(start, i));
  EXPECT_TRUE(CommandAvailable(app, cmd::PasteRowFromMemoryFirst));
}

TEST(RunCommand, DerivedFontsLeaveThePasteSubmenuAsTheRowMemorySays) {
  App oneByTwo;
  RunCommand(oneByTwo, cmd::Font1x2NoReverse);
  EXPECT_FALSE(CommandAvailable(oneByTwo, cmd::PasteRowFromMemoryFirst));
  EXPECT_EQ(oneByTwo.doc.history.UndoDepth(), 1u);

  App twoByOne;
  const Charset start = twoByOne.doc.store.editor;
  RunCommand(twoByOne, cmd::Font2x1NoReverse);
  EXPECT_TRUE(CommandAvailable(twoByOne, cmd::PasteRowFromMemoryFirst));
  RunCommand(twoByOne, cmd::PasteRowFromMemoryFirst + 1);  // Row 2 as it was before the build
  for (int n = 32; n < 64; ++n) EXPECT_EQ(GetGlyph(twoByOne.doc.store.editor, n), GetGlyph(start, n)) << n;
}

TEST(RunCommand, ViewOptionsToggleTheirTicksAndTheGreyedOneStaysGreyed) {
  App app;
  for (CommandId id : {cmd::ShowCharGrid, cmd::ShowHighlights, cmd::ScanlineEmulation, cmd::CrtEmulationOnGrids}) {
    const bool before = ItemState(app, id).checked;
    RunCommand(app, id);
    EXPECT_NE(ItemState(app, id).checked, before) << id;
    EXPECT_TRUE(app.shell.requests.focusEditor);
    RunCommand(app, id);
    EXPECT_EQ(ItemState(app, id).checked, before) << id;
  }
  RunCommand(app, cmd::SelectedTileHighlight);
  EXPECT_FALSE(ItemState(app, cmd::SelectedTileHighlight).checked);
  EXPECT_FALSE(ItemState(app, cmd::SelectedTileHighlight).enabled);
}

TEST(RunCommand, ToolItemsPressTheMatchingButton) {
  struct Case {
    CommandId id;
    Tool tool;
    std::optional<GadgetId> button;  // none pressed
    IconId icon;
    const char* tooltip;
  };
  const Case cases[] = {
      {cmd::DrawDotted, Tool::DottedDraw, GadgetId::FreeDraw, IconId::FreeDrawDotted, "Dotted Drawing"},
      {cmd::BoxFilled, Tool::FilledBox, GadgetId::Box, IconId::BoxFilled, "Draw Filled Box"},
      {cmd::FillChar, Tool::FillGlyph, GadgetId::Fill, IconId::Fill, "Flood Fill Char"},
      {195, Tool::FlipGlyphHorizontal, GadgetId::Flip, IconId::FlipHorizontal, "Flip Char Horizontal"},
      {207, Tool::FlipGlyphVertical, GadgetId::Flip, IconId::FlipVertical, "Flip Char Vetical"},  // the item's own
      {231, Tool::MirrorGlyphBottomToTop, GadgetId::MirrorVertical, IconId::MirrorBottomToTop,
       "Mirror Char Bottom to Top"},
      {279, Tool::SlideGlyphUp, GadgetId::SlideVertical, IconId::SlideUp, "Slide Char Up"},
      {cmd::Copy, Tool::CopyGlyph, GadgetId::Copy, IconId::Copy, "Copy Char"},
      {90, Tool::SlantGlyphLeft, std::nullopt, IconId::FreeDrawContinuous, ""},
      {cmd::RestoreRomIndividual, Tool::RestoreRomGlyph, std::nullopt, IconId::FreeDrawContinuous, ""},
  };
  for (const Case& c : cases) {
    App app;
    const Charset start = app.doc.store.editor;
    RunCommand(app, c.id);
    EXPECT_EQ(app.view.editing.tool, c.tool) << c.id;
    EXPECT_EQ(app.doc.store.editor, start) << c.id;
    for (int i = 0; i < kToolColumnButtons; ++i) {
      EXPECT_EQ(app.shell.tools.buttons[i].pressed, static_cast<GadgetId>(i) == c.button) << c.id << " button " << i;
    }
    if (!c.button) continue;
    EXPECT_EQ(app.shell.tools[*c.button].icon, c.icon) << c.id;
    EXPECT_EQ(app.shell.tools[*c.button].tooltip, c.tooltip) << c.id;
  }
  App rom;
  RunCommand(rom, cmd::RestoreRomIndividual);  // snapshot now, the clicks change glyphs later
  EXPECT_EQ(rom.doc.history.UndoDepth(), 1u);
  EXPECT_FALSE(rom.doc.store.modified);
}

TEST(RunCommand, CutEnablesPasteAtOnce) {
  App app;
  EXPECT_FALSE(CommandAvailable(app, cmd::Paste));
  RunCommand(app, cmd::Paste);
  EXPECT_EQ(app.view.editing.tool, Tool::ContinuousDraw);
  RunCommand(app, cmd::Cut);
  EXPECT_EQ(app.view.editing.tool, Tool::CutGlyph);
  EXPECT_TRUE(ItemState(app, cmd::Paste).enabled);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Paste)).enabled);
  EXPECT_TRUE(app.shell.tools[GadgetId::Cut].pressed);
  RunCommand(app, cmd::Paste);
  EXPECT_EQ(app.view.editing.tool, Tool::PasteGlyph);
  EXPECT_TRUE(app.shell.tools[GadgetId::Paste].pressed);
  EXPECT_FALSE(app.shell.tools[GadgetId::Cut].pressed);
}

TEST(RunCommand, WindowCommandsOnlyAskTheAdapter) {
  App app;
  const Charset start = app.doc.store.editor;
  RunCommand(app, cmd::Preview2x1);
  EXPECT_TRUE(app.shell.requests.openFontPreview);
  EXPECT_EQ(app.view.preview.kind, PreviewKind::TwoByOne);
  EXPECT_FALSE(ItemState(app, cmd::Preview1x2).enabled);
  RunCommand(app, cmd::ScreenEditor);
  EXPECT_TRUE(app.shell.requests.openScreenEditor);
  RunCommand(app, cmd::About);
  EXPECT_TRUE(app.shell.requests.openAbout);
  for (CommandId id : {cmd::Help, cmd::WebSite}) RunCommand(app, id);
  EXPECT_EQ(app.doc.store.editor, start);
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
}

TEST(RunCommand, SwapAndCompressRunInsideTheirFrames) {
  App app;
  RunCommand(app, cmd::Swap);
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);  // a swap is not an edit
  RunCommand(app, cmd::Compress);          // 256 empty glyphs stay 256 empty glyphs
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  EXPECT_TRUE(app.doc.store.modified);
  RunCommand(app, cmd::Undo);
  RunCommand(app, cmd::Swap);  // Charset 1's history is its own: nothing to undo or redo there
  EXPECT_EQ(app.doc.history.UndoDepth() + app.doc.history.RedoDepth(), 0u);
  RunCommand(app, cmd::Swap);  // and Charset 2's comes back with it
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
  EXPECT_EQ(app.doc.history.RedoDepth(), 1u);
}

}  // namespace
}  // namespace kx
