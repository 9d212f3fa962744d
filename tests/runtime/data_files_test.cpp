#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "runtime/data_files.h"

namespace kx {
namespace {

// A file system that holds exactly the given paths and records what was asked.
struct FakeFiles {
  std::set<std::string> present;
  std::vector<std::string> asked;
  FileExistsFn Port() {
    return [this](const std::string& path) {
      asked.push_back(path);
      return present.count(path) > 0;
    };
  }
};

TEST(DataFiles, InstalledPathsSitBesideTheProgramsFolder) {
  EXPECT_EQ(InstalledDataPath("/usr/bin", "changelog.txt"), "/usr/share/doc/kestrelix/changelog.txt");
  EXPECT_EQ(InstalledDataPath("/opt/kx/bin/", "manual/index.html"), "/opt/kx/share/doc/kestrelix/manual/index.html");
  EXPECT_EQ(InstalledDataPath("/home/u/tree/usr/bin", "changelog.txt"),
            "/home/u/tree/usr/share/doc/kestrelix/changelog.txt");
  EXPECT_EQ(InstalledDataPath("", "changelog.txt"), "");
}

TEST(DataFiles, TheWorkingFolderComesFirstThenTheInstalledFolder) {
  FakeFiles files;
  files.present = {"changelog.txt", "/usr/share/doc/kestrelix/changelog.txt"};
  EXPECT_EQ(FindDataFile(kChangelogData, "/usr/bin", files.Port()), "changelog.txt");

  files.present.erase("changelog.txt");
  EXPECT_EQ(FindDataFile(kChangelogData, "/usr/bin", files.Port()), "/usr/share/doc/kestrelix/changelog.txt");

  files.present.clear();
  files.asked.clear();
  EXPECT_EQ(FindDataFile(kChangelogData, "/usr/bin", files.Port()), std::nullopt);
  EXPECT_EQ(files.asked, (std::vector<std::string>{"changelog.txt", "/usr/share/doc/kestrelix/changelog.txt",
                                                   "/usr/bin/share/doc/kestrelix/changelog.txt"}));
}

TEST(DataFiles, ABuiltButNotInstalledProgramUsesTheCopyStagedBesideIt) {
  FakeFiles files;
  files.present = {"/src/build/share/doc/kestrelix/manual/index.html", "/src/share/doc/kestrelix/changelog.txt",
                   "/src/build/share/doc/kestrelix/changelog.txt"};
  // An installed copy still wins over the staged one.
  EXPECT_EQ(FindDataFile(kChangelogData, "/src/build", files.Port()), "/src/share/doc/kestrelix/changelog.txt");
  EXPECT_EQ(FindDataFile(kHelpData, "/src/build", files.Port()), "/src/build/share/doc/kestrelix/manual/index.html");
}

TEST(DataFiles, TheHelpIsTheChmFileHereOrTheInstalledManual) {
  FakeFiles files;
  files.present = {"/usr/share/doc/kestrelix/manual/index.html", "kstr-help.chm"};
  EXPECT_EQ(FindDataFile(kHelpData, "/usr/bin", files.Port()), "kstr-help.chm");
  files.present.erase("kstr-help.chm");
  EXPECT_EQ(FindDataFile(kHelpData, "/usr/bin", files.Port()), "/usr/share/doc/kestrelix/manual/index.html");
  // A manual in the working folder is not the help: only the installed one is.
  files.present = {"manual/index.html", "index.html"};
  EXPECT_EQ(FindDataFile(kHelpData, "/usr/bin", files.Port()), std::nullopt);
}

TEST(DataFiles, AnUnknownProgramFolderLooksOnlyInTheWorkingFolder) {
  FakeFiles files;
  files.present = {"../share/doc/kestrelix/changelog.txt", "/share/doc/kestrelix/changelog.txt"};
  EXPECT_EQ(FindDataFile(kChangelogData, "", files.Port()), std::nullopt);
  EXPECT_EQ(files.asked, (std::vector<std::string>{"changelog.txt"}));
}

TEST(DataFiles, OnlyRegularFilesExist) {
  const std::string dir = ::testing::TempDir() + "kx_data_files_dir";
  std::filesystem::create_directories(dir);
  EXPECT_FALSE(IsExistingFile(dir));
  EXPECT_FALSE(IsExistingFile(dir + "/missing.txt"));
  const std::string file = dir + "/present.txt";
  { std::ofstream(file) << "x"; }
  EXPECT_TRUE(IsExistingFile(file));
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace kx
