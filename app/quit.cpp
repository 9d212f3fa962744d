#include "app/quit.h"

#include "app/app.h"
#include "app/unsaved_prompt.h"

namespace kx {

bool RequestQuit(App& app, bool fromCloseBox) {
  if (!ConfirmUnsavedChanges(app, fromCloseBox ? PromptFor::CloseBox : PromptFor::Quit)) return false;
  app.requests.quit = true;
  return true;
}

}  // namespace kx
