#include "app/source_import_commands.h"

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/file_replacing.h"
#include "app/import_dialogs.h"
#include "io/image_dump.h"
#include "runtime/file_bytes.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

// The requesters keep their own filter: they are left out of the shared Open filter, which decides how
// Open reads a charset.
const FileRequest kSourceRequest{"Import Charset from Program, Binary, Snapshot or Project",
                                 "",
                                 "C64 programs, snapshots and projects (*.prg *.64c *.vsf *.ctm *.bin)|"
                                 "*.prg;*.64c;*.vsf;*.ctm;*.bin|All files (*)|*|",
                                 0};
const FileRequest kSheetRequest{"Import Charset from Font Sheet", "",
                                "Font sheet (*.png,*.bmp,*.jpg)|*.png;*.bmp;*.jpg;*.jpeg|", 0};

// Programs fill at most 64 KiB and snapshots are a few hundred; a binary of more than this is no charset
// source anyone rips from, and it is not read into memory.
constexpr std::size_t kMaxSourceFileBytes = 16u * 1024 * 1024;

constexpr const char* kImportErrorTitle = "Import Error!";

const FileRequest kRamRequest{"Save 64 KiB RAM", "", "64 KiB RAM (*.bin)|*.bin|", 0, true};

void ShowRefusal(App& app, const std::string& path, const std::string& reason) {
  ShowFileWarning(app.shell, kImportErrorTitle, "Cannot import from:\r\n\r\n" + path + "\r\n\r\n" + ImportProblemText(reason));
}

// Asks for the file and reads it; nothing when the user cancelled or the file could not be read (which
// is reported).
std::optional<FileRead> ChooseAndRead(App& app, FileRequest request, std::size_t limit, std::string& path) {
  request.proposedPath = app.doc.store.lastDirectory;
  const std::optional<FileChoice> choice = app.shell.dialogs->RequestOpenFile(request);
  if (!choice) return std::nullopt;
  path = choice->path;
  app.doc.store.lastDirectory = DirectoryOf(path);
  FileRead file = ReadFileBytes(path, limit);
  switch (file.status) {
    case FileReadStatus::Ok: return file;
    case FileReadStatus::Missing: ShowNotFound(app, path); break;
    case FileReadStatus::TooLarge: ShowRefusal(app, path, "The file is too large."); break;
    case FileReadStatus::Failed: ShowUnreadable(app, path, file.reason); break;
  }
  return std::nullopt;
}

// Shows the dialog until OK gives a charset or the user cancels; OK without one says why and shows the
// dialog again as the user left it.
template <class State, class Run, class Apply>
void RunDialog(App& app, State& state, Run run, Apply apply) {
  while (run(state)) {
    if (state.outcome.result) return apply(state);
    ShowRefusal(app, state.path, state.outcome.problem);
  }
}

}  // namespace

void ImportCharsetFromSource(App& app) {
  std::string path;
  std::optional<FileRead> file = ChooseAndRead(app, kSourceRequest, kMaxSourceFileBytes, path);
  if (!file) return;
  const ByteSpan data = file->Data();
  auto opened = OpenSourceImport(path, {data.begin(), data.end()}, app.doc.store.editor, app.view.palette);
  if (const auto* refusal = std::get_if<SourceRefusal>(&opened)) return ShowRefusal(app, path, refusal->reason);
  std::get<SourceImport>(opened).saveRam = [&app](const SourceImport& state) { SaveSnapshotRam(app, state); };
  RunDialog(app, std::get<SourceImport>(opened),
            [&](SourceImport& state) { return app.shell.importDialogs->RunSourceImport(state); },
            [&](const SourceImport& state) { ApplySourceImport(app, state); });
}

void ImportCharsetFromSheet(App& app) {
  std::string path;
  std::optional<FileRead> file = ChooseAndRead(app, kSheetRequest, kMaxImageFileBytes, path);
  if (!file) return;
  auto opened = OpenSheetImport(path, file->Data(), app.doc.store.editor, app.view.palette);
  if (const auto* refusal = std::get_if<SourceRefusal>(&opened)) return ShowRefusal(app, path, refusal->reason);
  RunDialog(app, std::get<SheetImport>(opened),
            [&](SheetImport& state) { return app.shell.importDialogs->RunSheetImport(state); },
            [&](const SheetImport& state) { ApplyImportedCharset(app, *state.outcome.result); });
}

void SaveSnapshotRam(App& app, const SourceImport& state) {
  const std::span<const std::uint8_t> ram = SnapshotRam(state);
  if (ram.empty()) return;
  FileRequest request = kRamRequest;
  request.proposedPath = DirectoryOf(state.path) + DumpFileName(state.path, "bin");
  const std::optional<FileChoice> choice = app.shell.dialogs->RequestSaveFile(request);
  if (!choice) return;
  const std::string& path = choice->path;
  if (!MayReplaceFile(app, path, ReplaceRoute::Requester)) return;
  int error = 0;
  if (!WriteFileReplacing(path, ram, &error)) return ShowUnwritable(app, path, error);
  // RAM over a charset's file leaves that charset saved nowhere.
  NoteFileWritten(app, path, false);
  RefreshTitle(app);
}

}  // namespace kx
