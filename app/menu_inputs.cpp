#include "app/menu_inputs.h"

#include "app/app.h"

namespace kx {

MenuInputs CurrentMenuInputs(const App& app) {
  const UndoHistory& history = app.doc.history;
  return {history.CanUndo(),
          history.CanRedo(),
          history.ClearEnabled(),
          app.doc.glyphStores.glyphPasteEnabled,
          app.doc.glyphStores.rowPasteEnabled,
          app.view.preview.windowOpen,
          app.view.options,
          app.view.brightness,
          app.doc.files.recent};
}

}  // namespace kx
