#include "runtime/data_files.h"

#include <filesystem>
#include <system_error>

namespace kx {

bool IsExistingFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::string InstalledDataPath(std::string_view programDir, std::string_view relative) {
  if (programDir.empty()) return {};
  const std::filesystem::path path = std::filesystem::path(programDir) / kInstalledDataDir / relative;
  return path.lexically_normal().string();
}

std::optional<std::string> FindDataFile(const DataFile& file, std::string_view programDir,
                                        const FileExistsFn& exists) {
  const std::string working(file.workingName);
  if (exists(working)) return working;
  const std::string installed = InstalledDataPath(programDir, file.installedName);
  if (!installed.empty() && exists(installed)) return installed;
  return std::nullopt;
}

}  // namespace kx
