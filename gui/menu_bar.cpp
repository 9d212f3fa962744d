#include "gui/menu_bar.h"

#include <algorithm>
#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>

#include "app/run_command.h"
#include "app/command_keys.h"
#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

// Menu texts are shown as they stand: an ampersand is a character, not a mnemonic marker. The text after a
// tab is the key hint Qt draws at the right edge; it comes from the same row as the key itself.
QString MenuText(const std::string& text) { return QString::fromStdString(text).replace('&', "&&"); }

// A title with its access key marked the way Qt reads a mnemonic: an ampersand before the letter.
QString TitleText(const MenuNode& node) {
  QString title = MenuText(node.text);
  const qsizetype at = node.accessKey != 0 ? title.indexOf(QChar(node.accessKey)) : -1;
  if (at >= 0) title.insert(at, '&');
  return title;
}


// The ticked items of a one-choice submenu become an exclusive group, which Qt draws with radio marks.
void GroupAsOneChoice(QMenu* menu) {
  auto* group = new QActionGroup(menu);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
  for (QAction* action : menu->actions()) {
    if (action->isCheckable()) group->addAction(action);
  }
}

// A lone Alt (pressed and released with nothing in between) puts the menu bar into keyboard mode: the
// first title is highlighted, the arrows move along the titles and Enter or Down opens one; Escape or a
// second Alt leaves it. The platform's own style decides everything else.
class AltKeyNavigation : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }
};

// F10 opens the first menu of the bar, from wherever the keyboard focus is in the window.
void OpenMenusWithF10(QMenuBar* bar, QWidget& window) {
  auto* key = new QAction(&window);
  key->setShortcut(QKeySequence(Qt::Key_F10));
  key->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(key, &QAction::triggered, bar, [bar] {
    if (!bar->actions().isEmpty()) bar->setActiveAction(bar->actions().first());
  });
  window.addAction(key);
}

}  // namespace

MenuBar::MenuBar(App& app, MainWindow& window) : QObject(&window), app_(app), window_(window) {
  QMenuBar* bar = window.menuBar();
  for (const MenuNode& top : app_.commands.menuBar) {
    QMenu* menu = bar->addMenu(TitleText(top));
    submenus_.emplace_back(menu, &top);
    AddNodes(menu, top.children);
  }
  auto* style = new AltKeyNavigation;
  style->setParent(bar);  // a widget does not own the style it is given
  bar->setStyle(style);
  OpenMenusWithF10(bar, window);
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
        QMenu* sub = menu->addMenu(TitleText(n));
        submenus_.emplace_back(sub, &n);
        if (n.enabled) ruledSubmenus_.emplace_back(sub, &n);
        AddNodes(sub, n.children);
        if (n.oneChoice) GroupAsOneChoice(sub);
        break;
      }
    }
  }
}

QAction* MenuBar::AddItem(QMenu* menu, const MenuNode& item) {
  QAction* action = menu->addAction(MenuText(item.text));
  action->setCheckable(item.checkable);
  // Window-wide keys fire while the main window is the active window, whichever of its widgets has the
  // focus, and never while another window (the screen editor) has the keyboard. Canvas keys and the
  // window system's keys are only shown.
  if (item.row->key.scope == KeyScope::Window) {
    action->setShortcut(QKeySequence(QString::fromStdString(KeyChordText(item.row->key.chord))));
    action->setShortcutContext(Qt::WindowShortcut);
  }
  const CommandId id = item.id;
  action->setStatusTip(QString::fromStdString(ItemHint(app_, id)));
  connect(action, &QAction::triggered, this, [this, id] { Run(id); });
  items_.push_back({action, item.row.get(), {}});
  return action;
}

void MenuBar::Run(CommandId id) {
  RunCommand(app_, id);
  // Qt flips a checkable item's tick on its own before the command runs; the App's state wins, so the
  // next sync hands these items over again whatever they showed before.
  for (Item& item : items_) {
    if (item.row->id == id) item.stale = true;
  }
  window_.SyncFromApp();
}

void MenuBar::Sync(bool force) {
  MenuInputs inputs = CurrentMenuInputs(app_);
  const bool anyStale = std::any_of(items_.begin(), items_.end(), [](const Item& i) { return i.stale; });
  if (!force && !anyStale && shownInputs_ == inputs) return;
  shownInputs_ = std::move(inputs);
  ++walks_;
  for (Item& item : items_) {
    // Texts are fixed but for the few rows with a label rule (the recent entries): only those are worked
    // out again, the rest once.
    const CommandRow& row = *item.row;
    const bool fresh = std::exchange(item.stale, false) || force;
    MenuItemState state{fresh || row.label ? row.MenuText(app_) : item.shown.text, row.checked && row.checked(app_),
                        CommandEnabled(app_, row)};
    if (!fresh && item.shown == state) continue;
    item.shown = std::move(state);
    item.action->setText(MenuText(item.shown.text));
    item.action->setChecked(item.shown.checked);
    item.action->setEnabled(item.shown.enabled);
  }
  for (const auto& [menu, node] : ruledSubmenus_) menu->menuAction()->setEnabled(SubmenuEnabled(app_, *node));
}

std::vector<QAction*> MenuBar::Actions(CommandId id) const {
  std::vector<QAction*> found;
  for (const Item& item : items_) {
    if (item.row->id == id) found.push_back(item.action);
  }
  return found;
}

QMenu* MenuBar::Submenu(std::string_view title) const {
  for (const auto& [menu, node] : submenus_) {
    if (node->text == title) return menu;
  }
  return nullptr;
}

}  // namespace kx
