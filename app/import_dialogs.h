#pragma once
// The port through which the import commands show their dialogs. The Qt adapter runs a modal QDialog over
// the state; tests plug in a double that plays the user's part on the state from a queue.

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

// The import dialogs of a program that shows none: every dialog is cancelled. An App starts with them until
// the program (or a test) plugs in its own.
class QuietImportDialogs : public ImportDialogs {
 public:
  bool RunSourceImport(SourceImport&) override { return false; }
  bool RunSheetImport(SheetImport&) override { return false; }
};

}  // namespace kx
