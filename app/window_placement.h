#pragma once
// Where and how the main window opens. The built-in values apply until the settings file provides its own.

namespace kx {

struct WindowPlacement {
  int x = 50;
  int y = 50;
  int clientWidth = 1110;
  int clientHeight = 514;
  bool maximize = true;
  bool fullscreen = false;  // a borderless window that fills the screen
};

}  // namespace kx
