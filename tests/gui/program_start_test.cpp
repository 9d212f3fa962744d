#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWindow>

#include <filesystem>

#include "app/file_session.h"
#include "runtime/dialogs.h"
#include "io/temp_files.h"

#include "gui/about_window.h"
#include "gui/main_window.h"
#include "gui/program_icon.h"
#include "gui/startup.h"
#include "views/program_icon.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

TEST(StartUpWithFile, TheNamedFileIsOpenWhenTheWindowShowsAndIsOnTheRecentList) {
  testing_files::TempDir dir;
  const std::string path = dir.Path("start.chr");
  testing_files::WriteBytes(path, testing_files::Counting(2048, 5));
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  OpenStartUpFile(app, *window, path);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrelix 1.0 (x64) - " + path);
  EXPECT_EQ(app.doc.store.editor[0], 5);
  EXPECT_EQ(app.doc.files.recent[0], path);
  EXPECT_FALSE(app.shell.requests.focusEditor);  // handed over to the window
}

// Records whether the main window had been shown and drawn when a message box came up.
class PaintWatch : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
  int paints = 0;
};

struct WatchingDialogs : ScriptedDialogs {
  MessageAnswer ShowMessage(const std::string& title, const std::string& text, MessageButtons buttons,
                            MessageIcon icon) override {
    exposedAtMessage = window && window->windowHandle() && window->windowHandle()->isExposed();
    paintsAtMessage = watch.paints;
    return ScriptedDialogs::ShowMessage(title, text, buttons, icon);
  }
  QWidget* window = nullptr;
  PaintWatch watch;
  bool exposedAtMessage = false;
  int paintsAtMessage = 0;
};

TEST(StartUpWithFile, AFileThatCannotBeOpenedIsReportedOverTheDrawnWindow) {
  testing_files::TempDir dir;
  App app;
  WatchingDialogs dialogs;
  app.shell.dialogs = &dialogs;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  dialogs.window = window.get();
  window->installEventFilter(&dialogs.watch);
  OpenStartUpFile(app, *window, dir.Path("absent.chr"));
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_NE(dialogs.calls[0].text.find(dir.Path("absent.chr")), std::string::npos);
  EXPECT_TRUE(dialogs.exposedAtMessage);
  EXPECT_GT(dialogs.paintsAtMessage, 0);
}

TEST(StartUpWithFile, WithoutAFileTheEditorStartsUntitled) {
  App app;
  app.shell.placement.maximize = false;
  const auto window = StartUp(app, [](int) {}, "");
  OpenStartUpFile(app, *window, "");
  EXPECT_EQ(window->windowTitle().toStdString(), "Kestrelix 1.0 (x64) - untitled charset 1");
  EXPECT_EQ(app.doc.files.recent[0], kEmptyRecent);
}

TEST(ShutDown, ASettingsFileThatCannotBeWrittenIsReportedOnTheWayOut) {
  testing_files::TempDir dir;
  const std::string path = dir.Path("kstr.ini");
  std::filesystem::create_directory(path);  // cannot be read or replaced, not even by root
  App app;
  ScriptedDialogs dialogs;
  app.shell.dialogs = &dialogs;
  const auto window = StartUp(app, [](int) {}, path);
  EXPECT_TRUE(dialogs.calls.empty());  // nothing is lost yet
  window->close();
  ShutDown(app, *window, path);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_NE(dialogs.calls[0].text.find(path), std::string::npos) << dialogs.calls[0].text;
}

// The pixels of `icon` at `size` as 0xAARRGGBB words.
std::vector<std::uint32_t> Pixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size, size).toImage().convertToFormat(QImage::Format_ARGB32);
  std::vector<std::uint32_t> pixels;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) pixels.push_back(image.pixel(x, y));
  }
  return pixels;
}

TEST(ProgramIcon, EveryWindowShowsTheKestrelAtEachSizeUnscaled) {
  UseProgramIconForAllWindows();
  App app;
  MainWindow main(app);
  AboutWindow about(nullptr, "");
  for (const QWidget* window : std::initializer_list<const QWidget*>{&main, &about}) {
    for (int size : {16, 32, 48, 64, 128, 256}) {
      EXPECT_EQ(Pixels(window->windowIcon(), size), ProgramIconPicture(size).pixels) << size;
    }
  }
  QApplication::setWindowIcon(QIcon());
}

}  // namespace
}  // namespace kx
