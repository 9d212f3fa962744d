#include "app/view_commands.h"

#include "app/app.h"
#include "app/event_flow.h"

namespace kx {

void ToggleViewOption(App& app, bool ViewOptions::*option) {
  app.view.options.*option = !(app.view.options.*option);
  MarkViewOptionsChanged(app.view);
}

void StepZoom(App& app, int step) {
  const int zoom = app.view.editing.zoomIndex + step;
  if (zoom < 0 || zoom >= kZoomLevels) return;
  SetZoom(app, zoom);  // re-lays out and marks the views
}

void SetBrightness(App& app, Brightness level) {
  app.view.brightness = level;
  app.view.palette[kInkIndex] = BrightnessColour(level);
  // Every picture drawn in the foreground colour: the charset and all that shows it, and the swatch.
  MarkCharsetChanged(app.view);
  MarkPensChanged(app.view);
}

}  // namespace kx
