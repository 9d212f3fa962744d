#include "runtime/stream_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

namespace kx {

bool IsStreamFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode));
}

FileRead ReadStreamFile(const std::string& path, std::size_t limit) {
  // O_NONBLOCK is not asked for: a pipe's reader waits for its writer, as a shell's would.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed, {}};
  FileRead read{FileReadStatus::Ok, {}};
  std::array<char, 65536> block{};
  for (;;) {
    const ssize_t n = ::read(fd, block.data(), block.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      read = {FileReadStatus::Failed, {}};
      break;
    }
    if (n == 0) break;
    read.bytes.append(block.data(), static_cast<std::size_t>(n));
    if (read.bytes.size() > limit) {
      read = {FileReadStatus::TooLarge, {}};
      break;
    }
  }
  close(fd);
  return read;
}

bool WriteStreamFile(const std::string& path, std::string_view bytes, int* error) {
  const auto fail = [error](int number) {
    if (error != nullptr) *error = number != 0 ? number : EIO;
    return false;
  };
  // Without O_CREAT: a stream that went away in the meantime is not replaced by a new regular file.
  const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return fail(errno);
  // The path may have changed since it was looked at: only a stream is written here.
  struct stat st {};
  if (fstat(fd, &st) != 0 || !(S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode))) {
    close(fd);
    return fail(EINVAL);
  }
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const int cause = n == 0 ? EIO : errno;
      close(fd);
      return fail(cause);
    }
    done += static_cast<std::size_t>(n);
  }
  return close(fd) == 0 || fail(errno);
}

}  // namespace kx
