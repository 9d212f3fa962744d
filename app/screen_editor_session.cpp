#include "app/screen_editor_session.h"

#include "app/font_preview_commands.h"
#include "windows/screen_glyphs.h"

namespace kx {

Image ScreenEditorCharsetImage(const App& app) {
  // In extended background mode a screen code picks both glyph and background, so the screen's sheet is
  // laid out by screen code; otherwise it is the charset picture the views show.
  const CharsetStore& store = app.doc.store;
  if (store.colours.mode != DisplayMode::ExtendedBackground) return app.view.pictures.charset;
  return CharsetImage(store.editor, store.inks, app.view.palette, store.colours, CellOrder::ScreenCode);
}

void OpenScreenEditor(App& app) {
  CloseFontPreview(app);
  app.view.screenEditor = MakeScreenEditor(ScreenEditorCharsetImage(app));
}

void CloseScreenEditor(ViewSession& view) {
  view.screenEditor.reset();
}

}  // namespace kx
