#include "app/forwarded_commands.h"

#include "app/app.h"

namespace kx {

// The file flows and the settings plug in here: RunFileCommand(app, id) for the file commands and
// SetBrightness(app, BrightnessOfCommand(id)) for the brightness levels. Until then the items exist
// and do nothing.
void ForwardCommand(App& app, CommandId id) {
  (void)app;
  (void)id;
}

}  // namespace kx
