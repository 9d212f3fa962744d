#include "app/file_session.h"

#include <algorithm>

#include "app/document.h"

namespace kx {

void AddRecentFile(Document& doc, const std::string& path) {
  RecentFiles& recent = doc.files.recent;
  std::shift_right(recent.begin(), recent.end(), 1);
  recent.front() = path;
  doc.store.lastDirectory = DirectoryOf(path);
}

void ClearRecentFiles(Document& doc) { doc.files.recent = EmptyRecentFiles(); }

}  // namespace kx
