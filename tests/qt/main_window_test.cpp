#include <gtest/gtest.h>

#include "runtime/qt/main_window.h"

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
}

}  // namespace
}  // namespace kx
