#pragma once
// The menu bar of the main window as plain data: titles, submenus, separators, item texts, ids and the
// check and grey states the items start with. The Qt adapter builds its menus by walking this tree and
// the command dispatcher looks commands up by id, so both read the same table.

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "app/transform_families.h"

namespace kx {

enum class MenuNodeKind { Item, Separator, Submenu };

struct MenuNode {
  MenuNodeKind kind = MenuNodeKind::Item;
  std::string text;  // item label (a tab separates the shortcut hint) or submenu title
  CommandId id = 0;  // items only
  bool checkable = false;
  bool checked = false;
  bool enabled = true;  // a greyed submenu greys everything it holds
  std::vector<MenuNode> children;  // submenus only
};

// The title of the submenu that starts greyed and is enabled once a row is in the row memory.
inline constexpr std::string_view kRowMemoryPasteMenu = "Paste from Row Memory to...";

// The whole menu bar: the submenus "File", "Edit", "View", "Tools" and "Help", in that order.
std::vector<MenuNode> BuildMenuBar();

namespace detail {
template <class Fn>
void WalkMenuItems(const std::vector<MenuNode>& nodes, Fn& fn, std::vector<std::string>& path) {
  for (const MenuNode& n : nodes) {
    if (n.kind == MenuNodeKind::Item) fn(n, path);
    if (n.kind != MenuNodeKind::Submenu) continue;
    path.push_back(n.text);
    WalkMenuItems(n.children, fn, path);
    path.pop_back();
  }
}
}  // namespace detail

// Calls fn(item, path) for every item in menu order; path holds the titles of the enclosing submenus.
template <class Fn>
void ForEachMenuItem(const std::vector<MenuNode>& nodes, Fn fn) {
  std::vector<std::string> path;
  detail::WalkMenuItems(nodes, fn, path);
}

// The first submenu titled `title`, depth first; nullptr when there is none.
const MenuNode* FindSubmenu(const std::vector<MenuNode>& nodes, std::string_view title);

// What the table says about one command id.
struct CommandInfo {
  CommandId id = 0;
  std::string text;
  bool checkable = false;
  bool checked = false;  // initial tick
  bool enabled = true;   // the item's own initial state; see `path` for a greyed submenu around it
  std::vector<std::string> path;        // submenu titles down to its first place
  int places = 0;                       // how many items carry this id (315 sits in two submenus)
  std::optional<FamilyCommand> family;  // set for the transform family commands
};

struct CommandTable {
  std::vector<MenuNode> menuBar;
  std::map<CommandId, CommandInfo> commands;

  // nullptr for an id no menu item carries.
  const CommandInfo* Find(CommandId id) const;
};

// Builds the menu bar and indexes its items by id.
CommandTable BuildCommandTable();

}  // namespace kx
