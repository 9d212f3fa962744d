#include "app/recovery_offer.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <map>
#include <system_error>

#include "app/app.h"
#include "runtime/file_bytes.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kCopyLimit = 1 << 20;
constexpr std::string_view kLockSuffix = ".lock";
constexpr std::string_view kCopySuffixes[] = {"-charset1.kxr", "-charset2.kxr"};

bool EndsWith(std::string_view text, std::string_view end) {
  return text.size() > end.size() && text.substr(text.size() - end.size()) == end;
}

// A run id is the process id and the start time, digits joined by '-'.
bool IsRunId(std::string_view id) {
  return !id.empty() && id.find_first_not_of("0123456789-") == std::string_view::npos;
}

// The run id a file of the folder belongs to, or empty for a file that is none of the editor's.
std::string RunIdOf(std::string_view name, bool& isCopy) {
  for (const std::string_view suffix : kCopySuffixes) {
    if (EndsWith(name, suffix) && IsRunId(name.substr(0, name.size() - suffix.size()))) {
      isCopy = true;
      return std::string(name.substr(0, name.size() - suffix.size()));
    }
  }
  isCopy = false;
  if (EndsWith(name, kLockSuffix) && IsRunId(name.substr(0, name.size() - kLockSuffix.size()))) {
    return std::string(name.substr(0, name.size() - kLockSuffix.size()));
  }
  return {};
}

long long FileTime(const std::string& path) {
  std::error_code error;
  const auto time = fs::last_write_time(path, error);
  if (error) return 0;
  const auto system = std::chrono::file_clock::to_sys(time);
  return std::chrono::duration_cast<std::chrono::seconds>(system.time_since_epoch()).count();
}

OfferedCopy ReadOffered(const std::string& path, const std::string& runId) {
  OfferedCopy offered{path, runId, std::nullopt, {}, FileTime(path)};
  const FileRead read = ReadFileBytes(path, kCopyLimit);
  if (read.status != FileReadStatus::Ok) {
    offered.problem = read.status == FileReadStatus::TooLarge ? "too large for a recovery copy" : "cannot be read";
  } else {
    offered.copy = DecodeRecoveryCopy(read.Data(), &offered.problem);
  }
  return offered;
}

bool AnyCopyLeft(const std::string& folder, const std::string& runId) {
  std::error_code error;
  return fs::exists(RecoveryCopyPath(folder, runId, 0), error) ||
         fs::exists(RecoveryCopyPath(folder, runId, 1), error);
}

}  // namespace

LeftoverCopies FindLeftoverCopies(const std::string& folder, const std::string& ownRunId) {
  LeftoverCopies found;
  if (folder.empty()) return found;
  std::map<std::string, std::vector<std::string>> runs;  // run id -> its copy files
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    bool isCopy = false;
    const std::string runId = RunIdOf(entry.path().filename().string(), isCopy);
    if (runId.empty() || runId == ownRunId) continue;
    auto& copies = runs[runId];
    if (isCopy) copies.push_back(entry.path().string());
  }
  for (auto& [runId, paths] : runs) {
    FileLock owner;
    if (!owner.TryLock(RecoveryLockPath(folder, runId))) continue;  // that run is still going
    std::sort(paths.begin(), paths.end());
    for (const std::string& path : paths) found.copies.push_back(ReadOffered(path, runId));
    found.runIds.push_back(runId);
    found.owners.push_back(std::move(owner));
  }
  std::stable_sort(found.copies.begin(), found.copies.end(),
                   [](const OfferedCopy& a, const OfferedCopy& b) { return a.writtenAt < b.writtenAt; });
  return found;
}

std::string DescribeOfferedCopy(const OfferedCopy& offered) {
  if (!offered.copy) {
    return fs::path(offered.path).filename().string() + ": cannot be recovered, " + offered.problem;
  }
  const RecoveryCopy& copy = *offered.copy;
  char when[32] = "";
  const std::time_t seconds = static_cast<std::time_t>(offered.writtenAt);
  std::tm local{};
  if (localtime_r(&seconds, &local)) std::strftime(when, sizeof when, "%Y-%m-%d %H:%M:%S", &local);
  return std::string(copy.place == 0 ? "Charset 1" : "Charset 2") + ": " + copy.name + ", " +
         (copy.file.empty() ? std::string("no file") : "file " + copy.file) + ", written " + when;
}

bool CanRecover(const std::vector<OfferedCopy>& copies, const std::vector<RecoveryAnswer>& answers,
                std::size_t index) {
  if (index >= copies.size() || !copies[index].copy) return false;
  for (std::size_t i = 0; i < copies.size() && i < answers.size(); ++i) {
    if (i != index && answers[i] == RecoveryAnswer::Recover && copies[i].copy &&
        copies[i].copy->place == copies[index].copy->place) {
      return false;
    }
  }
  return true;
}

void OfferRecoveryCopies(App& app, RecoveryBox& box) {
  const std::string& folder = app.shell.recovery.folder;
  LeftoverCopies found = FindLeftoverCopies(folder, app.shell.recovery.runId);
  if (!found.copies.empty()) {
    std::vector<RecoveryAnswer> answers = box.Ask(found.copies);
    answers.resize(found.copies.size(), RecoveryAnswer::Keep);
    std::vector<RecoveryAnswer> applied(found.copies.size(), RecoveryAnswer::Keep);
    for (std::size_t i = 0; i < found.copies.size(); ++i) {
      // A second Recover for a place already filled is kept for later rather than overwriting the first.
      if (answers[i] == RecoveryAnswer::Recover && !CanRecover(found.copies, applied, i)) continue;
      applied[i] = answers[i];
      if (answers[i] == RecoveryAnswer::Recover) RecoverCharset(app, *found.copies[i].copy);
    }
    // The recovered work is this run's own before the old copies go.
    const bool ownWritten = WriteRecoveryCopiesNow(app);
    for (std::size_t i = 0; i < found.copies.size(); ++i) {
      const bool recovered = applied[i] == RecoveryAnswer::Recover;
      if (applied[i] == RecoveryAnswer::Discard || (recovered && ownWritten)) {
        std::remove(found.copies[i].path.c_str());
      }
    }
  }
  for (const std::string& runId : found.runIds) {
    if (!AnyCopyLeft(folder, runId)) std::remove(RecoveryLockPath(folder, runId).c_str());
  }
}

}  // namespace kx
