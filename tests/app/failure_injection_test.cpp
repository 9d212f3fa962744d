// Saves, exports, dumps, settings and loads that meet a file system which refuses them: a full device,
// folders and files the user may not write, a folder that is gone, a file that shrinks while it is read.
// Every case uses real files. The tests run as root, which permission bits do not stop, so the
// permission cases run in a child process that has become the "nobody" user first.

#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <vector>

#include "app/file_test_support.h"
#include "app/run_command.h"
#include "app/settings.h"
#include "io/charset_file.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

using namespace testing_files;
namespace fs = std::filesystem;

constexpr uid_t kNobody = 65534;

// What an operation left behind, as text fields, so that a child process can hand it back through a pipe.
using Fields = std::vector<std::string>;

void WriteFields(int fd, const Fields& fields) {
  std::string packed;
  for (const std::string& f : fields) {
    const std::uint64_t size = f.size();
    packed.append(reinterpret_cast<const char*>(&size), sizeof size).append(f);
  }
  for (std::size_t done = 0; done < packed.size();) {
    const ssize_t n = write(fd, packed.data() + done, packed.size() - done);
    if (n <= 0) return;
    done += static_cast<std::size_t>(n);
  }
}

Fields ReadFields(int fd) {
  std::string packed;
  char buffer[4096];
  for (ssize_t n; (n = read(fd, buffer, sizeof buffer)) > 0;) packed.append(buffer, static_cast<std::size_t>(n));
  Fields fields;
  for (std::size_t at = 0; at + sizeof(std::uint64_t) <= packed.size();) {
    std::uint64_t size = 0;
    std::memcpy(&size, packed.data() + at, sizeof size);
    at += sizeof size;
    fields.push_back(packed.substr(at, size));
    at += size;
  }
  return fields;
}

enum class Identity { Root, Nobody };

// Runs `operation` in a forked child (as "nobody" when asked, which then meets permission bits as any user
// does) and returns what it reported; nullopt when the child could not change user or did not finish.
// Changes the child makes to its own state, such as its current directory, never reach the test.
std::optional<Fields> RunInChild(Identity identity, const std::function<Fields()>& operation) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    if (identity == Identity::Nobody &&
        (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0 || geteuid() != kNobody)) {
      _exit(2);
    }
    WriteFields(pipeEnds[1], operation());
    _exit(0);
  }
  close(pipeEnds[1]);
  Fields fields = ReadFields(pipeEnds[0]);
  close(pipeEnds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (child < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  return fields;
}

// The last message box and the editor's charset and flags, as RunInChild carries them.
struct Report {
  std::string title;
  std::string text;
  MessageIcon icon = MessageIcon::None;
  std::string editor;
  bool modified = false;
  std::string currentName;
  FileType fileType = FileType::None;

  static Fields Of(const App& app, const ScriptedDialogs& dialogs) {
    DialogCall last;
    for (const DialogCall& call : dialogs.calls) {
      if (call.kind == DialogKind::Message) last = call;
    }
    return {last.title,
            last.text,
            std::to_string(static_cast<int>(last.icon)),
            std::string(reinterpret_cast<const char*>(app.doc.store.editor.data()), kCharsetBytes),
            app.doc.store.modified ? "1" : "0",
            app.doc.store.currentName,
            std::to_string(static_cast<int>(app.doc.store.fileType))};
  }
  static Report From(const Fields& f) {
    if (f.size() != 7) return {};
    return {f[0], f[1], static_cast<MessageIcon>(std::stoi(f[2])), f[3], f[4] == "1", f[5],
            static_cast<FileType>(std::stoi(f[6]))};
  }
};

bool RunningAsRoot() { return geteuid() == 0; }

// A folder (or file) that belongs to `owner` with permission bits `mode`.
void Own(const std::string& path, uid_t owner, mode_t mode) {
  ASSERT_EQ(chown(path.c_str(), owner, owner), 0);
  ASSERT_EQ(chmod(path.c_str(), mode), 0);
}

class FailureInjection : public FileCommandTest {
 protected:
  FailureInjection() {
    // The start-up charset, edited and named after a file, so that every case has unsaved work to keep.
    app.doc.store.editor[0] = 0x5A;
    EditedWithFile(dir.Path("font.chr"), FileType::Chr);
    editorBefore = Editor();
  }

  // Runs `command` the way the menu does, answering a requester with `answer` (filter 1: .chr) when given.
  Fields Run(CommandId command, const std::optional<std::string>& answer = std::nullopt) {
    if (answer) AnswerFile(*answer, 1);
    RunCommand(app, command);
    return Report::Of(app, dialogs);
  }

  // The same, in a child process as `identity`.
  Report RunAs(Identity identity, CommandId command, const std::optional<std::string>& answer = std::nullopt) {
    const std::optional<Fields> fields = RunInChild(identity, [&] { return Run(command, answer); });
    EXPECT_TRUE(fields.has_value()) << "the child process did not report";
    return Report::From(fields.value_or(Fields{}));
  }

  void SkipUnlessRoot() {
    if (!RunningAsRoot()) GTEST_SKIP() << "needs root to give files away and to become the nobody user";
  }

  std::string editorBefore;
};

// Save (the current name), Save As and Export, each aimed at `base` (a requester name without extension)
// or at its .chr file.
struct WriteCommand {
  CommandId id;
  bool asks;  // answers a requester; Save writes to the current name instead
};
constexpr WriteCommand kWriteCommands[] = {{cmd::Save, false}, {cmd::SaveAs, true}, {cmd::ExportLast, true}};

// A write failure names the file and then, on a line of its own, why.
void ExpectUnwritable(const std::string& text, const std::string& path) {
  const std::string named = "Could not write the file!\r\n\r\n" + path + "\r\n";
  EXPECT_TRUE(text.starts_with(named) && text.size() > named.size()) << text;
}

TEST_F(FailureInjection, WritesToAFullDeviceFailAndLeaveTheDeviceInPlace) {
  SkipUnlessRoot();
  // The test's own node of the full device first: a fault that replaced the node can only harm this folder.
  const std::string node = dir.Path("full.chr");
  ASSERT_EQ(mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
  for (const WriteCommand& command : kWriteCommands) {
    SCOPED_TRACE(command.id);
    app.doc.store.currentName = node;
    dialogs.calls.clear();
    if (command.asks) Answer(MessageAnswer::Yes);  // full.chr exists: the user confirms replacing it
    const Report r = Report::From(Run(command.id, command.asks ? std::optional(dir.Path("full")) : std::nullopt));
    ExpectUnwritable(r.text, node);
    EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
    EXPECT_TRUE(r.modified);
    ASSERT_TRUE(fs::is_character_file(node)) << "the device node was replaced by a file";
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.Dir()), {}), 1);  // no temporary file left behind

  // Only now the system's own device, which Save writes to when it is the charset's name.
  ASSERT_TRUE(fs::is_character_file("/dev/full"));
  app.doc.store.currentName = "/dev/full";
  const Report r = Report::From(Run(cmd::Save));
  ExpectUnwritable(r.text, "/dev/full");
  EXPECT_TRUE(fs::is_character_file("/dev/full"));
  EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
}

TEST_F(FailureInjection, WritesIntoAReadOnlyFolderFailAndCreateNothing) {
  SkipUnlessRoot();
  const std::string locked = dir.Path("locked");
  fs::create_directory(locked);
  const std::string target = locked + "/font.chr";
  WriteBytes(target, Counting(2048, 9));
  Own(target, kNobody, 0666);  // the file itself may be written; the folder may not
  Own(locked, 0, 0555);
  editorBefore = Editor();
  for (const WriteCommand& command : kWriteCommands) {
    SCOPED_TRACE(command.id);
    app.doc.store.currentName = target;
    const Report r = RunAs(Identity::Nobody, command.id,
                           command.asks ? std::optional(locked + "/font") : std::nullopt);
    ExpectUnwritable(r.text, target);
    EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
    EXPECT_TRUE(r.modified);
    EXPECT_TRUE(ReadBytes(target) == Counting(2048, 9)) << "the old file changed";
    EXPECT_EQ(std::distance(fs::directory_iterator(locked), {}), 1);
  }
}

TEST_F(FailureInjection, SaveIntoAFolderThatVanishedDoesNotRecreateIt) {
  const std::string gone = dir.Path("gone");
  fs::create_directory(gone);
  EditedWithFile(gone + "/font.chr", FileType::Prg);
  fs::remove(gone);
  const Report r = Report::From(Run(cmd::Save));
  EXPECT_EQ(r.title, "File Error!");
  ExpectUnwritable(r.text, gone + "/font.chr");
  EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
  EXPECT_TRUE(r.modified);
  EXPECT_EQ(r.fileType, FileType::Prg);
  EXPECT_FALSE(fs::exists(gone));

  const Report exported = Report::From(Run(cmd::ExportFirst, gone + "/part"));
  ExpectUnwritable(exported.text, gone + "/part.chr");
  EXPECT_EQ(exported.currentName, gone + "/font.chr");
  EXPECT_FALSE(fs::exists(gone));
}

TEST_F(FailureInjection, ReadOnlyFileIsNotReplacedEvenInTheUsersOwnFolder) {
  SkipUnlessRoot();
  // Renaming over a file needs only the folder's permission, so the folder is the user's own: only the
  // file's read-only bits stand between the save and the old bytes.
  const std::string mine = dir.Path("mine");
  fs::create_directory(mine);
  const std::string target = mine + "/font.chr";
  WriteBytes(target, Counting(2048, 3));
  Own(mine, kNobody, 0755);
  Own(target, kNobody, 0444);
  for (const WriteCommand& command : kWriteCommands) {
    SCOPED_TRACE(command.id);
    app.doc.store.currentName = dir.Path("font.chr");
    EditedWithFile(target, FileType::Chr);
    const Report r = RunAs(Identity::Nobody, command.id, command.asks ? std::optional(mine + "/font") : std::nullopt);
    EXPECT_EQ(r.title, "File Error!");
    ExpectUnwritable(r.text, target);
    EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
    EXPECT_TRUE(r.modified);
    EXPECT_TRUE(ReadBytes(target) == Counting(2048, 3)) << "the old file changed";
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all, fs::perms(0444));
    EXPECT_EQ(std::distance(fs::directory_iterator(mine), {}), 1);
  }
}

// The three file dumps and what each reports when it cannot write.
struct DumpCase {
  CommandId id;
  const char* file;
  const char* failed;
};
constexpr DumpCase kDumps[] = {
    {cmd::DumpPng, "font.png", "PNG Image Dump Failed"},
    {cmd::DumpJpg, "font.jpg", "JPG Image Dump Failed"},
    {cmd::DumpBmp, "font.bmp", "BMPImage Dump Failed"},
};

TEST_F(FailureInjection, DumpsIntoAReadOnlyCurrentFolderReportFailure) {
  SkipUnlessRoot();
  const std::string locked = dir.Path("locked");
  fs::create_directory(locked);
  Own(locked, 0, 0555);
  for (const DumpCase& dump : kDumps) {
    SCOPED_TRACE(dump.file);
    const std::optional<Fields> fields = RunInChild(Identity::Nobody, [&] {
      if (chdir(locked.c_str()) != 0) return Fields{};
      return Run(dump.id);
    });
    ASSERT_TRUE(fields.has_value());
    const Report r = Report::From(*fields);
    EXPECT_EQ(r.title, "Kestrelix");
    EXPECT_EQ(r.text,
              std::string(dump.failed) + "\r\n\r\n" + locked + "/" + dump.file + "\r\n" + std::strerror(EACCES));
    EXPECT_EQ(r.icon, MessageIcon::None);
    EXPECT_TRUE(r.editor == editorBefore) << "the editor charset changed";
    EXPECT_TRUE(r.modified);
  }
  EXPECT_TRUE(fs::is_empty(locked));
}

TEST_F(FailureInjection, DumpsOntoAFullDeviceReportFailureAndKeepTheDevice) {
  SkipUnlessRoot();
  for (const DumpCase& dump : kDumps) {
    SCOPED_TRACE(dump.file);
    const std::string node = dir.Path(dump.file);
    ASSERT_EQ(mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
    const std::optional<Fields> fields = RunInChild(Identity::Root, [&] {
      if (chdir(dir.Dir().c_str()) != 0) return Fields{};
      return Run(dump.id);
    });
    ASSERT_TRUE(fields.has_value());
    const std::string text = Report::From(*fields).text;
    const std::string named = std::string(dump.failed) + "\r\n\r\n" + node + "\r\n";
    EXPECT_TRUE(text.starts_with(named) && text.size() > named.size()) << text;
    EXPECT_TRUE(fs::is_character_file(node));
  }
}

// --- Settings ----------------------------------------------------------------------------------------------

// The run keeps the start values whenever the settings file cannot be used.
void ExpectStartSettings(const SettingsValues& v) {
  const SettingsValues start = StartSettings();
  EXPECT_EQ(v.xsize, start.xsize);
  EXPECT_EQ(v.ysize, start.ysize);
  EXPECT_EQ(v.zoom, start.zoom);
  EXPECT_EQ(v.dir, start.dir);
  EXPECT_EQ(v.recent, start.recent);
}

// As the nobody user: the run starts with the start values and the exit write is refused.
void ExpectSettingsRefusedAsNobody(const std::string& path, const App& app) {
  const std::optional<Fields> fields = RunInChild(Identity::Nobody, [&] {
    const SettingsValues v = ReadOrCreateSettings(path);
    const bool written = WriteSettingsAtExit(path, app, WindowPlacement{});
    return Fields{std::to_string(v.xsize), written ? "written" : "refused"};
  });
  ASSERT_TRUE(fields.has_value());
  EXPECT_EQ(*fields, (Fields{std::to_string(StartSettings().xsize), "refused"}));
}

TEST_F(FailureInjection, SettingsFileThatIsAFolderIsNeitherReadNorReplaced) {
  const std::string path = dir.Path(kSettingsFileName);
  fs::create_directory(path);
  ExpectStartSettings(ReadOrCreateSettings(path));
  EXPECT_FALSE(WriteSettingsAtExit(path, app, WindowPlacement{}));
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_TRUE(fs::is_empty(path));
}

TEST_F(FailureInjection, UnreadableSettingsFileIsLeftAsItWas) {
  SkipUnlessRoot();
  const std::string path = dir.Path(kSettingsFileName);
  const std::string text = "[MAIN WINDOW]\r\nXSIZE = 800\r\n";
  WriteBytes(path, text);
  Own(path, 0, 0600);  // root's own file, which the nobody user can neither read nor write
  ExpectSettingsRefusedAsNobody(path, app);
  EXPECT_EQ(ReadBytes(path), text);
}

TEST_F(FailureInjection, SettingsInAReadOnlyFolderAreNotCreated) {
  SkipUnlessRoot();
  const std::string locked = dir.Path("locked");
  fs::create_directory(locked);
  Own(locked, 0, 0555);
  const std::string path = locked + "/" + kSettingsFileName;
  ExpectSettingsRefusedAsNobody(path, app);
  EXPECT_TRUE(fs::is_empty(locked));
}

// --- Reads -------------------------------------------------------------------------------------------------

TEST_F(FailureInjection, FileThatShrinksBetweenItsSizeAndItsReadIsUnreadable) {
  // The size rule runs between the size check and the read, so it can cut the file at the worst moment.
  const std::string path = dir.Path("shrinking.chr");
  WriteBytes(path, Counting(2048, 1));
  const SliceRead read = ReadFileSlice(path, [&](std::uint64_t size) {
    fs::resize_file(path, 100);
    return RawSlice(size);
  });
  EXPECT_EQ(read.status, SliceStatus::Unreadable);

  // The short load-address file ends one byte early by design; that is not a shrink.
  WriteBytes(path, Counting(kShortPrgFileBytes, 1));
  const SliceRead shortFile = ReadFileSlice(path, [](std::uint64_t size) { return ImportSlice(size, size); });
  ASSERT_EQ(shortFile.status, SliceStatus::Ok);
  EXPECT_TRUE(shortFile.bytes == Counting(kShortPrgFileBytes, 1).substr(2) + '\0');
}

TEST_F(FailureInjection, PipeChosenAsACharsetIsRefusedWithoutWaitingForAWriter) {
  const std::string fifo = dir.Path("pipe.chr");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0666), 0);
  Answer(MessageAnswer::No);  // not saving the unsaved charset first
  AnswerFile(fifo, 0);
  RunCommand(app, cmd::Open);
  EXPECT_EQ(LastCall().title, "Load Error!");
  EXPECT_EQ(LastCall().text,
            "Not a 2048 byte file: \r\n\r\n" + fifo +
                "\r\n\r\nIt is not a regular file; the Charset filter opens files of exactly 2048 bytes.");
  EXPECT_TRUE(Editor() == editorBefore) << "the editor charset changed";

  Answer(MessageAnswer::No);
  AnswerFile(fifo, 0);
  RunCommand(app, cmd::ImportImage);
  EXPECT_EQ(LastCall().text, "Import of Charset Image has failed...\r\n\r\n" + fifo + "\r\nThe file could not be read.");
  EXPECT_TRUE(Editor() == editorBefore) << "the editor charset changed";
  EXPECT_EQ(app.doc.store.fileType, FileType::Chr);
}

}  // namespace
}  // namespace kx
