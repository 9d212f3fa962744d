#include "app/redraw.h"

#include "app/app.h"
#include "app/font_preview_commands.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace kx {

namespace {

void RenderPane(App& app) {
  RenderEditorPane(app.pictures, app.editing, app.layout, app.viewOptions);
}

void RenderView(App& app) {
  RenderEditorView(app.pictures, app.editing, app.layout, app.palette, app.viewOptions);
}

}  // namespace

void RedrawAfterCharsetChange(App& app) {
  RebuildCharsetImage(app.pictures, app.store, app.palette);
  RefreshFontPreview(app);
  RenderPane(app);
  RenderView(app);
}

void RedrawAfterMouseStep(App& app) {
  RenderPane(app);
  RenderView(app);
  UpdateStatusBar(app.status, app.editing);
}

void RedrawViews(App& app) {
  RenderView(app);
  RenderPane(app);
  RedrawPenSwatch(app);
}

void RedrawPenSwatch(App& app) {
  RenderPenSwatch(app.pictures, app.editing, app.palette, app.viewOptions);
}

void CaptureMemoryPanePicture(App& app) { CaptureMemoryPane(app.pictures); }

void RenderStartupPictures(App& app) {
  BuildRomReferenceImages(app.pictures, app.palette);
  RedrawPenSwatch(app);
  RedrawAfterCharsetChange(app);
}

void MarkModified(App& app) {
  app.store.modified = true;
  RefreshTitle(app);
}

}  // namespace kx
