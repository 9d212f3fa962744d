#pragma once
// The temporary files of writes. A temporary is opened unnamed (O_TMPFILE) in the target's folder and
// given a name only once its content is complete and flushed, so a write that dies before that leaves
// nothing behind. Where the file system has no unnamed files (or /proc is not there to name one), the
// temporary is a named `.kestrelix-XXXXXX` from the start, which the writer removes when it fails; a process
// killed while writing one leaves it. Nothing is ever removed by its name's pattern: a file in the folder
// that looks like a temporary may be the user's own.

#include <string>

namespace kx {

// Opens a new empty temporary file in `folder` (empty for the current folder, otherwise ending in '/') for
// reading and writing, mode 0600. Returns its descriptor; `path` is empty while the file has no name, else
// its path. -1 with errno set on failure.
int OpenSaveTemporary(const std::string& folder, std::string& path);

// Gives the temporary open on `fd` a fresh name of the pattern `.kestrelix-XXXXXX` in `folder`, never one
// that exists, and puts its path in `path`; a temporary that already has a name keeps it. False with errno
// set on failure, the file then still unnamed.
bool NameSaveTemporary(int fd, const std::string& folder, std::string& path);

}  // namespace kx
