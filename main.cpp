#include <QApplication>

#include "app/app.h"
#include "app/settings.h"
#include "gui/main_window.h"
#include "gui/qt_dialogs.h"
#include "gui/startup.h"
#include "windows/about_texts.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kx::App app;
  // This file is compiled again whenever the program's libraries change (see CMakeLists.txt).
  app.shell.buildDateTime = kx::FormatBuildDateTime(__DATE__, __TIME__);
  kx::QtDialogs dialogs(nullptr);
  app.shell.dialogs = &dialogs;
  const auto window = kx::StartUp(app, kx::WaitWhilePainting, kx::kSettingsFileName);
  dialogs.SetParent(window.get());
  const int status = qt.exec();
  kx::WriteSettingsAtExit(kx::kSettingsFileName, app, window->CurrentPlacement());
  return status;
}
