#pragma once
// The About window's geometry and texts: the credits, the additional credits and the changelog.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "runtime/data_files.h"
#include "runtime/image.h"

namespace kx {

inline constexpr const char* kAboutTitle = "About Kestrelix";
inline constexpr int kAboutWidth = 435;
inline constexpr int kAboutHeight = 400;
inline constexpr Rect kAboutTabs = {1, 2, 433, 364};
inline constexpr Rect kAboutClose = {175, 369, 80, 24};
inline constexpr const char* kAboutCloseText = "Close";
inline constexpr std::array<const char*, 3> kAboutTabTitles = {"Credits", "Additional Credits", "Changelog"};

// Credits tab: the logo, then centred lines one below the other.
inline constexpr int kAboutLogoX = 82;
inline constexpr int kAboutLogoY = 2;
inline constexpr int kAboutLineWidth = 429;
inline constexpr int kAboutLineHeight = 16;
inline constexpr int kCreditsLineX = 2;
inline constexpr int kCreditsLineY = 276;

// Additional Credits tab: 20 rows from y = 16 in steps of 16; rows 5 and 9 stay empty, the other 18 hold
// a line each.
inline constexpr int kAdditionalLineX = 1;
inline constexpr int kAdditionalLineY = 16;
inline constexpr std::array<const char*, 20> kAdditionalCredits = {
    "-  - --+-+-+-+-+-+-< Kestrelix >-+-+-+-+-+-+-- -  -",
    "A Cross Dev C64 Hires Character Editor",
    "for drawing, transforming and testing charsets",
    "-  - --+-+-+-+-+-+-< Code >-+-+-+-+-+-+-- -  -",
    "The Kestrelix developers",
    "",
    "-  - --+-+-+-+-+-+-< Testing >-+-+-+-+-+-+-- -  -",
    "Everyone who tried the early builds",
    "and reported what went wrong",
    "",
    "-  - --+-+-+-+-+-+-< Thanks >-+-+-+-+-+-+-- -  -",
    "The authors of the open-source libraries",
    "that draw its windows and read its pictures",
    "-  - --+-+-+-+-+-+-< Greetings >-+-+-+-+-+-+-- -  -",
    "To everyone still making charsets,",
    "demos and games for the C64",
    "and to everyone keeping the old machines running",
    "-  - --+-+-+-+-+-+-< Kestrelix >-+-+-+-+-+-+-- -  -",
    "Thank you for using it!",
    "Happy pixelling, one glyph at a time",
};

// Changelog tab.
inline constexpr Rect kChangelogBox = {2, 2, 427, 340};
inline constexpr const char* kChangelogFile = "changelog.txt";  // kChangelogData's name in the working folder
inline constexpr const char* kChangelogMissing = "No changelog.txt was found...";
inline constexpr std::size_t kChangelogLimit = 1 << 20;  // a changelog is short; never read more than 1 MiB

// The Credits tab's lines below the logo, with the build date/time ("dd/mm/yyyy, hh:ii:ss").
std::array<std::string, 4> CreditLines(std::string_view buildDateTime);

// Turns the compiler's "Mmm dd yyyy" and "hh:mm:ss" (__DATE__, __TIME__) into "dd/mm/yyyy, hh:ii:ss".
// Text in another shape comes back as "--/--/----, --:--:--" rather than a wrong date.
std::string FormatBuildDateTime(std::string_view date, std::string_view time);
// The same text for `seconds` since 1970-01-01 00:00:00 UTC, the form SOURCE_DATE_EPOCH gives a
// reproducible build's time in.
std::string FormatEpochDateTime(long long seconds);

// The text the Changelog tab shows: the file at `path` as UTF-8 (a leading byte-order mark dropped), or
// kChangelogMissing when it cannot be read or is larger than kChangelogLimit.
std::string ReadChangelog(const std::string& path = kChangelogFile);

// The changelog the tab shows: the one in the working folder, else the installed one beside `programDir`,
// else kChangelogFile (which then reads as missing).
std::string ChangelogPath(std::string_view programDir, const FileExistsFn& exists = IsExistingFile);

}  // namespace kx
