#pragma once
// Where and how the main window opens. The built-in values apply until the settings file provides its own.

#include <span>

#include "runtime/image.h"

namespace kx {

struct WindowPlacement {
  int x = 50;
  int y = 50;
  int clientWidth = 1110;
  int clientHeight = 514;
  bool maximize = true;
  bool fullscreen = false;  // a borderless window that fills the screen
  bool refitted = false;    // the position or size had to be brought within the screens
};

// The window system's frame around the client area, title bar included in `top`. The position of a
// placement is the frame's top-left corner, its size the client area's.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The strip along the window's top edge that the user drags it by, and how much of it must lie on a screen
// for the window to be reachable.
inline constexpr int kTitleBarHeight = 24;
inline constexpr int kTitleBarGrip = 64;

// The window's normal position and size within the screens, given by their available areas (without task
// bars and docks); `primary` indexes the screen a lost window is brought back to. The size is raised to the
// window's minimum and otherwise kept, frame and all, within the area of the screen that shows the title
// bar. A title bar that no screen shows puts the window inside the primary screen's area, as near to where
// it was as fits. `refitted` tells whether anything beyond the minimum had to change. Without screens only
// the minimum applies.
WindowPlacement FitToScreens(WindowPlacement placement, std::span<const Rect> screens, int primary,
                             const FrameMargins& frame = {});

}  // namespace kx
