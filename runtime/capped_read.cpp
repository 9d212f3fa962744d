#include "runtime/capped_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <optional>

namespace kx {
namespace {

// Fills `into` with up to `most` bytes: the count, 0 at the end, -1 when reading failed.
using ReadSome = std::function<long long(char* into, std::size_t most)>;

std::span<const std::uint8_t> AsSpan(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// `knownSize` is the size of a regular file, -1 for a stream.
FileRead ReadCappedFrom(const ReadSome& readSome, long long knownSize, std::size_t headBytes,
                        const CapOfHead& capOf) {
  FileRead read{FileReadStatus::Ok, {}};
  std::optional<std::size_t> cap;
  std::array<char, 65536> block{};
  for (;;) {
    // The head is read on its own, so the cap is known before anything past it is buffered.
    const std::size_t want = cap ? block.size() : std::min(block.size(), headBytes - read.bytes.size());
    const long long n = readSome(block.data(), want);
    if (n < 0) return {FileReadStatus::Failed, {}};
    if (n == 0) break;
    read.bytes.append(block.data(), static_cast<std::size_t>(n));
    if (!cap && read.bytes.size() >= headBytes) {
      cap = capOf(AsSpan(read.bytes));
      if (knownSize >= 0 && static_cast<unsigned long long>(knownSize) > *cap) return {FileReadStatus::TooLarge, {}};
      if (knownSize >= 0) read.bytes.reserve(static_cast<std::size_t>(knownSize) + 1);
    }
    if (cap && read.bytes.size() > *cap) return {FileReadStatus::TooLarge, {}};
  }
  if (!cap && read.bytes.size() > capOf(AsSpan(read.bytes))) return {FileReadStatus::TooLarge, {}};
  return read;
}

}  // namespace

FileRead ReadCapped(const std::string& path, std::size_t headBytes, const CapOfHead& capOf) {
  // O_NONBLOCK is not asked for: a pipe's reader waits for its writer, as a shell's would.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return {errno == ENOENT ? FileReadStatus::Missing : FileReadStatus::Failed, {}};
  struct stat st {};
  FileRead read{FileReadStatus::Failed, {}};
  if (fstat(fd, &st) == 0 &&
      (S_ISREG(st.st_mode) || S_ISFIFO(st.st_mode) || S_ISCHR(st.st_mode) || S_ISSOCK(st.st_mode))) {
    const long long size = S_ISREG(st.st_mode) ? static_cast<long long>(st.st_size) : -1;
    read = ReadCappedFrom(
        [fd](char* into, std::size_t most) -> long long {
          for (;;) {
            const ssize_t n = ::read(fd, into, most);
            if (n >= 0 || errno != EINTR) return n;
          }
        },
        size, headBytes, capOf);
  }
  close(fd);
  return read;
}

FileRead ReadCapped(std::istream& in, std::size_t headBytes, const CapOfHead& capOf) {
  return ReadCappedFrom(
      [&in](char* into, std::size_t most) -> long long {
        in.read(into, static_cast<std::streamsize>(most));
        if (in.bad()) return -1;
        return in.gcount();
      },
      -1, headBytes, capOf);
}

}  // namespace kx
