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
// over the target. On any failure the temporary file is removed, the previous file is left as it was, and
// false is returned.
// - When `path` is a symbolic link (or a chain of them), the target is the file it points to, which is
//   created if it does not exist; the link stays as it was.
// - The temporary file has a short name of its own (see runtime/save_temporary.h), so every name the folder
//   accepts can be written; stale temporaries of saves that died are removed from the folder first.
// - A new file gets the usual permissions (0666 less the umask). A replaced one keeps its mode, and its
//   owner and group as far as the process may set them.
// - Only a regular file the process may write is replaced: anything else at the target (a device, a pipe, a
//   folder, a read-only file) is left alone and false returned.
// On failure `error`, when given, receives the system's error number for the step that failed, so that a
// message can say why.
bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes, int* error = nullptr);
inline bool WriteFileReplacing(const std::string& path, std::string_view bytes, int* error = nullptr) {
  return WriteFileReplacing(path, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, error);
}

// The reason for a failed write in words, from the error number WriteFileReplacing gave.
std::string WriteErrorText(int error);

}  // namespace kx
