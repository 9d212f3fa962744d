#include "app/shortcuts.h"

namespace kx {

namespace {

constexpr KeyChord Ctrl(char letter) { return {letter, 0, true, false}; }

constexpr Shortcut kShortcuts[] = {
    {Ctrl('N'), cmd::New},
    {Ctrl('O'), cmd::Open},
    {Ctrl('S'), cmd::Save},
    {{'S', 0, true, true}, cmd::SaveAs},
    {Ctrl('Z'), cmd::Undo},
    {Ctrl('Y'), cmd::Redo},
    {Ctrl('X'), cmd::Cut},
    {Ctrl('V'), cmd::Paste},
    {{'G', 0, false, false}, cmd::ShowCharGrid},
    {{'G', 0, false, true}, cmd::ShowPixelGrid},
    {{0, 12, false, false}, cmd::ShowHighlights},
};

}  // namespace

std::span<const Shortcut> MainWindowShortcuts() { return kShortcuts; }

std::string KeyChordText(const KeyChord& keys) {
  std::string text;
  if (keys.ctrl) text += "Ctrl+";
  if (keys.shift) text += "Shift+";
  if (keys.letter != 0) {
    text += keys.letter;
  } else {
    text += "F" + std::to_string(keys.functionKey);
  }
  return text;
}

std::optional<CommandId> ShortcutCommand(const KeyChord& keys) {
  for (const Shortcut& s : kShortcuts) {
    if (s.keys == keys) return s.id;
  }
  return std::nullopt;
}

}  // namespace kx
