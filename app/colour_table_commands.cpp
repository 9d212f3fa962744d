#include "app/colour_table_commands.h"

#include <variant>

#include "app/app.h"
#include "app/edit_commands.h"
#include "app/file_dialogs.h"
#include "app/file_replacing.h"
#include "io/charset_file.h"
#include "io/colour_table.h"
#include "io/file_messages.h"
#include "io/image_dump.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

constexpr RequesterSetup kExportTableRequester{"Export Colour Table", "Colour Table (*.bin)|*.bin|", 1};
constexpr RequesterSetup kImportTableRequester{"Import Colour Table", "Colour Table (*.bin)|*.bin|", 1};

// "font.chr" proposes "font_colours.bin", so the table does not take the name of a binary charset beside it.
std::string ProposedTableName(const std::string& currentName) {
  std::string name = DumpFileName(currentName, "bin");
  name.insert(name.size() - 4, "_colours");
  return name;
}

}  // namespace

void ExportColourTable(App& app) {
  const std::string proposed = app.doc.store.lastDirectory + ProposedTableName(app.doc.store.currentName);
  const auto choice = AskForFile(app, RequesterKind::Save, kExportTableRequester, proposed);
  if (!choice) return;
  const std::string path = WithExtension(choice->path, ".bin");
  if (!MayReplaceFile(app, path, ReplaceRoute::Requester)) return;
  app.doc.store.lastDirectory = DirectoryOf(path);
  int error = 0;
  if (!WriteFileReplacing(path, ColourTableBytes(app.doc.store.inks), &error)) {
    return ShowUnwritable(app, path, error);
  }
  // Over a charset's own file, the table leaves that charset saved nowhere.
  NoteFileWritten(app, path, false);
  RefreshTitle(app);
}

void ImportColourTable(App& app) {
  const auto choice =
      AskForFile(app, RequesterKind::Open, kImportTableRequester, app.doc.store.lastDirectory);
  if (!choice) return;
  const std::string& path = choice->path;
  const FileRead file = ReadFileBytes(path, kColourTableBytes);
  if (file.status == FileReadStatus::Missing) return ShowNotFound(app, path);
  if (file.status == FileReadStatus::Failed) return ShowUnreadable(app, path, file.reason);
  app.doc.store.lastDirectory = DirectoryOf(path);
  const std::variant<GlyphInks, std::string> table =
      file.status == FileReadStatus::TooLarge ? std::variant<GlyphInks, std::string>(
                                                    "a colour table holds 256 bytes, this one more")
                                              : ReadColourTable(file.Data());
  if (const auto* reason = std::get_if<std::string>(&table)) {
    return ShowFileWarning(app.shell, kLoadErrorTitle, "Could not import the colour table!\r\n\r\n" + path +
                                                          "\r\n\r\n" + *reason);
  }
  BeginEdit(app, RedoEntries::Drop);
  app.doc.store.inks = std::get<GlyphInks>(table);
  EndEdit(app);
}

}  // namespace kx
