#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <set>
#include <string>
#include <utility>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "tests/gui/on_screen.h"

namespace kx {
namespace {

constexpr QRgb kWhite = 0xFFFFFF;  // a set pixel at high brightness, and the left pen's colour
constexpr QRgb kBlack = 0x000000;  // a clear pixel

// The middle of charset pixel (x, y) on the editor view at 8x and scroll (0, 0): clear of the grid lines.
QPoint Cell(int x, int y) { return {x * 8 + 4, y * 8 + 4}; }

using Cells = std::set<std::pair<int, int>>;

Cells Box(int x0, int y0, int x1, int y1, bool filled) {
  Cells c;
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      if (filled || x == x0 || x == x1 || y == y0 || y == y1) c.insert({x, y});
    }
  }
  return c;
}

// Every cell of the view's top-left 16 x 10 pixels, but the one under the pointer (the hover cell shows the
// left pen there): the shape's cells in the pen's colour, all others in the charset's.
std::string ShownCellsDiffer(QWidget* view, const Cells& shape, QRgb pen, QRgb background, std::pair<int, int> pointer) {
  const QImage shown = OnScreen(view);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 16; ++x) {
      if (std::pair(x, y) == pointer) continue;
      const QRgb want = shape.contains({x, y}) ? pen : background;
      const QRgb got = shown.pixel(Cell(x, y)) & 0xFFFFFF;
      if (got != want) return "cell " + std::to_string(x) + "," + std::to_string(y) + " shows " + std::to_string(got);
    }
  }
  return {};
}

// Line, hollow and filled box, with the left pen (sets, on a clear charset) and the right pen (clears, on a
// set charset), dragged from (2, 3) over (12, 8) to (9, 6): while the button is still held the view shows
// the shape to (9, 6) and nothing of the one to (12, 8); the release leaves it, one Undo takes it away.
TEST(RubberBand, TheViewShowsTheShapeWhileTheButtonIsHeld) {
  const Cells line{{2, 3}, {3, 3}, {4, 4}, {5, 4}, {6, 5}, {7, 5}, {8, 6}, {9, 6}};
  struct Case {
    const char* name;
    CommandId tool;
    Qt::MouseButton button;
    Cells shape;
  };
  const Case cases[] = {
      {"line, left", cmd::LineDraw, Qt::LeftButton, line},
      {"line, right", cmd::LineDraw, Qt::RightButton, line},
      {"hollow box, left", cmd::BoxHollow, Qt::LeftButton, Box(2, 3, 9, 6, false)},
      {"hollow box, right", cmd::BoxHollow, Qt::RightButton, Box(2, 3, 9, 6, false)},
      {"filled box, left", cmd::BoxFilled, Qt::LeftButton, Box(2, 3, 9, 6, true)},
      {"filled box, right", cmd::BoxFilled, Qt::RightButton, Box(2, 3, 9, 6, true)},
  };
  for (const Case& c : cases) {
    App app;
    const bool sets = c.button == Qt::LeftButton;
    app.doc.store.editor.fill(sets ? 0x00 : 0xFF);
    MainWindow window(app);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.Menus()->Actions(c.tool).front()->trigger();
    CanvasWidget* view = window.EditorCanvas();
    const QRgb pen = sets ? kWhite : kBlack, background = sets ? kBlack : kWhite;

    QTest::mouseMove(view, Cell(2, 3));
    QTest::mousePress(view, c.button, Qt::NoModifier, Cell(2, 3));
    QTest::mouseMove(view, Cell(12, 8));
    QTest::mouseMove(view, Cell(9, 6));
    EXPECT_EQ(ShownCellsDiffer(view, c.shape, pen, background, {9, 6}), "") << c.name << ", while dragging";
    QTest::mouseRelease(view, c.button, Qt::NoModifier, Cell(9, 6));
    QTest::mouseMove(view, Cell(15, 9));  // the hover cell away from the shape's end
    EXPECT_EQ(ShownCellsDiffer(view, c.shape, pen, background, {15, 9}), "") << c.name << ", released";
    window.Button(GadgetId::Undo)->click();
    EXPECT_EQ(ShownCellsDiffer(view, {}, pen, background, {15, 9}), "") << c.name << ", undone";
    EXPECT_FALSE(window.Button(GadgetId::Undo)->isEnabled()) << c.name << ": one step for the whole stroke";
  }
}

std::string CharNumber(const MainWindow& window) { return window.StatusField(0)->text().toStdString(); }

// Maximised at 8x with the pointer low in the view, "-" shrinks the view to above the pointer; the hover
// ends there, and comes back with the first move over the view, whether or not the window system tells
// the view that the pointer entered it again.
TEST(ViewHover, ComesBackAfterTheViewShrankUnderThePointer) {
  App app;
  MainWindow window(app);
  window.resize(1600, 1000);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  CanvasWidget* view = window.EditorCanvas();
  ASSERT_GT(view->height(), 400);
  QCursor::setPos(view->mapToGlobal(QPoint(100, 400)));  // charset pixel (12, 50): glyph 1 + 6 * 32
  QApplication::processEvents();
  ASSERT_EQ(CharNumber(window), "CHAR NUMBER: 193");

  QTest::keyClick(view, Qt::Key_Minus);  // 4x: the view is 256 high now
  ASSERT_EQ(view->height(), 256);
  EXPECT_EQ(CharNumber(window), "CHAR NUMBER:  ---");

  QTest::mouseMove(view, QPoint(100, 200));  // charset pixel (25, 50): glyph 3 + 6 * 32
  EndFrame(view);
  EXPECT_EQ(CharNumber(window), "CHAR NUMBER: 195");
  EXPECT_EQ(window.StatusField(1)->text().toStdString(), "$C3");
  // The hover cell in the left pen's colour, inside its magenta outline.
  const QImage shown = OnScreen(view);
  EXPECT_EQ(shown.pixel(25 * 4 + 2, 50 * 4 + 2) & 0xFFFFFF, kWhite);
  EXPECT_EQ(shown.pixel(25 * 4, 50 * 4 + 2) & 0xFFFFFF, 0xFF00FFu);
}

void Wheel(QWidget* w, QPoint at, QPoint angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWheelEvent e(QPointF(at), QPointF(w->mapToGlobal(at)), QPoint(), angle, Qt::NoButton, modifiers,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

// At the minimum window at 8x the view shows 129 x 35 charset pixels (so a notch scrolls 32 across or 8
// down); at 16x 64 x 17.
TEST(ViewWheel, ScrollsDownAndAcrossAndZoomsAroundThePointer) {
  App app;
  MainWindow window(app);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  CanvasWidget* view = window.EditorCanvas();
  ASSERT_EQ(view->width(), 129 * 8);
  ASSERT_EQ(view->height(), 35 * 8);
  const auto scroll = [&] { return std::pair(app.view.editing.scrollX, app.view.editing.scrollY); };

  Wheel(view, {40, 40}, {0, -120});  // towards the user: down
  EXPECT_EQ(scroll(), std::pair(0, 8));
  Wheel(view, {40, 40}, {0, -120}, Qt::ShiftModifier);  // across
  EXPECT_EQ(scroll(), std::pair(32, 8));
  for (int i = 0; i < 3; ++i) Wheel(view, {40, 40}, {0, 40});  // a touchpad's thirds add up to a notch
  EXPECT_EQ(scroll(), std::pair(32, 0));
  Wheel(view, {40, 40}, {0, 60});
  EXPECT_EQ(scroll(), std::pair(32, 0)) << "half a notch does nothing yet";
  Wheel(view, {40, 40}, {0, -60});
  Wheel(view, {40, 40}, {0, -60});
  EXPECT_EQ(scroll(), std::pair(32, 0)) << "turned back, the halves cancel";

  // Charset pixel (32 + 400 / 8, 0 + 200 / 8) = (82, 25) under the pointer stays under it at 16x:
  // scroll (82 - 400 / 16, 25 - 200 / 16) = (57, 13), and the view is laid out for 16x.
  Wheel(view, {400, 200}, {0, 120}, Qt::ControlModifier);
  EXPECT_EQ(app.view.editing.zoomIndex, 2);
  EXPECT_EQ(scroll(), std::pair(57, 13));
  EXPECT_EQ(view->width(), 64 * 16);
  // Back to 8x: (82 - 50, 25 - 25) = (32, 0); the scroll bars show it.
  Wheel(view, {400, 200}, {0, -120}, Qt::ControlModifier);
  EXPECT_EQ(app.view.editing.zoomIndex, 1);
  EXPECT_EQ(scroll(), std::pair(32, 0));
  EXPECT_EQ(window.HorizontalBar()->value(), 32);
  // A sideways wheel with Ctrl zooms the same way.
  Wheel(view, {400, 200}, {120, 0}, Qt::ControlModifier);
  EXPECT_EQ(app.view.editing.zoomIndex, 2);
  Wheel(view, {400, 200}, {-120, 0}, Qt::ControlModifier);
  EXPECT_EQ(app.view.editing.zoomIndex, 1);
  EXPECT_EQ(scroll(), std::pair(32, 0));

  // Over the charset pane the wheel scrolls the editor view too.
  Wheel(window.EditorPane(), {10, 10}, {0, -240});
  EXPECT_EQ(scroll(), std::pair(32, 16));
}

// At the smallest window every row of the charset panes lies above the status bar, at every zoom.
TEST(MainWindowLayout, ThePanesFitAboveTheStatusBarAtTheMinimumSize) {
  App app;
  MainWindow window(app);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  ASSERT_EQ(window.size(), QSize(1110, 514));
  const int statusTop = window.statusBar()->mapTo(&window, QPoint(0, 0)).y();
  for (int zoom = 0; zoom < 5; ++zoom) {
    window.ZoomBox()->setCurrentIndex(zoom);
    for (CanvasWidget* pane : {window.EditorPane(), window.MemoryPane()}) {
      const QRect shown(pane->mapTo(&window, QPoint(0, 0)), pane->size());
      EXPECT_EQ(shown.height(), 128);
      EXPECT_LE(shown.bottom(), statusTop - 1) << "zoom " << zoom;
      // And inside the page the panel shows, which clips its children.
      QWidget* page = window.Panel()->currentWidget();
      EXPECT_LE(pane->geometry().bottom(), page->height() - 1) << "zoom " << zoom;
    }
  }
}

}  // namespace
}  // namespace kx
