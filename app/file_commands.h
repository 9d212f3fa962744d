#pragma once
// The File menu as the dispatcher sees it.

#include <string>
#include <vector>

#include "app/command_ids.h"

namespace kx {

struct App;

// Runs New, Open, Save, Save As, the imports of bytes, the exports, the recent entries, Clear Recent
// Files List and Quit (ids 20–23, 25–32, 34–40, 43–48, 49), then hands the focus back to the editor.
// False for any other id, which is left untouched.
bool RunFileCommand(App& app, CommandId id);

// Files dropped on the main window (drops on other windows never get here).
void DropFiles(App& app, const std::vector<std::string>& paths);

}  // namespace kx
