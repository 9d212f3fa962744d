#include "app/forwarded_commands.h"

#include "app/app.h"
#include "app/editor_brightness.h"
#include "app/file_commands.h"
#include "app/image_commands.h"

namespace kx {

void ForwardCommand(App& app, CommandId id) {
  if (id >= cmd::BrightnessHigh && id <= cmd::BrightnessLow) {
    SetBrightness(app, BrightnessOfCommand(id));
  } else if (!RunFileCommand(app, id)) {
    RunImageCommand(app, id);  // "Import Charset as Image" sits among the file commands
  }
}

}  // namespace kx
