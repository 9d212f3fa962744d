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
  std::string reason{};  // why, in words, when status is Failed ("it is a folder", the system's reason)

  std::span<const std::uint8_t> Data() const {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
  }
};

// Reads the file at `path` (UTF-8) if it is a regular file of at most `limit` bytes; a larger file is
// reported as TooLarge without being read. A failure carries its reason.
FileRead ReadFileBytes(const std::string& path, std::size_t limit);

// Writes the bytes so that the target holds either its whole previous content or the whole new one, at
// any moment and after any failure; false on failure, with the previous file left as it was.
// - Usually the bytes go to an unnamed temporary file in the target's folder, which is flushed to disk and
//   only then named and renamed over the target (runtime/save_temporary.h). A write that fails or is killed
//   leaves nothing behind, save one complete new file of the pattern `.kestrelix-XXXXXX` when killed in the
//   moment between naming and renaming, or a partial one on a file system without unnamed files.
// - A target with several hard links is written in place, so the links stay one file: a flushed copy of the
//   old content is named beside it first, puts the old content back when the write fails part way, and is
//   removed afterwards (a process killed during that write leaves the copy, holding the old content).
//   Writers of one such file take turns on an exclusive lock of it, so that of several at once the last
//   leaves its whole content, never a mix (a lock another program holds for seconds fails the write).
// - Nothing the write did not create is removed; files that look like its temporaries are left alone.
// - When `path` is a symbolic link (or a chain of them), the target is the file it points to, which is
//   created if it does not exist; the link stays as it was.
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

// What stands at `path` when it is no regular file ("it is a folder", "it is not a regular file"); empty
// for a regular file or nothing.
std::string NotRegularFileReason(const std::string& path);

// The system's reason for the error number `error` (EIO when 0), as a read failure names it.
std::string ReadErrorText(int error);

// The reason for a failed write in words, from the error number WriteFileReplacing gave.
std::string WriteErrorText(int error);

}  // namespace kx
