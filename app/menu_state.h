#pragma once
// The menu's live check, grey and text states. They start from the command table and change at run time
// (undo/redo, paste, recent files, brightness, view options, previews); the Qt adapter mirrors them.

#include <map>
#include <string>

#include "app/command_table.h"

namespace kx {

struct MenuItemState {
  std::string text;
  bool checked = false;
  bool enabled = true;
};

class MenuState {
 public:
  explicit MenuState(const CommandTable& table);

  bool Checked(CommandId id) const;
  bool Enabled(CommandId id) const;
  const std::string& Text(CommandId id) const;
  void SetChecked(CommandId id, bool checked);
  void SetEnabled(CommandId id, bool enabled);
  void SetText(CommandId id, const std::string& text);

  // The "Paste from Row Memory to..." submenu is greyed as a whole until the first row is copied.
  bool RowMemoryPasteEnabled() const { return rowMemoryPasteEnabled_; }
  void SetRowMemoryPasteEnabled(bool enabled);

  // Counts every change, so the adapter can skip resyncing when nothing moved.
  unsigned Version() const { return version_; }
  const std::map<CommandId, MenuItemState>& Items() const { return items_; }

 private:
  MenuItemState* Find(CommandId id);
  std::map<CommandId, MenuItemState> items_;
  bool rowMemoryPasteEnabled_ = false;
  unsigned version_ = 0;
};

}  // namespace kx
