#include "app/window_placement.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace kx {
namespace {

struct Geometry {
  int x, y, w, h;
  bool refitted;
  friend bool operator==(const Geometry&, const Geometry&) = default;
};

Geometry Fit(int x, int y, int w, int h, const std::vector<Rect>& screens, int primary = 0) {
  const WindowPlacement p = FitToScreens(WindowPlacement{x, y, w, h, false, false}, screens, primary);
  return {p.x, p.y, p.clientWidth, p.clientHeight, p.refitted};
}

const std::vector<Rect> kOneScreen{{0, 0, 1920, 1040}};
// A primary screen and a smaller one to its right, both without a task bar.
const std::vector<Rect> kTwoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};

TEST(WindowPlacement, SizesStayWithinTheScreenAndNeverBelowTheMinimum) {
  EXPECT_EQ(Fit(50, 50, 1200, 600, kOneScreen), (Geometry{50, 50, 1200, 600, false}));
  EXPECT_EQ(Fit(50, 50, 2000000000, 2000000000, kOneScreen), (Geometry{50, 50, 1920, 1040, true}));
  // The window's own minimum is not a correction: a new settings file holds a size below it.
  EXPECT_EQ(Fit(50, 50, 717, 476, kOneScreen), (Geometry{50, 50, 1110, 514, false}));
  EXPECT_EQ(Fit(50, 50, -5, 0, kOneScreen), (Geometry{50, 50, 1110, 514, false}));
  // A screen smaller than the minimum still gets a window of the minimum size.
  EXPECT_EQ(Fit(0, 0, 2000000000, 2000000000, {{0, 0, 800, 600}}), (Geometry{0, 0, 1110, 600, true}));
}

TEST(WindowPlacement, ATitleBarOffEveryScreenComesBackOntoThePrimaryScreen) {
  EXPECT_EQ(Fit(50000, 50, 1200, 600, kTwoScreens), (Geometry{720, 50, 1200, 600, true}));
  EXPECT_EQ(Fit(50, 50000, 1200, 600, kTwoScreens), (Geometry{50, 480, 1200, 600, true}));
  EXPECT_EQ(Fit(50000, 50, 1200, 600, kTwoScreens, 1), (Geometry{2000, 50, 1200, 600, true}));
  // Above the top edge the bar cannot be grabbed even though the window shows.
  EXPECT_EQ(Fit(100, -10, 1200, 600, kTwoScreens), (Geometry{100, 0, 1200, 600, true}));
  // 100 pixels of the bar left on the screen are enough to drag it back, 30 are not.
  EXPECT_EQ(Fit(-1100, 40, 1200, 600, kTwoScreens), (Geometry{-1100, 40, 1200, 600, false}));
  EXPECT_EQ(Fit(-1170, 40, 1200, 600, kTwoScreens), (Geometry{0, 40, 1200, 600, true}));
  // The extremes of the settings' integers neither overflow nor stay off screen.
  EXPECT_EQ(Fit(INT_MAX, INT_MIN, INT_MAX, INT_MAX, kTwoScreens), (Geometry{0, 0, 1920, 1080, true}));
  EXPECT_EQ(Fit(INT_MIN, INT_MAX, 1200, 600, kTwoScreens), (Geometry{0, 480, 1200, 600, true}));
}

TEST(WindowPlacement, TheScreenShowingTheTitleBarLimitsTheSize) {
  EXPECT_EQ(Fit(2000, 100, 1200, 600, kTwoScreens), (Geometry{2000, 100, 1200, 600, false}));
  EXPECT_EQ(Fit(2000, 100, 3000, 2000, kTwoScreens), (Geometry{2000, 100, 1280, 1024, true}));
  // Straddling both screens: the first that shows enough of the bar decides.
  EXPECT_EQ(Fit(1800, 100, 3000, 2000, kTwoScreens), (Geometry{1800, 100, 1920, 1080, true}));
}

TEST(WindowPlacement, TheFrameStaysOnTheScreenWithTheClientArea) {
  const FrameMargins frame{1, 20, 1, 5};
  const auto fit = [&](int x, int y, int w, int h) {
    const WindowPlacement p = FitToScreens(WindowPlacement{x, y, w, h, false, false}, kOneScreen, 0, frame);
    return Geometry{p.x, p.y, p.clientWidth, p.clientHeight, p.refitted};
  };
  EXPECT_EQ(fit(0, 0, 2000000000, 2000000000), (Geometry{0, 0, 1918, 1015, true}));
  // Brought back from far away, the whole frame lands inside the screen: 1920 - 1202 and 1040 - 625.
  EXPECT_EQ(fit(50000, 50000, 1200, 600), (Geometry{718, 415, 1200, 600, true}));
  EXPECT_EQ(fit(50, 50, 1200, 600), (Geometry{50, 50, 1200, 600, false}));
}

TEST(WindowPlacement, WithoutScreensOnlyTheMinimumApplies) {
  EXPECT_EQ(Fit(50000, -7, 100, 2000000000, {}), (Geometry{50000, -7, 1110, 2000000000, false}));
}

}  // namespace
}  // namespace kx
