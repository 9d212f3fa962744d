#include <gtest/gtest.h>

#include <array>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QScreen>
#include <QStatusBar>
#include <QTest>

#include "app/command_ids.h"
#include "model/rom_charset.h"
#include "gui/canvas_widget.h"
#include "gui/frame_pacer.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "gui/startup.h"
#include "tests/gui/on_screen.h"

namespace kx {
namespace {

TEST(MainWindowPictures, EditorCanvasShowsTheRomCharsetAfterStartUp) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {});
  const QImage shown = window->EditorCanvas()->grab().toImage();
  // At 8x every charset pixel is an 8x8 block whose first row and column are grid lines; look inside the
  // blocks of glyph 0's top row.
  const int block = app.view.layout.blockSize;
  const std::uint8_t top = RomCharset()[0];
  for (int x = 0; x < 8; ++x) {
    const bool set = (top >> (7 - x)) & 1;
    EXPECT_EQ(shown.pixel(x * block + block / 2, block / 2) & 0xFFFFFF, set ? 0xFFFFFFu : 0u) << x;
  }
  EXPECT_EQ(shown.pixel(0, block / 2) & 0xFFFFFF, 0x404040u);  // char grid at the left edge
}

TEST(MainWindowPictures, DisplayModeMenuShowsGlyphsInThatModeAndUndoGoesBack) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  app.doc.store.editor[0] = 0x1B;  // glyph 0's top row: pairs 00 01 10 11
  app.doc.store.inks[0] = 13;      // multicolour, pair 11 in green
  app.doc.store.colours.registers = {6, 2, 7, 4};
  const Rgb blue = 0x352879, red = 0x68372B, yellow = 0xB8C76F, green = 0x588D43, lightGreen = 0x9AD284;
  struct Step {
    CommandId command;
    std::array<Rgb, 8> topRow;
  };
  const Step steps[] = {
      {cmd::DisplayMulticolour, {blue, blue, red, red, yellow, yellow, green, green}},
      {cmd::DisplayExtendedBackground, {blue, blue, blue, lightGreen, lightGreen, blue, lightGreen, lightGreen}},
      {cmd::Undo, {blue, blue, red, red, yellow, yellow, green, green}},
  };
  const int block = app.view.layout.blockSize;
  for (const Step& step : steps) {
    window->Menus()->Actions(step.command).front()->trigger();
    const QImage shown = OnScreen(window->EditorCanvas());
    for (int x = 0; x < 8; ++x)
      EXPECT_EQ(shown.pixel(x * block + block / 2, block / 2) & 0xFFFFFF, step.topRow[x]) << step.command << " " << x;
  }
}

TEST(MainWindowPictures, StatusFieldShowsTheHoveredRomGlyph) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  EXPECT_EQ(window->StatusField(2)->text().toStdString(), "---");
  app.shell.status.romGlyph = 65;
  window->SyncFromApp();
  EXPECT_EQ(window->StatusField(2)->pixmap().size(), QSize(16, 16));
}

// The first pixel where the canvas's stored pixels differ from the picture, or "" when none does. Only
// the part of the canvas no other gadget covers, and not the focus frame drawn over its edge, is compared.
std::string Mismatch(CanvasWidget* canvas, const Image& picture) {
  const QImage shown = OnScreen(canvas);
  QRegion visible = canvas->visibleRegion();
  if (canvas->FocusFrameShown() && canvas->hasFocus()) visible &= canvas->rect().adjusted(2, 2, -2, -2);
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (!visible.contains(QPoint(x, y))) continue;
      if ((shown.pixel(x, y) & 0xFFFFFF) != picture.Pixel(x, y)) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

TEST(MainWindowPictures, HoverMovesRepaintOnlyWhatChangedAndTheCanvasesEndAsComposed) {
  App app;
  app.shell.placement.maximize = false;
  app.view.options.crtMain = true;  // the blur spreads a change: the repainted parts must cover it
  const auto window = StartUp(app, [](int) {}, "");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  CanvasWidget* canvas = window->EditorCanvas();
  const int b = app.view.layout.blockSize;
  const QPoint first(3 * b + 1, 3 * b + 1);
  QEnterEvent enter{QPointF(first), QPointF(first), QPointF(canvas->mapToGlobal(first))};
  QCoreApplication::sendEvent(canvas, &enter);
  // Within one glyph, across glyphs, and a drawn pixel.
  for (const QPoint at : {first, QPoint(4 * b + 1, 3 * b + 1), QPoint(20 * b + 1, 12 * b + 1)}) {
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(canvas->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
    QCoreApplication::processEvents();
    EXPECT_EQ(Mismatch(canvas, app.view.pictures.editorView), "") << at.x() << "," << at.y();
    EXPECT_EQ(Mismatch(window->EditorPane(), app.view.pictures.editorPane), "") << at.x() << "," << at.y();
  }
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(first), QPointF(canvas->mapToGlobal(first)), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(canvas, &press);
  QCoreApplication::processEvents();
  EXPECT_EQ(Mismatch(canvas, app.view.pictures.editorView), "");
  EXPECT_EQ(Mismatch(window->EditorPane(), app.view.pictures.editorPane), "");
}

// Counts the events of one type a widget receives.
struct EventCount : QObject {
  explicit EventCount(QEvent::Type counted) : type(counted) {}
  QEvent::Type type;
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == type) ++count;
    return false;
  }
};

TEST(MainWindowPictures, RepaintsWithinAFrameAreDoneOnceWhenItEndsWithTheLastState) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  window->Pacer()->SetFrameMillis(400);  // far longer than the stroke below takes
  CanvasWidget* canvas = window->EditorCanvas();
  OnScreen(canvas);
  EventCount paints(QEvent::Paint);
  canvas->installEventFilter(&paints);
  const int b = app.view.layout.blockSize;
  const auto send = [&](QEvent::Type type, int cell, Qt::MouseButton button, Qt::MouseButtons held) {
    const QPoint at(cell * b + 1, 3 * b + 1);
    QMouseEvent e(type, QPointF(at), QPointF(canvas->mapToGlobal(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &e);
    QCoreApplication::processEvents();
  };
  // A stroke: each step is handled at once and changes the view.
  send(QEvent::MouseButtonPress, 3, Qt::LeftButton, Qt::LeftButton);
  for (int cell = 4; cell < 10; ++cell) send(QEvent::MouseMove, cell, Qt::NoButton, Qt::LeftButton);
  EXPECT_LE(paints.count, 1);  // the press's, when a frame had passed since the last paint
  EXPECT_TRUE(window->Pacer()->Holding());
  send(QEvent::MouseButtonRelease, 9, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(Mismatch(canvas, app.view.pictures.editorView), "");
  EXPECT_LE(paints.count, 2);
}

TEST(MainWindowPictures, HoverMovesChangeTheStatusTextsWithoutRelayingTheStatusBarOut) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QCoreApplication::processEvents();
  QStatusBar* bar = window->statusBar();
  const int barHeight = bar->height();
  EventCount requests(QEvent::LayoutRequest);
  bar->installEventFilter(&requests);
  CanvasWidget* canvas = window->EditorCanvas();
  const int b = app.view.layout.blockSize;
  // Into the view, then across glyph borders: the number fields and the ROM glyph change each time.
  for (const QPoint at : {QPoint(3 * b + 1, 3 * b + 1), QPoint(12 * b + 1, 3 * b + 1), QPoint(20 * b + 1, 12 * b + 1)}) {
    const std::string before = window->StatusField(0)->text().toStdString();
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(canvas->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(canvas, &move);
    EndFrame(canvas);
    EXPECT_NE(window->StatusField(0)->text().toStdString(), before) << at.x();
  }
  EXPECT_EQ(requests.count, 0);
  EXPECT_EQ(bar->height(), barHeight);
  EXPECT_GE(window->StatusField(2)->height(), window->StatusField(2)->pixmap().height());
}

}  // namespace
}  // namespace kx
