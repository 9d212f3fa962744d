#include "app/save_layout.h"

#include <cstdio>

#include "io/charset_file.h"

namespace kx {
namespace {

std::string Address(std::uint16_t address) {
  char text[8];
  std::snprintf(text, sizeof text, "$%04X", address);
  return text;
}

std::string Bytes(std::uint64_t count) { return std::to_string(count) + " bytes"; }

}  // namespace

std::optional<std::string> LayoutChangeText(const std::string& path, const std::string& bytes) {
  const FileSize found = StatFile(path);
  if (!found.exists || !found.sized) return std::nullopt;  // a missing file or a folder loses no layout
  std::string change;
  if (found.size != bytes.size()) {
    change = path + " is " + Bytes(found.size) + " long; this save would make it " + Bytes(bytes.size()) + " long.";
  } else if (found.size == kPrgFileBytes) {
    const std::optional<std::uint16_t> was = LoadAddressOf(ReadFileRange(path, 0, kPrgHeaderBytes).value_or(""));
    const std::optional<std::uint16_t> will = LoadAddressOf(bytes);
    if (!was || was == will) return std::nullopt;
    change = path + " loads at " + Address(*was) + "; this save would change its load address to " +
             Address(*will) + ".";
  } else {
    return std::nullopt;
  }
  return change + "\r\n\r\nDo you want to save it anyway?";
}

std::optional<std::string> ProjectLossText(const std::string& path, const std::string& notRead) {
  if (notRead.empty() || !StatFile(path).exists) return std::nullopt;
  return path + " is a CharPad project that was opened read-only: this editor did not read " + notRead +
         ".\r\n\r\nSaving would write a project without them. Do you want to save it anyway?";
}

}  // namespace kx
