#include "app/charset_loading.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>

#include "app/app.h"
#include "app/file_dialogs.h"
#include "app/event_flow.h"
#include "app/file_replacing.h"
#include "app/file_session.h"
#include "app/unsaved_prompt.h"
#include "io/charpad_project.h"
#include "io/charset_file.h"
#include "io/file_messages.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

constexpr const char* kCharsetFilter = "Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|";
constexpr RequesterSetup kOpenRequester{"Open...",
                                         "Charset (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|"
                                         "Morvane (*.chr,*.prg,*.bin)|*.chr;*.prg;*.bin|"
                                         "CharPad project (*.ctm)|*.ctm|",
                                         3};
constexpr int kProjectFilter = 2;
// A project is read whole (its characters may sit anywhere in it) up to the size its reader accepts.
constexpr std::size_t kMaxProjectBytes = 16u * 1024 * 1024;
constexpr RequesterSetup kImportRequester{"Import", kCharsetFilter, 1};

// The Open filters: the layout each reads, how it names a file of the wrong size and which sizes it takes.
struct OpenLayout {
  SliceRule rule;
  const char* wrongSize;
  const char* accepted;
};
constexpr OpenLayout kOpenLayouts[] = {
    {RawSlice, "Not a 2048 byte file: \r\n\r\n", "the Charset filter opens files of exactly 2048 bytes"},
    {MorvaneSlice, kNotAKnownFileText, "the Morvane filter opens files of 2048 bytes or more"},
};

// A refused size: the caller's first line and the path, then what the file is and what would do.
std::string WrongSizeText(const std::string& wrongSize, const std::string& path, const std::string& accepted) {
  return wrongSize + path + "\r\n\r\n" + WhatTheFileIs(path) + "; " + accepted + ".";
}

// Every load ends the same way: one undo step that remembers the charset's file, the bytes in place, the
// views redrawn, the file named and the flags set.
// `place` puts the file's content in the store after the load's bookkeeping.
template <class Place>
void CompleteLoad(App& app, const std::string& path, bool modified, std::optional<std::uint16_t> loadAddress,
                  Place place) {
  app.doc.history.PushLoad(app.doc.store);
  ApplyLoadBookkeeping(app.doc.store, path, loadAddress);
  place(app.doc.store);
  MarkCharsetChanged(app.view);
  RecordDiskStamp(app);
  app.doc.store.modified = modified;
  RefreshTitle(app);
}

void CompleteLoad(App& app, const SliceRead& read, const std::string& path, bool modified) {
  CompleteLoad(app, path, modified, read.loadAddress, [&read](CharsetStore& store) {
    PlaceSlice(store.editor, read);
    store.fileType = read.slice.type;
  });
}

bool IsProjectName(const std::string& path) {
  std::string tail = path.substr(path.size() - std::min<std::size_t>(path.size(), 4));
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".ctm";
}

// A CharPad project opened as the editor charset with its inks, mode and registers. One that holds more
// than its first 256 characters is opened read-only (see CharsetFlags::projectNotRead) and says so.
// Missing is left to the caller, whose words differ; every other failure is told here. True when loaded.
enum class ProjectLoad { Loaded, Missing, Refused };
ProjectLoad LoadProject(App& app, const std::string& path) {
  const FileRead file = ReadFileBytes(path, kMaxProjectBytes);
  if (file.status == FileReadStatus::Missing) return ProjectLoad::Missing;
  if (file.status != FileReadStatus::Ok) {
    ShowUnreadable(app, path, file.reason);
    return ProjectLoad::Refused;
  }
  auto read = ReadCharPadProject(file.Data());
  if (const auto* refusal = std::get_if<SourceRefusal>(&read)) {
    ShowFileWarning(app.shell, kLoadErrorTitle, "Could not open the CharPad project:\r\n\r\n" + path + "\r\n\r\n" +
                                                    refusal->reason + ".");
    return ProjectLoad::Refused;
  }
  const CharPadProject& project = std::get<CharPadProject>(read);
  CompleteLoad(app, path, false, std::nullopt, [&project](CharsetStore& store) {
    store.editor = project.charset;
    store.inks = project.inks;
    store.colours = project.colours;
    store.fileType = FileType::CharPad;
    store.projectNotRead = project.notRead;
  });
  if (!project.notRead.empty()) {
    app.shell.status.notice = "Read-only project: " + project.notRead + " not read";
  }
  return ProjectLoad::Loaded;
}

// Missing files, read failures and successes are handled alike by Open and the imports; only a file of
// the wrong size needs the caller's wording.
void FinishChosenLoad(App& app, const SliceRead& read, const std::string& path, const std::string& wrongSize,
                      bool modified, const std::string& accepted) {
  app.doc.store.lastDirectory = DirectoryOf(path);
  switch (read.status) {
    case SliceStatus::Ok: CompleteLoad(app, read, path, modified); break;
    case SliceStatus::WrongSize:
      ShowFileWarning(app.shell, kLoadErrorTitle, WrongSizeText(wrongSize, path, accepted));
      break;
    case SliceStatus::Unreadable: ShowUnreadable(app, path, read.reason); break;
    case SliceStatus::Missing: break;
  }
}

}  // namespace

void NewCharsetFile(App& app) {
  if (!ConfirmUnsavedChanges(app, PromptFor::New)) return;
  NewCharset(app.doc.store);
  MarkCharsetChanged(app.view);
  RefreshTitle(app);
}

void OpenCharsetFile(App& app) {
  if (!ConfirmUnsavedChanges(app, PromptFor::Open)) return;
  const auto choice = AskForFile(app, RequesterKind::Open, kOpenRequester, app.doc.store.lastDirectory);
  if (!choice) return;
  if (choice->filterIndex == kProjectFilter || IsProjectName(choice->path)) {
    app.doc.store.lastDirectory = DirectoryOf(choice->path);
    if (LoadProject(app, choice->path) == ProjectLoad::Missing) ShowNotFound(app, choice->path);
    return;
  }
  const OpenLayout& layout = kOpenLayouts[choice->filterIndex];
  const SliceRead read = ReadFileSlice(choice->path, layout.rule);
  if (read.status == SliceStatus::Missing) return ShowNotFound(app, choice->path);
  FinishChosenLoad(app, read, choice->path, layout.wrongSize, false, layout.accepted);
}

void ImportCharsetBytes(App& app, std::uint64_t fileSize) {
  if (!ConfirmUnsavedChanges(app, PromptFor::Open)) return;
  const auto choice = AskForFile(app, RequesterKind::Open, kImportRequester, app.doc.store.currentName);
  if (!choice) return;
  const SliceRead read =
      ReadFileSlice(choice->path, [fileSize](std::uint64_t size) { return ImportSlice(size, fileSize); });
  if (read.status == SliceStatus::Missing) return ShowNotFound(app, choice->path);
  const std::string bytes = std::to_string(fileSize);
  FinishChosenLoad(app, read, choice->path, "Not a " + bytes + " byte file: \r\n\r\n", true,
                   "this import takes files of exactly " + bytes + " bytes");
}

namespace {

// The drop's loading rules and messages; true when the file was loaded.
bool LoadDropped(App& app, const std::vector<std::string>& paths) {
  if (paths.empty()) return false;
  // Several files arrive as one newline-separated text, which names no file and is refused below.
  std::string dropped;
  for (const std::string& path : paths) dropped += (dropped.empty() ? "" : "\n") + path;
  if (!ConfirmUnsavedChanges(app, PromptFor::Drop)) return false;
  if (paths.size() == 1 && IsProjectName(dropped)) {
    const ProjectLoad loaded = LoadProject(app, dropped);
    if (loaded != ProjectLoad::Missing) return loaded == ProjectLoad::Loaded;
  }
  const SliceRead read = paths.size() == 1 ? ReadFileSlice(dropped, SizeSlice) : SliceRead{SliceStatus::WrongSize, {}, {}};
  switch (read.status) {
    case SliceStatus::Ok: CompleteLoad(app, read, dropped, false); return true;
    case SliceStatus::Unreadable: ShowUnreadable(app, dropped, read.reason); return false;
    case SliceStatus::Missing:
    case SliceStatus::WrongSize: break;
  }
  ShowFileWarning(app.shell, kFileErrorTitle,
                  "Could not read file: \r\n\r\n" + dropped +
                      "\r\n\r\nSorry, 'drag and drop' only supports 2048 byte .chr files\r\nor 2050 byte .prg files...");
  return false;
}

}  // namespace

void DropFiles(App& app, const std::vector<std::string>& paths) {
  const EventScope event(app);
  app.shell.requests.focusEditor = true;
  LoadDropped(app, paths);
}

std::optional<std::string> OpenableFileProblem(const std::string& path) {
  constexpr const char* kAccepted =
      "; the editor opens 2048 byte .chr files,\r\n2050 byte .prg files and CharPad projects (.ctm).";
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return "There is no such file.";
  // A project of any size: its reader judges it.
  if (std::filesystem::is_regular_file(status) && IsProjectName(path)) return std::nullopt;
  if (!SizeSlice(StatFile(path).size) || !std::filesystem::is_regular_file(status)) {
    return WhatTheFileIs(path) + kAccepted;
  }
  return std::nullopt;
}

std::string StartUpFileText(const std::string& path, const std::string& problem) {
  return "The file named on the command line cannot be opened:\r\n\r\n" + path + "\r\n\r\n" + problem;
}

void OpenFileAtStartUp(App& app, const std::string& path) {
  const EventScope event(app);
  app.shell.requests.focusEditor = true;
  // Named as a dropped file would be, by its full path, so the title and the recent list say where it is.
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::string named = error ? path : absolute.lexically_normal().string();
  // The drop's message speaks of dragging; a file named on the command line is told apart by what is wrong.
  if (const auto problem = OpenableFileProblem(named)) {
    return ShowFileWarning(app.shell, kFileErrorTitle, StartUpFileText(named, *problem));
  }
  if (LoadDropped(app, {named})) AddRecentFile(app.doc, named);
}

void OpenRecentFile(App& app, int slot) {
  if (slot < 0 || slot >= cmd::kRecentCount) return;
  // Copied first: a save chosen in the prompt pushes onto the list and shifts the slots.
  const std::string path = app.doc.files.recent[static_cast<std::size_t>(slot)];
  if (path == kEmptyRecent) return;
  if (!ConfirmUnsavedChanges(app, PromptFor::OpenRecent)) return;
  if (IsProjectName(path)) {
    if (LoadProject(app, path) == ProjectLoad::Missing) {
      ShowFileWarning(app.shell, kFileErrorTitle, "Could not locate or read file: \r\n\r\n" + path);
    }
    return;
  }
  const SliceRead read = ReadFileSlice(path, SizeSlice);
  switch (read.status) {
    case SliceStatus::Ok: return CompleteLoad(app, read, path, false);
    case SliceStatus::Missing:
      return ShowFileWarning(app.shell, kFileErrorTitle, "Could not locate or read file: \r\n\r\n" + path);
    case SliceStatus::Unreadable: return ShowUnreadable(app, path, read.reason);
    case SliceStatus::WrongSize: break;
  }
  // A folder or a file of another size: why, and which sizes would do.
  const std::string problem = OpenableFileProblem(path).value_or("It cannot be opened.");
  ShowFileWarning(app.shell, kFileErrorTitle, "Could not open file: \r\n\r\n" + path + "\r\n\r\n" + problem);
}

}  // namespace kx
