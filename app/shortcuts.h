#pragma once
// The keyboard shortcuts of the main window: key chords that deliver a command id like a menu choice.
// Keys the editor canvas handles itself while it has the focus (D, V, J, +, -) are not listed here.

#include <optional>
#include <span>
#include <string>

#include "app/command_ids.h"

namespace kx {

struct KeyChord {
  char letter = 0;       // 'A'..'Z', or 0 for a function key
  int functionKey = 0;   // 1..12 for F1..F12 when letter is 0
  bool ctrl = false;
  bool shift = false;
  bool operator==(const KeyChord&) const = default;
};

struct Shortcut {
  KeyChord keys;
  CommandId id;
};

std::span<const Shortcut> MainWindowShortcuts();

// "Ctrl+Shift+S", "Shift+G", "F12": the portable text form, as Qt's key sequences read it.
std::string KeyChordText(const KeyChord& keys);

// The command a chord delivers in the main window, if any.
std::optional<CommandId> ShortcutCommand(const KeyChord& keys);

}  // namespace kx
