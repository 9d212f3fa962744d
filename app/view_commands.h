#pragma once
// The View menu's commands: the view options, zoom and the editor brightness.

#include "model/palette.h"
#include "views/view_pictures.h"

namespace kx {

struct App;

// Flips one view option and redraws the views.
void ToggleViewOption(App& app, bool ViewOptions::*option);

// Zoom In (+1) and Zoom Out (-1): nothing at the last level in that direction.
void StepZoom(App& app, int step);

// Sets palette entry 1 to the level's colour and redraws.
void SetBrightness(App& app, Brightness level);

}  // namespace kx
