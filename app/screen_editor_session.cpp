#include "app/screen_editor_session.h"

#include "app/command_ids.h"
#include "windows/screen_glyphs.h"

namespace kx {

Image ScreenEditorCharsetImage(const App& app) { return CharsetImage(app.store.editor, app.store.inks, app.palette); }

void OpenScreenEditor(App& app) {
  app.requests.closeFontPreview = true;
  app.screenEditor = MakeScreenEditor(ScreenEditorCharsetImage(app));
}

void CloseScreenEditor(App& app) {
  app.screenEditor.reset();
  for (CommandId id : {cmd::Preview1x2, cmd::Preview2x1, cmd::Preview2x2}) app.menu.SetEnabled(id, true);
}

}  // namespace kx
