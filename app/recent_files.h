#pragma once
// The "Recent Files" submenu: five saved paths, newest first, shown as menu items 43–47.

#include <string>

namespace kx {

struct App;

// Pushes `path` onto the list (the oldest entry drops out; duplicates are kept), makes its directory the
// last directory and refreshes the menu. Every save attempt calls this, successful or not.
void AddRecentFile(App& app, const std::string& path);

// Empty slots grey their item and leave its text; filled slots show their path, are enabled and enable
// "Clear Recent Files List".
void RefreshRecentMenu(App& app);

// "Clear Recent Files List": all slots empty, their items read "<Empty>" and are greyed, as is the command.
void ClearRecentFiles(App& app);

}  // namespace kx
