#include "app/screen_editor_session.h"

#include "app/font_preview_commands.h"
#include "windows/screen_glyphs.h"

namespace kx {

const Image& ScreenEditorCharsetImage(const App& app) { return app.view.pictures.charset; }

void OpenScreenEditor(App& app) {
  CloseFontPreview(app);
  app.view.screenEditor = MakeScreenEditor(ScreenEditorCharsetImage(app));
}

void CloseScreenEditor(ViewSession& view) {
  view.screenEditor.reset();
}

}  // namespace kx
