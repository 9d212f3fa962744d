#include "runtime/file_stamp.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace kx {
namespace {

namespace fs = std::filesystem;

fs::path PathOf(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

// 64-bit FNV-1a over the file's leading bytes: cheap, and any edit of a charset-sized file changes it.
std::uint64_t HashLeadingBytes(int fd) {
  std::uint64_t hash = 14695981039346656037ull;
  std::array<unsigned char, 65536> buffer{};
  std::size_t total = 0;
  while (total < kStampHashLimit) {
    const ssize_t got = read(fd, buffer.data(), std::min(buffer.size(), kStampHashLimit - total));
    if (got <= 0) break;
    for (ssize_t i = 0; i < got; ++i) hash = (hash ^ buffer[static_cast<std::size_t>(i)]) * 1099511628211ull;
    total += static_cast<std::size_t>(got);
  }
  return hash;
}

fs::path Normalised(const std::string& path) {
  std::error_code error;
  fs::path resolved = fs::weakly_canonical(PathOf(path), error);
  if (error) resolved = fs::absolute(PathOf(path), error).lexically_normal();
  return resolved;
}

}  // namespace

FileStamp TakeFileStamp(const std::string& path) {
  FileStamp stamp;
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return stamp;
  stamp.exists = true;
  stamp.device = static_cast<std::uint64_t>(info.st_dev);
  stamp.inode = static_cast<std::uint64_t>(info.st_ino);
  stamp.size = static_cast<std::uint64_t>(info.st_size);
  stamp.modifiedSeconds = static_cast<std::int64_t>(info.st_mtim.tv_sec);
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(info.st_mtim.tv_nsec);
  if (!S_ISREG(info.st_mode)) return stamp;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return stamp;
  stamp.contentHash = HashLeadingBytes(fd);
  close(fd);
  return stamp;
}

bool IsSameFile(const std::string& a, const std::string& b) {
  std::error_code error;
  const fs::path first = PathOf(a);
  const fs::path second = PathOf(b);
  if (fs::exists(first, error) && fs::exists(second, error)) return fs::equivalent(first, second, error) && !error;
  return Normalised(a) == Normalised(b);
}

}  // namespace kx
