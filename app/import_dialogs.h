#pragma once
// The port through which the import commands show their dialogs. The Qt adapter runs a modal QDialog over
// the state; tests plug in ScriptedImportDialogs, which plays the user's part on the state from a queue.

#include <deque>
#include <functional>

#include "app/source_import.h"

namespace kx {

class ImportDialogs {
 public:
  virtual ~ImportDialogs() = default;
  // Shows the dialog over `state`, changing it only through the Set... functions of source_import.h, until
  // the user presses OK (true) or Cancel or closes it (false).
  virtual bool RunSourceImport(SourceImport& state) = 0;
  virtual bool RunSheetImport(SheetImport& state) = 0;
};

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
