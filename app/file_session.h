#pragma once
// File-handling state that lives for one run beside the charset store: the filters the requesters
// preselect and the recent-files list.

#include <array>
#include <string>

#include "app/command_ids.h"

namespace kx {

// The text of a recent-files slot that holds no path.
inline constexpr const char* kEmptyRecent = "<Empty>";

using RecentFiles = std::array<std::string, cmd::kRecentCount>;

inline RecentFiles EmptyRecentFiles() {
  RecentFiles recent;
  recent.fill(kEmptyRecent);
  return recent;
}

struct FileSession {
  // 0-based filters preselected by the open-type requesters (Open, Import, Import Image) and the save-type
  // requesters (Save As, Export); each follows the user's choice whenever Open or Save As returns a name
  // (the single-filter requesters offer no choice and leave them alone).
  int openFilter = 1;
  int saveFilter = 1;
  RecentFiles recent = EmptyRecentFiles();  // newest first
};

}  // namespace kx
