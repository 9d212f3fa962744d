#pragma once
// Mouse and key events of the editor's canvases, as the window system hands them over, in plain terms.

namespace kx {

enum class MouseAction { Enter, Leave, Move, Down, Up };
enum class MouseButton { None, Left, Right };

struct MouseEvent {
  MouseAction action = MouseAction::Move;
  int x = 0;  // in the canvas's own pixels
  int y = 0;
  MouseButton button = MouseButton::None;  // the button that went down or up
  bool leftHeld = false;                   // buttons held after the event
  bool rightHeld = false;
  bool ctrl = false;
  bool shift = false;
};

// A turn of the mouse wheel or a touchpad's scroll over a canvas, as the window system reports it: angles
// in eighths of a degree, 120 for one notch of a common wheel (touchpads send smaller parts of it).
// Positive y turns away from the user, positive x to the left.
struct WheelEvent {
  int x = 0;  // the pointer, in the canvas's own pixels
  int y = 0;
  int angleX = 0;
  int angleY = 0;
  bool ctrl = false;
  bool shift = false;
};

// The keys the editor reacts to; everything else arrives as Other.
enum class Key {
  Other,
  Home,
  End,
  Left,
  Right,
  Up,
  Down,
  Plus,
  Minus,
  Delete,
  D,
  V,
  F,
  R,
  J,
  G,
  I,
  K,
  M,
  BracketLeft,
  BracketRight,
  Escape,
};

// The character each key with one types: the letter keys and the zoom keys. The command rows' key column
// names keys by these, and a letter key's window-system code follows from its letter.
struct KeyCharacter {
  Key key;
  char character;
};
inline constexpr KeyCharacter kKeyCharacters[] = {{Key::D, 'D'}, {Key::V, 'V'}, {Key::F, 'F'}, {Key::R, 'R'},
                                                  {Key::J, 'J'}, {Key::G, 'G'}, {Key::I, 'I'}, {Key::K, 'K'},
                                                  {Key::M, 'M'}, {Key::Plus, '+'}, {Key::Minus, '-'}};

// The character `key` types; 0 for keys without one.
constexpr char CharacterOf(Key key) {
  for (const KeyCharacter& k : kKeyCharacters) {
    if (k.key == key) return k.character;
  }
  return 0;
}

constexpr bool IsLetterKey(Key key) { return CharacterOf(key) >= 'A' && CharacterOf(key) <= 'Z'; }

// The canvases' own keys that act only without Ctrl and Alt: with those held the letters belong to the
// window's shortcuts and the menu bar's titles, and Delete and the pen keys [ ] to nothing, so a chord
// held by mistake never changes a glyph or a pen. The arrows, Home, End, Escape and the zoom keys keep
// their meaning whatever is held.
constexpr bool ActsOnlyWithoutCtrlOrAlt(Key key) {
  return IsLetterKey(key) || key == Key::Delete || key == Key::BracketLeft || key == Key::BracketRight;
}

enum class KeyAction { Press, Release };

struct KeyEvent {
  KeyAction action = KeyAction::Press;
  Key key = Key::Other;
  bool shift = false;
  bool ctrl = false;
  bool autoRepeat = false;
  bool alt = false;
};

}  // namespace kx
