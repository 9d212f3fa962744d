#include "app/font_preview_commands.h"

#include "app/app.h"
#include "ops/charset_pixels.h"

namespace kx {
namespace {

void Recompose(ViewSession& view) {
  ComposeFontPreviewPicture(view.preview, view.pictures.charset, view.options.scanlines);
}

}  // namespace

void OpenFontPreview(App& app, PreviewKind kind) {
  if (kind == PreviewKind::None) return;
  app.view.preview.kind = kind;
  app.view.preview.windowOpen = true;
  Recompose(app.view);
  app.shell.requests.openFontPreview = true;
}

void RefreshFontPreview(ViewSession& view) {
  if (view.preview.windowOpen) Recompose(view);
}

void CloseFontPreview(App& app) {
  if (!app.view.preview.windowOpen) return;
  app.view.preview.windowOpen = false;
  app.view.preview.kind = PreviewKind::None;
  app.shell.requests.openFontPreview = false;
  app.shell.requests.closeFontPreview = true;
}

}  // namespace kx
