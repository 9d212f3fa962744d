#include "runtime/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kx {
namespace {

namespace fs = std::filesystem;

// Paths travel through the program as UTF-8; the filesystem layer may want another encoding.
fs::path PathFromUtf8(const std::string& path) {
  return fs::path(std::u8string(path.begin(), path.end()));
}

// Permissions for a file that does not exist yet: what open() with 0666 would give under the umask.
mode_t NewFileMode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

bool WriteAll(int fd, std::span<const std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

FileRead ReadFileBytes(const std::string& path, std::size_t limit) {
  const fs::path p = PathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(p, error);
  if (status.type() == fs::file_type::not_found) return {FileReadStatus::Missing, {}};
  if (error || status.type() != fs::file_type::regular) return {FileReadStatus::Failed, {}};
  const auto size = fs::file_size(p, error);
  if (error) return {FileReadStatus::Failed, {}};
  if (size > limit) return {FileReadStatus::TooLarge, {}};

  std::ifstream in(p, std::ios::binary);
  if (!in) return {FileReadStatus::Failed, {}};
  // The file may have grown since its size was taken: read one byte more than expected to notice.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return {FileReadStatus::Failed, {}};
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got > limit) return {FileReadStatus::TooLarge, {}};
  bytes.resize(got);
  return {FileReadStatus::Ok, std::move(bytes)};
}

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes) {
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  // The rename below would put a plain file in place of a device, a pipe or a folder, and would replace a
  // read-only file, since renaming asks only the folder's permission. Only a file the user may write is
  // replaced.
  if (exists && (!S_ISREG(existing.st_mode) || faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)) {
    return false;
  }
  const mode_t mode = exists ? (existing.st_mode & 07777) : NewFileMode();
  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const bool written = WriteAll(fd, bytes) && fchmod(fd, mode) == 0 && fsync(fd) == 0;
  const bool closed = close(fd) == 0;
  if (!written || !closed || std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kx
