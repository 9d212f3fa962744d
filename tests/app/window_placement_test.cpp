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

struct PlacementCase {
  const char* what;
  std::vector<Rect> screens;  // available areas
  int primary;
  FrameMargins frame;
  Rect wanted;  // position and client size
  Geometry applied;
};

const std::vector<Rect> kOneScreen{{0, 0, 1920, 1040}};
const std::vector<Rect> kSmallScreen{{0, 0, 1600, 1000}};
// A primary screen and a smaller one to its right, both without a task bar.
const std::vector<Rect> kTwoScreens{{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
// A task bar along the top of the screen.
const std::vector<Rect> kPanelOnTop{{0, 30, 1600, 970}};
constexpr FrameMargins kNoFrame{};
constexpr FrameMargins kFrame{1, 20, 1, 5};

TEST(WindowPlacement, TheWholeFrameLiesWithinOneScreenAndTheSizeNeverGoesBelowTheMinimum) {
  const PlacementCase cases[] = {
      {"fits as it is", kOneScreen, 0, kFrame, {50, 50, 1200, 600}, {50, 50, 1200, 600, false}},
      {"huge size shrinks to the area less the frame", kSmallScreen, 0, kFrame, {50, 50, 2000000000, 2000000000},
       {0, 0, 1598, 975, true}},
      {"title bar shown but most of the frame off the right and bottom", kSmallScreen, 0, kFrame,
       {1000, 300, 1500, 900}, {98, 75, 1500, 900, true}},
      {"the frame's bottom edge only just off", kSmallScreen, 0, kFrame, {0, 0, 1500, 976}, {0, 0, 1500, 975, true}},
      {"exactly filling the area", kSmallScreen, 0, kFrame, {0, 0, 1598, 975}, {0, 0, 1598, 975, false}},
      {"below a top task bar", kPanelOnTop, 0, kFrame, {10, 0, 1200, 600}, {10, 30, 1200, 600, true}},
      {"a new file's size is raised to the minimum without counting as a change", kOneScreen, 0, kNoFrame,
       {50, 50, 717, 476}, {50, 50, 1110, 514, false}},
      {"nonsense sizes become the minimum", kOneScreen, 0, kNoFrame, {50, 50, -5, 0}, {50, 50, 1110, 514, false}},
      {"a screen smaller than the minimum still gets the minimum, from its corner", {{0, 0, 800, 600}}, 0, kFrame,
       {30, 40, 2000000000, 2000000000}, {0, 0, 1110, 575, true}},
      {"off every screen: onto the primary one, as near as fits", kTwoScreens, 0, kNoFrame, {50000, 50, 1200, 600},
       {720, 50, 1200, 600, true}},
      {"off every screen with the second one primary", kTwoScreens, 1, kNoFrame, {50000, 50, 1200, 600},
       {2000, 50, 1200, 600, true}},
      {"far below", kTwoScreens, 0, kNoFrame, {50, 50000, 1200, 600}, {50, 480, 1200, 600, true}},
      {"above the top edge", kTwoScreens, 0, kNoFrame, {100, -10, 1200, 600}, {100, 0, 1200, 600, true}},
      {"mostly off the left edge", kTwoScreens, 0, kNoFrame, {-1100, 40, 1200, 600}, {0, 40, 1200, 600, true}},
      {"on the second screen", kTwoScreens, 0, kNoFrame, {2000, 100, 1200, 600}, {2000, 100, 1200, 600, false}},
      {"the second screen limits the size", kTwoScreens, 0, kNoFrame, {2000, 100, 3000, 2000},
       {1920, 0, 1280, 1024, true}},
      {"straddling: the screen showing most of it", kTwoScreens, 0, kNoFrame, {1800, 100, 3000, 2000},
       {1920, 0, 1280, 1024, true}},
      {"straddling mostly on the first", kTwoScreens, 0, kFrame, {1000, 100, 1200, 600}, {718, 100, 1200, 600, true}},
      {"the extremes of the settings' integers", kTwoScreens, 0, kFrame, {INT_MAX, INT_MIN, INT_MAX, INT_MAX},
       {0, 0, 1918, 1055, true}},
      {"the other extremes", kTwoScreens, 0, kNoFrame, {INT_MIN, INT_MAX, 1200, 600}, {0, 480, 1200, 600, true}},
      {"no screens: only the minimum", {}, 0, kFrame, {50000, -7, 100, 2000000000},
       {50000, -7, 1110, 2000000000, false}},
  };
  for (const PlacementCase& c : cases) {
    const Rect& w = c.wanted;
    const WindowPlacement p =
        FitToScreens(WindowPlacement{w.x, w.y, w.w, w.h, false, false}, c.screens, c.primary, c.frame);
    EXPECT_EQ((Geometry{p.x, p.y, p.clientWidth, p.clientHeight, p.refitted}), c.applied) << c.what;
  }
}

}  // namespace
}  // namespace kx
