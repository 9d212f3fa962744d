#pragma once

#include <functional>
#include <memory>

#include "app/app.h"

namespace kx {

class MainWindow;

// Pauses for the given milliseconds while the windows keep painting.
using StartupWait = std::function<void(int ms)>;
void WaitWhilePainting(int ms);

// Brings the editor up: the start-up window with its progress lines, then the main window, shown as the
// App's placement says, with its title and the keyboard focus in the editor view.
std::unique_ptr<MainWindow> StartUp(App& app, const StartupWait& wait = WaitWhilePainting);

}  // namespace kx
