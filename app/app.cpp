#include "app/app.h"

namespace kx {

App::App() : scriptedDialogs_(std::make_unique<ScriptedDialogs>()) { dialogs = scriptedDialogs_.get(); }

void RefreshTitle(App& app) { app.title = UpdateTitle(app.store); }

void SyncHistoryControls(App& app) {
  app.menu.SetEnabled(cmd::Undo, app.history.CanUndo());
  app.menu.SetEnabled(cmd::Redo, app.history.CanRedo());
  app.menu.SetEnabled(cmd::ClearHistory, app.history.ClearEnabled());
}

}  // namespace kx
