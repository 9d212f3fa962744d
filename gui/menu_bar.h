#pragma once

#include <map>
#include <string_view>
#include <vector>

#include <QObject>

#include "app/app.h"

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

  // Copies the App's item texts, ticks and grey states into the menus when they changed since the last
  // copy; `force` copies them regardless.
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
  std::vector<QMenu*> submenus_;
  QMenu* rowMemoryPaste_ = nullptr;
  unsigned syncedVersion_ = 0;
};

}  // namespace kx
