#include <gtest/gtest.h>

#include "app/app.h"
#include "app/help_commands.h"

namespace kx {
namespace {

TEST(HelpCommands, HandTheHelpFileAndWebPagesToTheDesktop) {
  App app;
  ScriptedDialogs dialogs;
  app.dialogs = &dialogs;
  EXPECT_TRUE(RunHelpCommand(app, cmd::Help));
  EXPECT_TRUE(RunHelpCommand(app, cmd::SupportForum));
  EXPECT_TRUE(RunHelpCommand(app, cmd::WebSite));
  ASSERT_EQ(dialogs.calls.size(), 3u);
  const char* expected[] = {"kstr-help.chm", "https://kestrelix.example/forum", "https://kestrelix.example/"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(dialogs.calls[i].kind, DialogKind::OpenWithDesktop);
    EXPECT_EQ(dialogs.calls[i].text, expected[i]);
  }
  // A failed desktop request (the scripted answer is false) shows no message of ours.
  EXPECT_FALSE(app.requests.openAbout);
}

TEST(HelpCommands, AboutAsksForTheWindowAndOtherCommandsAreNotTaken) {
  App app;
  ScriptedDialogs dialogs;
  app.dialogs = &dialogs;
  EXPECT_TRUE(RunHelpCommand(app, cmd::About));
  EXPECT_TRUE(app.requests.openAbout);
  EXPECT_FALSE(RunHelpCommand(app, cmd::Preview1x2));
  EXPECT_TRUE(dialogs.calls.empty());
}

}  // namespace
}  // namespace kx
