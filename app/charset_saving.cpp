#include "app/charset_saving.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/file_replacing.h"
#include "app/file_session.h"
#include "app/save_layout.h"
#include "io/charpad_project.h"
#include "io/charset_file.h"
#include "io/image_dump.h"
#include "io/source_export.h"
#include "runtime/file_bytes.h"
#include "runtime/file_stamp.h"

namespace kx {
namespace {

constexpr RequesterSetup kSaveAsRequester{
    "Save as...", "Morvane Charset (*.prg)|*.prg|Charset (*.chr)|*.chr|CharPad project (*.ctm)|*.ctm|", 3};
constexpr RequesterSetup kExportRequester{"Export", "Charset (*.chr)|*.chr|", 1};
constexpr RequesterSetup kSourceRequester{"Export as Source",
                                          "ACME Source (*.a)|*.a|"
                                          "ca65 Source (*.s)|*.s|"
                                          "64tass Source (*.asm)|*.asm|"
                                          "Kick Assembler Source (*.asm)|*.asm|"
                                          "C Source or Header (*.c, *.h)|*.c;*.h|",
                                          kSourceDialectCount};

constexpr const char* kColourTableTick = "Include the colour table (the 256 glyph colours)";

// Source requester filter index -> dialect and the extension a proposed name gets.
struct SourceFilter {
  SourceDialect dialect;
  const char* extension;
};
constexpr std::array<SourceFilter, kSourceDialectCount> kSourceFilters{{{SourceDialect::Acme, "a"},
                                                                        {SourceDialect::Ca65, "s"},
                                                                        {SourceDialect::Tass64, "asm"},
                                                                        {SourceDialect::KickAss, "asm"},
                                                                        {SourceDialect::C, "c"}}};

// Save As filter index -> layout and the extension it appends.
struct SaveLayout {
  FileType type;
  const char* extension;
};
constexpr std::array<SaveLayout, 3> kSaveLayouts{
    {{FileType::Prg, ".prg"}, {FileType::Chr, ".chr"}, {FileType::CharPad, ".ctm"}}};

enum class LayoutAnswer { Write, Decline, SaveAs };

// The charset's own file is replaced without the requester's question, so a save that would change its size
// or load address asks here: Yes writes, No writes nothing, Save As picks another file or layout. Any other
// existing file was already asked about as a whole.
// A project is written whole whatever its size, so over a project that held more than was read the question
// is what the save would lose instead.
LayoutAnswer AskAboutLayout(App& app, const std::string& path, ReplaceRoute route, FileType type,
                            const std::string& bytes) {
  const std::string own = ReplaceableWithoutAsking(app.doc);
  if (route != ReplaceRoute::Save && (own.empty() || !IsSameFile(path, own))) return LayoutAnswer::Write;
  const std::optional<std::string> question = type == FileType::CharPad
                                                  ? ProjectLossText(path, app.doc.store.projectNotRead)
                                                  : LayoutChangeText(path, bytes);
  if (!question) return LayoutAnswer::Write;
  switch (app.shell.dialogs->ShowMessage(kProgramTitle, *question, MessageButtons::YesNoSaveAs, MessageIcon::Warning)) {
    case MessageAnswer::Yes: return LayoutAnswer::Write;
    case MessageAnswer::SaveAs: return LayoutAnswer::SaveAs;
    default: return LayoutAnswer::Decline;
  }
}

// The write shared by Save and Save As. The file is replaced only once the new bytes are complete, so a
// failed save leaves the old file as it was. Every attempt lands in the recent list; a write the user
// declined (the file is the other charset's, changed on disk, or would change its layout) is no attempt and
// changes nothing.
SaveResult WriteCharset(App& app, const std::string& path, FileType type, ReplaceRoute route) {
  if (!MayReplaceFile(app, path, route)) return SaveResult::Cancelled;
  // A .prg keeps the load address its charset was read with; a project keeps the inks, mode and registers.
  const CharsetStore& store = app.doc.store;
  const std::string bytes = type == FileType::CharPad
                                ? CharPadProjectBytes(store.editor, store.inks, store.colours)
                                : CharsetFileBytes(store.editor, type, kCharsetBytes, store.loadAddress.value_or(0));
  switch (AskAboutLayout(app, path, route, type, bytes)) {
    case LayoutAnswer::Write: break;
    case LayoutAnswer::Decline: return SaveResult::Cancelled;
    case LayoutAnswer::SaveAs: return SaveCharsetAs(app);
  }
  SaveResult result = SaveResult::Saved;
  int error = 0;
  if (WriteFileReplacing(path, bytes, &error)) {
    app.doc.store.fileType = type;
    ApplySaveBookkeeping(app.doc.store, path);
    NoteFileWritten(app, path, true);
    RefreshTitle(app);
    if (type == FileType::CharPad && app.doc.store.colours.mode == DisplayMode::ExtendedBackground) {
      app.shell.status.notice = kProjectWithoutEcmText;
    }
  } else {
    ShowUnwritable(app, path, error);
    result = SaveResult::Failed;
  }
  AddRecentFile(app.doc, path);
  return result;
}

bool HasCharsetLayout(FileType type) {
  return type == FileType::Chr || type == FileType::Prg || type == FileType::CharPad;
}

}  // namespace

SaveResult SaveCharset(App& app) {
  if (!app.doc.store.hasFile || !HasCharsetLayout(app.doc.store.fileType)) return SaveCharsetAs(app);
  return WriteCharset(app, app.doc.store.currentName, app.doc.store.fileType, ReplaceRoute::Save);
}

SaveResult SaveCharsetAs(App& app) {
  const auto choice = AskForFile(app, RequesterKind::Save, kSaveAsRequester, ProposedSavePath(app.doc));
  if (!choice) return SaveResult::Cancelled;
  const SaveLayout& layout = kSaveLayouts[static_cast<std::size_t>(choice->filterIndex)];
  return WriteCharset(app, WithExtension(choice->path, layout.extension), layout.type, ReplaceRoute::Requester);
}

void ExportRows(App& app, int rows) {
  const auto choice = AskForFile(app, RequesterKind::Save, kExportRequester, ProposedSavePath(app.doc));
  if (!choice) return;
  const std::string path = WithExtension(choice->path, ".chr");
  if (!MayReplaceFile(app, path, ReplaceRoute::Requester)) return;
  app.doc.store.lastDirectory = DirectoryOf(path);
  const auto count = static_cast<std::size_t>(rows * kRowBytes);
  int error = 0;
  if (!WriteFileReplacing(path, CharsetFileBytes(app.doc.store.editor, FileType::Chr, count), &error)) {
    ShowUnwritable(app, path, error);
    return;
  }
  // Over the charset's own file, the rows replace the whole charset it held: that counts as unsaved.
  NoteFileWritten(app, path, false);
  // The export names the charset like a save, but it wrote only some rows: whatever was unsaved
  // stays unsaved, so quitting still asks.
  const bool unsaved = app.doc.store.modified;
  app.doc.store.fileType = FileType::Chr;
  ApplySaveBookkeeping(app.doc.store, path);
  app.doc.store.modified = unsaved;
  RecordDiskStamp(app);
  RefreshTitle(app);
}

std::string SourceWrittenNotice(const std::string& path) {
  std::error_code error;
  const std::filesystem::path full =
      std::filesystem::absolute(std::filesystem::path(std::u8string(path.begin(), path.end())), error);
  const std::u8string text = full.lexically_normal().u8string();
  return "Source written to " + (error ? path : std::string(text.begin(), text.end()));
}

void ExportCharsetSource(App& app) {
  // The charset's file name with the remembered dialect's extension, so the name shown is already a source
  // name ("font.chr" would become "font.chr.a").
  const int remembered = ClampFilterIndex(app.doc.files.sourceFilter, kSourceDialectCount);
  const std::string proposed =
      app.doc.store.lastDirectory +
      DumpFileName(app.doc.store.currentName, kSourceFilters[static_cast<std::size_t>(remembered)].extension);
  const auto choice = AskForSourceFile(app, kSourceRequester, proposed,
                                       {kColourTableTick, &app.doc.files.sourceColourTable});
  if (!choice) return;
  const std::string& path = choice->path;
  app.doc.store.lastDirectory = DirectoryOf(path);
  const SourceDialect dialect = kSourceFilters[static_cast<std::size_t>(choice->filterIndex)].dialect;
  const bool header = dialect == SourceDialect::C && path.ends_with(".h");
  const GlyphInks* colourTable = app.doc.files.sourceColourTable ? &app.doc.store.inks : nullptr;
  const std::string text =
      FormatCharsetSource(app.doc.store.editor, dialect, SourceLabelFromPath(path), header, colourTable);
  if (!MayReplaceFile(app, path, ReplaceRoute::Requester)) return;
  int error = 0;
  if (!WriteFileReplacing(path, text, &error)) return ShowUnwritable(app, path, error);
  // Text over a charset's file leaves that charset saved nowhere.
  NoteFileWritten(app, path, false);
  RefreshTitle(app);
  app.shell.status.notice = SourceWrittenNotice(path);
}

}  // namespace kx
