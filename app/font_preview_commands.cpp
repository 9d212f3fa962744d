#include "app/font_preview_commands.h"

#include "app/app.h"
#include "ops/charset_pixels.h"

namespace kx {
namespace {

void Recompose(App& app) {
  ComposeFontPreviewPicture(app.view.preview, PreviewSourcePicture(app), app.view.options.scanlines);
}

}  // namespace

const Image& PreviewSourcePicture(const App& app) { return app.view.pictures.charset; }

void OpenFontPreview(App& app, PreviewKind kind) {
  if (kind == PreviewKind::None) return;
  app.view.preview.kind = kind;
  app.view.preview.windowOpen = true;
  Recompose(app);
  app.shell.requests.openFontPreview = true;
}

void RefreshFontPreview(App& app) {
  if (app.view.preview.windowOpen) Recompose(app);
}

void CloseFontPreview(App& app) {
  if (!app.view.preview.windowOpen) return;
  app.view.preview.windowOpen = false;
  app.view.preview.kind = PreviewKind::None;
  app.shell.requests.openFontPreview = false;
  app.shell.requests.closeFontPreview = true;
}

}  // namespace kx
