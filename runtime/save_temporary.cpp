#include "runtime/save_temporary.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <ctime>
#include <string_view>

namespace kx {
namespace {

constexpr std::string_view kPrefix = ".kestrelix-";
constexpr std::string_view kUnique = "XXXXXX";  // mkstemp fills these with letters and digits

bool IsSaveTemporaryName(std::string_view name) {
  if (name.size() != kPrefix.size() + kUnique.size() || !name.starts_with(kPrefix)) return false;
  for (char c : name.substr(kPrefix.size())) {
    if (std::isalnum(static_cast<unsigned char>(c)) == 0) return false;
  }
  return true;
}

}  // namespace

int CreateSaveTemporary(const std::string& folder, std::string& path) {
  path = folder;
  path.append(kPrefix).append(kUnique);
  return mkstemp(path.data());
}

void RemoveStaleSaveTemporaries(const std::string& folder) {
  DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return;
  const int fd = dirfd(dir);
  const std::time_t now = std::time(nullptr);
  while (const dirent* entry = readdir(dir)) {
    if (!IsSaveTemporaryName(entry->d_name)) continue;
    struct stat st {};
    if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    // Never another user's file: that user's own next save in this folder removes it.
    if (!S_ISREG(st.st_mode) || st.st_uid != geteuid()) continue;
    if (now - st.st_mtime < kStaleSaveTemporarySeconds) continue;
    unlinkat(fd, entry->d_name, 0);
  }
  closedir(dir);
}

}  // namespace kx
