#pragma once
// Where the settings file lives and where the file requesters and unnamed picture dumps start, chosen from
// how the editor was started. From a terminal both are the working folder, so existing set-ups keep their
// kstr.ini; from the desktop menu (which starts programs in the home folder) the settings go to the user's
// configuration folder and the requesters start in the home folder.

#include <string>

namespace kx {

enum class LaunchMode { Terminal, Desktop };

// The environment variables the choice reads; empty when unset.
struct LaunchEnvironment {
  std::string home;           // HOME
  std::string xdgConfigHome;  // XDG_CONFIG_HOME
};

struct SettingsLocation {
  std::string settingsPath;    // the settings file, "kstr.ini" alone for the working folder
  std::string settingsFolder;  // the folder that must exist for it, empty for the working folder
  std::string startFolder;     // where requesters and unnamed dumps start, empty for the working folder
};

// A desktop start uses $XDG_CONFIG_HOME/kestrelix, or $HOME/.config/kestrelix when that variable is unset
// or not an absolute path (such a value is to be ignored); without an absolute HOME it falls back to the
// working folder, as a terminal start does.
SettingsLocation ChooseSettingsLocation(LaunchMode mode, const LaunchEnvironment& env);

// Creates the settings folder (and its parents) when it is missing. False when it cannot be made; the
// settings are then neither read nor written by this run.
bool MakeSettingsFolder(const SettingsLocation& location);

}  // namespace kx
