#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "app/app.h"
#include "app/colour_commands.h"
#include "app/command_ids.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "app/screen_editor_session.h"
#include "windows/screen_glyphs.h"
#include "tests/support/scripted_dialogs.h"

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

TEST(ColourCommands, ColoursDialogSetsRegistersAndChosenGlyphsInksInOneStep) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  OnPaneMouse(app, MouseEvent{MouseAction::Move, 2 * 16 + 1, 1});  // glyph 2
  const ColourChoice shown{{0, 11, 12, 15}, 2, CharsetStore::DefaultInks()};
  ColourChoice chosen{{6, 2, 7, 4}, 40, shown.inks};
  chosen.inks[2] = 13;   // the hovered glyph's
  chosen.inks[40] = 9;   // and one picked by its number
  ColourChoice badRegister = chosen, badInk = chosen;
  badRegister.registers[3] = 16;
  badInk.inks[200] = 16;
  dialogs.colourAnswers = {std::nullopt, shown, badRegister, badInk, chosen};
  for (int n = 0; n < 5; ++n) RunCommand(app, cmd::CharsetColours);
  ASSERT_EQ(dialogs.calls.size(), 5u);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::Colours);
  EXPECT_EQ(dialogs.calls[4].colours, shown);
  EXPECT_EQ(app.doc.store.colours.registers, (std::array<std::uint8_t, 4>{6, 2, 7, 4}));
  EXPECT_EQ(app.doc.store.inks, chosen.inks);
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);  // cancel, unchanged and refused values took no step
  RunCommand(app, cmd::Undo);
  EXPECT_EQ(app.doc.store.colours, CharsetColours{});
  EXPECT_EQ(app.doc.store.inks, shown.inks);
}

TEST(ColourCommands, ClipboardDumpAndScreenEditorShowTheDisplayMode) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  app.doc.store.editor[8] = 0x1B;  // glyph 1's top row: pairs 00 01 10 11
  app.doc.store.inks[1] = 13;
  app.doc.store.colours.registers = {6, 2, 7, 4};
  const Rgb blue = 0x352879, red = 0x68372B, yellow = 0xB8C76F, green = 0x588D43, lightGreen = 0x9AD284;
  using Row = std::array<Rgb, 8>;
  const auto row = [](const std::vector<std::uint32_t>& pixels, int stride, int x0, int y) {
    Row r;
    for (int x = 0; x < 8; ++x) r[x] = pixels[static_cast<std::size_t>(y * stride + x0 + 2 * x)] & 0xFFFFFF;
    return r;
  };
  // The clipboard's picture is the charset at twice its size: glyph 1 starts at x 16.
  RunCommand(app, cmd::DisplayMulticolour);
  RunCommand(app, cmd::DumpClipboard);
  const auto copy = std::ranges::find(dialogs.calls, DialogKind::Clipboard, &DialogCall::kind);
  ASSERT_NE(copy, dialogs.calls.end());
  EXPECT_EQ(row(copy->pixels, 512, 16, 1), (Row{blue, blue, red, red, yellow, yellow, green, green}));
  // In extended background mode screen code 65 is glyph 1 on $D022, code 1 glyph 1 on $D021.
  RunCommand(app, cmd::DisplayExtendedBackground);
  OpenScreenEditor(app);
  const Image& sheet = app.view.screenEditor->custom.glyphs;
  const std::vector<std::uint32_t> pixels(sheet.Data(), sheet.Data() + sheet.Stride() * sheet.Height());
  for (auto [code, paper] : {std::pair{65, red}, std::pair{1, blue}}) {
    const Rect cell = GlyphBlock(code, 16);
    EXPECT_EQ(row(pixels, sheet.Stride(), cell.x, cell.y),
              (Row{paper, paper, paper, lightGreen, lightGreen, paper, lightGreen, lightGreen})) << code;
  }
}

TEST(ColourCommands, RightPressOnTheSwatchStepsThePairOfThePenItLandsOn) {
  App app;
  const auto rightPress = [&](int x, int y) {
    OnSwatchMouse(app, MouseEvent{MouseAction::Down, x, y, MouseButton::Right, false, true});
    return std::pair{PenPairOf(app, MouseButton::Left), PenPairOf(app, MouseButton::Right)};
  };
  EXPECT_EQ(rightPress(21, 10), std::pair(0, 0));  // the disc: the left pen, 11 -> 00
  EXPECT_EQ(rightPress(27, 13), std::pair(1, 0));  // still on the disc's edge
  EXPECT_EQ(rightPress(40, 20), std::pair(1, 1));  // beside it: the right pen
  EXPECT_EQ(rightPress(2, 2), std::pair(1, 2));
  EXPECT_TRUE(ItemState(app, cmd::LeftPenPair00 + 1).checked);
  EXPECT_TRUE(ItemState(app, cmd::RightPenPair00 + 2).checked);
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
}

}  // namespace
}  // namespace kx
