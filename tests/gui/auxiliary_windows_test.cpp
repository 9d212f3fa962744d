#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/font_preview_commands.h"
#include "app/run_command.h"
#include "gui/about_window.h"
#include "gui/auxiliary_windows.h"
#include "gui/canvas_widget.h"
#include "gui/font_preview_window.h"
#include "gui/main_window.h"

namespace kx {
namespace {

TEST(AboutWindow, OpensOnCreditsAndReadsTheChangelogAgainEachTime) {
  const auto path = std::filesystem::temp_directory_path() / "kx_about_window_changelog.txt";
  std::ofstream(path) << "1.0 first";
  App app;
  MainWindow window(app);
  AboutWindow about(&window, "07/12/2025, 08:09:01");
  EXPECT_EQ(about.windowTitle().toStdString(), "About Kestrelix");
  EXPECT_EQ(about.size(), QSize(435, 400));
  EXPECT_EQ(about.windowModality(), Qt::ApplicationModal);
  ASSERT_EQ(about.Tabs()->count(), 3);
  EXPECT_EQ(about.Tabs()->tabText(2).toStdString(), "Changelog");

  about.Open(path.string());
  EXPECT_TRUE(about.isVisible());
  EXPECT_EQ(about.Tabs()->currentIndex(), 0);
  EXPECT_EQ(about.ChangelogBox()->toPlainText().toStdString(), "1.0 first");
  about.Tabs()->setCurrentIndex(2);
  about.close();

  std::ofstream(path) << "1.1 second";
  about.Open(path.string());
  EXPECT_EQ(about.Tabs()->tabText(about.Tabs()->currentIndex()).toStdString(), "Credits");
  EXPECT_EQ(about.ChangelogBox()->toPlainText().toStdString(), "1.1 second");
  about.close();

  std::filesystem::remove(path);
  about.Open(path.string());
  EXPECT_EQ(about.ChangelogBox()->toPlainText().toStdString(), "No changelog.txt was found...");
  EXPECT_TRUE(about.ChangelogBox()->isReadOnly());
  about.close();
}

TEST(AuxiliaryWindows, AboutCommandOpensTheWindowOnTheNextSync) {
  App app;
  MainWindow window(app);
  RunCommand(app, cmd::About);
  window.SyncFromApp();
  EXPECT_TRUE(window.Auxiliary()->About()->isVisible());
  EXPECT_FALSE(app.shell.requests.openAbout);
  window.Auxiliary()->About()->close();
}

TEST(AuxiliaryWindows, AboutShowsTheInstalledChangelogBesideTheProgram) {
  // The tests run where no changelog.txt lies, as an installed program started from a home folder.
  ASSERT_FALSE(std::filesystem::exists("changelog.txt"));
  const auto tree = std::filesystem::temp_directory_path() / "kx_installed_changelog";
  std::filesystem::create_directories(tree / "bin");
  std::filesystem::create_directories(tree / "share/doc/kestrelix");
  std::ofstream(tree / "share/doc/kestrelix/changelog.txt") << "2.0 installed";
  App app;
  app.shell.programDir = (tree / "bin").string();
  MainWindow window(app);
  RunCommand(app, cmd::About);
  window.SyncFromApp();
  AboutWindow* about = window.Auxiliary()->About();
  EXPECT_EQ(about->ChangelogBox()->toPlainText().toStdString(), "2.0 installed");
  about->close();

  app.shell.programDir = (tree / "opt/bin").string();  // nothing installed beside this one
  RunCommand(app, cmd::About);
  window.SyncFromApp();
  EXPECT_EQ(about->ChangelogBox()->toPlainText().toStdString(), "No changelog.txt was found...");
  about->close();
  std::filesystem::remove_all(tree);
}

TEST(FontPreviewWindow, FollowsThePreviewStateAndItsCloseBoxClosesThePreview) {
  App app;
  MainWindow window(app);
  window.show();
  FontPreviewWindow* preview = window.Auxiliary()->Preview();
  OpenFontPreview(app, PreviewKind::TwoByTwo);
  window.SyncFromApp();
  ASSERT_TRUE(preview->isVisible());
  EXPECT_EQ(preview->windowTitle().toStdString(), "Preview Auto Created Charset");
  EXPECT_EQ(preview->size(), QSize(512, 128));
  EXPECT_EQ(preview->windowModality(), Qt::NonModal);
  EXPECT_EQ(preview->Canvas()->Picture().size(), QSize(512, 128));

  // A charset change shows up once the App has recomposed the picture.
  app.doc.store.editor.fill(0xFF);
  RefreshFontPreview(app.view);
  window.SyncFromApp();
  EXPECT_NE(preview->Canvas()->Picture().pixel(100, 50) & 0xFFFFFF, 0u);

  preview->close();
  EXPECT_FALSE(app.view.preview.windowOpen);
  EXPECT_TRUE(ItemState(app, cmd::Preview2x2).enabled);
  EXPECT_FALSE(app.shell.requests.closeFontPreview);

  // Closed from the core (the screen editor opening): the window follows on the next sync.
  OpenFontPreview(app, PreviewKind::OneByTwo);
  window.SyncFromApp();
  ASSERT_TRUE(preview->isVisible());
  CloseFontPreview(app);
  window.SyncFromApp();
  EXPECT_FALSE(preview->isVisible());
}

}  // namespace
}  // namespace kx
