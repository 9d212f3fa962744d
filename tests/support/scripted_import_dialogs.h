#pragma once
// The import dialogs for tests: each run plays the user's part on the dialog's state from a queue.

#include <deque>
#include <functional>
#include <utility>

#include "app/import_dialogs.h"

namespace kx {

// Each run takes the next script, which changes the state as a user would and answers OK or Cancel; with
// no script left the dialog is cancelled. `runs` counts the dialogs shown.
class ScriptedImportDialogs : public ImportDialogs {
 public:
  std::deque<std::function<bool(SourceImport&)>> sourceScripts;
  std::deque<std::function<bool(SheetImport&)>> sheetScripts;
  int runs = 0;

  bool RunSourceImport(SourceImport& state) override { return Next(sourceScripts, state); }
  bool RunSheetImport(SheetImport& state) override { return Next(sheetScripts, state); }

 private:
  template <class Scripts, class State>
  bool Next(Scripts& scripts, State& state) {
    ++runs;
    if (scripts.empty()) return false;
    auto script = std::move(scripts.front());
    scripts.pop_front();
    return script(state);
  }
};

}  // namespace kx
