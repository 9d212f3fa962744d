// Saving a charset or the settings over a file reached through a symbolic link and owned by someone else:
// the link stays, the file it names gets the bytes and keeps its owner, group and mode.

#include <sys/stat.h>
#include <unistd.h>

#include "app/file_test_support.h"
#include "app/run_command.h"
#include "app/settings.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

using SaveInPlace = FileCommandTest;

TEST_F(SaveInPlace, SaveThroughALinkKeepsTheLinkAndTheFilesOwner) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
  fs::create_directory(dir.Path("shared"));
  const std::string target = dir.Path("shared/font.chr");
  WriteBytes(target, Counting(2048, 1));
  ASSERT_EQ(chown(target.c_str(), 65534, 65534), 0);
  ASSERT_EQ(chmod(target.c_str(), 0664), 0);
  fs::create_symlink("shared/font.chr", dir.Path("font.chr"));

  app.doc.store.editor[5] = 0x77;
  EditedWithFile(dir.Path("font.chr"), FileType::Chr);
  RunCommand(app, cmd::Save);
  EXPECT_FALSE(app.doc.store.modified);
  ASSERT_TRUE(fs::is_symlink(dir.Path("font.chr"))) << "the link was replaced by a file";
  EXPECT_EQ(fs::read_symlink(dir.Path("font.chr")), "shared/font.chr");
  EXPECT_TRUE(ReadBytes(target) == Editor()) << "the file the link names did not get the charset";
  struct stat st {};
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 07777, 0664u);

  // The settings file, kept elsewhere and linked into the current folder, is rewritten in place too.
  const std::string settings = dir.Path("shared/kstr.ini");
  WriteBytes(settings, "[MAIN WINDOW]\r\nZOOM = 2\r\n");
  fs::create_symlink(settings, dir.Path("kstr.ini"));
  app.view.editing.zoomIndex = 3;
  ASSERT_TRUE(WriteSettingsAtExit(dir.Path("kstr.ini"), app, WindowPlacement{1, 2, 1200, 600, false, false}));
  EXPECT_TRUE(fs::is_symlink(dir.Path("kstr.ini")));
  EXPECT_EQ(ReadOrCreateSettings(settings).zoom, 3);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path("shared")), {}), 2);
}

}  // namespace
}  // namespace kx
