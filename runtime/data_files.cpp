#include "runtime/data_files.h"

#include <filesystem>
#include <system_error>

namespace kx {

bool IsExistingFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

namespace {

std::string DataPath(std::string_view programDir, std::string_view dataDir, std::string_view relative) {
  if (programDir.empty()) return {};
  const std::filesystem::path path = std::filesystem::path(programDir) / dataDir / relative;
  return path.lexically_normal().string();
}

}  // namespace

std::string InstalledDataPath(std::string_view programDir, std::string_view relative) {
  return DataPath(programDir, kInstalledDataDir, relative);
}

std::optional<std::string> FindDataFile(const DataFile& file, std::string_view programDir,
                                        const FileExistsFn& exists) {
  const std::string working(file.workingName);
  if (exists(working)) return working;
  for (std::string_view dataDir : {kInstalledDataDir, kStagedDataDir}) {
    const std::string path = DataPath(programDir, dataDir, file.installedName);
    if (!path.empty() && exists(path)) return path;
  }
  return std::nullopt;
}

}  // namespace kx
