// Replacing writes on real files: symbolic links, long names, ownership and the temporaries a killed save
// leaves behind.

#include "runtime/file_bytes.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <set>

#include "io/temp_files.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

std::set<std::string> NamesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

struct stat StatOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
  return st;
}

TEST(ReplacingWrite, SaveThroughALinkWritesItsTargetAndKeepsTheLink) {
  TempDir dir;
  fs::create_directory(dir.Path("real"));
  WriteBytes(dir.Path("real/font.chr"), "old");
  fs::create_symlink("real/font.chr", dir.Path("font.chr"));   // relative, resolved from the link's folder
  fs::create_symlink(dir.Path("font.chr"), dir.Path("again.chr"));  // a link to a link

  ASSERT_TRUE(WriteFileReplacing(dir.Path("again.chr"), std::string_view("new")));
  EXPECT_EQ(fs::read_symlink(dir.Path("again.chr")), dir.Path("font.chr"));
  EXPECT_EQ(fs::read_symlink(dir.Path("font.chr")), "real/font.chr");
  EXPECT_EQ(ReadBytes(dir.Path("real/font.chr")), "new");
  EXPECT_EQ(NamesIn(dir.Path("")), (std::set<std::string>{"again.chr", "font.chr", "real"}));
  EXPECT_EQ(NamesIn(dir.Path("real")), std::set<std::string>{"font.chr"});  // the temporary was beside the target

  // A link whose target does not exist yet creates it; a loop of links is refused and left alone.
  fs::create_symlink("real/later.chr", dir.Path("later.chr"));
  ASSERT_TRUE(WriteFileReplacing(dir.Path("later.chr"), std::string_view("made")));
  EXPECT_TRUE(fs::is_symlink(dir.Path("later.chr")));
  EXPECT_EQ(ReadBytes(dir.Path("real/later.chr")), "made");
  fs::create_symlink("loop2", dir.Path("loop1"));
  fs::create_symlink("loop1", dir.Path("loop2"));
  EXPECT_FALSE(WriteFileReplacing(dir.Path("loop1"), std::string_view("x")));
  EXPECT_EQ(fs::read_symlink(dir.Path("loop1")), "loop2");
  EXPECT_EQ(NamesIn(dir.Path("")).size(), 6u);
}

TEST(ReplacingWrite, AnyNameTheFolderAcceptsCanBeWrittenAndReplaced) {
  TempDir dir;
  const std::string longest = dir.Path(std::string(251, 'n') + ".chr");  // 255 bytes, the usual limit
  ASSERT_TRUE(WriteFileReplacing(longest, std::string_view("first")));
  ASSERT_TRUE(WriteFileReplacing(longest, std::string_view("second")));
  EXPECT_EQ(ReadBytes(longest), "second");
  EXPECT_EQ(NamesIn(dir.Path("")).size(), 1u);
}

TEST(ReplacingWrite, ReplacedFileKeepsItsOwnerGroupAndMode) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root to give a file to another user";
  TempDir dir;
  const std::string path = dir.Path("theirs.chr");
  WriteBytes(path, "old");
  ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
  ASSERT_EQ(chmod(path.c_str(), 02640), 0);  // the set-group-ID bit is dropped by a change of owner

  ASSERT_TRUE(WriteFileReplacing(path, std::string_view("new")));
  const struct stat st = StatOf(path);
  EXPECT_EQ(st.st_uid, 65534u);
  EXPECT_EQ(st.st_gid, 65534u);
  EXPECT_EQ(st.st_mode & 07777, 02640u);
  EXPECT_EQ(ReadBytes(path), "new");
}

// Lets a child process start writing `path` and kills it partway, as a crash or a kill during a save would.
// Returns the names the dead save left in the folder.
std::set<std::string> KillDuringWrite(const TempDir& dir, const std::string& path) {
  const std::set<std::string> before = NamesIn(dir.Path(""));
  const pid_t child = fork();
  if (child == 0) {
    // Past 1000 bytes a write raises SIGXFSZ, whose default action ends the process on the spot.
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    WriteFileReplacing(path, std::string(4096, 'x'));
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ);
  std::set<std::string> left;
  for (const std::string& name : NamesIn(dir.Path(""))) {
    if (!before.contains(name)) left.insert(name);
  }
  return left;
}

void MakeOld(const std::string& path) {
  const timespec hourAgo{time(nullptr) - 3600, 0};
  const timespec times[2] = {hourAgo, hourAgo};
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0) << path;
}

TEST(ReplacingWrite, LaterSaveRemovesOnlyTheProgramsOwnStaleTemporaries) {
  TempDir dir;
  WriteBytes(dir.Path("font.chr"), "kept");
  const std::set<std::string> left = KillDuringWrite(dir, dir.Path("font.chr"));
  ASSERT_EQ(left.size(), 1u);
  const std::string temporary = *left.begin();
  EXPECT_EQ(ReadBytes(dir.Path("font.chr")), "kept");

  // Files of other programs and look-alikes stay, however old; so does a temporary still being written
  // (a fresh one may belong to another instance that is saving right now).
  const std::string lookAlikes[] = {"font.chr.Fw5CHV", temporary + "x", "a" + temporary, temporary.substr(1)};
  for (const std::string& name : lookAlikes) {
    WriteBytes(dir.Path(name), "foreign");
    MakeOld(dir.Path(name));
  }
  std::string folderName = temporary;
  folderName.back() = folderName.back() == 'Q' ? 'R' : 'Q';
  fs::create_directory(dir.Path(folderName));
  MakeOld(dir.Path(folderName));
  const std::set<std::string> others = NamesIn(dir.Path(""));

  ASSERT_TRUE(WriteFileReplacing(dir.Path("other.chr"), std::string_view("1")));
  EXPECT_TRUE(fs::exists(dir.Path(temporary))) << "removed while it might still be written";

  MakeOld(dir.Path(temporary));
  ASSERT_TRUE(WriteFileReplacing(dir.Path("other.chr"), std::string_view("2")));
  std::set<std::string> expected = others;
  expected.erase(temporary);
  expected.insert("other.chr");
  EXPECT_EQ(NamesIn(dir.Path("")), expected);
}

}  // namespace
}  // namespace kx
