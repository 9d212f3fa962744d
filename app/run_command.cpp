#include "app/run_command.h"

#include "app/app.h"

namespace kx {

bool CommandAvailable(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  if (!info || (info->row->enabled && !info->row->enabled(app))) return false;
  for (const StateRule& submenu : info->submenuRules) {
    if (!submenu(app)) return false;
  }
  return true;
}

void RunCommand(App& app, CommandId id) {
  if (!CommandAvailable(app, id)) return;
  const CommandRow& row = *app.commands.Find(id)->row;
  if (row.run) row.run(app);
  if (row.focusEditor) app.shell.requests.focusEditor = true;
}

MenuItemState ItemState(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  if (!info) return {};
  const CommandRow& row = *info->row;
  return {row.MenuText(app), row.checked && row.checked(app), !row.enabled || row.enabled(app)};
}

bool SubmenuEnabled(const App& app, const MenuNode& submenu) { return !submenu.enabled || submenu.enabled(app); }

}  // namespace kx
