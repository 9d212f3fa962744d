#include "app/charset_saving.h"

#include <array>

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/file_session.h"
#include "io/charset_file.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

constexpr RequesterSetup kSaveAsRequester{"Save as...", "Morvane Charset (*.prg)|*.prg|Charset (*.chr)|*.chr|", 2};
constexpr RequesterSetup kExportRequester{"Export", "Charset (*.chr)|*.chr|", 1};

// Save As filter index -> layout and the extension it appends.
struct SaveLayout {
  FileType type;
  const char* extension;
};
constexpr std::array<SaveLayout, 2> kSaveLayouts{{{FileType::Prg, ".prg"}, {FileType::Chr, ".chr"}}};

// The write shared by Save and Save As. The file is replaced only once the new bytes are complete, so a
// failed save leaves the old file as it was. Every attempt lands in the recent list.
SaveResult WriteCharset(App& app, const std::string& path, FileType type) {
  SaveResult result = SaveResult::Saved;
  if (WriteFileReplacing(path, CharsetFileBytes(app.doc.store.editor, type))) {
    app.doc.store.fileType = type;
    ApplySaveBookkeeping(app.doc.store, path);
    RefreshTitle(app);
  } else {
    ShowUnwritable(app, path);
    result = SaveResult::Failed;
  }
  AddRecentFile(app.doc, path);
  return result;
}

bool HasCharsetLayout(FileType type) { return type == FileType::Chr || type == FileType::Prg; }

}  // namespace

SaveResult SaveCharset(App& app) {
  if (!app.doc.store.hasFile || !HasCharsetLayout(app.doc.store.fileType)) return SaveCharsetAs(app);
  return WriteCharset(app, app.doc.store.currentName, app.doc.store.fileType);
}

SaveResult SaveCharsetAs(App& app) {
  const auto choice = AskForFile(app, RequesterKind::Save, kSaveAsRequester, ProposedSavePath(app.doc));
  if (!choice) return SaveResult::Cancelled;
  const SaveLayout& layout = kSaveLayouts[static_cast<std::size_t>(choice->filterIndex)];
  return WriteCharset(app, WithExtension(choice->path, layout.extension), layout.type);
}

void ExportRows(App& app, int rows) {
  const auto choice = AskForFile(app, RequesterKind::Save, kExportRequester, ProposedSavePath(app.doc));
  if (!choice) return;
  const std::string path = WithExtension(choice->path, ".chr");
  app.doc.store.lastDirectory = DirectoryOf(path);
  const auto count = static_cast<std::size_t>(rows * kRowBytes);
  if (!WriteFileReplacing(path, CharsetFileBytes(app.doc.store.editor, FileType::Chr, count))) {
    ShowUnwritable(app, path);
    return;
  }
  // The export names the charset like a save, but it wrote only some rows: whatever was unsaved
  // stays unsaved, so quitting still asks.
  const bool unsaved = app.doc.store.modified;
  app.doc.store.fileType = FileType::Chr;
  ApplySaveBookkeeping(app.doc.store, path);
  app.doc.store.modified = unsaved;
  RefreshTitle(app);
}

}  // namespace kx
