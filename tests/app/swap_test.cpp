#include <gtest/gtest.h>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/edit_commands.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

TEST(Swap, NamesTheCharsetNowInTheEditorAndBringsItsOwnFlags) {
  App app;
  app.doc.store.modified = true;
  RunSwap(app);
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 2");
  EXPECT_EQ(app.shell.tools[GadgetId::Swap].icon, IconId::SwapCharset2);
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 2");
  EXPECT_TRUE(app.shell.requests.focusEditor);
  RunSwap(app);
  EXPECT_EQ(app.doc.store.editor, RomCharset());
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 1");
  EXPECT_EQ(app.shell.title, "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");
}

// The editor view at its start zoom and scroll: charset pixel (x, y) is 8 screen pixels a side.
void Mouse(App& app, MouseAction action, int x, int y) {
  MouseEvent e;
  e.action = action;
  e.x = x * 8 + 4;
  e.y = y * 8 + 4;
  e.button = action == MouseAction::Move ? MouseButton::None : MouseButton::Left;
  e.leftHeld = action != MouseAction::Up;
  OnEditorMouse(app, e);
}

void PressJ(App& app) { OnEditorKey(app, KeyEvent{KeyAction::Press, Key::J}, 0, 0); }

bool Enabled(const App& app, CommandId id) { return ItemState(app, id).enabled; }

TEST(Swap, EachCharsetKeepsItsOwnUndoAndRedo) {
  App app;  // the ROM charset is Charset 1
  PressJ(app);
  Mouse(app, MouseAction::Down, 3, 2);  // one pixel in the empty Charset 2
  Mouse(app, MouseAction::Up, 3, 2);
  Charset drawn{};
  drawn[2] = 0x10;
  ASSERT_EQ(app.doc.store.editor, drawn);

  PressJ(app);
  EXPECT_FALSE(Enabled(app, cmd::Undo));  // Charset 1 has no steps of its own
  EXPECT_FALSE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.editor, RomCharset());
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 1");

  // Charset 1's own step, then Clear Undo/Redo History: it forgets only Charset 1's steps.
  RunCommand(app, cmd::ReverseFirst128);
  EXPECT_TRUE(Enabled(app, cmd::ClearHistory));
  RunCommand(app, cmd::ClearHistory);
  EXPECT_FALSE(Enabled(app, cmd::Undo));

  PressJ(app);
  EXPECT_EQ(app.doc.store.editor, drawn);
  EXPECT_TRUE(Enabled(app, cmd::Undo));
  EXPECT_TRUE(Enabled(app, cmd::ClearHistory));
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_FALSE(app.doc.store.modified);  // Charset 2's flag from before the click
  EXPECT_TRUE(Enabled(app, cmd::Redo));
  RunCommand(app, cmd::Redo);
  EXPECT_EQ(app.doc.store.editor, drawn);
  EXPECT_TRUE(app.doc.store.modified);

  // A stroke ends with the swap: it draws nothing into the charset that arrives, whose history has no
  // snapshot of it.
  Mouse(app, MouseAction::Down, 0, 0);
  PressJ(app);
  const Charset arrived = app.doc.store.editor;
  Mouse(app, MouseAction::Move, 7, 0);
  Mouse(app, MouseAction::Up, 7, 0);
  EXPECT_EQ(app.doc.store.editor, arrived);
}

}  // namespace
}  // namespace kx
