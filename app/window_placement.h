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

// The window's normal position and size within the screens, given by their available areas (without task
// bars and docks); `primary` indexes the screen a window that no screen shows is brought to. The window goes
// to the screen that shows most of its frame: the size is raised to the window's minimum, otherwise lowered
// so that the frame fits that screen's area, and the window is moved as little as it takes for the whole
// frame to lie inside it (a frame larger than the area starts at its top-left corner). `refitted` tells
// whether anything beyond the minimum had to change. Without screens only the minimum applies.
WindowPlacement FitToScreens(WindowPlacement placement, std::span<const Rect> screens, int primary,
                             const FrameMargins& frame = {});

}  // namespace kx
