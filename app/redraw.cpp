#include "app/redraw.h"

#include "app/app.h"
#include "app/font_preview_commands.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace kx {

ViewOptions ViewOptionsFromMenu(const MenuState& menu) {
  ViewOptions o;
  o.charGrid = menu.Checked(cmd::ShowCharGrid);
  o.pixelGrid = menu.Checked(cmd::ShowPixelGrid);
  o.hoverChar = menu.Checked(cmd::HoverCharHighlight);
  o.hoverPixel = menu.Checked(cmd::HoverPixelHighlight);
  o.paneFrame = menu.Checked(cmd::PreviewHighlightsEditor);
  o.paneFade = menu.Checked(cmd::PreviewOutsideFade);
  o.highlights = menu.Checked(cmd::ShowHighlights);
  o.scanlines = menu.Checked(cmd::ScanlineEmulation);
  o.crtMain = menu.Checked(cmd::CrtEmulationMain);
  o.crtEdge = menu.Checked(cmd::CrtEmulationEdge);
  o.emulationOnGrids = menu.Checked(cmd::CrtEmulationOnGrids);
  return o;
}

namespace {

void RenderPane(App& app) {
  RenderEditorPane(app.pictures, app.editing, app.layout, ViewOptionsFromMenu(app.menu));
}

void RenderView(App& app) {
  RenderEditorView(app.pictures, app.editing, app.layout, app.palette, ViewOptionsFromMenu(app.menu));
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
  RenderPenSwatch(app.pictures, app.editing, app.palette, ViewOptionsFromMenu(app.menu));
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
