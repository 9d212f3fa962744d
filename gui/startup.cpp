#include "gui/startup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <utility>
#include <vector>

#include "app/charset_loading.h"
#include "app/settings.h"
#include "app/event_flow.h"
#include "gui/canvas_widget.h"
#include "gui/frame_pacer.h"
#include "gui/main_window.h"
#include "gui/startup_window.h"
#include "windows/startup_window.h"

namespace kx {
namespace {

constexpr int kFrameWaitMs = 500;
// How long a message about the start-up file waits for the window to be shown.
constexpr int kExposeWaitMs = 1000;

// The placement brought within the screens the window system reports now, with room for `frame`.
WindowPlacement FittedToScreens(const WindowPlacement& placement, const FrameMargins& frame) {
  std::vector<Rect> areas;
  int primary = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen == QGuiApplication::primaryScreen()) primary = static_cast<int>(areas.size());
    const QRect r = screen->availableGeometry();
    areas.push_back({r.x(), r.y(), r.width(), r.height()});
  }
  return FitToScreens(placement, areas, primary, frame);
}

// The frame the window system put around the shown window; all zero until it has reported one.
FrameMargins FrameOf(const QWidget& window) {
  const QRect outer = window.frameGeometry();
  const QRect inner = window.geometry();
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

// Quits its loop as soon as `done` holds, whatever event of the window brings the news.
class WindowWatch : public QObject {
 public:
  WindowWatch(QEventLoop& loop, std::function<bool()> done) : loop_(loop), done_(std::move(done)) {}

 protected:
  bool eventFilter(QObject*, QEvent*) override {
    if (done_()) loop_.quit();
    return false;
  }

 private:
  QEventLoop& loop_;
  std::function<bool()> done_;
};

// Sleeps until events come, and returns once `done` holds or after `ms` at most: no spinning while the
// window system takes its time.
void WaitForWindow(QWidget& window, int ms, const std::function<bool()>& done) {
  if (done()) return;
  QEventLoop loop;
  WindowWatch watch(loop, done);
  window.installEventFilter(&watch);
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  window.removeEventFilter(&watch);
}

// Frames are known only once the window shows, and a window manager reports them a moment later: wait for
// it (sleeping until events come, for half a second at most), then fit the wanted placement again with the
// real frame so that title bar, borders and status bar all lie on the screen.
void RefitWithFrame(MainWindow& window, WindowPlacement& applied, const WindowPlacement& wanted) {
  if (applied.maximize || applied.fullscreen) return;
  WaitForWindow(window, kFrameWaitMs, [&window] { return FrameOf(window).top != 0; });
  const WindowPlacement refitted = FittedToScreens(wanted, FrameOf(window));
  if (refitted.x == applied.x && refitted.y == applied.y && refitted.clientWidth == applied.clientWidth &&
      refitted.clientHeight == applied.clientHeight) {
    return;
  }
  applied = refitted;
  window.move(applied.x, applied.y);
  window.resize(applied.clientWidth, applied.clientHeight);
}

void ShowMainWindow(MainWindow& window, const WindowPlacement& p) {
  window.move(p.x, p.y);
  window.resize(p.clientWidth, p.clientHeight);
  if (p.fullscreen) {
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.showMaximized();
  } else if (p.maximize) {
    window.showMaximized();
  } else {
    window.show();
  }
  window.activateWindow();
}

}  // namespace

void WaitWhilePainting(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

std::unique_ptr<MainWindow> StartUp(App& app, const StartupWait& wait, const std::string& settingsPath) {
  app.shell.programDir = QCoreApplication::applicationDirPath().toStdString();
  StartupWindow splash;
  splash.show();
  QCoreApplication::processEvents();
  if (!settingsPath.empty()) ApplySettings(app, ReadOrCreateSettings(settingsPath));

  RenderStartupPictures(app);
  auto window = std::make_unique<MainWindow>(app);  // created hidden
  for (const char* text : kStartupProgressTexts) {
    splash.ShowProgress(text);
    wait(kStartupPauseMs);
  }

  window->LayOut();
  splash.close();
  // What is applied is what the settings file gets back at exit.
  const WindowPlacement wanted = app.shell.placement;
  app.shell.placement = FittedToScreens(wanted, {});
  ShowMainWindow(*window, app.shell.placement);
  RefitWithFrame(*window, app.shell.placement, wanted);

  RefreshTitle(app);
  window->SyncFromApp();
  window->EditorCanvas()->setFocus();
  window->LayOut();
  return window;
}

void OpenStartUpFile(App& app, MainWindow& window, const std::string& file) {
  if (file.empty()) return;
  // A message about the file comes up over a finished window: wait until the window system shows the window,
  // then draw it whole before anything modal starts.
  WaitForWindow(window, kExposeWaitMs,
                [&window] { return window.windowHandle() != nullptr && window.windowHandle()->isExposed(); });
  QCoreApplication::processEvents();
  window.update();
  window.Pacer()->PaintNow();
  OpenFileAtStartUp(app, file);
  window.SyncFromApp();
}

void ShutDown(const App& app, const MainWindow& window, const std::string& settingsPath) {
  if (!settingsPath.empty()) WriteSettingsOrTell(settingsPath, app, window.CurrentPlacement());
}

}  // namespace kx
