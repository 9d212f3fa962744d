#include "app/menu_state.h"

namespace kx {

MenuState::MenuState(const CommandTable& table) {
  for (const auto& [id, info] : table.commands) items_[id] = MenuItemState{info.text, info.checked, info.enabled};
}

bool MenuState::Checked(CommandId id) const {
  const auto it = items_.find(id);
  return it != items_.end() && it->second.checked;
}

bool MenuState::Enabled(CommandId id) const {
  const auto it = items_.find(id);
  return it != items_.end() && it->second.enabled;
}

const std::string& MenuState::Text(CommandId id) const {
  static const std::string none;
  const auto it = items_.find(id);
  return it == items_.end() ? none : it->second.text;
}

MenuItemState* MenuState::Find(CommandId id) {
  const auto it = items_.find(id);
  return it == items_.end() ? nullptr : &it->second;
}

void MenuState::SetChecked(CommandId id, bool checked) {
  if (auto* item = Find(id); item && item->checked != checked) {
    item->checked = checked;
    ++version_;
  }
}

void MenuState::SetEnabled(CommandId id, bool enabled) {
  if (auto* item = Find(id); item && item->enabled != enabled) {
    item->enabled = enabled;
    ++version_;
  }
}

void MenuState::SetText(CommandId id, const std::string& text) {
  if (auto* item = Find(id); item && item->text != text) {
    item->text = text;
    ++version_;
  }
}

void MenuState::SetRowMemoryPasteEnabled(bool enabled) {
  if (rowMemoryPasteEnabled_ != enabled) {
    rowMemoryPasteEnabled_ = enabled;
    ++version_;
  }
}

}  // namespace kx
