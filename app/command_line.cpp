#include "app/command_line.h"

#include <ostream>
#include <string_view>

#ifndef KX_VERSION
#error "KX_VERSION must name the program's version"
#endif

namespace kx {
namespace {

constexpr std::string_view kUsage =
    "Usage: kestrelix [OPTION] [FILE]\n"
    "Edit Commodore 64 hi-res character sets.\n"
    "\n"
    "FILE is opened at start-up like a file dropped on the window: a 2048-byte .chr or a\n"
    "2050-byte .prg charset.\n"
    "\n"
    "      --desktop  started from the desktop menu: keep kstr.ini in\n"
    "                 $XDG_CONFIG_HOME/kestrelix (else ~/.config/kestrelix) and start\n"
    "                 the file requesters and unnamed picture dumps in the home folder\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Without --desktop the settings file kstr.ini is read from and written to the folder the\n"
    "editor is started in, and names without a folder are taken from there.\n";

// One entry of a platform list such as "wayland;xcb", without its arguments ("xcb:foo=1").
std::string_view PluginName(std::string_view entry) { return entry.substr(0, entry.find(':')); }

bool PluginReachable(std::string_view plugin, const DisplayEnvironment& env) {
  if (plugin == "xcb") return !env.display.empty();
  if (plugin.starts_with("wayland")) return !env.waylandDisplay.empty();
  return true;
}

}  // namespace

bool DisplayReachable(const DisplayEnvironment& env) {
  // Without a platform named, the window system picks Wayland when its variable is set, X11 otherwise.
  if (env.platform.empty()) return !env.display.empty() || !env.waylandDisplay.empty();
  // A list is tried in order until one plugin starts.
  std::string_view list = env.platform;
  while (!list.empty()) {
    const std::size_t end = list.find(';');
    if (PluginReachable(PluginName(list.substr(0, end)), env)) return true;
    list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
  }
  return false;
}

StartRequest ReadCommandLine(const std::vector<std::string>& args, const DisplayEnvironment& env,
                             std::ostream& out, std::ostream& err) {
  StartRequest request;
  bool optionsEnded = false;
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      out << kUsage;
      return {0, {}, {}};
    } else if (!optionsEnded && arg == "--version") {
      out << "kestrelix " << KX_VERSION << "\n";
      return {0, {}, {}};
    } else if (!optionsEnded && arg == "--desktop") {
      request.launch = LaunchMode::Desktop;
    } else if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
      err << "kestrelix: unknown option '" << arg << "'\n" << kUsage;
      return {1, {}, {}};
    } else if (!request.file.empty()) {
      err << "kestrelix: only one FILE can be opened\n" << kUsage;
      return {1, {}, {}};
    } else {
      request.file = arg;
    }
  }
  if (!DisplayReachable(env)) {
    err << kNoDisplayMessage << "\n";
    return {1, {}, {}};
  }
  return request;
}

}  // namespace kx
