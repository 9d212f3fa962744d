#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QScrollBar>
#include <QTest>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include <utility>

#include "app/run_command.h"
#include "gui/canvas_widget.h"
#include "gui/frame_pacer.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "tests/gui/on_screen.h"

namespace kx {
namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

TEST(EditorCanvasInput, LeftDragDrawsIntoTheEditorCharsetAndUndoRemovesIt) {
  App app;
  app.doc.store.editor.fill(0);
  MainWindow window(app);
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.view.layout.blockSize;
  SendMouse(canvas, QEvent::MouseButtonPress, {b / 2, b / 2}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(canvas, QEvent::MouseMove, {10 * b + b / 2, b / 2}, Qt::NoButton, Qt::LeftButton);
  SendMouse(canvas, QEvent::MouseButtonRelease, {10 * b + b / 2, b / 2}, Qt::LeftButton, Qt::NoButton);
  for (int x = 0; x <= 10; ++x) EXPECT_TRUE(GetCharsetPixel(app.doc.store.editor, x, 0)) << x;
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");

  QToolButton* undo = window.Button(GadgetId::Undo);
  ASSERT_TRUE(undo->isEnabled());
  undo->click();
  EXPECT_EQ(app.doc.store.editor, Charset{});
  EXPECT_TRUE(window.Button(GadgetId::Redo)->isEnabled());
}

TEST(EditorCanvasInput, MovingOverTheCanvasNamesTheGlyphInTheStatusBar) {
  App app;
  MainWindow window(app);
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.view.layout.blockSize;
  const QPoint overGlyph65(9 * b + b / 2, 17 * b + b / 2);  // glyph column 1, glyph row 2
  QEnterEvent enter{QPointF(overGlyph65), QPointF(overGlyph65), QPointF(canvas->mapToGlobal(overGlyph65))};
  QCoreApplication::sendEvent(canvas, &enter);
  SendMouse(canvas, QEvent::MouseMove, overGlyph65, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), "CHAR NUMBER: 065");
  EXPECT_EQ(window.StatusField(1)->text().toStdString(), "$41");
  EXPECT_EQ(window.PixelField()->text().toStdString(), "");  // a hi-res glyph

  // Over a multicolour glyph the pixel field names the double-wide pixel and its pair (row 1 is 00 01 11 00).
  RunCommand(app, cmd::DisplayMulticolour);
  app.doc.store.inks[65] = 9;
  window.Pacer()->SetFrameMillis(0);  // the move follows the last at once: hand it on, not hold it
  SendMouse(canvas, QEvent::MouseMove, overGlyph65 + QPoint(2 * b, 0), Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.PixelField()->text().toStdString(), "PIXEL 1,1  PAIR 01");

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(canvas, &leave);
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), "CHAR NUMBER:  ---");
}

// Rotate has no meaning on a multicolour glyph: the click leaves it and the status bar says so, until the
// next edit.
TEST(EditorCanvasInput, RotatingAMulticolourGlyphTellsItWasLeftInTheStatusBar) {
  App app;
  app.doc.store.colours.mode = DisplayMode::Multicolour;
  app.doc.store.inks[0] = 9;
  const Glyph before = GetGlyph(app.doc.store.editor, 0);
  MainWindow window(app);
  RunCommand(app, 319);  // "Rotate Individual Chars"
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.view.layout.blockSize;
  const auto click = [&](QPoint at) {
    SendMouse(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    SendMouse(canvas, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  };
  click({b / 2, b / 2});
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 0), before);
  EXPECT_EQ(window.NoticeField()->text().toStdString(), "1 multicolour glyphs left as they were");
  click({8 * b + b / 2, b / 2});  // glyph 1, hi-res
  EXPECT_EQ(window.NoticeField()->text().toStdString(), "");
}

// In multicolour mode a stroke over a multicolour glyph sets both bits of each double-wide pixel to the
// button's pair (left 11 by default, right chosen as 01 from the menu); over a hi-res glyph the same stroke
// sets or clears single pixels as ever.
TEST(EditorCanvasInput, StrokesDrawBitPairsInMulticolourGlyphsAndPixelsInHiResOnes) {
  App app;
  app.doc.store.editor.fill(0);
  app.doc.store.editor[1] = 0xFF;  // glyph 0, row 1
  app.doc.store.editor[9] = 0xFF;  // glyph 1, row 1
  app.doc.store.colours.mode = DisplayMode::Multicolour;
  app.doc.store.inks[0] = 9;  // glyph 0 multicolour, glyph 1 keeps its hi-res ink
  MainWindow window(app);
  RunCommand(app, 407);  // right button: "01 Multicolour 1"
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.view.layout.blockSize;
  const auto at = [b](int x, int y) { return QPoint(x * b + b / 2, y * b + b / 2); };
  const auto drag = [&](Qt::MouseButton button, QPoint from, QPoint to) {
    SendMouse(canvas, QEvent::MouseButtonPress, from, button, button);
    SendMouse(canvas, QEvent::MouseMove, to, Qt::NoButton, button);
    SendMouse(canvas, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
  };
  drag(Qt::LeftButton, at(3, 0), at(10, 0));
  drag(Qt::RightButton, at(2, 1), at(9, 1));
  const std::pair<int, int> expected[] = {{0, 0x3F}, {8, 0xE0}, {1, 0xD5}, {9, 0x3F}};
  for (const auto& [index, byte] : expected) EXPECT_EQ(app.doc.store.editor[index], byte) << index;
}

// Plain moves sooner than a frame after the last one wait for the frame's end, but any other input comes
// after them: a glyph key acts on the glyph under the last move. Moves with a button held each land at once:
// a stroke that turns corners within one frame keeps every corner.
TEST(EditorCanvasInput, HeldMovesLandBeforeTheNextInputAndStrokeMovesEachAtOnce) {
  App app;
  app.doc.store.editor.fill(0);
  MainWindow window(app);
  window.Pacer()->SetFrameMillis(400);  // far longer than the events below take
  CanvasWidget* pane = window.EditorPane();
  for (int glyph = 0; glyph <= 5; ++glyph) {  // 16 pane pixels a glyph
    SendMouse(pane, QEvent::MouseMove, {glyph * 16 + 1, 1}, Qt::NoButton, Qt::NoButton);
  }
  EXPECT_TRUE(pane->HoldsMove());
  QTest::keyClick(pane, Qt::Key_I);  // reverses the glyph under the pointer
  for (int i = 0; i < 64; ++i) EXPECT_EQ(app.doc.store.editor[i], i / 8 == 5 ? 0xFF : 0) << i;

  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.view.layout.blockSize;
  const auto at = [b](int x, int y) { return QPoint(x * b + b / 2, y * b + b / 2); };
  SendMouse(canvas, QEvent::MouseButtonPress, at(3, 3), Qt::LeftButton, Qt::LeftButton);
  for (const QPoint p : {at(4, 3), at(4, 4), at(5, 4), at(5, 5)}) {
    SendMouse(canvas, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
  }
  SendMouse(canvas, QEvent::MouseButtonRelease, at(5, 5), Qt::LeftButton, Qt::NoButton);
  for (const auto& [x, y] : {std::pair{3, 3}, {4, 3}, {4, 4}, {5, 4}, {5, 5}}) {
    EXPECT_TRUE(GetCharsetPixel(app.doc.store.editor, x, y)) << x << "," << y;
  }
}

TEST(EditorCanvasInput, ToolButtonClickSwitchesTheVariantShownOnTheButton) {
  App app;
  MainWindow window(app);
  QToolButton* freeDraw = window.Button(GadgetId::FreeDraw);
  freeDraw->click();
  EXPECT_EQ(app.view.editing.tool, Tool::DottedDraw);
  EXPECT_TRUE(freeDraw->isChecked());
  EXPECT_EQ(freeDraw->toolTip().toStdString(), "Dotted Drawing\nKey: Shift D");
  window.Button(GadgetId::Line)->click();
  EXPECT_FALSE(freeDraw->isChecked());
  EXPECT_EQ(app.view.editing.tool, Tool::Line);
}

TEST(EditorCanvasInput, ThePointerIsACrosshairOverTheViewWhileADrawingToolIsCurrent) {
  App app;
  MainWindow window(app);
  CanvasWidget* view = window.EditorCanvas();
  EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);  // continuous drawing at start
  window.Button(GadgetId::Reverse)->click();
  EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
  window.Menus()->Actions(cmd::BoxFilled).front()->trigger();
  EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
  window.Menus()->Actions(cmd::EraseChar).front()->trigger();
  EXPECT_EQ(view->cursor().shape(), Qt::ArrowCursor);
  QTest::keyClick(view, Qt::Key_V);  // the line tool's key
  EXPECT_EQ(app.view.editing.tool, Tool::Line);
  EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);

  // Panning from the charset pane shows the hand there until the button is let go; the view keeps its own.
  CanvasWidget* pane = window.EditorPane();
  SendMouse(pane, QEvent::MouseButtonPress, {40, 20}, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(pane->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(view->cursor().shape(), Qt::CrossCursor);
  SendMouse(pane, QEvent::MouseButtonRelease, {40, 20}, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(pane->cursor().shape(), Qt::ArrowCursor);
}

// Puts the real pointer over `at` in `w`: the window system delivers the enter and move events itself.
void PointAt(QWidget* w, QPoint at) {
  QCursor::setPos(w->mapToGlobal(at));
  EndFrame(w);
}

TEST(EditorCanvasInput, TheStatusBarFollowsThePointerAfterEveryScrollAndZoom) {
  App app;
  app.doc.store.editor.fill(0xFF);
  MainWindow window(app);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  CanvasWidget* canvas = window.EditorCanvas();
  canvas->setFocus();
  PointAt(canvas, {100, 4});  // charset pixel 12 at 8x
  const auto charNumber = [&] { return window.StatusField(0)->text().toStdString(); };
  ASSERT_EQ(charNumber(), "CHAR NUMBER: 001");

  QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier);  // one glyph to the right: pixel 20
  EXPECT_EQ(charNumber(), "CHAR NUMBER: 002");
  QTest::keyClick(canvas, Qt::Key_Delete);  // the glyph the status bar names
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 2), Glyph{});
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 1)[0], 0xFF);

  QTest::keyClick(canvas, Qt::Key_Plus);  // 16x: 100 / 16 + 8 = pixel 14
  EXPECT_EQ(charNumber(), "CHAR NUMBER: 001");
  window.HorizontalBar()->setValue(24);  // pixel 30
  EXPECT_EQ(charNumber(), "CHAR NUMBER: 003");
  window.ZoomBox()->setCurrentIndex(0);  // 4x shows the whole charset: pixel 25
  EXPECT_EQ(charNumber(), "CHAR NUMBER: 003");
  window.ZoomBox()->setCurrentIndex(1);
  EXPECT_EQ(charNumber(), "CHAR NUMBER: 001");
}

bool Cyan(const CanvasWidget* canvas, int x, int y) { return (canvas->Picture().pixel(x, y) & 0xFFFFFF) == 0x00FFFF; }

TEST(EditorPaneInput, TheSelectionShowsInBothViewsAndEscapeOrAPlainClickEndsIt) {
  App app;
  MainWindow window(app);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  CanvasWidget* pane = window.EditorPane();
  CanvasWidget* editor = window.EditorCanvas();
  const QPoint glyph34(2 * 16 + 1, 16 + 1);  // column 2, row 1; at 8x the view shows it at (128, 64)
  const auto select = [&] {
    PointAt(pane, glyph34);
    QTest::mouseClick(pane, Qt::LeftButton, Qt::ControlModifier, glyph34);
    return app.view.editing.selection.Exists() && Cyan(pane, 32, 16) && Cyan(editor, 128, 64) && Cyan(editor, 191, 127);
  };
  ASSERT_TRUE(select());
  PointAt(pane, {5 * 16 + 1, 17});  // the status bar keeps following the pointer
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), "CHAR NUMBER: 037");

  QTest::keyClick(pane, Qt::Key_Escape);
  EXPECT_FALSE(app.view.editing.selection.Exists());
  EXPECT_FALSE(Cyan(pane, 32, 16));
  EXPECT_FALSE(Cyan(editor, 128, 64));

  ASSERT_TRUE(select());
  QTest::keyClick(editor, Qt::Key_Escape);
  EXPECT_FALSE(app.view.editing.selection.Exists());

  ASSERT_TRUE(select());
  QTest::mouseClick(pane, Qt::LeftButton, Qt::NoModifier, glyph34);
  EXPECT_FALSE(app.view.editing.selection.Exists());
  EXPECT_FALSE(Cyan(pane, 32, 16));
}

}  // namespace
}  // namespace kx
