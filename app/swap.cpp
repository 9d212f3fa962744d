#include "app/swap.h"

#include "app/app.h"
#include "app/redraw.h"

namespace kx {

void RunSwap(App& app) {
  CaptureMemoryPanePicture(app);
  SwapCharsets(app.doc.store);
  const bool second = app.doc.store.editorSlot == 1;
  app.shell.tools[GadgetId::Swap].icon = second ? IconId::SwapCharset2 : IconId::SwapCharset1;
  app.shell.status.charsetInEditor = second ? "CHARSET 2" : "CHARSET 1";
  RedrawAfterCharsetChange(app);
  RefreshTitle(app);
  app.shell.requests.focusEditor = true;
}

}  // namespace kx
