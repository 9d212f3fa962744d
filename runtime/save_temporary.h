#pragma once
// The temporary files of replacing writes: a short hidden name of the program's own pattern in the
// target's folder, so that the target's name may be as long as the folder allows, and so that what a save
// that never finished left behind can be recognised and removed later.

#include <string>

namespace kx {

// Creates a new temporary file in `folder` (empty for the current folder, otherwise ending in '/'), open
// for writing with mode 0600. Returns its descriptor and puts its path in `path`; -1 on failure.
int CreateSaveTemporary(const std::string& folder, std::string& path);

// Removes from `folder` the temporaries of saves that died before renaming them (a crash or a kill during
// a save). Only regular files of the pattern, owned by this process's user and untouched for
// kStaleSaveTemporarySeconds, are removed; failures are ignored.
void RemoveStaleSaveTemporaries(const std::string& folder);

// A save writes its temporary, flushes it and renames it within moments; one left unchanged this long
// belongs to a save that did not finish. Anything younger may be the save of another running instance,
// which a lock would not reliably announce on every file system (network shares), so age decides.
inline constexpr long kStaleSaveTemporarySeconds = 10 * 60;

}  // namespace kx
