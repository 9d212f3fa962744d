// Replacing writes on real files: symbolic links, hard links, long names, ownership, and what a failed or
// killed write leaves behind.

#include "runtime/file_bytes.h"
#include "runtime/file_stamp.h"
#include "runtime/save_temporary.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <set>
#include <thread>

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

// A new file gets what the umask leaves of 0666, as any program's new file would (root's run of the suite
// and the unprivileged one alike).
TEST(ReplacingWrite, NewFileTakesItsModeFromTheUmask) {
  TempDir dir;
  const struct {
    mode_t mask, mode;
  } cases[] = {{022, 0644}, {077, 0600}, {002, 0664}};
  for (const auto& c : cases) {
    const std::string path = dir.Path("new" + std::to_string(c.mask));
    const mode_t before = umask(c.mask);
    EXPECT_TRUE(WriteFileReplacing(path, std::string_view("x")));
    umask(before);
    EXPECT_EQ(StatOf(path).st_mode & 07777, c.mode) << std::oct << c.mask;
  }
}

TEST(SameFile, NamesOfOneFileMatchWhetherOrNotItExists) {
  TempDir dir;
  for (const bool exists : {false, true}) {
    if (exists) WriteBytes(dir.Path("a.chr"), "x");
    EXPECT_TRUE(IsSameFile(dir.Path("sub/../a.chr"), dir.Path("a.chr"))) << exists;
    EXPECT_TRUE(IsSameFile(dir.Dir() + "./a.chr", dir.Path("a.chr"))) << exists;
    EXPECT_FALSE(IsSameFile(dir.Path("b.chr"), dir.Path("a.chr"))) << exists;
  }
}

TEST(FileRead, ReadsUpToItsLimitAndReportsAFileItsUserMayNotRead) {
  TempDir dir;
  const std::string path = dir.Path("f");
  WriteBytes(path, Counting(100));
  EXPECT_EQ(ReadFileBytes(path, 100).status, FileReadStatus::Ok);
  EXPECT_EQ(ReadFileBytes(path, 100).bytes, Counting(100));
  EXPECT_EQ(ReadFileBytes(path, 99).status, FileReadStatus::TooLarge);
  EXPECT_EQ(ReadFileBytes(dir.Path("none"), 100).status, FileReadStatus::Missing);
  fs::permissions(path, fs::perms::none);
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file; the unprivileged run of the suite checks the rest";
  EXPECT_EQ(ReadFileBytes(path, 100).status, FileReadStatus::Failed);
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

// Lets a child process start writing `bytes` to `path` and kills it partway, as a crash or a kill during a
// save would. Returns the names the dead write left in the folder.
std::set<std::string> KillDuringWrite(const TempDir& dir, const std::string& path, const std::string& bytes) {
  const std::set<std::string> before = NamesIn(dir.Path(""));
  const pid_t child = fork();
  if (child == 0) {
    // Past 1000 bytes a write raises SIGXFSZ, whose default action ends the process on the spot.
    std::signal(SIGXFSZ, SIG_DFL);
    const rlimit limit{1000, 1000};
    setrlimit(RLIMIT_FSIZE, &limit);
    WriteFileReplacing(path, bytes);
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

TEST(ReplacingWrite, KilledWriteLeavesNothingAndFilesLikeItsTemporariesAreNeverRemoved) {
  TempDir dir;
  // The user's own files, named as the writer's temporaries are and untouched for an hour.
  const std::pair<std::string, std::string> users[] = {{".kestrelix-backup", "notes"},
                                                       {".kestrelix-ABCDEF", Counting(300, 7)}};
  for (const auto& [name, content] : users) {
    WriteBytes(dir.Path(name), content);
    MakeOld(dir.Path(name));
  }
  WriteBytes(dir.Path("font.chr"), "kept");
  EXPECT_EQ(KillDuringWrite(dir, dir.Path("font.chr"), std::string(4096, 'x')), std::set<std::string>{});
  EXPECT_EQ(ReadBytes(dir.Path("font.chr")), "kept");

  ASSERT_TRUE(WriteFileReplacing(dir.Path("font.chr"), std::string_view("new")));
  ASSERT_TRUE(WriteFileReplacing(dir.Path("other.chr"), std::string_view("new")));
  EXPECT_EQ(NamesIn(dir.Path("")),
            (std::set<std::string>{".kestrelix-ABCDEF", ".kestrelix-backup", "font.chr", "other.chr"}));
  for (const auto& [name, content] : users) EXPECT_EQ(ReadBytes(dir.Path(name)), content) << name;

  // A temporary that gets a name (where the file system has no unnamed files) is hidden from listings.
  std::string named;
  const int fd = OpenSaveTemporary(dir.Path(""), named);
  ASSERT_GE(fd, 0);
  ASSERT_TRUE(NameSaveTemporary(fd, dir.Path(""), named));
  close(fd);
  const std::string name = fs::path(named).filename().string();
  EXPECT_TRUE(name.starts_with(".kestrelix-") && name.size() == 17) << name;
}

TEST(ReplacingWrite, HardLinkedTargetStaysOneFileAndAFailedWriteKeepsItsOldContent) {
  TempDir dir;
  const std::string h1 = dir.Path("h1.chr");
  const std::string h2 = dir.Path("h2.chr");
  const std::string old = Counting(600);
  WriteBytes(h1, old);
  ASSERT_EQ(link(h1.c_str(), h2.c_str()), 0);
  ASSERT_EQ(chmod(h1.c_str(), 0640), 0);
  const ino_t inode = StatOf(h1).st_ino;

  // A write that stops part way, as on a full disk, is undone from the copy made before it.
  {
    const FileSizeLimit limit(1000);
    int error = 0;
    EXPECT_FALSE(WriteFileReplacing(h2, Counting(4096, 1), &error));
    EXPECT_EQ(error, EFBIG);
  }
  EXPECT_EQ(ReadBytes(h1), old);
  EXPECT_EQ(NamesIn(dir.Path("")), (std::set<std::string>{"h1.chr", "h2.chr"}));

  ASSERT_TRUE(WriteFileReplacing(h1, Counting(300, 5)));
  EXPECT_EQ(StatOf(h2).st_ino, inode);
  EXPECT_EQ(StatOf(h1).st_ino, inode);
  EXPECT_EQ(StatOf(h1).st_nlink, 2u);
  EXPECT_EQ(StatOf(h1).st_mode & 07777, 0640u);
  EXPECT_EQ(ReadBytes(h2), Counting(300, 5));  // shorter than before: nothing of the old tail stays
  EXPECT_EQ(NamesIn(dir.Path("")), (std::set<std::string>{"h1.chr", "h2.chr"}));

  // Killed while writing in place, the old content survives in the copy beside it.
  const std::set<std::string> left = KillDuringWrite(dir, h1, std::string(4096, 'x'));
  ASSERT_EQ(left.size(), 1u);
  EXPECT_EQ(ReadBytes(dir.Path(*left.begin())), Counting(300, 5));
}

// Writers of a hard-linked file take turns on its lock: a write waits while another holds it, and goes on
// once it is let go.
TEST(ReplacingWrite, AHardLinkedTargetIsWrittenOnlyWhileNoOtherWriterHoldsItsLock) {
  TempDir dir;
  const std::string h1 = dir.Path("h1.chr");
  const std::string h2 = dir.Path("h2.chr");
  WriteBytes(h1, "old");
  ASSERT_EQ(link(h1.c_str(), h2.c_str()), 0);
  const int other = open(h1.c_str(), O_RDWR);
  ASSERT_EQ(flock(other, LOCK_EX), 0);
  bool written = false;
  std::thread writer([&] { written = WriteFileReplacing(h2, std::string("new content")); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  EXPECT_EQ(ReadBytes(h1), "old");
  close(other);  // lets the lock go
  writer.join();
  EXPECT_TRUE(written);
  EXPECT_EQ(ReadBytes(h1), "new content");
}

TEST(ReplacingWrite, WriteKilledAtAnyMomentLeavesOnlyTheWholeOldOrNewFile) {
  TempDir dir;
  const std::string path = dir.Path("big.chr");
  const std::string versions[] = {"old", std::string(1 << 20, 'a'), std::string(1 << 20, 'b')};
  WriteBytes(path, versions[0]);
  int leftovers = 0;
  for (int round = 0; round < 50; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      for (int i = 1;; i = 3 - i) WriteFileReplacing(path, versions[i]);
    }
    usleep(static_cast<useconds_t>(round * 397 % 20000));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);

    const std::string content = ReadBytes(path);
    EXPECT_TRUE(content == versions[0] || content == versions[1] || content == versions[2]) << round;
    for (const std::string& name : NamesIn(dir.Path(""))) {
      if (name == "big.chr") continue;
      // Only a kill between naming the complete temporary and renaming it may leave one, and it is whole.
      const std::string left = ReadBytes(dir.Path(name));
      EXPECT_TRUE(name.starts_with(".kestrelix-") && (left == versions[1] || left == versions[2]))
          << "round " << round << " left " << name << " of " << left.size() << " bytes";
      fs::remove(dir.Path(name));
      ++leftovers;
    }
  }
  // That moment lasts microseconds of each write's milliseconds; a temporary named while it is still
  // written or flushed would be left by most kills (about 40 of the 50).
  EXPECT_LE(leftovers, 2);
}

}  // namespace
}  // namespace kx
