#pragma once
// A small settings file of groups and keys, kept line by line so that whatever is not rewritten survives.
//
// Format as written: UTF-8 with a byte-order mark, every line ended by CR LF; "; text" comment lines,
// "[GROUP]" lines and "KEY = value" lines. Reading skips leading blanks and tabs, treats lines starting with
// ";" as comments, matches group and key names without regard to ASCII case, and accepts LF or lone CR line
// ends too. A file without a byte-order mark is read as UTF-8 when it is valid UTF-8 and otherwise as 8-bit
// Latin-1 text; either way it is written back as UTF-8 with the mark (unless that would make it larger than
// kMaxPreferenceFileBytes: then it is not written at all).
//
// Values are stored on one line: every CR and LF in a value (or in a group or key name) is written as a
// blank, so no value can start a new line, group or key. Blanks and tabs that start a value are not kept.
// Lines the reader does not understand are kept as they are.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx {

// Larger files are not settings files; they are treated as unreadable and never read into memory whole.
inline constexpr std::size_t kMaxPreferenceFileBytes = 1 << 20;

class PreferenceFile {
 public:
  // An empty file: no lines at all.
  PreferenceFile() = default;

  // A new file as the program creates it: an empty first line, then one "; " line per comment.
  static PreferenceFile WithHeader(const std::vector<std::string>& comments);

  // Reads the bytes of a file. Input above kMaxPreferenceFileBytes yields an empty file.
  static PreferenceFile Parse(std::string_view bytes);

  // The file's bytes: byte-order mark, then each line followed by CR LF.
  std::string Serialise() const;

  bool Empty() const { return lines_.empty(); }

  // The value of `key` in the first group called `group`, or `fallback` when there is none.
  std::string ReadString(std::string_view group, std::string_view key, std::string_view fallback) const;
  // The value as a decimal int; `fallback` when the key is missing or its value is not a number in range.
  int ReadInt(std::string_view group, std::string_view key, int fallback) const;

  // Replaces the value of an existing key in place; otherwise adds the key after the last key of its group,
  // or adds the group (and the key) at the end of the file.
  void WriteString(std::string_view group, std::string_view key, std::string_view value);
  void WriteInt(std::string_view group, std::string_view key, int value);

 private:
  enum class LineKind { Other, Group, Key };
  struct Line {
    LineKind kind = LineKind::Other;
    std::string name;   // group or key name (Group, Key)
    std::string value;  // Key only
    std::string text;   // the line as written to the file, without its line end
  };

  static Line MakeKeyLine(std::string_view key, std::string_view value);
  // Index of the key line, or of the position after the last line of the group's first section
  // (`found` tells which); npos in `at` when the group does not exist.
  struct Place {
    std::size_t at;
    bool found;
  };
  Place Find(std::string_view group, std::string_view key) const;

  std::vector<Line> lines_;
};

// What loading a settings file found.
enum class PreferenceLoadStatus {
  Loaded,      // the file was read
  Absent,      // no such file, or an empty one: the caller creates it
  Unreadable,  // it exists but could not be read or is too large: the caller uses its defaults
};

struct PreferenceLoad {
  PreferenceLoadStatus status = PreferenceLoadStatus::Absent;
  PreferenceFile file;
  std::string reason{};  // why, in words, when Unreadable ("it is a folder", the system's reason)
};

PreferenceLoad LoadPreferenceFile(const std::string& path);

// Writes the file through a temporary file in the same folder; false (and the old file untouched) on failure,
// and when the result would be larger than kMaxPreferenceFileBytes, which the reader would refuse (EFBIG).
// On failure `error`, when given, receives the system's error number (see WriteFileReplacing).
bool SavePreferenceFile(const std::string& path, const PreferenceFile& file, int* error = nullptr);

}  // namespace kx
