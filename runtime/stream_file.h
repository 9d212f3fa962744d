#pragma once
// Named files that are streams rather than stored content: pipes (a FIFO, a process substitution such as
// /dev/fd/63, /dev/stdout on a pipe) and character devices (/dev/null, a terminal). The command-line tool
// reads and writes these directly; a regular file is still read with ReadFileBytes and replaced with
// WriteFileReplacing, which leave streams alone (the editor relies on that).

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "runtime/file_bytes.h"

namespace kx {

// True when `path` (its links followed) names an existing pipe, socket or character device.
bool IsStreamFile(const std::string& path);

// Reads the stream at `path` to its end, waiting for a writer as the system does; TooLarge, without
// reading on, once it has given more than `limit` bytes.
FileRead ReadStreamFile(const std::string& path, std::size_t limit);

// Opens the stream at `path` for writing (waiting for a reader as the system does) and writes all the
// bytes to it. Nothing is created: a path that is not an existing stream fails. On failure `error`, when
// given, receives the system's error number.
bool WriteStreamFile(const std::string& path, std::string_view bytes, int* error = nullptr);

}  // namespace kx
