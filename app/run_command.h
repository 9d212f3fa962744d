#pragma once
// Carries out the menu commands. A menu choice and a keyboard shortcut of the main window both end here
// with the item's command id.

#include "app/command_ids.h"

namespace kx {

struct App;

// Whether `id` can be chosen now: a menu item carries it, the item is not greyed and no greyed submenu
// holds it.
bool CommandAvailable(const App& app, CommandId id);

// Runs command `id`. An id no item carries, or an item that is greyed, does nothing, as the menu would.
void RunCommand(App& app, CommandId id);

}  // namespace kx
