#include "gui/editor_run.h"

#include <QApplication>

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

#include "app/app.h"
#include "app/command_line.h"
#include "app/editor_input.h"
#include "app/recovery.h"
#include "app/recovery_offer.h"
#include "app/settings.h"
#include "app/settings_location.h"
#include "gui/import_dialogs.h"
#include "gui/main_window.h"
#include "gui/program_icon.h"
#include "gui/qt_dialogs.h"
#include "gui/recovery_box.h"
#include "gui/recovery_keeper.h"
#include "gui/signal_watch.h"
#include "gui/startup.h"

namespace kx {
namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

}  // namespace

int RunEditor(int argc, char** argv, const EditorRun& run) {
  // Read before the window system is touched: --help, --version and errors need no display and leave the
  // settings file alone.
  const StartRequest request =
      ReadCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                      {Variable("QT_QPA_PLATFORM"), Variable("DISPLAY"), Variable("WAYLAND_DISPLAY")}, std::cout,
                      std::cerr);
  if (request.exitStatus) return *request.exitStatus;

  QApplication qt(argc, argv);
  UseProgramIconForAllWindows();
  App app;
  app.shell.buildDateTime = run.buildDateTime;
  QtDialogs dialogs(nullptr);
  app.shell.dialogs = &dialogs;
  // A start from the desktop menu happens in the home folder: the settings then live in the user's
  // configuration folder, made here when missing; without it the run reads no settings, and the failed
  // write at exit tells the user why.
  const SettingsLocation location =
      ChooseSettingsLocation(request.launch, {Variable("HOME"), Variable("XDG_CONFIG_HOME")});
  const std::string settingsPath = MakeSettingsFolder(location) ? location.settingsPath : "";
  app.shell.startFolder = location.startFolder;
  QtImportDialogs importDialogs(nullptr);
  app.shell.importDialogs = &importDialogs;
  // Without a folder for them the run keeps no recovery copies and goes on as before.
  StartRecovery(app.shell.recovery, ChooseRecoveryFolder(Variable("HOME"), Variable("XDG_STATE_HOME")), NewRunId(),
                RecoveryDelayFrom(Variable(kRecoveryDelayVariable)));
  // A signal ends the run on the event loop, wherever it stands (start-up, a modal box): the work and the
  // settings are written and the process ends at once, so nothing of the interrupted flow goes on.
  std::unique_ptr<MainWindow> window;
  SignalWatch signalWatch([&](int signal) {
    TakeDownRubberBand(app);
    WriteRecoveryCopiesNow(app);
    if (!settingsPath.empty()) {
      WriteSettingsAtExit(settingsPath, app, window ? window->CurrentPlacement() : app.shell.placement);
    }
    _exit(128 + signal);
  });
  window = StartUp(app, WaitWhilePainting, settingsPath);
  dialogs.SetParent(window.get());
  importDialogs.SetParent(window.get());
  // Work named on the command line is on disk already; a recovered charset replaces it in the editor,
  // never the other way round.
  OpenStartUpFile(app, *window, request.file);
  QtRecoveryBox qtBox(window.get());
  OfferRecoveryCopies(app, run.recoveryBox ? *run.recoveryBox : qtBox);
  window->SyncFromApp();

  RecoveryKeeper keeper(app);
  if (run.started) run.started(app, *window);
  const int status = qt.exec();
  ShutDown(app, *window, location.settingsPath);
  // Every unsaved charset was saved or given up by the user's answer to the quit question.
  EndRecovery(app.shell.recovery);
  return status;
}

}  // namespace kx
