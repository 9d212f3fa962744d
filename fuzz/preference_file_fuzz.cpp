// The settings file reader and writer. The input is the file's bytes, then NUL-separated triples of
// group, key and value to write into it.
//
// Checked: serialising is stable (parse -> serialise -> parse -> serialise gives the same bytes and the same
// values); a write adds at most a group line and a key line, none when the key exists; the value written
// reads back with its line breaks as blanks and leading blanks dropped; and every value survives a save
// and reload, however many line breaks or brackets the values contain.
#include <string>
#include <utility>

#include "fuzz/fuzz_support.h"
#include "runtime/preference_file.h"

namespace {

using kx::PreferenceFile;
using kx::fuzz::Require;

// Group and key names are the program's own constants; values are the hostile part. Names that could
// not be written as a group or key line are not the program's names, so they are left out.
bool UsableName(std::string_view name) {
  if (name.empty() || name.front() == ' ' || name.front() == '\t' || name.back() == ' ' || name.back() == '\t') {
    return false;
  }
  return name.find_first_of("\r\n=[];") == std::string_view::npos;
}

std::size_t LineCount(const PreferenceFile& file) {
  const std::string bytes = file.Serialise();
  std::size_t n = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) ++n;
  return n;
}

// What reading gives back after writing `value`.
std::string AsStored(std::string_view value) {
  std::string s(value);
  for (char& c : s) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return s.substr(std::min(s.size(), s.find_first_not_of(" \t")));
}

// No stored value holds a line break, so this fallback tells a missing key from any value.
constexpr std::string_view kMissing = "\n";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string_view> parts = kx::fuzz::SplitAtNul(kx::fuzz::Input(data, size));
  const PreferenceFile parsed = PreferenceFile::Parse(parts[0]);
  PreferenceFile file = parsed;

  const std::string once = parsed.Serialise();
  const PreferenceFile reread = PreferenceFile::Parse(once);
  Require(reread.Serialise() == once, "serialising a parsed file is stable");

  std::vector<std::pair<std::string_view, std::string_view>> written;
  for (std::size_t i = 1; i + 2 < parts.size(); i += 3) {
    const std::string_view group = parts[i], key = parts[i + 1], value = parts[i + 2];
    if (!UsableName(group) || !UsableName(key)) continue;
    Require(parsed.ReadString(group, key, kMissing) == reread.ReadString(group, key, kMissing),
            "a reread file holds the same values");
    (void)parsed.ReadInt(group, key, 0);

    const bool existed = file.ReadString(group, key, kMissing) != kMissing;
    const std::size_t before = LineCount(file);
    file.WriteString(group, key, value);
    const std::size_t added = LineCount(file) - before;
    Require(existed ? added == 0 : added == 1 || added == 2, "a write adds only its own group and key");
    Require(file.ReadString(group, key, kMissing) == AsStored(value), "a written value reads back");
    written.emplace_back(group, key);
  }

  const PreferenceFile saved = PreferenceFile::Parse(file.Serialise());
  Require(LineCount(saved) == LineCount(file), "a saved file reloads with the same lines");
  for (const auto& [group, key] : written) {
    Require(saved.ReadString(group, key, kMissing) == file.ReadString(group, key, kMissing),
            "written values survive a save and reload");
  }
  return 0;
}
