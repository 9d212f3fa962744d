#include "runtime/dialogs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace kx {
namespace {

// Splits at `separator`; a separator at the very end does not start an empty piece.
std::vector<std::string_view> SplitAt(std::string_view s, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start < s.size()) {
    const auto end = std::min(s.find(separator, start), s.size());
    pieces.push_back(s.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

namespace fs = std::filesystem;

fs::path PathFromUtf8(const std::string& path) { return fs::path(std::u8string(path.begin(), path.end())); }

// The ".ext" of each of a filter's patterns when every one is a plain "*.ext"; none for any other filter.
std::vector<std::string> FilterExtensions(const FileFilter& filter) {
  std::vector<std::string> extensions;
  for (const std::string& pattern : filter.patterns) {
    if (pattern.size() < 3 || !pattern.starts_with("*.") || pattern.find_first_of("*?[", 1) != std::string::npos) {
      return {};
    }
    extensions.push_back(pattern.substr(1));
  }
  return extensions;
}

}  // namespace

std::vector<FileFilter> ParseFileFilters(std::string_view filters) {
  const std::vector<std::string_view> fields = SplitAt(filters, '|');
  std::vector<FileFilter> result;
  for (std::size_t i = 0; i < fields.size(); i += 2) {
    FileFilter filter{std::string(fields[i]), {}};
    if (i + 1 < fields.size()) {
      for (std::string_view pattern : SplitAt(fields[i + 1], ';')) {
        if (!pattern.empty()) filter.patterns.emplace_back(pattern);
      }
    }
    result.push_back(std::move(filter));
  }
  return result;
}

int ClampFilterIndex(int index, int count) {
  if (count <= 0) return 0;
  return std::clamp(index, 0, count - 1);
}

std::string CompletedSaveName(const FileRequest& request, const std::string& path, int filterIndex) {
  if (!request.appendFilterExtension) return path;
  const std::vector<FileFilter> filters = ParseFileFilters(request.filters);
  if (filters.empty()) return path;
  const std::vector<std::string> extensions =
      FilterExtensions(filters[static_cast<std::size_t>(ClampFilterIndex(filterIndex, static_cast<int>(filters.size())))]);
  if (extensions.empty() ||
      std::any_of(extensions.begin(), extensions.end(), [&](const std::string& e) { return path.ends_with(e); })) {
    return path;
  }
  return path + extensions.front();
}

bool AsksBeforeReplacing(const FileRequest& request, const std::string& path) {
  std::error_code error;
  const fs::path target = PathFromUtf8(path);
  if (!fs::exists(target, error) || fs::is_directory(target, error)) return false;
  // The same file under another spelling (relative, through a link) is still the replaceable one.
  return request.replaceableFile.empty() || !fs::equivalent(target, PathFromUtf8(request.replaceableFile), error);
}

std::string ReplaceQuestion(const std::string& path) {
  const std::u8string name = PathFromUtf8(path).filename().u8string();
  return std::string(name.begin(), name.end()) + " already exists. Do you want to replace it?";
}

bool IsWebAddress(std::string_view target) {
  if (target.starts_with("mailto:")) return true;
  const auto colon = target.find("://");
  if (colon == std::string_view::npos || colon == 0) return false;
  return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

bool PixelsFitSize(int width, int height, std::span<const std::uint32_t> pixels) {
  return width > 0 && height > 0 &&
         pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace kx
