#include <gtest/gtest.h>

#include "app/app.h"

namespace kx {
namespace {

TEST(AppShell, ZoomKeepsScrollWhereItFitsAndIgnoresUnknownLevels) {
  App app;
  ResizeWindow(app, WindowMetrics{kMinClientWidth, kMinClientHeight, 0, 0, 0});
  OnZoomChosen(app, 4);
  OnScrollBars(app, 230, 40);
  EXPECT_EQ(app.view.editing.scrollX, 230);
  OnZoomChosen(app, 1);
  EXPECT_EQ(app.view.editing.zoomIndex, 1);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition());
  OnZoomChosen(app, 5);
  EXPECT_EQ(app.view.editing.zoomIndex, 1);
  OnScrollBars(app, 9999, -3);
  EXPECT_EQ(app.view.editing.scrollX, app.view.layout.horizontal.MaxPosition());
  EXPECT_EQ(app.view.editing.scrollY, 0);
}

TEST(AppShell, StatusBarStartTexts) {
  const App app;
  EXPECT_EQ(app.shell.status.charNumber, "CHAR NUMBER:  ---");
  EXPECT_EQ(app.shell.status.hexNumber, "---");
  EXPECT_FALSE(app.shell.status.romGlyph);
  EXPECT_EQ(app.shell.status.charsetInEditor, "CHARSET 1");
  EXPECT_TRUE(app.shell.placement.maximize);
}

}  // namespace
}  // namespace kx
