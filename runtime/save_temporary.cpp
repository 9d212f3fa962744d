#include "runtime/save_temporary.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string_view>

namespace kx {
namespace {

constexpr std::string_view kPrefix = ".kestrelix-";
constexpr std::string_view kUnique = "XXXXXX";  // six letters and digits make the name unique

std::string FolderOrCurrent(const std::string& folder) { return folder.empty() ? std::string(".") : folder; }

// The path under which the system names an open descriptor, for linkat to give the file a name.
std::string DescriptorPath(int fd) { return "/proc/self/fd/" + std::to_string(fd); }

std::string FreshName(std::mt19937& random) {
  static constexpr std::string_view kChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::uniform_int_distribution<std::size_t> pick(0, kChars.size() - 1);
  std::string name(kPrefix);
  for (std::size_t i = 0; i < kUnique.size(); ++i) name.push_back(kChars[pick(random)]);
  return name;
}

}  // namespace

int OpenSaveTemporary(const std::string& folder, std::string& path) {
  path.clear();
  const int fd = open(FolderOrCurrent(folder).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
  if (fd >= 0) {
    struct stat st {};
    if (lstat(DescriptorPath(fd).c_str(), &st) == 0) return fd;
    close(fd);  // it could never be named; closing it leaves nothing
  } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
    return -1;
  }
  // No unnamed files here: a named temporary, which the caller removes when the write fails.
  path = folder;
  path.append(kPrefix).append(kUnique);
  return mkostemp(path.data(), O_CLOEXEC);
}

bool NameSaveTemporary(int fd, const std::string& folder, std::string& path) {
  if (!path.empty()) return true;
  std::random_device seed;
  std::mt19937 random(seed());
  const std::string from = DescriptorPath(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string candidate = folder + FreshName(random);
    // linkat never replaces an existing name, so another file of the same name stays untouched.
    if (linkat(AT_FDCWD, from.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      path = candidate;
      return true;
    }
    if (errno != EEXIST) return false;
  }
  errno = EEXIST;
  return false;
}

}  // namespace kx
