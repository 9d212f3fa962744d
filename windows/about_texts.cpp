#include "windows/about_texts.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "runtime/file_bytes.h"

namespace kx {
namespace {

constexpr std::string_view kUnknownDateTime = "--/--/----, --:--:--";
constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number in `text` read as decimal digits, where a space counts as 0 (__DATE__ pads days with one);
// -1 if any other character is there.
int Number(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (c != ' ' && !IsDigit(c)) return -1;
    value = value * 10 + (c == ' ' ? 0 : c - '0');
  }
  return value;
}

int MonthNumber(std::string_view name) {
  for (std::size_t i = 0; i < kMonths.size(); ++i) {
    if (kMonths[i] == name) return static_cast<int>(i) + 1;
  }
  return -1;
}

}  // namespace

std::string FormatBuildDateTime(std::string_view date, std::string_view time) {
  // "Mmm dd yyyy" and "hh:mm:ss".
  if (date.size() != 11 || date[3] != ' ' || date[6] != ' ' || time.size() != 8 || time[2] != ':' ||
      time[5] != ':')
    return std::string(kUnknownDateTime);
  const int month = MonthNumber(date.substr(0, 3));
  const int day = Number(date.substr(4, 2));
  const int year = Number(date.substr(7, 4));
  const int hour = Number(time.substr(0, 2));
  const int minute = Number(time.substr(3, 2));
  const int second = Number(time.substr(6, 2));
  if (month < 0 || day < 1 || day > 31 || year < 0 || hour < 0 || hour > 23 || minute < 0 || minute > 59 ||
      second < 0 || second > 60)
    return std::string(kUnknownDateTime);
  char text[32];  // room for any int fields, though checked ones need 21
  std::snprintf(text, sizeof text, "%02d/%02d/%04d, %02d:%02d:%02d", day, month, year, hour, minute, second);
  return text;
}

std::string FormatEpochDateTime(long long seconds) {
  using namespace std::chrono;
  const sys_seconds time{std::chrono::seconds(seconds)};
  const sys_days day = floor<days>(time);
  const year_month_day date{day};
  const hh_mm_ss clock{time - day};
  char text[48];
  std::snprintf(text, sizeof text, "%02u/%02u/%04d, %02d:%02d:%02d", static_cast<unsigned>(date.day()),
                static_cast<unsigned>(date.month()), static_cast<int>(date.year()),
                static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                static_cast<int>(clock.seconds().count()));
  return text;
}

std::array<std::string, 4> CreditLines(std::string_view buildDateTime) {
  return {"Kestrelix - C64 Character Editor 1.0 (x64)",
          "Build Date/Time: " + std::string(buildDateTime),
          "Code, pictures and icons: the Kestrelix developers",
          "C64 character ROM courtesy of its original makers"};
}

std::string ReadChangelog(const std::string& path) {
  FileRead read = ReadFileBytes(path, kChangelogLimit);
  if (read.status != FileReadStatus::Ok) return kChangelogMissing;
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (read.bytes.starts_with(kByteOrderMark)) read.bytes.erase(0, kByteOrderMark.size());
  return std::move(read.bytes);
}

std::string ChangelogPath(std::string_view programDir, const FileExistsFn& exists) {
  return FindDataFile(kChangelogData, programDir, exists).value_or(kChangelogFile);
}

}  // namespace kx
