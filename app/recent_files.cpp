#include "app/recent_files.h"

#include <algorithm>

#include "app/app.h"

namespace kx {
namespace {

CommandId RecentItem(std::size_t slot) { return cmd::RecentFirst + static_cast<CommandId>(slot); }

}  // namespace

void AddRecentFile(App& app, const std::string& path) {
  RecentFiles& recent = app.files.recent;
  std::shift_right(recent.begin(), recent.end(), 1);
  recent.front() = path;
  app.store.lastDirectory = DirectoryOf(path);
  RefreshRecentMenu(app);
}

void RefreshRecentMenu(App& app) {
  for (std::size_t slot = 0; slot < app.files.recent.size(); ++slot) {
    const std::string& path = app.files.recent[slot];
    if (path == kEmptyRecent) {
      app.menu.SetEnabled(RecentItem(slot), false);
      continue;
    }
    app.menu.SetText(RecentItem(slot), path);
    app.menu.SetEnabled(RecentItem(slot), true);
    app.menu.SetEnabled(cmd::ClearRecent, true);
  }
}

void ClearRecentFiles(App& app) {
  app.menu.SetEnabled(cmd::ClearRecent, false);
  app.files.recent = EmptyRecentFiles();
  for (std::size_t slot = 0; slot < app.files.recent.size(); ++slot) {
    app.menu.SetText(RecentItem(slot), kEmptyRecent);
    app.menu.SetEnabled(RecentItem(slot), false);
  }
}

}  // namespace kx
