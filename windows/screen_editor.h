#pragma once
// The screen editor: a 40x25 C64 text screen the user types on to try the charset out. Every cell shows one
// glyph doubled to 16x16. Two screens are kept side by side and always hold the same text: one drawn with
// the editor charset ("custom") and one with the ROM charset; the view picks which one is shown.
//
// The editor only reads the charset. It is built fresh on every opening and dropped on closing.

#include <optional>
#include <string>

#include "runtime/dialogs.h"
#include "runtime/image.h"
#include "windows/screen_glyphs.h"
#include "windows/screen_keymap.h"

namespace kx {

inline constexpr int kScreenColumns = 40;
inline constexpr int kScreenRows = 25;
inline constexpr int kScreenWidth = kScreenColumns * kCellSize;  // 640
inline constexpr int kScreenHeight = kScreenRows * kCellSize;    // 400
inline constexpr int kReverseOffset = 128;
inline constexpr Rgb kCursorColour = 0xFFFFFF;

enum class ScreenView { Custom, Rom };

// One text screen with its glyph sheet and the cell content hidden under the cursor block.
struct TextScreen {
  Image glyphs;       // 512x128 sheet, glyph c at GlyphBlock(c, kCellSize)
  Image picture;      // 640x400, the cursor block drawn in
  Image underCursor;  // 16x16: what the cursor block covers
};

struct ScreenEditor {
  TextScreen custom;
  TextScreen rom;
  int column = 0;  // 0..39
  int row = 0;     // 0..24
  bool reverse = false;
  KeyMapping mapping = KeyMapping::Us;
  ScreenView view = ScreenView::Custom;
};

// A fresh editor: both screens black, the cursor at 0,0, reverse off, US mapping, custom view.
// `charsetImage` is the 256x64 picture of the editor charset in the display colours.
ScreenEditor MakeScreenEditor(const Image& charsetImage);

// Puts screen code `code` (plus 128 when reverse is on) at the cursor on both screens and moves right.
void TypeScreenCode(ScreenEditor& editor, int code);

enum class CursorStep { Left, Right, Up, Down };
// Moves the cursor one cell, staying inside the screen (no wrap from column 39 to the next row).
void MoveCursor(ScreenEditor& editor, CursorStep step);

// Puts the cursor on the cell under the screen pixel (x, y), the nearest cell for a pixel off the screen.
void PlaceCursorAt(ScreenEditor& editor, int x, int y);

// Erases the cell under the cursor on both screens, then moves one column left.
void EraseBackwards(ScreenEditor& editor);

// "Shift / CLR HOME": both screens black, the cursor home.
void ClearScreen(ScreenEditor& editor);

// A key-down on the screen, by virtual-key code: arrows move, Return goes to the start of the next row (the
// last row's start on the last row), Backspace erases, the key tables type.
// False when the key does nothing.
bool PressScreenKey(ScreenEditor& editor, int vkCode, bool shift, bool ctrl);

void ToggleView(ScreenEditor& editor);
void ToggleMapping(ScreenEditor& editor);

// The screen and the glyph sheet of the current view.
const TextScreen& ShownScreen(const ScreenEditor& editor);

// Copies the shown screen (cursor block included) to the clipboard and confirms it to the user.
void DumpScreenToClipboard(const ScreenEditor& editor, Dialogs& dialogs);

inline constexpr const char* kDumpConfirmation = "Current Screen Copied to Clipboard";

}  // namespace kx
