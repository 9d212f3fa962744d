#pragma once
// Every command of the main window as one row: its id, menu text, handler, enable and check rules and the
// key that runs it. The rows sit in the menu bar's tree (app/command_table.cpp); the Qt adapter builds its
// menus and shortcuts by walking that tree, and RunCommand dispatches through the same rows, so a menu
// item, its hint, its key and what it does cannot drift apart.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_ids.h"
#include "app/command_keys.h"
#include "app/transform_families.h"

namespace kx {

struct App;

using CommandHandler = std::function<void(App&)>;
using StateRule = std::function<bool(const App&)>;
using TextRule = std::function<std::string(const App&)>;

struct CommandRow {
  CommandId id = 0;
  std::string text;           // the item's text without the key hint
  CommandHandler run;
  StateRule enabled;          // empty: always enabled
  StateRule checked;          // empty: the item has no check mark
  CommandKey key;             // shown after a tab in the item's text
  bool focusEditor = false;   // the keyboard focus goes back to the editor canvas afterwards
  TextRule label;             // empty: `text`; the recent entries show their file instead
  // What the row's key does when it does more than choosing the item: the tool keys of the editor view
  // also keep the tool buttons' variant memory and write the key's own tooltip. Empty: the key runs `run`.
  CommandHandler byKey;

  // The text the item shows now: its label, a tab and the key hint when it has a key.
  std::string MenuText(const App& app) const;
  // The text as the table gives it, before any label rule: what the item shows in a fresh editor.
  std::string TableText() const;
};

enum class MenuNodeKind { Item, Separator, Submenu };

struct MenuNode {
  MenuNodeKind kind = MenuNodeKind::Item;
  std::string text;  // a submenu's title, or an item's table text (a tab separates the key hint)
  CommandId id = 0;  // items only
  bool checkable = false;          // items only: the row has a check rule
  std::shared_ptr<const CommandRow> row;  // items only
  StateRule enabled;               // submenus only; empty: always. A greyed submenu greys what it holds
  std::vector<MenuNode> children;  // submenus only
  bool oneChoice = false;          // submenus only: its ticked items are one choice (shown as radio marks)
  char accessKey = 0;              // the menu bar's titles: the letter of `text` that opens it with Alt
};

// The title of the submenu that stays greyed until a row is in the row memory.
inline constexpr std::string_view kRowMemoryPasteMenu = "Paste from Row Memory to...";

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
  std::shared_ptr<const CommandRow> row;
  std::vector<std::string> path;             // submenu titles down to its first place
  std::vector<StateRule> submenuRules;       // the enable rules of the submenus around its first place
  int places = 0;                            // how many items carry this id (315 sits in two submenus)
};

struct CommandTable {
  std::vector<MenuNode> menuBar;
  std::map<CommandId, CommandInfo> commands;

  // nullptr for an id no menu item carries.
  const CommandInfo* Find(CommandId id) const;
  // The row whose key is `key`; nullptr when no row has it.
  const CommandRow* FindKey(const CommandKey& key) const;
};

// Builds the menu bar from the rows and indexes them by id.
CommandTable BuildCommandTable();

}  // namespace kx
