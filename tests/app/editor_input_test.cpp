#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/app.h"
#include "app/run_command.h"
#include "app/editor_input.h"

namespace kx {
namespace {

// Mouse positions in the editor view for charset pixel (x, y) at the start zoom (8 screen pixels each).
MouseEvent ViewEvent(MouseAction action, int x, int y, MouseButton button, bool left, bool right = false) {
  MouseEvent e;
  e.action = action;
  e.x = x * 8 + 4;
  e.y = y * 8 + 4;
  e.button = button;
  e.leftHeld = left;
  e.rightHeld = right;
  return e;
}

void Press(App& app, int x, int y, MouseButton b = MouseButton::Left, bool ctrl = false) {
  MouseEvent e = ViewEvent(MouseAction::Down, x, y, b, b == MouseButton::Left, b == MouseButton::Right);
  e.ctrl = ctrl;
  OnEditorMouse(app, e);
}
void Drag(App& app, int x, int y, MouseButton b = MouseButton::Left, bool ctrl = false) {
  MouseEvent e = ViewEvent(MouseAction::Move, x, y, MouseButton::None, b == MouseButton::Left,
                           b == MouseButton::Right);
  e.ctrl = ctrl;
  OnEditorMouse(app, e);
}
void Release(App& app, int x, int y, MouseButton b = MouseButton::Left) {
  OnEditorMouse(app, ViewEvent(MouseAction::Up, x, y, b, false));
}

void Key(App& app, kx::Key key, int x, int y, bool repeat = false) {
  OnEditorKey(app, KeyEvent{KeyAction::Press, key, false, false, repeat}, x * 8 + 4, y * 8 + 4);
}

int CountSet(const Charset& c) {
  int n = 0;
  for (std::uint8_t b : c) n += __builtin_popcount(b);
  return n;
}

App BlankApp() {
  App app;
  app.doc.store.editor.fill(0);
  return app;
}

TEST(EditorStrokes, LineClickSetsOnePixelAndDraggedLineCrossesGlyphs) {
  App app = BlankApp();
  OnToolButton(app, GadgetId::Line);
  Press(app, 3, 2);
  Release(app, 3, 2);
  EXPECT_EQ(CountSet(app.doc.store.editor), 1);
  EXPECT_TRUE(app.doc.store.modified);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);

  app.doc.store.editor.fill(0);
  Press(app, 5, 4);
  Drag(app, 9, 4);
  Drag(app, 11, 4);
  EXPECT_EQ(CountSet(app.doc.store.editor), 7) << "the last step's line is shown until the next event";
  Drag(app, 5, 4);
  EXPECT_EQ(CountSet(app.doc.store.editor), 1) << "each step takes the last one's line down first";
  Drag(app, 11, 4);
  RunCommand(app, cmd::ShowCharGrid);  // any other event starts from the charset without the rubber band
  EXPECT_EQ(CountSet(app.doc.store.editor), 1);
  EXPECT_EQ(app.view.pictures.charset.Pixel(8, 4), app.view.palette[0]) << "nor does its picture keep it";
  Release(app, 11, 4);
  EXPECT_EQ(CountSet(app.doc.store.editor), 7);
  EXPECT_NE(GetGlyph(app.doc.store.editor, 0)[4], 0);
  EXPECT_NE(GetGlyph(app.doc.store.editor, 1)[4], 0);
}

TEST(EditorStrokes, BoxDraggedBackToItsStartLeavesOnePixel) {
  App app = BlankApp();
  OnToolButton(app, GadgetId::Box);
  Press(app, 10, 10);
  Drag(app, 20, 15);
  Drag(app, 10, 10);
  Release(app, 10, 10);
  EXPECT_EQ(CountSet(app.doc.store.editor), 1);
  EXPECT_TRUE(GetCharsetPixel(app.doc.store.editor, 10, 10));
}

TEST(EditorStrokes, FilledBoxWithTheRightPenClearsBordersToo) {
  App app = BlankApp();
  app.doc.store.editor.fill(0xFF);
  OnToolButton(app, GadgetId::Box);
  OnToolButton(app, GadgetId::Box);  // filled
  Press(app, 2, 3, MouseButton::Right);
  Drag(app, 6, 9, MouseButton::Right);
  Release(app, 6, 9, MouseButton::Right);
  EXPECT_EQ(CountSet(app.doc.store.editor), kCharsetWidth * kCharsetHeight - 5 * 7);
  EXPECT_FALSE(GetCharsetPixel(app.doc.store.editor, 2, 3));
  EXPECT_FALSE(GetCharsetPixel(app.doc.store.editor, 6, 9));
  EXPECT_TRUE(GetCharsetPixel(app.doc.store.editor, 7, 9));
}

TEST(EditorStrokes, ContinuousStrokeIsOneUndoStepAndJoinsItsMoves) {
  App app = BlankApp();
  Press(app, 0, 0);
  Drag(app, 10, 0);
  Drag(app, 10, 10);
  Release(app, 10, 10);
  EXPECT_EQ(CountSet(app.doc.store.editor), 21);
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  OnToolButton(app, GadgetId::Undo);
  EXPECT_EQ(CountSet(app.doc.store.editor), 0);
  EXPECT_FALSE(app.doc.store.modified);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Redo)).enabled);
  EXPECT_FALSE(ShownToolButton(app, static_cast<int>(GadgetId::Undo)).enabled);
}

TEST(EditorStrokes, DottedPlotsOnlyWhereMovesArrive) {
  App app = BlankApp();
  OnToolButton(app, GadgetId::FreeDraw);  // continuous -> dotted
  Press(app, 0, 0);
  Drag(app, 10, 0);
  Release(app, 10, 0);
  EXPECT_EQ(CountSet(app.doc.store.editor), 2);
}

TEST(EditorStrokes, CtrlWithLeftDrawsNothingAndOtherButtonStartsANewStroke) {
  App app = BlankApp();
  Press(app, 4, 4, MouseButton::Left, true);
  Drag(app, 9, 4, MouseButton::Left, true);
  Release(app, 9, 4);
  EXPECT_EQ(CountSet(app.doc.store.editor), 0);

  Press(app, 0, 0);
  Drag(app, 5, 0);
  MouseEvent right = ViewEvent(MouseAction::Down, 3, 0, MouseButton::Right, true, true);
  OnEditorMouse(app, right);
  EXPECT_EQ(app.doc.history.UndoDepth(), 2u);
  EXPECT_FALSE(GetCharsetPixel(app.doc.store.editor, 3, 0)) << "the right pen clears";
  EXPECT_EQ(app.view.input.anchor, (CharsetPoint{3, 0}));
}

TEST(EditorGlyphTools, CopyPressHandsOverToPaste) {
  App app = BlankApp();
  PutGlyph(app.doc.store.editor, 0, Glyph{1, 2, 3, 4, 5, 6, 7, 8});
  OnToolButton(app, GadgetId::Copy);
  Press(app, 3, 3);  // glyph 0
  Release(app, 3, 3);
  EXPECT_EQ(app.view.editing.tool, Tool::PasteGlyph);
  EXPECT_TRUE(ShownToolButton(app, static_cast<int>(GadgetId::Paste)).enabled);
  EXPECT_TRUE(app.shell.tools[GadgetId::Paste].pressed);
  EXPECT_FALSE(app.shell.tools[GadgetId::Copy].pressed);
  EXPECT_TRUE(ItemState(app, cmd::Paste).enabled);
  Press(app, 8 * 5 + 1, 8 + 1);  // glyph 37
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 37), (Glyph{1, 2, 3, 4, 5, 6, 7, 8}));
  EXPECT_EQ(app.doc.history.UndoDepth(), 2u);
}

TEST(EditorGlyphTools, RightButtonAppliesOnlyFillReverseAndClear) {
  App app = BlankApp();
  OnToolButton(app, GadgetId::Reverse);
  Press(app, 9, 1, MouseButton::Right);
  const Glyph full{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 1), full);
  Release(app, 9, 1, MouseButton::Right);
  OnToolButton(app, GadgetId::Rotate);
  app.doc.store.editor.fill(0);
  PutGlyph(app.doc.store.editor, 1, Glyph{0x80});
  Press(app, 9, 1, MouseButton::Right);
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 1), Glyph{0x80});
}

TEST(EditorKeys, HeldDeletePushesOneSnapshotPerRepeatAndKeepsRedo) {
  App app = BlankApp();
  Press(app, 0, 0);
  Release(app, 0, 0);
  OnToolButton(app, GadgetId::Undo);
  ASSERT_TRUE(app.doc.history.CanRedo());
  app.doc.store.editor.fill(0xFF);
  app.doc.store.inks[0] = 4;
  Key(app, kx::Key::Delete, 2, 2);
  Key(app, kx::Key::Delete, 2, 2, true);
  Key(app, kx::Key::Delete, 2, 2, true);
  EXPECT_EQ(app.doc.history.UndoDepth(), 3u);
  EXPECT_TRUE(app.doc.history.CanRedo());
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 0), Glyph{});
  EXPECT_EQ(app.doc.store.inks[0], 1);
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 1)[0], 0xFF);
}

// With Ctrl or Alt held the letter keys belong to the window's shortcuts and the menu titles: neither canvas
// changes the charset, the title, the tool or the charset in the editor.
TEST(EditorKeys, LetterKeysWithCtrlOrAltDoNothing) {
  const kx::Key letters[] = {kx::Key::D, kx::Key::V, kx::Key::F, kx::Key::R, kx::Key::J, kx::Key::I, kx::Key::K};
  for (kx::Key letter : letters) {
    for (const bool alt : {false, true}) {
      App app = BlankApp();
      RunCommand(app, cmd::BoxHollow);
      const auto seen = [&] {
        return std::tuple(app.doc.store.editor, app.shell.title, app.view.editing.tool, app.doc.store.editorSlot);
      };
      const auto before = seen();
      KeyEvent e{KeyAction::Press, letter};
      e.alt = alt;
      e.ctrl = !alt;
      OnEditorKey(app, e, 20, 20);
      OnPaneKey(app, e);
      EXPECT_TRUE(seen() == before) << static_cast<int>(letter) << (alt ? " with Alt" : " with Ctrl");
    }
  }
}

// Every glyph key of the editor view and of the pane on glyph 0 (rows 0x0F), held down: the glyph after the
// press, after an auto-repeat (with the release the window system sends before it) and after a real release
// and a new press. Keys of one window do nothing in the other.
TEST(EditorKeys, EveryGlyphKeyOfBothWindowsAndItsHoldToRepeat) {
  struct Case {
    bool pane;
    kx::Key key;
    std::uint8_t pressed, repeated, pressedAgain;
  };
  using K = kx::Key;
  const Case cases[] = {
      {false, K::Delete, 0x00, 0x00, 0x00}, {false, K::F, 0xFF, 0xFF, 0xFF}, {false, K::R, 0xF0, 0xF0, 0x0F},
      {false, K::I, 0x0F, 0x0F, 0x0F},      {false, K::K, 0x0F, 0x0F, 0x0F}, {true, K::K, 0x00, 0x00, 0x00},
      {true, K::I, 0xF0, 0xF0, 0x0F},       {true, K::R, 0x0F, 0x0F, 0x0F},  {true, K::F, 0x0F, 0x0F, 0x0F},
      {true, K::Delete, 0x0F, 0x0F, 0x0F},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.pane ? "pane key " : "view key ") << static_cast<int>(c.key));
    App app = BlankApp();
    PutGlyph(app.doc.store.editor, 0, Glyph{0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F});
    OnPaneMouse(app, MouseEvent{MouseAction::Move, 1, 1});  // the pane's keys act on the hovered glyph
    const auto send = [&](KeyAction action, bool repeat) {
      const KeyEvent e{action, c.key, false, false, repeat};
      if (c.pane) {
        OnPaneKey(app, e);
      } else {
        OnEditorKey(app, e, 4, 4);
      }
      return GetGlyph(app.doc.store.editor, 0)[7];
    };
    EXPECT_EQ(send(KeyAction::Press, false), c.pressed);
    send(KeyAction::Release, true);
    EXPECT_EQ(send(KeyAction::Press, true), c.repeated);
    send(KeyAction::Release, false);
    EXPECT_EQ(send(KeyAction::Press, false), c.pressedAgain);
  }
}

TEST(EditorKeys, SelectionMakesTheGlyphKeysActOnItsRectangle) {
  App app = BlankApp();
  app.doc.store.editor.fill(0xFF);
  MouseEvent down{MouseAction::Down, 2 * 16 + 1, 1 * 16 + 1, MouseButton::Left, true, false, true};
  OnPaneMouse(app, down);  // glyph (2, 1)
  MouseEvent move{MouseAction::Move, 4 * 16 + 1, 2 * 16 + 1, MouseButton::None, true, false, false};
  OnPaneMouse(app, move);  // to glyph (4, 2)
  OnPaneMouse(app, MouseEvent{MouseAction::Up, 4 * 16 + 1, 2 * 16 + 1, MouseButton::Left});
  EXPECT_FALSE(app.view.editing.selection.selecting);
  EXPECT_EQ(app.view.editing.scope.firstColumn, 2);
  EXPECT_EQ(app.view.editing.scope.lastRow, 2);
  Key(app, kx::Key::Delete, 200, 60);
  EXPECT_EQ(app.doc.history.UndoDepth(), 1u);
  for (int n = 0; n < kGlyphCount; ++n) {
    const bool inside = GlyphColumnOf(n) >= 2 && GlyphColumnOf(n) <= 4 && GlyphRowOf(n) >= 1 && GlyphRowOf(n) <= 2;
    EXPECT_EQ(GetGlyph(app.doc.store.editor, n)[0], inside ? 0 : 0xFF) << n;
  }
}

TEST(EditorKeys, EscapeOrAPlainClickInThePaneEndsTheSelection) {
  App app = BlankApp();
  app.doc.store.editor.fill(0xFF);
  const auto selectGlyph34 = [&] {  // Ctrl+click on glyph (2, 1) in the pane
    OnPaneMouse(app, MouseEvent{MouseAction::Down, 2 * 16 + 1, 16 + 1, MouseButton::Left, true, false, true});
    OnPaneMouse(app, MouseEvent{MouseAction::Up, 2 * 16 + 1, 16 + 1, MouseButton::Left});
    return app.view.editing.selection.Exists() && app.view.pictures.editorPane.Pixel(32, 16) == 0x00FFFFu;
  };
  ASSERT_TRUE(selectGlyph34());
  Key(app, kx::Key::Escape, 0, 0);
  EXPECT_FALSE(app.view.editing.selection.Exists());
  EXPECT_NE(app.view.pictures.editorPane.Pixel(32, 16), 0x00FFFFu);
  Key(app, kx::Key::Delete, 0, 0);  // the pointer's glyph again
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 0), Glyph{});
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 34)[0], 0xFF);

  ASSERT_TRUE(selectGlyph34());
  OnPaneKey(app, KeyEvent{KeyAction::Press, kx::Key::Escape});
  EXPECT_FALSE(app.view.editing.selection.Exists());
  EXPECT_NE(app.view.pictures.editorPane.Pixel(32, 16), 0x00FFFFu);

  ASSERT_TRUE(selectGlyph34());
  OnPaneMouse(app, MouseEvent{MouseAction::Down, 300, 40, MouseButton::Left, true});
  EXPECT_FALSE(app.view.editing.selection.Exists());
  EXPECT_TRUE(app.view.input.panning) << "the click still pans";
}

TEST(EditorKeys, ScrollZoomAndPenIndex) {
  App app;
  Key(app, kx::Key::End, 0, 0);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition());
  OnEditorKey(app, KeyEvent{KeyAction::Press, kx::Key::Left, true}, 0, 0);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition() - 8);
  OnEditorKey(app, KeyEvent{KeyAction::Press, kx::Key::Left, false, true}, 0, 0);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition() - 8) << "Ctrl alone";
  OnEditorKey(app, KeyEvent{KeyAction::Press, kx::Key::Left, true, true}, 0, 0);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition() - 16) << "Ctrl with Shift";
  Key(app, kx::Key::Home, 0, 0);
  EXPECT_EQ(app.view.editing.scrollX, 0);
  Key(app, kx::Key::Plus, 0, 0);
  EXPECT_EQ(app.view.editing.zoomIndex, 2);
  for (int i = 0; i < 9; ++i) Key(app, kx::Key::BracketRight, 0, 0);
  EXPECT_EQ(app.view.editing.leftPen.index, 7);
  OnSwatchMouse(app, MouseEvent{MouseAction::Down, 1, 1, MouseButton::Left, true});
  EXPECT_EQ(app.view.editing.leftPen.kind, PenKind::Clear);
  Key(app, kx::Key::BracketLeft, 0, 0);
  EXPECT_EQ(app.view.editing.rightPen.index, 6);
  EXPECT_EQ(app.doc.history.UndoDepth(), 0u);
}

TEST(EditorPane, LeftDragPansWithTheHandAndHoverFollowsTargets) {
  App app;
  OnZoomChosen(app, 4);
  OnPaneMouse(app, MouseEvent{MouseAction::Enter, 0, 0});
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::EditorPane);
  OnPaneMouse(app, MouseEvent{MouseAction::Down, 200, 40, MouseButton::Left, true});
  EXPECT_TRUE(app.shell.requests.handPointer);
  EXPECT_EQ(app.view.editing.scrollX, 100 - app.view.layout.ColumnsVisible() / 2);
  OnPaneMouse(app, MouseEvent{MouseAction::Move, 300, 40, MouseButton::None, true});
  EXPECT_EQ(app.view.editing.scrollX, 150 - app.view.layout.ColumnsVisible() / 2);
  OnPaneMouse(app, MouseEvent{MouseAction::Up, 300, 40, MouseButton::Left});
  EXPECT_FALSE(app.shell.requests.handPointer);
  OnEditorMouse(app, MouseEvent{MouseAction::Enter, 5, 5});
  OnPaneMouse(app, MouseEvent{MouseAction::Leave});
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::EditorView);
  OnEditorMouse(app, MouseEvent{MouseAction::Leave});
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::None);
}

TEST(EditorHover, FollowsThePointerThroughKeyScrollsZoomsAndTheScrollBars) {
  App app;  // 8x: the view is 1032 x 352 at (50, 2)
  OnEditorMouse(app, MouseEvent{MouseAction::Enter, 100, 4});
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER: 001");  // pixel 12
  OnEditorKey(app, KeyEvent{KeyAction::Press, kx::Key::Right, true}, 100, 4);
  EXPECT_EQ(app.view.editing.hoverX, 20);
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER: 002");
  Key(app, kx::Key::Plus, 0, 0);  // 16x: 100 / 16 + 8
  EXPECT_EQ(app.view.editing.hoverX, 14);
  EXPECT_EQ(app.shell.status.hexNumber, "$01");
  OnScrollBars(app, 16, 0);  // as the scroll bar does
  EXPECT_EQ(app.view.editing.hoverX, 22);
  OnZoomChosen(app, 4);  // as the zoom box does: 64x, 100 / 64 + 16
  EXPECT_EQ(app.view.editing.hoverX, 17);
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::EditorView);

  // At 64x the view is only 320 high: a pointer near the bottom of the 8x view is left outside it.
  OnZoomChosen(app, 1);
  OnEditorMouse(app, MouseEvent{MouseAction::Move, 100, 340});
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER: 163");
  OnZoomChosen(app, 4);
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::None);
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER:  ---");

  // The view's last column keeps the hover through a zoom to 16x, where the view is 1024 wide; the one
  // after it does not.
  for (const auto& [x, inside] : {std::pair(1023, true), std::pair(1024, false)}) {
    App at;
    OnEditorMouse(at, MouseEvent{MouseAction::Enter, x, 100});
    RunCommand(at, cmd::ZoomIn);
    ASSERT_EQ(at.view.layout.editorView.w, 1024);
    EXPECT_EQ(at.view.editing.hoverTarget == HoverTarget::EditorView, inside) << x;
  }
}

TEST(EditorHover, APaneMovedAwayFromThePointerLosesTheHover) {
  App app;
  OnPaneMouse(app, MouseEvent{MouseAction::Enter, 40, 20});
  OnScrollBars(app, 30, 10);  // the pane stays where it is
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::EditorPane);
  EXPECT_EQ(app.view.editing.hoverX, 20);
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER: 034");
  ResizeWindow(app, WindowMetrics{1110, 800});  // a taller view pushes the pane down
  EXPECT_EQ(app.view.editing.hoverTarget, HoverTarget::None);
}

TEST(EditorPane, MemoryPaneClickSwapsTheCharsets) {
  App app;
  OnMemoryPaneMouse(app, MouseEvent{MouseAction::Down, 10, 10, MouseButton::Left, true});
  EXPECT_EQ(app.doc.store.editorSlot, 1);
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 2");
}

}  // namespace
}  // namespace kx
