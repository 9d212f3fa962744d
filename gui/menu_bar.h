#pragma once

#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include <QObject>

#include "app/app.h"
#include "app/menu_inputs.h"
#include "app/run_command.h"

class QAction;
class QMenu;

namespace kx {

class MainWindow;

// The main window's menu bar, built by walking the App's menu table, with the main window's keyboard
// shortcuts on its items. Choosing an item or pressing its shortcut runs the command on the App and
// brings the window up to date.
class MenuBar : public QObject {
  Q_OBJECT
 public:
  MenuBar(App& app, MainWindow& window);

  // Shows each item's text, tick and grey state, and each submenu's grey state, as the App's state gives
  // them now; only what differs from the last copy is handed to Qt, unless `force`. The items are worked
  // out again only when what their rules read (MenuInputs) changed since the last time, or when Qt
  // flipped a tick on its own.
  void Sync(bool force = false);

  // How many times Sync worked the items out again.
  int Walks() const { return walks_; }

  // Every menu action carrying `id` (two for the command that sits in two submenus).
  std::vector<QAction*> Actions(CommandId id) const;
  // The first submenu titled `title`; nullptr when there is none.
  QMenu* Submenu(std::string_view title) const;

 private:
  void AddNodes(QMenu* menu, const std::vector<MenuNode>& nodes);
  QAction* AddItem(QMenu* menu, const MenuNode& item);
  void Run(CommandId id);

  // One menu action with its row and what it shows, as last handed to Qt.
  struct Item {
    QAction* action;
    const CommandRow* row;
    MenuItemState shown;
    bool stale = true;  // Qt may show something else than `shown`
  };

  App& app_;
  MainWindow& window_;
  std::vector<Item> items_;                  // in menu order
  std::optional<MenuInputs> shownInputs_;    // what the items were last worked out from
  int walks_ = 0;
  std::vector<std::pair<QMenu*, const MenuNode*>> submenus_;
  std::vector<std::pair<QMenu*, const MenuNode*>> ruledSubmenus_;  // submenus with an enable rule
};

}  // namespace kx
