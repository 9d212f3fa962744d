#include "runtime/preference_file.h"

#include <cerrno>
#include <charconv>
#include <cstdint>

#include "runtime/file_bytes.h"

namespace kx {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

std::string_view SkipLeadingBlanks(std::string_view s) {
  const auto start = s.find_first_not_of(kBlanks);
  return start == std::string_view::npos ? std::string_view() : s.substr(start);
}

std::string_view TrimBlanks(std::string_view s) {
  s = SkipLeadingBlanks(s);
  return s.substr(0, s.find_last_not_of(kBlanks) + 1);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

// Line breaks become blanks, so that nothing written can begin a line of its own.
std::string OnOneLine(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto lead = static_cast<std::uint8_t>(s[i]);
    std::size_t length = 0;
    std::uint32_t code = 0;
    std::uint32_t lowest = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if ((lead & 0xE0) == 0xC0) {
      length = 2, code = lead & 0x1F, lowest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      length = 3, code = lead & 0x0F, lowest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      length = 4, code = lead & 0x07, lowest = 0x10000;
    } else {
      return false;
    }
    if (s.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(s[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

std::string Latin1ToUtf8(std::string_view s) {
  std::string out;
  out.reserve(s.size() * 2);
  for (char c : s) {
    const auto byte = static_cast<std::uint8_t>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

// The text as UTF-8: the mark is dropped; without it, valid UTF-8 is taken as is and anything else is
// read as Latin-1.
std::string DecodeText(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) return std::string(bytes.substr(kByteOrderMark.size()));
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return Latin1ToUtf8(bytes);
}

// Splits at CR LF, LF or a lone CR. A final line without a line end counts; a final line end does not
// start an empty line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const auto end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace

PreferenceFile PreferenceFile::WithHeader(const std::vector<std::string>& comments) {
  PreferenceFile file;
  file.lines_.push_back({});
  for (const std::string& comment : comments) {
    file.lines_.push_back({LineKind::Other, {}, {}, "; " + OnOneLine(comment)});
  }
  return file;
}

PreferenceFile PreferenceFile::Parse(std::string_view bytes) {
  PreferenceFile file;
  if (bytes.size() > kMaxPreferenceFileBytes) return file;
  const std::string text = DecodeText(bytes);
  for (std::string_view raw : SplitLines(text)) {
    Line line{LineKind::Other, {}, {}, std::string(raw)};
    const std::string_view s = SkipLeadingBlanks(raw);
    if (s.starts_with('[')) {
      const auto close = s.rfind(']');
      if (close != std::string_view::npos) {
        line.kind = LineKind::Group;
        line.name = s.substr(1, close - 1);
      }
    } else if (!s.starts_with(';')) {
      const auto equals = s.find('=');
      const std::string_view key = TrimBlanks(s.substr(0, equals));
      if (equals != std::string_view::npos && !key.empty()) {
        line.kind = LineKind::Key;
        line.name = key;
        line.value = SkipLeadingBlanks(s.substr(equals + 1));
      }
    }
    file.lines_.push_back(std::move(line));
  }
  return file;
}

std::string PreferenceFile::Serialise() const {
  std::string out(kByteOrderMark);
  for (const Line& line : lines_) {
    out += line.text;
    out += "\r\n";
  }
  return out;
}

PreferenceFile::Place PreferenceFile::Find(std::string_view group, std::string_view key) const {
  std::size_t insertAt = std::string::npos;
  bool inMatchingGroup = false;
  bool inFirstSection = false;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const Line& line = lines_[i];
    if (line.kind == LineKind::Group) {
      inMatchingGroup = EqualsIgnoringCase(line.name, group);
      inFirstSection = inMatchingGroup && insertAt == std::string::npos;
      if (inFirstSection) insertAt = i + 1;
    } else if (line.kind == LineKind::Key && inMatchingGroup) {
      if (EqualsIgnoringCase(line.name, key)) return {i, true};
      if (inFirstSection) insertAt = i + 1;
    }
  }
  return {insertAt, false};
}

std::string PreferenceFile::ReadString(std::string_view group, std::string_view key,
                                       std::string_view fallback) const {
  const Place place = Find(group, key);
  return place.found ? lines_[place.at].value : std::string(fallback);
}

int PreferenceFile::ReadInt(std::string_view group, std::string_view key, int fallback) const {
  const std::string text = ReadString(group, key, "");
  const std::string_view digits = TrimBlanks(text);
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  const bool whole = error == std::errc() && end == digits.data() + digits.size();
  return whole && !digits.empty() ? value : fallback;
}

PreferenceFile::Line PreferenceFile::MakeKeyLine(std::string_view key, std::string_view value) {
  Line line{LineKind::Key, std::string(key), OnOneLine(value), {}};
  line.value = std::string(SkipLeadingBlanks(line.value));
  line.text = line.name + " = " + line.value;
  return line;
}

void PreferenceFile::WriteString(std::string_view group, std::string_view key, std::string_view value) {
  const Place place = Find(group, key);
  if (place.found) {
    // The key keeps its spelling from the file; only the value changes.
    lines_[place.at] = MakeKeyLine(lines_[place.at].name, value);
  } else if (place.at != std::string::npos) {
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(place.at), MakeKeyLine(OnOneLine(key), value));
  } else {
    const std::string name = OnOneLine(group);
    lines_.push_back({LineKind::Group, name, {}, "[" + name + "]"});
    lines_.push_back(MakeKeyLine(OnOneLine(key), value));
  }
}

void PreferenceFile::WriteInt(std::string_view group, std::string_view key, int value) {
  WriteString(group, key, std::to_string(value));
}

PreferenceLoad LoadPreferenceFile(const std::string& path) {
  FileRead read = ReadFileBytes(path, kMaxPreferenceFileBytes);
  switch (read.status) {
    case FileReadStatus::Ok:
      if (read.bytes.empty()) return {PreferenceLoadStatus::Absent, {}};
      return {PreferenceLoadStatus::Loaded, PreferenceFile::Parse(read.bytes)};
    case FileReadStatus::Missing:
      return {PreferenceLoadStatus::Absent, {}};
    case FileReadStatus::Failed: return {PreferenceLoadStatus::Unreadable, {}, read.reason};
    case FileReadStatus::TooLarge: break;
  }
  return {PreferenceLoadStatus::Unreadable, {}, "it is larger than a settings file can be"};
}

bool SavePreferenceFile(const std::string& path, const PreferenceFile& file, int* error) {
  // A file read as 8-bit text grows when it becomes UTF-8, and values can grow too. Writing more than the
  // reader accepts would leave a file that every later start ignores and never rewrites, so the old file
  // is kept instead.
  const std::string bytes = file.Serialise();
  if (bytes.size() > kMaxPreferenceFileBytes) {
    if (error != nullptr) *error = EFBIG;
    return false;
  }
  return WriteFileReplacing(path, bytes, error);
}

}  // namespace kx
