#include "app/file_session.h"

#include <algorithm>

#include "app/document.h"

namespace kx {

void AddRecentFile(Document& doc, const std::string& path) {
  RecentFiles& recent = doc.files.recent;
  // A path already listed moves up to the top; a new one takes the place of the oldest, which drops out.
  auto moving = std::find(recent.begin(), recent.end(), path);
  if (moving == recent.end()) moving = recent.end() - 1;
  std::rotate(recent.begin(), moving, moving + 1);
  recent.front() = path;
  doc.store.lastDirectory = DirectoryOf(path);
}

namespace {

// Whether the listed entries of `list` from `from` on appear in `older` in the same order: what is left of
// the list a run started with once its own additions on top are taken away.
bool KeptInOrder(const RecentFiles& list, std::size_t from, const RecentFiles& older) {
  auto next = older.begin();
  for (std::size_t i = from; i < list.size(); ++i) {
    if (list[i] == kEmptyRecent) continue;
    next = std::find(next, older.end(), list[i]);
    if (next == older.end()) return false;
    ++next;
  }
  return true;
}

}  // namespace

RecentFiles MergeRecentFiles(const RecentFiles& atStart, const RecentFiles& now, const RecentFiles& onDisk) {
  if (onDisk == atStart) return now;
  const auto listed = [](const RecentFiles& list, const std::string& path) {
    return std::find(list.begin(), list.end(), path) != list.end();
  };
  // This run's additions are the entries on top of its list down to where the start list goes on.
  std::size_t added = 0;
  while (!KeptInOrder(now, added, atStart)) ++added;
  RecentFiles merged = EmptyRecentFiles();
  std::size_t count = 0;
  const auto take = [&](const std::string& path) {
    if (count < merged.size() && path != kEmptyRecent && !listed(merged, path)) merged[count++] = path;
  };
  for (std::size_t i = 0; i < added; ++i) take(now[i]);
  // The file's entries follow, less those this run dropped from the list it started with.
  for (const std::string& path : onDisk) {
    if (!listed(atStart, path) || listed(now, path)) take(path);
  }
  return merged;
}

void ClearRecentFiles(Document& doc) { doc.files.recent = EmptyRecentFiles(); }

}  // namespace kx
