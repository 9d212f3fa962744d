#include "app/redraw.h"

#include "app/app.h"
#include "app/font_preview_commands.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace kx {

namespace {

void RenderPane(App& app) {
  RenderEditorPane(app.view.pictures, app.view.editing, app.view.layout, app.view.options);
}

void RenderView(App& app) {
  RenderEditorView(app.view.pictures, app.view.editing, app.view.layout, app.view.palette, app.view.options);
}

}  // namespace

void RedrawAfterCharsetChange(App& app) {
  RebuildCharsetImage(app.view.pictures, app.doc.store, app.view.palette);
  RefreshFontPreview(app);
  RenderPane(app);
  RenderView(app);
}

void RedrawAfterMouseStep(App& app) {
  RenderPane(app);
  RenderView(app);
  UpdateStatusBar(app.shell.status, app.view.editing);
}

void RedrawViews(App& app) {
  RenderView(app);
  RenderPane(app);
  RedrawPenSwatch(app);
}

void RedrawPenSwatch(App& app) {
  RenderPenSwatch(app.view.pictures, app.view.editing, app.view.palette, app.view.options);
}

void CaptureMemoryPanePicture(App& app) { CaptureMemoryPane(app.view.pictures); }

void RenderStartupPictures(App& app) {
  BuildRomReferenceImages(app.view.pictures, app.view.palette);
  RedrawPenSwatch(app);
  RedrawAfterCharsetChange(app);
}

void MarkModified(App& app) {
  app.doc.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
