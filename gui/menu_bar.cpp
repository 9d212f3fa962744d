#include "gui/menu_bar.h"

#include <utility>

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "app/run_command.h"
#include "app/shortcuts.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

// Menu texts are shown as they stand: an ampersand is a character, not a mnemonic marker. The text after a
// tab is the shortcut hint Qt draws at the right edge; the keys themselves come from the shortcut table.
QString MenuText(const std::string& text) { return QString::fromStdString(text).replace('&', "&&"); }

// Ctrl+C runs Copy in the main window as well: the item shows the hint and users expect it to work. The
// screen editor is a window of its own and keeps Ctrl+C for itself.
constexpr Shortcut kCopyShortcut{{'C', 0, true, false}, cmd::Copy};

}  // namespace

MenuBar::MenuBar(App& app, MainWindow& window) : QObject(&window), app_(app), window_(window) {
  QMenuBar* bar = window.menuBar();
  for (const MenuNode& top : app_.commands.menuBar) {
    QMenu* menu = bar->addMenu(MenuText(top.text));
    submenus_.push_back(menu);
    AddNodes(menu, top.children);
  }

  // Window-wide shortcuts: they fire while the main window is the active window, whichever of its
  // widgets has the focus, and never while another window (the screen editor) has the keyboard.
  std::vector<Shortcut> shortcuts(MainWindowShortcuts().begin(), MainWindowShortcuts().end());
  shortcuts.push_back(kCopyShortcut);
  for (const Shortcut& s : shortcuts) {
    const auto it = actions_.find(s.id);
    if (it == actions_.end()) continue;
    it->second->setShortcut(QKeySequence(QString::fromStdString(KeyChordText(s.keys))));
    it->second->setShortcutContext(Qt::WindowShortcut);
  }
  Sync(true);
}

void MenuBar::AddNodes(QMenu* menu, const std::vector<MenuNode>& nodes) {
  for (const MenuNode& n : nodes) {
    switch (n.kind) {
      case MenuNodeKind::Separator:
        menu->addSeparator();
        break;
      case MenuNodeKind::Item:
        AddItem(menu, n);
        break;
      case MenuNodeKind::Submenu: {
        QMenu* sub = menu->addMenu(MenuText(n.text));
        submenus_.push_back(sub);
        if (n.text == kRowMemoryPasteMenu) rowMemoryPaste_ = sub;
        AddNodes(sub, n.children);
        break;
      }
    }
  }
}

QAction* MenuBar::AddItem(QMenu* menu, const MenuNode& item) {
  QAction* action = menu->addAction(MenuText(item.text));
  action->setCheckable(item.checkable);
  const CommandId id = item.id;
  connect(action, &QAction::triggered, this, [this, id] { Run(id); });
  actions_.emplace(id, action);
  return action;
}

void MenuBar::Run(CommandId id) {
  const int zoom = app_.editing.zoomIndex;
  RunCommand(app_, id);
  if (app_.editing.zoomIndex != zoom) window_.LayOut();
  if (std::exchange(app_.requests.focusEditor, false)) window_.EditorCanvas()->setFocus();
  // Qt flips a checkable item's tick on its own before the command runs; the App's state wins.
  Sync(true);
  window_.SyncFromApp();
}

void MenuBar::Sync(bool force) {
  if (!force && app_.menu.Version() == syncedVersion_) return;
  syncedVersion_ = app_.menu.Version();
  for (const auto& [id, action] : actions_) {
    action->setText(MenuText(app_.menu.Text(id)));
    action->setChecked(app_.menu.Checked(id));
    action->setEnabled(app_.menu.Enabled(id));
  }
  if (rowMemoryPaste_) rowMemoryPaste_->menuAction()->setEnabled(app_.menu.RowMemoryPasteEnabled());
}

std::vector<QAction*> MenuBar::Actions(CommandId id) const {
  std::vector<QAction*> found;
  const auto [first, last] = actions_.equal_range(id);
  for (auto it = first; it != last; ++it) found.push_back(it->second);
  return found;
}

QMenu* MenuBar::Submenu(std::string_view title) const {
  for (QMenu* m : submenus_) {
    if (m->title() == MenuText(std::string(title))) return m;
  }
  return nullptr;
}

}  // namespace kx
