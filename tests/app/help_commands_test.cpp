#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/app.h"
#include "app/run_command.h"
#include "tests/app/file_test_support.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

namespace fs = std::filesystem;
using testing_files::FileCommandTest;

// Help runs in a fresh current directory beside an installed tree <dir>/usr/{bin,share/doc/kestrelix}.
class HelpTest : public FileCommandTest {
 protected:
  HelpTest() : previous_(fs::current_path()) {
    fs::create_directories(dir.Path("usr/bin"));
    fs::create_directories(dir.Path("work"));
    fs::current_path(dir.Path("work"));
    app.shell.programDir = dir.Path("usr/bin");
  }
  ~HelpTest() override { fs::current_path(previous_); }

  std::string InstallManual() {
    fs::create_directories(dir.Path("usr/share/doc/kestrelix/manual"));
    const std::string manual = dir.Path("usr/share/doc/kestrelix/manual/index.html");
    std::ofstream(manual) << "<html></html>";
    return manual;
  }

  void ExpectWarning(const std::string& text) const {
    EXPECT_EQ(LastCall().kind, DialogKind::Message);
    EXPECT_EQ(LastCall().title, "Kestrelix");
    EXPECT_EQ(LastCall().text, text);
    EXPECT_EQ(LastCall().buttons, MessageButtons::Ok);
    EXPECT_EQ(LastCall().icon, MessageIcon::Warning);
  }

 private:
  fs::path previous_;
};

TEST_F(HelpTest, OpensTheInstalledManualWhenNoHelpFileIsHere) {
  const std::string manual = InstallManual();
  dialogs.desktopAnswers.push_back(true);
  RunCommand(app, cmd::Help);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::OpenWithDesktop);
  EXPECT_EQ(dialogs.calls[0].text, manual);
}

TEST_F(HelpTest, AHelpFileInTheWorkingFolderWinsOverTheManual) {
  InstallManual();
  std::ofstream("kstr-help.chm") << "help";
  dialogs.desktopAnswers.push_back(true);
  RunCommand(app, cmd::Help);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "kstr-help.chm");
}

TEST_F(HelpTest, NothingToOpenIsSaidInAMessageBox) {
  RunCommand(app, cmd::Help);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  ExpectWarning("No help was found.\r\n\r\nThere is no kstr-help.chm in the working folder, and the manual is "
                "not installed at\r\n" + dir.Path("usr/share/doc/kestrelix/manual/index.html"));

  app.shell.programDir.clear();
  RunCommand(app, cmd::Help);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  ExpectWarning("No help was found.\r\n\r\nThere is no kstr-help.chm in the working folder, and the installed "
                "manual could not be located.");
}

TEST_F(HelpTest, ADesktopThatRefusesTheHelpIsReported) {
  const std::string manual = InstallManual();
  dialogs.desktopAnswers.push_back(false);
  RunCommand(app, cmd::Help);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(dialogs.calls[0].kind, DialogKind::OpenWithDesktop);
  ExpectWarning("The help could not be opened:\r\n\r\n" + manual + "\r\n\r\nThe desktop has no program that shows it.");
}

TEST(HelpCommands, HandTheWebPagesToTheDesktop) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  dialogs.desktopAnswers = {true, true};
  RunCommand(app, cmd::SupportForum);
  RunCommand(app, cmd::WebSite);
  ASSERT_EQ(dialogs.calls.size(), 2u);
  const char* expected[] = {"https://kestrelix.example/forum", "https://kestrelix.example/"};
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(dialogs.calls[i].kind, DialogKind::OpenWithDesktop);
    EXPECT_EQ(dialogs.calls[i].text, expected[i]);
  }
}

TEST(HelpCommands, AboutAsksForTheWindow) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  RunCommand(app, cmd::About);
  EXPECT_TRUE(app.shell.requests.openAbout);
  EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace kx
