#include "app/redraw.h"

#include "app/app.h"

namespace kx {

void RedrawAfterCharsetChange(App& app) {
  // The pictures are composed by the views; until they exist there is nothing to redraw.
  (void)app;
}

void MarkModified(App& app) {
  app.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
