#include "app/swap.h"

#include "app/app.h"
#include "app/redraw.h"

namespace kx {

void RunSwap(App& app) {
  CaptureMemoryPanePicture(app);
  SwapCharsets(app.store);
  const bool second = app.store.editorSlot == 1;
  app.tools[GadgetId::Swap].icon = second ? IconId::SwapCharset2 : IconId::SwapCharset1;
  app.status.charsetInEditor = second ? "CHARSET 2" : "CHARSET 1";
  RedrawAfterCharsetChange(app);
  RefreshTitle(app);
  app.requests.focusEditor = true;
}

}  // namespace kx
