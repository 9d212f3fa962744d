#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "app/command_line.h"
#include "app/file_test_support.h"
#include "app/command_ids.h"
#include "app/image_commands.h"
#include "app/run_command.h"
#include "app/settings_location.h"
#include "io/image_dump.h"

namespace kx {
namespace {

TEST(SettingsLocation, TerminalStartsKeepTheWorkingFolderDesktopStartsUseTheConfigurationFolder) {
  struct Case {
    LaunchMode mode;
    LaunchEnvironment env;
    SettingsLocation expected;
  };
  const Case cases[] = {
      {LaunchMode::Terminal, {"/home/ann", "/home/ann/cfg"}, {"kstr.ini", "", ""}},
      {LaunchMode::Desktop, {"/home/ann", "/home/ann/cfg"},
       {"/home/ann/cfg/kestrelix/kstr.ini", "/home/ann/cfg/kestrelix", "/home/ann"}},
      {LaunchMode::Desktop, {"/home/ann/", "/xdg/"}, {"/xdg/kestrelix/kstr.ini", "/xdg/kestrelix", "/home/ann"}},
      {LaunchMode::Desktop, {"/home/ann", ""},
       {"/home/ann/.config/kestrelix/kstr.ini", "/home/ann/.config/kestrelix", "/home/ann"}},
      // A relative XDG_CONFIG_HOME is to be ignored.
      {LaunchMode::Desktop, {"/home/ann", "cfg"},
       {"/home/ann/.config/kestrelix/kstr.ini", "/home/ann/.config/kestrelix", "/home/ann"}},
      // Without a usable home there is nowhere else to go.
      {LaunchMode::Desktop, {"", "/xdg"}, {"kstr.ini", "", ""}},
      {LaunchMode::Desktop, {"ann", ""}, {"kstr.ini", "", ""}},
  };
  for (const Case& c : cases) {
    const SettingsLocation got = ChooseSettingsLocation(c.mode, c.env);
    EXPECT_EQ(got.settingsPath, c.expected.settingsPath) << c.env.home << " " << c.env.xdgConfigHome;
    EXPECT_EQ(got.settingsFolder, c.expected.settingsFolder) << c.env.home << " " << c.env.xdgConfigHome;
    EXPECT_EQ(got.startFolder, c.expected.startFolder) << c.env.home << " " << c.env.xdgConfigHome;
  }
}

TEST(SettingsLocation, TheMissingFolderIsMadeWithItsParentsAndABlockedOneIsReported) {
  testing_files::TempDir dir;
  const SettingsLocation location = ChooseSettingsLocation(LaunchMode::Desktop, {dir.Path("home"), ""});
  EXPECT_TRUE(MakeSettingsFolder(location));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path("home/.config/kestrelix")));
  EXPECT_TRUE(MakeSettingsFolder(location));  // already there

  testing_files::WriteBytes(dir.Path("file"), "x");
  EXPECT_FALSE(MakeSettingsFolder(ChooseSettingsLocation(LaunchMode::Desktop, {dir.Path("home"), dir.Path("file")})));
  EXPECT_TRUE(MakeSettingsFolder(ChooseSettingsLocation(LaunchMode::Terminal, {})));
}

TEST(SettingsLocation, TheDesktopSwitchIsReadFromTheCommandLine) {
  std::ostringstream out, err;
  const DisplayEnvironment x11{"", ":0", ""};
  EXPECT_EQ(ReadCommandLine({"a.chr"}, x11, out, err).launch, LaunchMode::Terminal);
  const StartRequest desktop = ReadCommandLine({"--desktop", "a.chr"}, x11, out, err);
  EXPECT_EQ(desktop.launch, LaunchMode::Desktop);
  EXPECT_EQ(desktop.file, "a.chr");
  EXPECT_EQ(ReadCommandLine({"--", "--desktop"}, x11, out, err).file, "--desktop");
  EXPECT_EQ(err.str(), "");
}

using StartFolder = testing_files::FileCommandTest;

TEST_F(StartFolder, RequestersAndDumpsStartThereUntilAFolderIsRemembered) {
  app.shell.startFolder = dir.Path("home");
  std::filesystem::create_directories(app.shell.startFolder);
  AnswerCancel();
  RunCommand(app, cmd::Open);
  AnswerCancel();
  RunCommand(app, cmd::SaveAs);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].proposedPath, app.shell.startFolder + "/");
  EXPECT_EQ(dialogs.calls[1].proposedPath, app.shell.startFolder + "/untitled");

  DumpCharsetToFile(app, ImageFormat::Png);
  EXPECT_TRUE(std::filesystem::exists(app.shell.startFolder + "/untitled.png"));

  app.doc.store.lastDirectory = dir.Dir();
  AnswerCancel();
  RunCommand(app, cmd::Open);
  EXPECT_EQ(LastCall().proposedPath, dir.Dir());
}

}  // namespace
}  // namespace kx
