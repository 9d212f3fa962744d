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

void ClearRecentFiles(Document& doc) { doc.files.recent = EmptyRecentFiles(); }

}  // namespace kx
