#include "app/app.h"

#include "app/redraw.h"

namespace kx {

App::App() : scriptedDialogs_(std::make_unique<ScriptedDialogs>()) {
  dialogs = scriptedDialogs_.get();
  // The pictures always show the store, from the first moment on.
  RenderStartupPictures(*this);
}

void RefreshTitle(App& app) { app.title = UpdateTitle(app.store); }

void SyncHistoryControls(App& app) {
  app.tools[GadgetId::Undo].enabled = app.history.CanUndo();
  app.tools[GadgetId::Redo].enabled = app.history.CanRedo();
}

namespace {

// The hover and the view pictures follow every change of the layout or the scroll position.
void Relayout(App& app) {
  app.layout = LayoutViews(app.window, app.editing.zoomIndex);
  ClampScroll(app.layout, app.editing);
  FollowPointer(app);
  RedrawViews(app);
}

}  // namespace

void ResizeWindow(App& app, const WindowMetrics& window) {
  app.window = window;
  Relayout(app);
}

void SetZoom(App& app, int zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= kZoomLevels) return;
  app.editing.zoomIndex = zoomIndex;
  Relayout(app);
}

void ScrollTo(App& app, int x, int y) {
  app.editing.scrollX = x;
  app.editing.scrollY = y;
  ClampScroll(app.layout, app.editing);
  FollowPointer(app);
  RedrawViews(app);
}

}  // namespace kx
