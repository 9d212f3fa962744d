#include <QApplication>

#include "app/app.h"
#include "app/settings.h"
#include "runtime/qt/main_window.h"
#include "runtime/qt/qt_dialogs.h"
#include "runtime/qt/startup.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kx::App app;
  kx::QtDialogs dialogs(nullptr);
  app.dialogs = &dialogs;
  const auto window = kx::StartUp(app, kx::WaitWhilePainting, kx::kSettingsFileName);
  dialogs.SetParent(window.get());
  const int status = qt.exec();
  kx::WriteSettingsAtExit(kx::kSettingsFileName, app, window->CurrentPlacement());
  return status;
}
