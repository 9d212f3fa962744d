#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QTimer>

#include "io/temp_files.h"
#include "gui/main_window.h"
#include "gui/menu_bar.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

// A shown main window over an App with unsaved changes and scripted message boxes.
class MainWindowQuit : public ::testing::Test {
 protected:
  MainWindowQuit() {
    app.shell.dialogs = &dialogs;
    app.doc.store.modified = true;
    RefreshTitle(app);
    window.show();
  }

  // Chooses File > Quit from inside the event loop, as a user does, and runs the loop until the
  // application quits or `limitMs` pass. True when it quit.
  bool ChooseQuitAndRun(int limitMs) {
    QTimer::singleShot(0, &window, [this] { window.Menus()->Actions(cmd::Quit).front()->trigger(); });
    bool timedOut = false;
    QTimer::singleShot(limitMs, &window, [&timedOut] {
      timedOut = true;
      QCoreApplication::exit(1);  // unlike quit(), cannot be refused by a window
    });
    QCoreApplication::exec();
    return !timedOut;
  }

  ScriptedDialogs dialogs;
  App app;
  MainWindow window{app};
};

TEST_F(MainWindowQuit, QuitThenNoAsksOnceAndEndsTheProgram) {
  dialogs.messageAnswers = {MessageAnswer::No};
  EXPECT_TRUE(ChooseQuitAndRun(2000));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "The following is unsaved:\r\n\r\nuntitled charset 1\r\n\r\nDo you want to save?");
  EXPECT_FALSE(window.isVisible());
}

TEST_F(MainWindowQuit, QuitThenCancelKeepsRunningAndTheCloseBoxStillAsks) {
  dialogs.messageAnswers = {MessageAnswer::Cancel};
  EXPECT_FALSE(ChooseQuitAndRun(300));
  EXPECT_EQ(dialogs.calls.size(), 1u);
  EXPECT_TRUE(window.isVisible());

  dialogs.messageAnswers = {MessageAnswer::Cancel, MessageAnswer::No};
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(window.close());
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[2].text,
            "The following file has not been saved:\r\n\r\nuntitled charset 1\r\n\r\nDo you wish to save the file?");
}

TEST_F(MainWindowQuit, CloseBoxShowsWhatASaveChangedWhenTheQuitStopsAfterIt) {
  testing_files::TempDir dir;
  ApplyLoadBookkeeping(app.doc.store, dir.Path("font.chr"));
  app.doc.store.fileType = FileType::Chr;
  app.doc.store.modified = true;
  app.doc.store.memoryFlags.modified = true;
  RefreshTitle(app);
  window.SyncFromApp();
  dialogs.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Cancel};  // save this one, keep the other
  EXPECT_FALSE(window.close());
  EXPECT_EQ(dialogs.calls.size(), 2u);
  EXPECT_EQ(window.windowTitle().toStdString(), "Kestrelix 1.0 (x64) - " + dir.Path("font.chr"));
}

}  // namespace
}  // namespace kx
