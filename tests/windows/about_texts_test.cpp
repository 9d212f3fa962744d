#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "windows/about_texts.h"

namespace kx {
namespace {

TEST(AboutTexts, BuildDateTimeIsDayMonthYearWithTwoDigitFields) {
  EXPECT_EQ(FormatBuildDateTime("Dec  7 2025", "08:09:01"), "07/12/2025, 08:09:01");
  EXPECT_EQ(FormatBuildDateTime("Jan 31 1999", "23:59:59"), "31/01/1999, 23:59:59");
  EXPECT_EQ(FormatBuildDateTime("Feb  1 2000", "00:00:60"), "01/02/2000, 00:00:60");  // a leap second
  // A reproducible build's SOURCE_DATE_EPOCH, in UTC: the same shape, month and day not swapped.
  EXPECT_EQ(FormatEpochDateTime(951782400 + 3723), "29/02/2000, 01:02:03");
  // Anything the compiler would never write gives a visible placeholder, not a made-up date; each field
  // just past its range.
  for (auto [date, time] : {std::pair{"Foo 12 2025", "08:09:01"}, std::pair{"Dec 12 2025", "8:09:01"},
                            std::pair{"Dec 32 2025", "08:09:01"}, std::pair{"Dec  0 2025", "08:09:01"},
                            std::pair{"Dec 12 2025", "24:00:00"}, std::pair{"Dec 12 2025", "23:60:00"},
                            std::pair{"Dec 12 2025", "23:59:61"}, std::pair{"", ""}}) {
    EXPECT_EQ(FormatBuildDateTime(date, time), "--/--/----, --:--:--") << date << " " << time;
  }
  EXPECT_EQ(FormatBuildDateTime(__DATE__, __TIME__).size(), 20u);
}

TEST(AboutTexts, CreditsCarryTheBuildDateTime) {
  const auto lines = CreditLines("07/12/2025, 08:09:01");
  EXPECT_EQ(lines[0], "Kestrelix - C64 Character Editor 1.0 (x64)");
  EXPECT_EQ(lines[1], "Build Date/Time: 07/12/2025, 08:09:01");
  EXPECT_EQ(std::string(kAdditionalCredits[5]), "");  // the rows at y = 96 and y = 160
  EXPECT_EQ(std::string(kAdditionalCredits[9]), "");
}

class ChangelogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kx_changelog_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Write(const std::string& bytes) {
    const auto path = (dir_ / "changelog.txt").string();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }
  std::filesystem::path dir_;
};

TEST_F(ChangelogTest, ReadsTheFileAsUtf8WithoutItsByteOrderMark) {
  EXPECT_EQ(ReadChangelog(Write("1.0\r\n- first release \xC3\xA9\r\n")), "1.0\r\n- first release \xC3\xA9\r\n");
  EXPECT_EQ(ReadChangelog(Write("\xEF\xBB\xBFversion 1.0")), "version 1.0");
}

TEST_F(ChangelogTest, MissingOrOversizedFileShowsTheFallbackText) {
  EXPECT_EQ(ReadChangelog((dir_ / "absent.txt").string()), "No changelog.txt was found...");
  EXPECT_EQ(ReadChangelog(dir_.string()), "No changelog.txt was found...");  // a folder, not a file
  EXPECT_EQ(ReadChangelog(Write(std::string(kChangelogLimit + 1, 'x'))), "No changelog.txt was found...");
}

TEST(AboutTexts, TheChangelogHereComesBeforeTheInstalledOne) {
  std::set<std::string> present = {"changelog.txt", "/usr/share/doc/kestrelix/changelog.txt"};
  const auto exists = [&](const std::string& path) { return present.count(path) > 0; };
  EXPECT_EQ(ChangelogPath("/usr/bin", exists), "changelog.txt");
  present.erase("changelog.txt");
  EXPECT_EQ(ChangelogPath("/usr/bin", exists), "/usr/share/doc/kestrelix/changelog.txt");
  // With neither, the tab reads the working folder's name and says it is missing.
  present.clear();
  EXPECT_EQ(ChangelogPath("/usr/bin", exists), "changelog.txt");
}

}  // namespace
}  // namespace kx
