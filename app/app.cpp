#include "app/app.h"

#include "app/redraw.h"

namespace kx {

App::App() : scriptedDialogs_(std::make_unique<ScriptedDialogs>()) {
  shell.dialogs = scriptedDialogs_.get();
  // The pictures always show the store, from the first moment on.
  RenderStartupPictures(*this);
}

void RefreshTitle(App& app) { app.shell.title = UpdateTitle(app.doc.store); }

void SyncHistoryControls(App& app) {
  app.shell.tools[GadgetId::Undo].enabled = app.doc.history.CanUndo();
  app.shell.tools[GadgetId::Redo].enabled = app.doc.history.CanRedo();
}

namespace {

// The hover and the view pictures follow every change of the layout or the scroll position.
void Relayout(App& app) {
  app.view.layout = LayoutViews(app.view.window, app.view.editing.zoomIndex);
  ClampScroll(app.view.layout, app.view.editing);
  FollowPointer(app);
  RedrawViews(app);
}

}  // namespace

void ResizeWindow(App& app, const WindowMetrics& window) {
  app.view.window = window;
  Relayout(app);
}

void SetZoom(App& app, int zoomIndex) {
  if (zoomIndex < 0 || zoomIndex >= kZoomLevels) return;
  app.view.editing.zoomIndex = zoomIndex;
  Relayout(app);
}

void ScrollTo(App& app, int x, int y) {
  app.view.editing.scrollX = x;
  app.view.editing.scrollY = y;
  ClampScroll(app.view.layout, app.view.editing);
  FollowPointer(app);
  RedrawViews(app);
}

}  // namespace kx
