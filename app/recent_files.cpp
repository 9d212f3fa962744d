#include "app/recent_files.h"

#include <algorithm>

#include "app/app.h"

namespace kx {

void AddRecentFile(App& app, const std::string& path) {
  RecentFiles& recent = app.doc.files.recent;
  std::shift_right(recent.begin(), recent.end(), 1);
  recent.front() = path;
  app.doc.store.lastDirectory = DirectoryOf(path);
}

void ClearRecentFiles(App& app) { app.doc.files.recent = EmptyRecentFiles(); }

}  // namespace kx
