#include "app/run_command.h"

#include "app/app.h"
#include "app/event_flow.h"

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
  const EventScope event(app);
  if (!CommandAvailable(app, id)) return;
  const CommandRow& row = *app.commands.Find(id)->row;
  if (row.run) row.run(app);
  if (row.focusEditor) app.shell.requests.focusEditor = true;
}

bool RunCommandKey(App& app, const CommandKey& key) {
  const CommandRow* row = app.commands.FindKey(key);
  if (!row) return false;
  const EventScope event(app);
  if (!CommandAvailable(app, row->id)) return true;
  (row->byKey ? row->byKey : row->run)(app);
  if (row->focusEditor) app.shell.requests.focusEditor = true;
  return true;
}

bool CommandEnabled(const App& app, const CommandRow& row) { return !row.enabled || row.enabled(app); }

MenuItemState ItemState(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  if (!info) return {};
  const CommandRow& row = *info->row;
  return {row.MenuText(app), row.checked && row.checked(app), CommandEnabled(app, row)};
}

namespace {

// The command whose key a tool button's tooltip names, by the picture the button shows (the free-draw
// button's two variants have a key each).
struct ButtonKey {
  IconId icon;
  CommandId command;
};
constexpr ButtonKey kButtonKeys[] = {
    {IconId::FreeDrawContinuous, cmd::DrawContinuous}, {IconId::FreeDrawDotted, cmd::DrawDotted},
    {IconId::Line, cmd::LineDraw},                     {IconId::Cut, cmd::Cut},
    {IconId::Copy, cmd::Copy},                         {IconId::Paste, cmd::Paste},
    {IconId::Undo, cmd::Undo},                         {IconId::Redo, cmd::Redo},
    {IconId::SwapCharset1, cmd::Swap},                 {IconId::SwapCharset2, cmd::Swap},
};

std::string KeyOfCommand(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  return info ? KeyHintText(info->row->key) : std::string();
}

}  // namespace

std::string ItemHint(const App& app, CommandId id) {
  const CommandInfo* info = app.commands.Find(id);
  if (!info) return {};
  std::string hint;
  for (const std::string& title : info->path) hint += title + " > ";
  hint += info->row->text;
  const std::string key = KeyHintText(info->row->key);
  return key.empty() ? hint : hint + "; key " + key;
}

ToolButtonState ShownToolButton(const App& app, int index) {
  ToolButtonState shown = app.shell.tools.buttons[index];
  for (const ButtonKey& b : kButtonKeys) {
    const std::string key = b.icon == shown.icon ? KeyOfCommand(app, b.command) : std::string();
    if (!key.empty()) shown.tooltip += "\nKey: " + key;
  }
  switch (static_cast<GadgetId>(index)) {
    case GadgetId::Undo: shown.enabled = app.doc.history.CanUndo(); break;
    case GadgetId::Redo: shown.enabled = app.doc.history.CanRedo(); break;
    case GadgetId::Paste: shown.enabled = app.doc.glyphStores.glyphPasteEnabled; break;
    default: break;
  }
  return shown;
}

bool SubmenuEnabled(const App& app, const MenuNode& submenu) { return !submenu.enabled || submenu.enabled(app); }

}  // namespace kx
