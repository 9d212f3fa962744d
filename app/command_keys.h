#pragma once
// The key that runs a command, as its row in the command table names it. The same value binds the key
// and writes the hint after the tab in the item's text, so a hint cannot name another key.

#include <string>

namespace kx {

// Who handles the key.
enum class KeyScope {
  None,          // the command has no key
  Window,        // a shortcut of the main window: fires whichever of its widgets has the focus
  EditorView,    // handled by the editor canvas itself while it has the focus
  WindowSystem,  // the window system's own key (Alt+F4 closes the window)
};

struct KeyChord {
  char key = 0;          // 'A'..'Z', '+' or '-'; 0 for a function key
  int functionKey = 0;   // 1..12 for F1..F12 when key is 0
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool operator==(const KeyChord&) const = default;
};

struct CommandKey {
  KeyScope scope = KeyScope::None;
  KeyChord chord;
  bool operator==(const CommandKey&) const = default;
};

constexpr CommandKey WindowKey(char key, bool ctrl = false, bool shift = false) {
  return {KeyScope::Window, {key, 0, ctrl, shift, false}};
}
constexpr CommandKey WindowFunctionKey(int n) { return {KeyScope::Window, {0, n, false, false, false}}; }
constexpr CommandKey EditorKey(char key, bool shift = false) {
  return {KeyScope::EditorView, {key, 0, false, shift, false}};
}

// "Ctrl+Shift+S", "Shift+G", "F12": the portable text form, as Qt's key sequences read it.
std::string KeyChordText(const KeyChord& chord);

// The hint an item shows after its tab: the chord's text for window shortcuts and window-system keys;
// the canvas keys are written with a space ("Shift D"), the way the editor has always shown them.
// Empty when the command has no key.
std::string KeyHintText(const CommandKey& key);

}  // namespace kx
