#pragma once
// The editor brightness: the foreground colour of the views and the ticks of menu items 143–145.

#include "model/palette.h"

namespace kx {

struct App;

// Sets palette entry 1 to the level's colour, ticks that level's menu item only and redraws.
void SetBrightness(App& app, Brightness level);

}  // namespace kx
