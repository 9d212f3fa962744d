#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/charset_loading.h"
#include "app/command_line.h"
#include "app/file_session.h"
#include "app/file_test_support.h"

namespace kx {
namespace {

const DisplayEnvironment kX11{"", ":0", ""};

struct Outcome {
  StartRequest request;
  std::string out;
  std::string err;
};

Outcome Read(const std::vector<std::string>& args, const DisplayEnvironment& env = kX11) {
  std::ostringstream out, err;
  Outcome run{ReadCommandLine(args, env, out, err), {}, {}};
  run.out = out.str();
  run.err = err.str();
  return run;
}

TEST(CommandLine, HelpAndVersionPrintToStandardOutputAndEndWithoutADisplay) {
  for (const char* help : {"--help", "-h"}) {
    const Outcome run = Read({"charset.chr", help, "--bogus"}, {});
    EXPECT_EQ(run.request.exitStatus, 0) << help;
    EXPECT_TRUE(run.out.starts_with("Usage: kestrelix [OPTION] [FILE]\n")) << run.out;
    EXPECT_NE(run.out.find("--version"), std::string::npos);
    EXPECT_EQ(run.err, "");
  }
  const Outcome version = Read({"--version"}, {});
  EXPECT_EQ(version.request.exitStatus, 0);
  EXPECT_EQ(version.out, "kestrelix 1.0\n");
  EXPECT_EQ(version.err, "");
}

TEST(CommandLine, UnknownOptionsAndASecondFileAreErrorsWithTheUsageOnStandardError) {
  const Outcome unknown = Read({"--verbose"});
  EXPECT_EQ(unknown.request.exitStatus, 1);
  EXPECT_EQ(unknown.out, "");
  EXPECT_TRUE(unknown.err.starts_with("kestrelix: unknown option '--verbose'\nUsage: kestrelix")) << unknown.err;

  EXPECT_EQ(Read({"-x", "--help"}).request.exitStatus, 1);  // the first word decides
  const Outcome two = Read({"a.chr", "b.chr"});
  EXPECT_EQ(two.request.exitStatus, 1);
  EXPECT_TRUE(two.err.starts_with("kestrelix: only one FILE can be opened\n")) << two.err;
}

TEST(CommandLine, AFileIsPassedOnAndDoubleDashEndsTheOptions) {
  const Outcome plain = Read({"my.chr"});
  EXPECT_FALSE(plain.request.exitStatus);
  EXPECT_EQ(plain.request.file, "my.chr");
  EXPECT_EQ(plain.out + plain.err, "");

  EXPECT_EQ(Read({}).request.file, "");
  EXPECT_FALSE(Read({}).request.exitStatus);
  const Outcome dashed = Read({"--", "--help"});
  EXPECT_FALSE(dashed.request.exitStatus);
  EXPECT_EQ(dashed.request.file, "--help");
  EXPECT_EQ(Read({"-"}).request.file, "-");
}

TEST(CommandLine, WithoutADisplayTheEditorSaysSoInOneLine) {
  const Outcome run = Read({"my.chr"}, {"", "", ""});
  EXPECT_EQ(run.request.exitStatus, 1);
  EXPECT_EQ(run.err, "kestrelix: cannot open a display (is DISPLAY set?)\n");
  EXPECT_EQ(run.out, "");
}

TEST(CommandLine, DisplayIsLookedForWhereThePlatformPluginNeedsOne) {
  struct Case {
    DisplayEnvironment env;
    bool reachable;
  };
  const Case cases[] = {
      {{"", "", ""}, false},
      {{"", ":1", ""}, true},
      {{"", "", "wayland-0"}, true},
      {{"xcb", "", "wayland-0"}, false},
      {{"xcb", ":0", ""}, true},
      {{"wayland", ":0", ""}, false},
      {{"wayland-egl", "", "wayland-1"}, true},
      {{"offscreen", "", ""}, true},
      {{"minimal", "", ""}, true},
      {{"wayland;xcb", ":0", ""}, true},
      {{"wayland;xcb", "", ""}, false},
      {{"xcb:nograb=1", ":0", ""}, true},
      {{"xcb:nograb=1", "", ""}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DisplayReachable(c.env), c.reachable)
        << "'" << c.env.platform << "' '" << c.env.display << "' '" << c.env.waylandDisplay << "'";
  }
}

using OpenAtStartUp = testing_files::FileCommandTest;

TEST_F(OpenAtStartUp, LoadsByTheDropRulesUnderItsFullPathAndGoesOnTheRecentList) {
  testing_files::WriteBytes(dir.Path("game.prg"), testing_files::Counting(2050, 7));
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(dir.Dir());
  OpenFileAtStartUp(app, "./game.prg");
  std::filesystem::current_path(cwd);

  const std::string full = dir.Path("game.prg");
  EXPECT_EQ(Editor(), testing_files::Counting(2048, 9));
  EXPECT_EQ(app.doc.store.fileType, FileType::Prg);
  EXPECT_EQ(app.doc.store.currentName, full);
  EXPECT_FALSE(app.doc.store.modified);
  EXPECT_NE(app.shell.title.find(full), std::string::npos) << app.shell.title;
  EXPECT_EQ(app.doc.files.recent[0], full);
  EXPECT_EQ(app.doc.files.recent[1], kEmptyRecent);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(OpenAtStartUp, AFileThatCannotBeOpenedIsNamedWithTheReasonAndStaysOffTheRecentList) {
  testing_files::WriteBytes(dir.Path("odd.bin"), testing_files::Counting(1000));
  testing_files::WriteBytes(dir.Path("empty.chr"), "");
  std::filesystem::create_directories(dir.Path("folder.chr"));
  const std::string accepted =
      "; the editor opens 2048 byte .chr files,\r\n2050 byte .prg files and CharPad projects (.ctm).";
  const struct {
    std::string name;
    std::string reason;
  } cases[] = {
      {"odd.bin", "It is 1000 bytes long" + accepted},
      {"empty.chr", "It is 0 bytes long" + accepted},
      {"folder.chr", "It is a folder" + accepted},
      {"absent.chr", "There is no such file."},
  };
  const std::string before = Editor();
  for (const auto& c : cases) {
    dialogs.calls.clear();
    OpenFileAtStartUp(app, dir.Path(c.name));
    ASSERT_EQ(dialogs.calls.size(), 1u) << c.name;
    EXPECT_EQ(LastCall().title, "File Error!");
    EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
    EXPECT_EQ(LastCall().text,
              "The file named on the command line cannot be opened:\r\n\r\n" + dir.Path(c.name) + "\r\n\r\n" + c.reason);
  }
  EXPECT_EQ(Editor(), before);
  EXPECT_EQ(app.doc.files.recent[0], kEmptyRecent);
}

}  // namespace
}  // namespace kx
