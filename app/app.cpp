#include "app/app.h"

#include "app/event_flow.h"

namespace kx {

App::App()
    : quietDialogs_(std::make_unique<QuietDialogs>()), quietImportDialogs_(std::make_unique<QuietImportDialogs>()) {
  shell.dialogs = quietDialogs_.get();
  shell.importDialogs = quietImportDialogs_.get();
  // The pictures always show the store, from the first moment on.
  RenderStartupPictures(*this);
}

void RefreshTitle(App& app) { app.shell.title = UpdateTitle(app.doc.store); }

namespace {

// The hover and the view pictures follow every change of the layout or the scroll position.
void Relayout(App& app) {
  app.view.layout = LayoutViews(app.view.window, app.view.editing.zoomIndex);
  ClampScroll(app.view.layout, app.view.editing);
  FollowPointer(app);
  MarkViewsChanged(app.view);
}

}  // namespace

void ResizeWindow(App& app, const WindowMetrics& window) {
  const EventScope event(app);
  app.view.window = window;
  Relayout(app);
}

void SetZoom(App& app, int zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= kZoomLevels) return;
  app.view.editing.zoomIndex = zoomIndex;
  Relayout(app);
}

void OnScrollBars(App& app, int x, int y) {
  const EventScope event(app);
  ScrollTo(app, x, y);
}

void OnZoomChosen(App& app, int zoomIndex) {
  const EventScope event(app);
  SetZoom(app, zoomIndex);
}

void ScrollTo(App& app, int x, int y) {
  app.view.editing.scrollX = x;
  app.view.editing.scrollY = y;
  ClampScroll(app.view.layout, app.view.editing);
  FollowPointer(app);
  MarkViewsChanged(app.view);
}

}  // namespace kx
