#include <gtest/gtest.h>

#include "app/app.h"
#include "app/run_command.h"

namespace kx {
namespace {

TEST(HelpCommands, HandTheHelpFileAndWebPagesToTheDesktop) {
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  RunCommand(app, cmd::Help);
  RunCommand(app, cmd::SupportForum);
  RunCommand(app, cmd::WebSite);
  ASSERT_EQ(dialogs.calls.size(), 3u);
  const char* expected[] = {"kstr-help.chm", "https://kestrelix.example/forum", "https://kestrelix.example/"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dialogs.calls[i].kind, DialogKind::OpenWithDesktop);
    EXPECT_EQ(dialogs.calls[i].text, expected[i]);
  }
  // A failed desktop request (the scripted answer is false) shows no message of ours.
  EXPECT_FALSE(app.shell.requests.openAbout);
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
