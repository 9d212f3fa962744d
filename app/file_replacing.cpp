#include "app/file_replacing.h"

#include <filesystem>
#include <system_error>

#include "app/app.h"
#include "runtime/file_stamp.h"

namespace kx {
namespace {

constexpr const char* kReplaceQuestion = "\r\n\r\nDo you want to replace it?";

bool Ask(App& app, const std::string& text) {
  return app.shell.dialogs->ShowMessage(kProgramTitle, text + kReplaceQuestion, MessageButtons::YesNo,
                                        MessageIcon::Warning) == MessageAnswer::Yes;
}

// True when `path` is the file of the charset with these flags and name.
bool IsFileOf(const CharsetFlags& flags, const std::string& name, const std::string& path) {
  return flags.hasFile && IsSameFile(path, name);
}

// True when the charset recorded how its file `path` looked and the file no longer looks like that (a
// file that vanished and came back under the same name is another file).
bool ChangedOnDisk(const CharsetFlags& flags, const std::string& name, const std::string& path) {
  return IsFileOf(flags, name, path) && flags.diskStamp.exists && TakeFileStamp(path) != flags.diskStamp;
}

// True when a dump may replace the file `path` without asking: a dump of this run wrote it and it is still as
// that dump left it, or it is no file at all (a folder there makes the write fail and say so).
bool DumpReplacesWithoutAsking(const FileSession& files, const std::string& path, const FileStamp& found) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return true;
  const auto written = files.dumpsWritten.find(path);
  return written != files.dumpsWritten.end() && written->second == found;
}

}  // namespace

bool MayReplaceFile(App& app, const std::string& path, ReplaceRoute route) {
  const CharsetStore& store = app.doc.store;
  const FileStamp found = TakeFileStamp(path);
  if (!found.exists) return true;  // nothing there to lose
  const std::string& memoryName = MemoryCharsetName(store);
  if (route == ReplaceRoute::Dump && !IsFileOf(store, store.currentName, path) &&
      !IsFileOf(store.memoryFlags, memoryName, path) && !DumpReplacesWithoutAsking(app.doc.files, path, found) &&
      !Ask(app, path + " already exists.")) {
    return false;
  }
  if (route == ReplaceRoute::Dump && IsFileOf(store, store.currentName, path) &&
      !Ask(app, path + " is the file this charset was loaded from or saved to.")) {
    return false;
  }
  // A requester's "already exists" does not say whose file it is, so every route asks this one.
  if (IsFileOf(store.memoryFlags, memoryName, path)) {
    const int memorySlot = 2 - (store.editorSlot & 1);
    if (!Ask(app, path + " is the file Charset " + std::to_string(memorySlot) + " was loaded from or saved to.")) {
      return false;
    }
  }
  if (ChangedOnDisk(store, store.currentName, path) || ChangedOnDisk(store.memoryFlags, memoryName, path)) {
    return Ask(app, path + " has changed on disk since it was opened or last saved.");
  }
  return true;
}

void NoteFileWritten(App& app, const std::string& path, bool holdsEditorCharset) {
  CharsetStore& store = app.doc.store;
  // Each charset whose file this is: its stamp follows, and unless the file now holds that charset, what
  // the file held is gone.
  const auto follow = [&](CharsetFlags& flags, const std::string& name, bool holdsIt) {
    if (!IsFileOf(flags, name, path)) return;
    flags.diskStamp = TakeFileStamp(path);
    if (holdsIt) return;
    flags.modified = true;
    flags.generation = ++store.lastGeneration;
  };
  follow(store, store.currentName, holdsEditorCharset);
  follow(store.memoryFlags, MemoryCharsetName(store), false);
}

void RecordDiskStamp(App& app) { app.doc.store.diskStamp = TakeFileStamp(app.doc.store.currentName); }

std::string ReplaceableWithoutAsking(const Document& doc) {
  const CharsetStore& store = doc.store;
  if (!store.hasFile) return {};
  if (IsFileOf(store.memoryFlags, MemoryCharsetName(store), store.currentName)) return {};
  return store.currentName;
}

}  // namespace kx
