#pragma once
// Carries out the menu commands and tells what each item shows now. A menu choice and a key of the main
// window both end here with the item's command id; the item's text, tick and grey state are worked out
// from the editor's state each time they are asked for, so they cannot drift from it.

#include <string>

#include "app/command_ids.h"
#include "app/command_keys.h"
#include "views/gadgets.h"

namespace kx {

struct App;
struct CommandRow;
struct MenuNode;

// Whether `id` can be chosen now: a menu item carries it, the item is not greyed and no greyed submenu
// holds it.
bool CommandAvailable(const App& app, CommandId id);

// Runs command `id`. An id no item carries, or an item that is greyed, does nothing, as the menu would.
void RunCommand(App& app, CommandId id);

// Runs the row whose key is `key`, as its key does (the row's byKey when it has one); false when no row
// has that key.
bool RunCommandKey(App& app, const CommandKey& key);

struct MenuItemState {
  std::string text;
  bool checked = false;
  bool enabled = true;
  bool operator==(const MenuItemState&) const = default;
};

// The item's own grey state now, by its row's rule (see CommandAvailable for the submenus).
bool CommandEnabled(const App& app, const CommandRow& row);

// What the item carrying `id` shows now (its own grey state; see CommandAvailable for the submenus).
MenuItemState ItemState(const App& app, CommandId id);

// The tool column button at `index` as it shows now: its stored look, with Undo, Redo and Paste enabled
// exactly when the history and the glyph clipboard allow them, and the tooltip naming on a second line
// ("Key: Ctrl+C") the key of the command that chooses what the button shows, when it has one.
ToolButtonState ShownToolButton(const App& app, int index);

// The status-bar hint of the item carrying `id`: where it sits in the menus and its key, as in
// "Edit > Copy; key Ctrl+C". Empty for an id no item carries.
std::string ItemHint(const App& app, CommandId id);

// Whether a submenu is enabled now.
bool SubmenuEnabled(const App& app, const MenuNode& submenu);

}  // namespace kx
