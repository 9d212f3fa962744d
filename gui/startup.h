#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/app.h"

namespace kx {

class MainWindow;

// Pauses for the given milliseconds while the windows keep painting.
using StartupWait = std::function<void(int ms)>;
void WaitWhilePainting(int ms);

// Brings the editor up: the start-up window with its progress lines, the settings file read (or created)
// from `settingsPath` (none when empty), then the main window, shown as the settings say, with its title and
// the keyboard focus in the editor view.
std::unique_ptr<MainWindow> StartUp(App& app, const StartupWait& wait = WaitWhilePainting,
                                    const std::string& settingsPath = "kstr.ini");

// The file named on the command line, once the main window is up and the dialogs have it as their parent:
// opened as a dropped file would be (OpenFileAtStartUp), and the window shows the result. Nothing for an
// empty name.
void OpenStartUpFile(App& app, MainWindow& window, const std::string& file);

// The end of a run, once the event loop has finished: the settings file at `settingsPath` (none when empty)
// gets the window as it is now; when it cannot be written the user is told so before the program ends.
void ShutDown(const App& app, const MainWindow& window, const std::string& settingsPath);

}  // namespace kx
