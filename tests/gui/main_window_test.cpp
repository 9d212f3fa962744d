#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QScreen>
#include <QToolButton>

#include "app/settings.h"
#include "io/temp_files.h"

#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/startup.h"

namespace kx {
namespace {

TEST(MainWindow, ShowsTheAppTitleAndMinimumSize) {
  App app;
  MainWindow window(app);
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix");
  RefreshTitle(app);
  window.SyncFromApp();
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - untitled charset 1");
  EXPECT_GE(window.minimumWidth(), 1110);
  EXPECT_GE(window.minimumHeight(), 514);
}

TEST(MainWindow, TabPageHoldsTheToolColumnInItsStartState) {
  App app;
  MainWindow window(app);
  ASSERT_EQ(window.Panel()->count(), 1);
  EXPECT_EQ(window.Panel()->tabText(0).toStdString(), "Kestrelix Character Editor");
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const auto id = static_cast<GadgetId>(i);
    const QToolButton* b = window.Button(id);
    EXPECT_TRUE(b->toolTip().toStdString().starts_with(Gadget(id).tooltip)) << i;  // and the key, if any
    EXPECT_EQ(b->isEnabled(), !Gadget(id).startsDisabled) << i;
    EXPECT_EQ(b->isCheckable(), Gadget(id).kind == GadgetKind::Toggle) << i;
    EXPECT_EQ(b->isChecked(), id == GadgetId::FreeDraw) << i;
    EXPECT_EQ(b->geometry(), QRect(Gadget(id).x, Gadget(id).y, Gadget(id).w, Gadget(id).h)) << i;
  }
  // The tooltip names the key of the command that chooses the button, where there is one.
  EXPECT_EQ(window.Button(GadgetId::FreeDraw)->toolTip().toStdString(), "Continous Draw\nKey: D");
  EXPECT_EQ(window.Button(GadgetId::Copy)->toolTip().toStdString(), "Copy Char\nKey: Ctrl+C");
  EXPECT_EQ(window.Button(GadgetId::Clear)->toolTip().toStdString(), Gadget(GadgetId::Clear).tooltip);
}

TEST(MainWindow, ZoomBoxAndStatusFieldsStartValues) {
  App app;
  MainWindow window(app);
  QComboBox* zoom = window.ZoomBox();
  ASSERT_EQ(zoom->count(), 5);
  EXPECT_EQ(zoom->itemText(0).toStdString(), "4x");
  EXPECT_EQ(zoom->itemText(4).toStdString(), "64x");
  EXPECT_EQ(zoom->currentIndex(), 1);
  EXPECT_EQ(zoom->toolTip().toStdString(), "Zoom Level");
  const char* texts[] = {"CHAR NUMBER:  ---", "---", "---", "CHARSET 1"};
  const int widths[] = {112, 26, 22, 70};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(window.StatusField(i)->text().toStdString(), texts[i]) << i;
    EXPECT_EQ(window.StatusField(i)->width(), widths[i]) << i;
  }
  EXPECT_EQ(window.EditorPane()->toolTip().toStdString(), "Charset in Editor (currently being edited)");
  EXPECT_EQ(window.MemoryPane()->toolTip().toStdString(), "Charset in Memory (click to edit)");
}

TEST(MainWindow, ResizeAndZoomRelayTheViewAndScrollBars) {
  App app;
  MainWindow window(app);
  window.resize(1500, 800);
  window.LayOut();
  const int wc = (1500 - 72) / 8 * 8;
  EXPECT_EQ(window.EditorCanvas()->width(), wc);
  EXPECT_EQ(window.EditorCanvas()->Picture().width(), wc);
  EXPECT_EQ(window.HorizontalBar()->pageStep(), wc / 8);
  EXPECT_EQ(window.HorizontalBar()->maximum(), 256 - wc / 8);
  EXPECT_EQ(window.VerticalBar()->maximum(), app.view.layout.vertical.MaxPosition());

  window.ZoomBox()->setCurrentIndex(4);
  EXPECT_EQ(app.view.editing.zoomIndex, 4);
  EXPECT_EQ(window.EditorCanvas()->width(), (1500 - 72) / 64 * 64);
  EXPECT_EQ(window.HorizontalBar()->maximum(), 256 - (1500 - 72) / 64);

  window.HorizontalBar()->setValue(100);  // as while the thumb is dragged
  EXPECT_EQ(app.view.editing.scrollX, 100);
  window.VerticalBar()->setValue(3);
  EXPECT_EQ(app.view.editing.scrollY, 3);
}

// Maximised, the window reports the place and size it had last before, which the settings file keeps.
TEST(MainWindow, WhileMaximisedItReportsItsLastNormalGeometry) {
  App app;
  MainWindow window(app);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  window.move(10, 20);
  window.resize(1150, 560);
  QApplication::processEvents();
  window.showMaximized();
  ASSERT_TRUE(QTest::qWaitFor([&] { return window.isMaximized(); }));
  QApplication::processEvents();
  const WindowPlacement p = window.CurrentPlacement();
  EXPECT_TRUE(p.maximize);
  EXPECT_EQ((std::array{p.x, p.y, p.clientWidth, p.clientHeight}), (std::array{10, 20, 1150, 560}));
}

TEST(StartUp, ShowsTheMainWindowWithTitleAndWaitsForEachProgressLine) {
  App app;
  app.shell.placement.maximize = false;
  int waits = 0;
  const auto window = StartUp(app, [&](int ms) {
    EXPECT_EQ(ms, 500);
    ++waits;
  }, "");
  EXPECT_EQ(waits, 2);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrelix 1.0 (x64) - untitled charset 1");
  // The installed changelog and manual are looked for beside the running executable (here the test's).
  EXPECT_EQ(std::filesystem::path(app.shell.programDir), std::filesystem::canonical("/proc/self/exe").parent_path());
}

TEST(StartUp, SettingsBeyondTheScreenAreFittedAndWrittenBackAsApplied) {
  // The offscreen platform's one screen.
  ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));
  testing_files::TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  testing_files::WriteBytes(path, "[MAIN WINDOW]\r\nMAXIMIZE = 0\r\nXPOS = 50000\r\nYPOS = 30\r\n"
                                  "XSIZE = 2000000000\r\nYSIZE = 2000000000\r\n");
  App app;
  const auto window = StartUp(app, [](int) {}, path);
  ASSERT_FALSE(window->isMaximized());
  // The width cannot go below the minimum even on this narrow screen; the height fills the screen with
  // the frame (this platform draws a thin one) inside it, so the status bar stays on the screen too.
  const QRect frame = window->frameGeometry();
  EXPECT_EQ(frame.topLeft(), QPoint(0, 0));
  EXPECT_EQ(frame.height(), 800);
  EXPECT_LT(window->height(), 800);
  EXPECT_EQ(window->width(), 1110);

  ASSERT_TRUE(WriteSettingsAtExit(path, app, window->CurrentPlacement()));
  const SettingsValues written = ReadOrCreateSettings(path);
  EXPECT_EQ(written.maximize, 0);
  EXPECT_EQ(written.xpos, 0);
  EXPECT_EQ(written.ypos, 0);
  EXPECT_EQ(written.xsize, 1110);
  EXPECT_EQ(written.ysize, window->height());

  // A title bar on the screen is not enough: the window moves until its whole frame is inside.
  testing_files::WriteBytes(path, "[MAIN WINDOW]\r\nMAXIMIZE = 0\r\nXPOS = 300\r\nYPOS = 300\r\n"
                                  "XSIZE = 1110\r\nYSIZE = 600\r\n");
  App second;
  const auto moved = StartUp(second, [](int) {}, path);
  EXPECT_EQ(moved->frameGeometry().left(), 0);
  EXPECT_EQ(moved->frameGeometry().bottom(), 799);
  EXPECT_EQ(moved->height(), 600);
}

}  // namespace
}  // namespace kx
