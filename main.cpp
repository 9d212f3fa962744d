#include <QApplication>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_line.h"
#include "app/settings.h"
#include "app/settings_location.h"
#include "gui/main_window.h"
#include "gui/import_dialogs.h"
#include "gui/program_icon.h"
#include "gui/qt_dialogs.h"
#include "gui/startup.h"
#include "windows/about_texts.h"

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

int main(int argc, char** argv) {
  // Read before the window system is touched: --help, --version and errors need no display and leave the
  // settings file alone.
  const kx::StartRequest request =
      kx::ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                          {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")},
                          std::cout, std::cerr);
  if (request.exitStatus) return *request.exitStatus;

  QApplication qt(argc, argv);
  kx::UseProgramIconForAllWindows();
  kx::App app;
  // This file is compiled again whenever the program's libraries change (see CMakeLists.txt).
  app.shell.buildDateTime = kx::FormatBuildDateTime(__DATE__, __TIME__);
  kx::QtDialogs dialogs(nullptr);
  app.shell.dialogs = &dialogs;
  // A start from the desktop menu happens in the home folder: the settings then live in the user's
  // configuration folder, made here when missing; without it the run reads no settings, and the failed
  // write at exit tells the user why.
  const kx::SettingsLocation location =
      kx::ChooseSettingsLocation(request.launch, {Variable("HOME"), Variable("XDG_CONFIG_HOME")});
  const std::string settingsPath = kx::MakeSettingsFolder(location) ? location.settingsPath : "";
  app.shell.startFolder = location.startFolder;
  kx::QtImportDialogs importDialogs(nullptr);
  app.shell.importDialogs = &importDialogs;
  const auto window = kx::StartUp(app, kx::WaitWhilePainting, settingsPath);
  dialogs.SetParent(window.get());
  importDialogs.SetParent(window.get());
  kx::OpenStartUpFile(app, *window, request.file);
  const int status = qt.exec();
  kx::ShutDown(app, *window, location.settingsPath);
  return status;
}
