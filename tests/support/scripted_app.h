#pragma once
// A fresh App whose dialogs and import dialogs are the scripted ones here, for the tests (and the fuzz
// targets) that answer the user's part from queues or read what was asked.

#include "app/app.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/scripted_import_dialogs.h"

namespace kx {

struct ScriptedApp {
  ScriptedApp() {
    app.shell.dialogs = &dialogs;
    app.shell.importDialogs = &importDialogs;
  }
  ScriptedApp(const ScriptedApp&) = delete;
  ScriptedApp& operator=(const ScriptedApp&) = delete;

  ScriptedDialogs dialogs;
  ScriptedImportDialogs importDialogs;
  App app;
};

}  // namespace kx
