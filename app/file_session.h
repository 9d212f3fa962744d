#pragma once
// File-handling state that lives for one run beside the charset store: the filters the requesters
// preselect and the recent-files list.

#include <array>
#include <map>
#include <string>

#include "app/command_ids.h"
#include "runtime/file_stamp.h"

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
  // The "Export as Source" requester's own filter, one per source dialect; kept in the settings file.
  int sourceFilter = 0;
  // The requester's "Include the colour table" tick: the source carries the per-glyph inks after the
  // charset. Kept for the run.
  bool sourceColourTable = false;
  RecentFiles recent = EmptyRecentFiles();  // newest first
  // The list as the settings file gave it at start-up: what another editor wrote there since is told apart
  // from it when the settings are written (MergeRecentFiles).
  RecentFiles recentAtStart = EmptyRecentFiles();
  // The last picture chosen for "Import Charset as Image", which its requester proposes next time.
  std::string lastImage;
  // Each picture a dump wrote in this run, as it was right after the write: the only existing files a dump
  // replaces without asking, and only while they are unchanged.
  std::map<std::string, FileStamp> dumpsWritten;
};

struct Document;

// Puts `path` at the top of the list (moved up when it is listed already, otherwise the oldest entry drops
// out) and makes its directory the last directory. Every save attempt calls this, successful or not. The
// items show the slots as they are: a slot's text is its item's text, an empty slot greys its item, and
// "Clear Recent Files List" is enabled while any slot names a file (see the command table).
void AddRecentFile(Document& doc, const std::string& path);

// The list to write when the settings file's list is `onDisk`. Unchanged since `atStart`: `now` as it is.
// Changed by another editor meanwhile: the files this run added or moved up first (newest first), then the
// file's entries, less those this run dropped (cleared, or pushed out of its own list), without repeats.
RecentFiles MergeRecentFiles(const RecentFiles& atStart, const RecentFiles& now, const RecentFiles& onDisk);

// "Clear Recent Files List": all slots empty.
void ClearRecentFiles(Document& doc);

}  // namespace kx
