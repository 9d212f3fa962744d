#include "app/redraw.h"

#include "app/app.h"
#include "app/font_preview_commands.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace kx {

namespace {

void RenderPane(ViewSession& view) {
  RenderEditorPane(view.pictures, view.editing, view.layout, view.options);
}

void RenderView(ViewSession& view) {
  RenderEditorView(view.pictures, view.editing, view.layout, view.palette, view.options);
}

}  // namespace

void RedrawAfterCharsetChange(App& app) {
  RebuildCharsetImage(app.view.pictures, app.doc.store, app.view.palette);
  RefreshFontPreview(app.view);
  RenderPane(app.view);
  RenderView(app.view);
}

void RedrawAfterMouseStep(App& app) {
  RenderPane(app.view);
  RenderView(app.view);
  UpdateStatusBar(app.shell.status, app.view.editing);
}

void RedrawViews(App& app) {
  RenderView(app.view);
  RenderPane(app.view);
  RedrawPenSwatch(app.view);
}

void RedrawPenSwatch(ViewSession& view) {
  RenderPenSwatch(view.pictures, view.editing, view.palette, view.options);
}

void CaptureMemoryPanePicture(App& app) { CaptureMemoryPane(app.view.pictures); }

void RenderStartupPictures(App& app) {
  BuildRomReferenceImages(app.view.pictures, app.view.palette);
  RedrawPenSwatch(app.view);
  RedrawAfterCharsetChange(app);
}

void MarkModified(App& app) {
  app.doc.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
