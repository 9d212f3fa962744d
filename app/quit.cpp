#include "app/quit.h"

#include "app/app.h"
#include "app/unsaved_prompt.h"

namespace kx {

bool RequestQuit(App& app, bool fromCloseBox) {
  const PromptFor command = fromCloseBox ? PromptFor::CloseBox : PromptFor::Quit;
  if (!ConfirmUnsavedChanges(app, command) || !ConfirmUnsavedMemoryCharset(app, command)) return false;
  app.shell.requests.quit = true;
  return true;
}

}  // namespace kx
