#include "gui/startup.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include <vector>

#include "app/settings.h"
#include "app/redraw.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/startup_window.h"
#include "windows/startup_window.h"

namespace kx {
namespace {

// The placement brought within the screens the window system reports now.
WindowPlacement FittedToScreens(const WindowPlacement& placement) {
  std::vector<Rect> areas;
  int primary = 0;
  for (const QScreen* screen : QGuiApplication::screens()) {
    if (screen == QGuiApplication::primaryScreen()) primary = static_cast<int>(areas.size());
    const QRect r = screen->availableGeometry();
    areas.push_back({r.x(), r.y(), r.width(), r.height()});
  }
  return FitToScreens(placement, areas, primary);
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
  app.shell.placement = FittedToScreens(app.shell.placement);
  ShowMainWindow(*window, app.shell.placement);

  RefreshTitle(app);
  window->SyncFromApp();
  window->EditorCanvas()->setFocus();
  window->LayOut();
  return window;
}

}  // namespace kx
