#pragma once
// The "Recent Files" submenu: five saved paths, newest first, shown as menu items 43–47.

#include <string>

namespace kx {

struct App;
struct Document;
struct ShellState;
struct ViewSession;

// Pushes `path` onto the list (the oldest entry drops out; duplicates are kept) and makes its directory the
// last directory. Every save attempt calls this, successful or not. The items show the slots as they are:
// a slot's text is its item's text, an empty slot greys its item, and "Clear Recent Files List" is enabled
// while any slot names a file (see the command table).
void AddRecentFile(Document& doc, const std::string& path);

// "Clear Recent Files List": all slots empty.
void ClearRecentFiles(App& app);

}  // namespace kx
