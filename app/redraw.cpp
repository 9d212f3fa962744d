#include "app/redraw.h"

#include "app/app.h"

namespace kx {

// The picture composition fills these in; the order of the steps is fixed here.
void RedrawAfterCharsetChange(App& app) { (void)app; }
void RedrawAfterMouseStep(App& app) { (void)app; }
void RedrawViews(App& app) { (void)app; }
void RedrawPenSwatch(App& app) { (void)app; }
void CaptureMemoryPanePicture(App& app) { (void)app; }

void MarkModified(App& app) {
  app.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
