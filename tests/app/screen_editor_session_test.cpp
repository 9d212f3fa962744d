#include <gtest/gtest.h>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/font_preview_commands.h"
#include "app/event_flow.h"
#include "app/run_command.h"
#include "app/screen_editor_session.h"
#include "windows/screen_editor_layout.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

TEST(ScreenEditorSession, EveryOpeningStartsFresh) {
  App app;
  OpenScreenEditor(app);
  ASSERT_TRUE(app.view.screenEditor);
  ScriptedDialogs dialogs;
  PressScreenKey(*app.view.screenEditor, 'A', false, false);
  PressScreenButton(*app.view.screenEditor, ScreenButton::View, false, dialogs);
  PressScreenButton(*app.view.screenEditor, ScreenButton::Mapping, false, dialogs);
  CloseScreenEditor(app.view);
  EXPECT_FALSE(app.view.screenEditor);

  OpenScreenEditor(app);
  const ScreenEditor& e = *app.view.screenEditor;
  EXPECT_EQ(e.mapping, KeyMapping::Us);
  EXPECT_EQ(e.view, ScreenView::Custom);
  EXPECT_EQ(e.column, 0);
  EXPECT_EQ(e.custom.underCursor, Image(kCellSize, kCellSize));
}

TEST(ScreenEditorSession, UsesTheEditorCharsetInTheDisplayColours) {
  App app;
  app.doc.store.editor.fill(0);
  app.doc.store.editor[1 * kGlyphBytes] = 0x80;  // glyph 1, top-left pixel
  app.view.palette[kInkIndex] = 0x123456;
  MarkCharsetChanged(app.view);
  FinishEvent(app);
  OpenScreenEditor(app);
  const Image& sheet = app.view.screenEditor->custom.glyphs;
  EXPECT_EQ(sheet.Pixel(16, 0), 0x123456u);
  EXPECT_EQ(sheet.Pixel(17, 1), 0x123456u);
  EXPECT_EQ(sheet.Pixel(18, 0), 0u);
  // The editor charset is only read.
  EXPECT_EQ(app.doc.store.editor[1 * kGlyphBytes], 0x80);
}

TEST(ScreenEditorSession, OpeningClosesTheFontPreviewAndClosingFreesItsCommands) {
  App app;
  OpenFontPreview(app, PreviewKind::TwoByTwo);
  OpenScreenEditor(app);
  EXPECT_TRUE(app.shell.requests.closeFontPreview);
  EXPECT_FALSE(app.view.preview.windowOpen);
  CloseScreenEditor(app.view);
  for (CommandId id : {cmd::Preview1x2, cmd::Preview2x1, cmd::Preview2x2}) EXPECT_TRUE(ItemState(app, id).enabled) << id;
}

}  // namespace
}  // namespace kx
