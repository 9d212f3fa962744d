#pragma once
// The editor's command line and the checks made before any window exists: --help and --version print
// and end the program without reading or writing the settings file, an unknown option is an error, and a
// missing display is reported in one line instead of letting the window system abort.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/settings_location.h"

namespace kx {

// The environment variables that decide whether the window system can be reached.
struct DisplayEnvironment {
  std::string platform;        // QT_QPA_PLATFORM
  std::string display;         // DISPLAY
  std::string waylandDisplay;  // WAYLAND_DISPLAY
};

// False when the platform plugin that would be used needs a display server that none of the variables
// names. Platforms without a server (offscreen, minimal, vnc, ...) always count as reachable.
bool DisplayReachable(const DisplayEnvironment& env);

inline constexpr const char* kNoDisplayMessage = "kestrelix: cannot open a display (is DISPLAY set?)";

// What the start-up should do.
struct StartRequest {
  std::optional<int> exitStatus;  // set: end the program with this status, no window
  std::string file;               // a charset file to open once the main window is up (empty: none)
  LaunchMode launch = LaunchMode::Terminal;  // --desktop: started from the desktop's menu or file manager
};

// Reads the arguments after the program name. Help goes to `out`; errors and the usage after them go to
// `err`. The display is only looked at when a window is wanted.
StartRequest ReadCommandLine(const std::vector<std::string>& args, const DisplayEnvironment& env,
                             std::ostream& out, std::ostream& err);

}  // namespace kx
