#pragma once
// What a file looked like at one moment, so that a later write can tell whether someone else changed it in
// between, and whether two spellings of a path name the same file.

#include <cstddef>
#include <cstdint>
#include <string>

namespace kx {

// Only this many leading bytes go into the content hash; the size and time cover the rest of a larger file.
inline constexpr std::size_t kStampHashLimit = 1024 * 1024;

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t size = 0;
  std::int64_t modifiedSeconds = 0;
  std::int64_t modifiedNanoseconds = 0;
  std::uint64_t contentHash = 0;  // of the first kStampHashLimit bytes

  bool operator==(const FileStamp&) const = default;
};

// The stamp of the file `path` reaches (through links). A path that names no readable regular file gives
// a stamp with `exists` false, or without a content hash when it cannot be read.
FileStamp TakeFileStamp(const std::string& path);

// True when `a` and `b` name the same file: the same device and inode when both exist, otherwise the same
// absolute path once "." and ".." and the links of its existing folders are resolved.
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace kx
