#pragma once

#include <map>
#include <string_view>
#include <utility>
#include <vector>

#include <QObject>

#include "app/app.h"
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
  // them now; only what differs from the last copy is handed to Qt, unless `force`.
  void Sync(bool force = false);

  // Every menu action carrying `id` (two for the command that sits in two submenus).
  std::vector<QAction*> Actions(CommandId id) const;
  // The first submenu titled `title`; nullptr when there is none.
  QMenu* Submenu(std::string_view title) const;

 private:
  void AddNodes(QMenu* menu, const std::vector<MenuNode>& nodes);
  QAction* AddItem(QMenu* menu, const MenuNode& item);
  void Run(CommandId id);

  App& app_;
  MainWindow& window_;
  std::multimap<CommandId, QAction*> actions_;
  std::map<QAction*, MenuItemState> shown_;  // what each action shows, as last handed to Qt
  std::vector<QMenu*> submenus_;
  std::vector<std::pair<QMenu*, const MenuNode*>> ruledSubmenus_;  // submenus with an enable rule
};

}  // namespace kx
