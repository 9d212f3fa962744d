#include "app/settings_location.h"

#include <filesystem>
#include <system_error>

#include "app/settings.h"

namespace kx {
namespace {

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

SettingsLocation ChooseSettingsLocation(LaunchMode mode, const LaunchEnvironment& env) {
  if (mode == LaunchMode::Terminal || !IsAbsolute(env.home)) return {kSettingsFileName, {}, {}};
  const std::string home = WithoutTrailingSlashes(env.home);
  const std::string config =
      IsAbsolute(env.xdgConfigHome) ? WithoutTrailingSlashes(env.xdgConfigHome) : home + "/.config";
  const std::string folder = config + "/kestrelix";
  return {folder + "/" + kSettingsFileName, folder, home};
}

bool MakeSettingsFolder(const SettingsLocation& location) {
  if (location.settingsFolder.empty()) return true;
  std::error_code error;
  std::filesystem::create_directories(location.settingsFolder, error);
  return std::filesystem::is_directory(location.settingsFolder, error);
}

}  // namespace kx
