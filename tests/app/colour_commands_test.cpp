#include <gtest/gtest.h>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/editor_input.h"
#include "app/run_command.h"

namespace kx {
namespace {

TEST(ColourCommands, ModeMenuAndPaneKeyAreUndoableEditsOfTheCharset) {
  App app;
  RunCommand(app, cmd::DisplayMulticolour);
  RunCommand(app, cmd::DisplayMulticolour);  // already so: no second step
  EXPECT_EQ(app.doc.store.colours.mode, DisplayMode::Multicolour);
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);

  // M over glyph 33 of the pane flips its multicolour bit once per press.
  OnPaneMouse(app, MouseEvent{MouseAction::Move, 16 + 1, 16 + 1});
  const auto press = [&](KeyAction action, bool repeat) {
    OnPaneKey(app, KeyEvent{action, Key::M, false, false, repeat});
    return app.doc.store.inks[33];
  };
  EXPECT_EQ(press(KeyAction::Press, false), 9);
  press(KeyAction::Release, true);
  EXPECT_EQ(press(KeyAction::Press, true), 9);
  press(KeyAction::Release, false);
  EXPECT_EQ(press(KeyAction::Press, false), 1);
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.inks[33], 9);
  RunCommand(app, cmd::Undo);
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.inks[33], 1);
  EXPECT_EQ(app.doc.store.colours.mode, DisplayMode::HiRes);
  EXPECT_FALSE(app.doc.store.modified);

  // In hi-res mode M leaves the ink alone.
  press(KeyAction::Release, false);
  EXPECT_EQ(press(KeyAction::Press, false), 1);
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
}

TEST(ColourCommands, ColoursDialogSetsRegistersAndTheHoveredGlyphsInkInOneStep) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  OnPaneMouse(app, MouseEvent{MouseAction::Move, 2 * 16 + 1, 1});  // glyph 2
  const ColourChoice shown{{0, 11, 12, 15}, 2, 1};
  const ColourChoice chosen{{6, 2, 7, 4}, 2, 13};
  ColourChoice outOfRange = chosen;
  outOfRange.registers[3] = 16;
  dialogs.colourAnswers = {std::nullopt, outOfRange, chosen};
  for (int n = 0; n < 3; ++n) RunCommand(app, cmd::CharsetColours);
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::Colours);
  EXPECT_EQ(dialogs.calls[2].colours, shown);
  EXPECT_EQ(app.doc.store.colours.registers, (std::array<std::uint8_t, 4>{6, 2, 7, 4}));
  EXPECT_EQ(app.doc.store.inks[2], 13);
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.colours, CharsetColours{});
  EXPECT_EQ(app.doc.store.inks[2], 1);
}

}  // namespace
}  // namespace kx
