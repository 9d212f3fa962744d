#include "app/edit_frame.h"

#include "app/redraw.h"

namespace kx {

void BeginEdit(App& app) {
  app.history.Push(app.store, /*discardRedo=*/true);
  SyncHistoryControls(app);
}

void EndEdit(App& app) {
  RedrawAfterCharsetChange(app);
  MarkModified(app);
}

}  // namespace kx
