#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>
#include <fstream>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/font_preview_commands.h"
#include "app/run_command.h"
#include "gui/about_window.h"
#include "gui/auxiliary_windows.h"
#include "gui/canvas_widget.h"
#include "gui/font_preview_window.h"
#include "gui/main_window.h"
#include "gui/screen_editor_window.h"
#include "gui/startup_window.h"

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

// The text lines of a tab page, from the top down.
std::vector<QLabel*> TextLines(QWidget* page) {
  std::vector<QLabel*> lines;
  for (QLabel* label : page->findChildren<QLabel*>())
    if (label->pixmap().isNull()) lines.push_back(label);
  std::sort(lines.begin(), lines.end(), [](QLabel* a, QLabel* b) { return a->y() < b->y(); });
  return lines;
}

struct Line {
  int x, y;
  std::string text;
};

void ExpectLines(QWidget* page, const std::vector<Line>& expected) {
  const std::vector<QLabel*> lines = TextLines(page);
  ASSERT_EQ(lines.size(), expected.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(expected[i].text);
    EXPECT_EQ(lines[i]->geometry(), QRect(expected[i].x, expected[i].y, 429, 16));
    EXPECT_EQ(lines[i]->text().toStdString(), expected[i].text);
    // "< Code >" is text, not a tag: only plain text shows it.
    EXPECT_EQ(lines[i]->textFormat(), Qt::PlainText);
    EXPECT_EQ(lines[i]->alignment(), Qt::AlignCenter);
  }
}

TEST(AboutWindow, PagesShowTheirLinesAsPlainTextInTheirRows) {
  App app;
  MainWindow window(app);
  AboutWindow about(&window, "07/12/2025, 08:09:01");
  ExpectLines(about.Tabs()->widget(0), {{2, 276, "Kestrelix - C64 Character Editor 1.0 (x64)"},
                                        {2, 292, "Build Date/Time: 07/12/2025, 08:09:01"},
                                        {2, 308, "Code, pictures and icons: the Kestrelix developers"},
                                        {2, 324, "C64 character ROM courtesy of its original makers"}});
  EXPECT_EQ(about.Logo()->geometry(), QRect(82, 2, 269, 269));

  // Twenty rows from y = 16; those at y = 96 and y = 160 are empty.
  ExpectLines(about.Tabs()->widget(1),
              {{1, 16, "-  - --+-+-+-+-+-+-< Kestrelix >-+-+-+-+-+-+-- -  -"},
               {1, 32, "A Cross Dev C64 Hires Character Editor"},
               {1, 48, "for drawing, transforming and testing charsets"},
               {1, 64, "-  - --+-+-+-+-+-+-< Code >-+-+-+-+-+-+-- -  -"},
               {1, 80, "The Kestrelix developers"},
               {1, 112, "-  - --+-+-+-+-+-+-< Testing >-+-+-+-+-+-+-- -  -"},
               {1, 128, "Everyone who tried the early builds"},
               {1, 144, "and reported what went wrong"},
               {1, 176, "-  - --+-+-+-+-+-+-< Thanks >-+-+-+-+-+-+-- -  -"},
               {1, 192, "The authors of the open-source libraries"},
               {1, 208, "that draw its windows and read its pictures"},
               {1, 224, "-  - --+-+-+-+-+-+-< Greetings >-+-+-+-+-+-+-- -  -"},
               {1, 240, "To everyone still making charsets,"},
               {1, 256, "demos and games for the C64"},
               {1, 272, "and to everyone keeping the old machines running"},
               {1, 288, "-  - --+-+-+-+-+-+-< Kestrelix >-+-+-+-+-+-+-- -  -"},
               {1, 304, "Thank you for using it!"},
               {1, 320, "Happy pixelling, one glyph at a time"}});
}

TEST(ProgramTexts, EveryLabelOfEveryWindowShowsItsTextAsPlainText) {
  App app;
  MainWindow window(app);
  RunCommand(app, cmd::ScreenEditor);
  window.SyncFromApp();
  ASSERT_NE(window.ScreenEditor(), nullptr);
  AboutWindow about(&window, "07/12/2025, 08:09:01");
  StartupWindow startup;
  for (QWidget* top : std::initializer_list<QWidget*>{&window, window.ScreenEditor(), &about, &startup}) {
    int texts = 0;
    for (QLabel* label : TextLines(top)) {
      ++texts;
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
    }
    EXPECT_GT(texts, 0) << top->windowTitle().toStdString();
  }
  window.ScreenEditor()->close();
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
