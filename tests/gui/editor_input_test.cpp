#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

TEST(EditorCanvasInput, LeftDragDrawsIntoTheEditorCharsetAndUndoRemovesIt) {
  App app;
  app.store.editor.fill(0);
  MainWindow window(app);
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.layout.blockSize;
  SendMouse(canvas, QEvent::MouseButtonPress, {b / 2, b / 2}, Qt::LeftButton, Qt::LeftButton);
  SendMouse(canvas, QEvent::MouseMove, {10 * b + b / 2, b / 2}, Qt::NoButton, Qt::LeftButton);
  SendMouse(canvas, QEvent::MouseButtonRelease, {10 * b + b / 2, b / 2}, Qt::LeftButton, Qt::NoButton);
  for (int x = 0; x <= 10; ++x) EXPECT_TRUE(GetCharsetPixel(app.store.editor, x, 0)) << x;
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - untitled charset 1 <unsaved>");

  QToolButton* undo = window.Button(GadgetId::Undo);
  ASSERT_TRUE(undo->isEnabled());
  undo->click();
  EXPECT_EQ(app.store.editor, Charset{});
  EXPECT_TRUE(window.Button(GadgetId::Redo)->isEnabled());
}

TEST(EditorCanvasInput, MovingOverTheCanvasNamesTheGlyphInTheStatusBar) {
  App app;
  MainWindow window(app);
  CanvasWidget* canvas = window.EditorCanvas();
  const int b = app.layout.blockSize;
  const QPoint overGlyph65(9 * b + b / 2, 17 * b + b / 2);  // glyph column 1, glyph row 2
  QEnterEvent enter{QPointF(overGlyph65), QPointF(overGlyph65), QPointF(canvas->mapToGlobal(overGlyph65))};
  QCoreApplication::sendEvent(canvas, &enter);
  SendMouse(canvas, QEvent::MouseMove, overGlyph65, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), "CHAR NUMBER: 065");
  EXPECT_EQ(window.StatusField(1)->text().toStdString(), "$41");

  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(canvas, &leave);
  EXPECT_EQ(window.StatusField(0)->text().toStdString(), "CHAR NUMBER:  ---");
}

TEST(EditorCanvasInput, ToolButtonClickSwitchesTheVariantShownOnTheButton) {
  App app;
  MainWindow window(app);
  QToolButton* freeDraw = window.Button(GadgetId::FreeDraw);
  freeDraw->click();
  EXPECT_EQ(app.editing.tool, Tool::DottedDraw);
  EXPECT_TRUE(freeDraw->isChecked());
  EXPECT_EQ(freeDraw->toolTip().toStdString(), "Dotted Drawing");
  window.Button(GadgetId::Line)->click();
  EXPECT_FALSE(freeDraw->isChecked());
  EXPECT_EQ(app.editing.tool, Tool::Line);
}

}  // namespace
}  // namespace kx
