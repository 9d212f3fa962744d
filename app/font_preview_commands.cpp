#include "app/font_preview_commands.h"

#include "app/app.h"
#include "ops/charset_pixels.h"

namespace kx {
namespace {

void Recompose(App& app) {
  ComposeFontPreviewPicture(app.preview, PreviewSourcePicture(app), app.viewOptions.scanlines);
}

}  // namespace

const Image& PreviewSourcePicture(const App& app) { return app.pictures.charset; }

void OpenFontPreview(App& app, PreviewKind kind) {
  if (kind == PreviewKind::None) return;
  app.preview.kind = kind;
  app.preview.windowOpen = true;
  Recompose(app);
  app.requests.openFontPreview = true;
}

void RefreshFontPreview(App& app) {
  if (app.preview.windowOpen) Recompose(app);
}

void CloseFontPreview(App& app) {
  if (!app.preview.windowOpen) return;
  app.preview.windowOpen = false;
  app.preview.kind = PreviewKind::None;
  app.requests.openFontPreview = false;
  app.requests.closeFontPreview = true;
}

}  // namespace kx
