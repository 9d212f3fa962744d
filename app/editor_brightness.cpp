#include "app/editor_brightness.h"

#include "app/app.h"
#include "app/redraw.h"

namespace kx {

void SetBrightness(App& app, Brightness level) {
  app.brightness = level;
  app.palette[kInkIndex] = BrightnessColour(level);
  app.menu.SetChecked(cmd::BrightnessHigh, level == Brightness::High);
  app.menu.SetChecked(cmd::BrightnessMedium, level == Brightness::Medium);
  app.menu.SetChecked(cmd::BrightnessLow, level == Brightness::Low);
  RedrawAfterCharsetChange(app);
}

}  // namespace kx
