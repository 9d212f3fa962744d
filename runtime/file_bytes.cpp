#include "runtime/file_bytes.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <system_error>
#include <thread>

#include "runtime/save_temporary.h"

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

// Writes all of `data` at the descriptor's offset. False with errno set when a write fails.
bool WriteAll(int fd, std::span<const std::uint8_t> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) errno = EIO;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the whole content of `from` (read from its start) at the start of `to`, then cuts `to` to that
// length and flushes it. False with errno set on failure.
bool CopyWhole(int from, int to) {
  if (lseek(to, 0, SEEK_SET) != 0) return false;
  std::uint8_t buffer[1 << 16];
  off_t offset = 0;
  for (;;) {
    const ssize_t n = pread(from, buffer, sizeof buffer, offset);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    if (!WriteAll(to, {buffer, static_cast<std::size_t>(n)})) return false;
    offset += n;
  }
  return ftruncate(to, offset) == 0 && fsync(to) == 0;
}

// The folder part of a path with its trailing '/', or "" for a bare name (the current folder).
std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a write to `path` should replace: `path` itself, or where its chain of symbolic links ends (a
// relative link counts from the link's own folder). That file need not exist yet. nullopt for a loop of
// links or a link that cannot be read.
std::optional<std::string> LinkTarget(std::string path) {
  constexpr int kMaxLinks = 40;  // as the system itself follows when opening a path
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st {};
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t length = readlink(path.c_str(), link.data(), link.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) return std::nullopt;
    link.resize(static_cast<std::size_t>(length));
    path = link.front() == '/' ? link : FolderOf(path) + link;
  }
  return std::nullopt;
}

// Gives the new file the owner and group of the one it replaces, as far as the process may: root may give
// it to anyone, another user only to a group of its own. Where neither is allowed the file stays the
// saver's, as any file the saver creates would; that does not make the save fail. True when both were kept.
bool KeepOwner(int fd, const struct stat& existing) {
  if (fchown(fd, existing.st_uid, existing.st_gid) == 0) return true;
  return fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0 && existing.st_uid == geteuid();
}

}  // namespace

std::string NotRegularFileReason(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::status(PathFromUtf8(path), error);
  if (status.type() == fs::file_type::not_found || status.type() == fs::file_type::regular) return {};
  if (status.type() == fs::file_type::directory) return "it is a folder";
  if (error) return error.message();
  return "it is not a regular file";
}

std::string ReadErrorText(int error) { return std::strerror(error != 0 ? error : EIO); }

FileRead ReadFileBytes(const std::string& path, std::size_t limit) {
  const fs::path p = PathFromUtf8(path);
  std::error_code error;
  const fs::file_status status = fs::status(p, error);
  if (status.type() == fs::file_type::not_found) return {FileReadStatus::Missing, {}};
  if (error || status.type() != fs::file_type::regular) {
    return {FileReadStatus::Failed, {}, error ? error.message() : NotRegularFileReason(path)};
  }
  const auto size = fs::file_size(p, error);
  if (error) return {FileReadStatus::Failed, {}, error.message()};
  if (size > limit) return {FileReadStatus::TooLarge, {}};

  errno = 0;
  std::ifstream in(p, std::ios::binary);
  if (!in) return {FileReadStatus::Failed, {}, ReadErrorText(errno)};
  // The file may have grown since its size was taken: read one byte more than expected to notice.
  std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return {FileReadStatus::Failed, {}, ReadErrorText(errno)};
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got > limit) return {FileReadStatus::TooLarge, {}};
  bytes.resize(got);
  return {FileReadStatus::Ok, std::move(bytes)};
}

std::string WriteErrorText(int error) { return std::strerror(error != 0 ? error : EIO); }

namespace {

// Writes a new file in the target's folder and gives it the target's name only once it is complete and
// flushed, so the previous file stays whole until then. Returns 0 or the error number of the failing step.
int ReplaceByRename(const std::string& target, const struct stat* existing,
                    std::span<const std::uint8_t> bytes) {
  const std::string folder = FolderOf(target);
  std::string temporary;
  const int fd = OpenSaveTemporary(folder, temporary);
  if (fd < 0) return errno;
  if (existing != nullptr) KeepOwner(fd, *existing);
  // The mode is set after the owner: a change of owner clears the set-user-ID and set-group-ID bits.
  const mode_t mode = existing != nullptr ? (existing->st_mode & 07777) : NewFileMode();
  int cause = 0;
  if (!WriteAll(fd, bytes) || fchmod(fd, mode) != 0 || fsync(fd) != 0 ||
      !NameSaveTemporary(fd, folder, temporary)) {
    cause = errno;
  }
  // Renamed straight after it is named, before the descriptor is closed: a kill between the two leaves the
  // named temporary behind, so nothing else runs in that moment.
  if (cause == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) cause = errno;
  if (cause != 0 && !temporary.empty()) unlink(temporary.c_str());
  close(fd);  // the content is flushed already; closing it changes nothing on disk
  return cause;
}

// Takes the exclusive lock on the open file that every in-place write of this program holds while it
// writes, waiting for another writer to finish. A lock held longer than any write takes (by another
// program) gives up after a while rather than hanging the save. False with errno set.
bool LockForWriting(int fd) {
  constexpr int kTries = 1000;
  constexpr auto kPause = std::chrono::milliseconds(10);
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    std::this_thread::sleep_for(kPause);
  }
  errno = EWOULDBLOCK;
  return false;
}

// Writes into the target file itself, so that all its hard links keep naming one file, now with the new
// bytes. A complete, flushed copy of the old content is named beside it first; a write that fails part way
// is undone from that copy, which is removed once the file again holds whole old or whole new content. A
// process killed during the write in place leaves the copy, the only place the old content then remains.
// Writers of one file take turns on its lock (released when the descriptor closes): without it two of them
// would write over each other's bytes and cut each other's length, leaving a mix of both.
int WriteInPlace(const std::string& target, std::span<const std::uint8_t> bytes) {
  const int fd = open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW);
  if (fd < 0) return errno;
  if (!LockForWriting(fd)) {
    const int cause = errno;
    close(fd);
    return cause;
  }
  const std::string folder = FolderOf(target);
  std::string copyPath;
  const int copy = OpenSaveTemporary(folder, copyPath);
  if (copy < 0) {
    const int cause = errno;
    close(fd);
    return cause;
  }
  int cause = 0;
  if (!CopyWhole(fd, copy) || !NameSaveTemporary(copy, folder, copyPath)) {
    cause = errno;
  } else if (lseek(fd, 0, SEEK_SET) != 0 || !WriteAll(fd, bytes) ||
             ftruncate(fd, static_cast<off_t>(bytes.size())) != 0 || fsync(fd) != 0) {
    cause = errno;
    // Put the old content back; when even that fails, the named copy keeps it.
    if (!CopyWhole(copy, fd)) copyPath.clear();
  }
  if (!copyPath.empty()) unlink(copyPath.c_str());
  close(copy);
  close(fd);  // its content is flushed (or put back) already; closing it changes nothing on disk
  return cause;
}

}  // namespace

bool WriteFileReplacing(const std::string& path, std::span<const std::uint8_t> bytes, int* error) {
  const auto fail = [error](int number) {
    if (error != nullptr) *error = number != 0 ? number : EIO;
    return false;
  };
  const std::optional<std::string> target = LinkTarget(path);
  if (!target) return fail(ELOOP);
  struct stat existing {};
  const bool exists = stat(target->c_str(), &existing) == 0;
  if (!exists && errno != ENOENT) return fail(errno);
  // A rename would put a plain file in place of a device, a pipe or a folder, and would replace a read-only
  // file, since renaming asks only the folder's permission. Only a file the user may write is replaced.
  if (exists && S_ISDIR(existing.st_mode)) return fail(EISDIR);
  if (exists && !S_ISREG(existing.st_mode)) return fail(EINVAL);
  if (exists && faccessat(AT_FDCWD, target->c_str(), W_OK, AT_EACCESS) != 0) return fail(errno);
  const int cause = exists && existing.st_nlink > 1 ? WriteInPlace(*target, bytes)
                                                    : ReplaceByRename(*target, exists ? &existing : nullptr, bytes);
  return cause == 0 || fail(cause);
}

}  // namespace kx
