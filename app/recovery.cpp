#include "app/recovery.h"

#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/app.h"
#include "app/edit_commands.h"
#include "app/event_flow.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string WithSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path == "/" ? path : path + "/";
}

bool Unsaved(const CharsetStore& store, int place) {
  return place == (store.editorSlot & 1) ? store.modified : store.memoryFlags.modified;
}

void RemoveCopy(RecoverySession& session, int place) {
  std::remove(RecoveryCopyPath(session.folder, session.runId, place).c_str());
  session.places[static_cast<std::size_t>(place)] = {};
}

bool WriteCopy(RecoverySession& session, int place, const std::string& encoded) {
  if (!WriteFileReplacing(RecoveryCopyPath(session.folder, session.runId, place), encoded)) return false;
  session.places[static_cast<std::size_t>(place)] = {encoded, std::nullopt};
  return true;
}

bool StrokeRunning(const App& app) { return app.view.input.strokeButton != MouseButton::None; }

}  // namespace

std::string ChooseRecoveryFolder(const std::string& home, const std::string& xdgStateHome) {
  if (IsAbsolute(xdgStateHome)) return WithSlash(xdgStateHome) + "kestrelix/";
  if (IsAbsolute(home)) return WithSlash(home) + ".local/state/kestrelix/";
  return {};
}

long long RecoveryDelayFrom(const std::string& value) {
  long long ms = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), ms);
  if (value.empty() || error != std::errc() || end != value.data() + value.size()) return kRecoveryDelayMs;
  return ms < 1 ? 1 : ms > kRecoveryDelayMs ? kRecoveryDelayMs : ms;
}

std::string NewRunId() {
  const auto since = std::chrono::system_clock::now().time_since_epoch();
  return std::to_string(getpid()) + "-" +
         std::to_string(std::chrono::duration_cast<std::chrono::microseconds>(since).count());
}

bool StartRecovery(RecoverySession& session, const std::string& folder, const std::string& runId,
                   long long delayMs) {
  session = {};
  if (folder.empty() || runId.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  // The copies hold the user's work: only the user may read them.
  std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
  if (!session.lock.TryLock(RecoveryLockPath(folder, runId))) return false;
  session.folder = folder;
  session.runId = runId;
  session.delayMs = delayMs;
  return true;
}

std::string RecoveryCopyPath(const std::string& folder, const std::string& runId, int place) {
  return folder + runId + (place == 0 ? "-charset1.kxr" : "-charset2.kxr");
}

std::string RecoveryLockPath(const std::string& folder, const std::string& runId) {
  return folder + runId + ".lock";
}

RecoveryCopy RecoveryCopyOf(const CharsetStore& store, int place) {
  const bool inEditor = place == (store.editorSlot & 1);
  const CharsetFlags& flags = inEditor ? static_cast<const CharsetFlags&>(store) : store.memoryFlags;
  RecoveryCopy copy;
  copy.place = place & 1;
  copy.name = store.slotNames[static_cast<std::size_t>(copy.place)];
  // A charset with a file is named after it (the load and save bookkeeping).
  copy.file = flags.hasFile ? copy.name : std::string();
  copy.fileType = flags.fileType;
  copy.projectNotRead = flags.projectNotRead;
  copy.bytes = inEditor ? store.editor : store.slots[static_cast<std::size_t>(copy.place)];
  copy.inks = inEditor ? store.inks : store.slotInks[static_cast<std::size_t>(copy.place)];
  copy.colours = inEditor ? store.colours : store.slotColours[static_cast<std::size_t>(copy.place)];
  return copy;
}

void KeepRecoveryCurrent(App& app, long long nowMs) {
  RecoverySession& session = app.shell.recovery;
  if (session.folder.empty()) return;
  for (int place = 0; place < 2; ++place) {
    RecoveryPlace& on = session.places[static_cast<std::size_t>(place)];
    if (!Unsaved(app.doc.store, place)) {
      if (!on.written.empty()) RemoveCopy(session, place);
      on.changedAt.reset();
      continue;
    }
    const std::string wanted = EncodeRecoveryCopy(RecoveryCopyOf(app.doc.store, place));
    if (wanted == on.written) {
      on.changedAt.reset();
      continue;
    }
    if (!on.changedAt) on.changedAt = nowMs;
    const bool due = nowMs - *on.changedAt + session.PeriodMs() >= session.delayMs;
    if (due && !StrokeRunning(app)) WriteCopy(session, place, wanted);
  }
}

void DropStaleRecoveryCopies(App& app) {
  RecoverySession& session = app.shell.recovery;
  if (session.folder.empty()) return;
  for (int place = 0; place < 2; ++place) {
    if (!session.places[static_cast<std::size_t>(place)].written.empty() && !Unsaved(app.doc.store, place)) {
      RemoveCopy(session, place);
    }
  }
}

bool WriteRecoveryCopiesNow(App& app) {
  RecoverySession& session = app.shell.recovery;
  if (session.folder.empty()) return false;
  bool all = true;
  for (int place = 0; place < 2; ++place) {
    if (!Unsaved(app.doc.store, place)) continue;
    const std::string wanted = EncodeRecoveryCopy(RecoveryCopyOf(app.doc.store, place));
    if (wanted != session.places[static_cast<std::size_t>(place)].written) {
      all = WriteCopy(session, place, wanted) && all;
    }
  }
  return all;
}

void EndRecovery(RecoverySession& session) {
  if (session.folder.empty()) return;
  for (int place = 0; place < 2; ++place) RemoveCopy(session, place);
  std::remove(RecoveryLockPath(session.folder, session.runId).c_str());
  session.lock.Release();
  session.folder.clear();
}

void RecoverCharset(App& app, const RecoveryCopy& copy) {
  // The charset is put back through the editor: a charset for the memory place comes in for it and goes
  // back out, so its pane picture is made as after any change.
  const bool swapIn = copy.place != (app.doc.store.editorSlot & 1);
  if (swapIn) RunSwap(app);
  CharsetStore& store = app.doc.store;
  store.editor = copy.bytes;
  store.inks = copy.inks;
  store.colours = copy.colours;
  store.slotNames[static_cast<std::size_t>(copy.place)] = copy.name;
  store.hasFile = !copy.file.empty();
  store.fileType = copy.fileType;
  store.projectNotRead = copy.projectNotRead;
  store.diskStamp = {};
  StartNewGeneration(store);
  store.modified = true;
  MarkCharsetChanged(app.view);
  if (swapIn) RunSwap(app);
  RefreshTitle(app);
}

}  // namespace kx
