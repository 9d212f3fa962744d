#pragma once
// Whole-file reads with a size cap, and writes that never leave a half-written target behind.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kx {

enum class FileReadStatus { Ok, Missing, Failed, TooLarge };

struct FileRead {
  FileReadStatus status = FileReadStatus::Failed;
  std::string bytes;  // the content when status is Ok

  std::span<const std::uint8_t> Data() const {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  }
};

// Reads the file at `path` (UTF-8) if it is a regular file of at most `limit` bytes; a larger file is
// reported as TooLarge without being read.
FileRead ReadFileBytes(const std::string& path, std::size_t limit);

// Writes the bytes to a temporary file in the target's folder, flushes it to disk and only then renames it
// over `path`. On any failure the temporary file is removed, the previous file is left as it was, and false
// is returned. A new file gets the usual permissions (0666 less the umask); a replaced one keeps its own.
// Only a regular file the process may write is replaced: anything else at `path` (a device, a pipe, a
// folder, a read-only file) is left alone and false returned.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes);
inline bool WriteFileReplacing(const std::string& path, std::string_view bytes) {
  return WriteFileReplacing(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
}

}  // namespace kx
