#pragma once
// Whole-file reads with a size cap, and writes that never leave a half-written target behind.

#include <cstddef>
#include <string>
#include <string_view>

namespace kx {

enum class FileReadStatus { Ok, Missing, Failed, TooLarge };

struct FileRead {
  FileReadStatus status = FileReadStatus::Failed;
  std::string bytes;  // the content when status is Ok
};

// Reads the file at `path` (UTF-8) if it is a regular file of at most `limit` bytes; a larger file is
// reported as TooLarge without being read.
FileRead ReadFileBytes(const std::string& path, std::size_t limit);

// Writes `bytes` to a temporary file next to `path`, closes it and only then renames it over `path`.
// On any failure the temporary file is removed, the previous file is left as it was, and false returned.
bool WriteFileReplacing(const std::string& path, std::string_view bytes);

}  // namespace kx
