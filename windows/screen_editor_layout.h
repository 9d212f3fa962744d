#pragma once
// The screen editor window: its geometry, its buttons and the texts of its status line, as data the Qt
// window places and fills.

#include <array>
#include <string>
#include <vector>

#include "runtime/image.h"
#include "windows/screen_editor.h"

namespace kx {

inline constexpr const char* kScreenEditorTitle = "Screen Editor / Charset Test";
inline constexpr int kScreenEditorWidth = 804;
inline constexpr int kScreenEditorHeight = 640;

inline constexpr Rect kScreenArea = {82, 30, kScreenWidth, kScreenHeight};
inline constexpr Rect kGlyphSheetArea = {82, 470, kGlyphSheetWidth, kGlyphSheetHeight};

// The rulers around the screen: columns above and below, rows left and right.
enum class RulerSide { Top, Left, Right, Bottom };
struct RulerSpec {
  RulerSide side;
  Rect area;
};
inline constexpr std::array<RulerSpec, 4> kRulers = {{
    {RulerSide::Top, {82, 0, 640, 30}},
    {RulerSide::Left, {0, 30, 82, 400}},
    {RulerSide::Right, {722, 30, 82, 400}},
    {RulerSide::Bottom, {82, 430, 640, 30}},
}};

enum class ScreenButton { Dump, View, Reverse, ClearHome, Mapping };
struct ScreenButtonSpec {
  ScreenButton id;
  Rect area;
  bool toggle;
};
inline constexpr std::array<ScreenButtonSpec, 5> kScreenButtons = {{
    {ScreenButton::Dump, {610, 470, 111, 25}, false},
    {ScreenButton::View, {610, 495, 111, 25}, false},
    {ScreenButton::Reverse, {610, 520, 111, 25}, true},
    {ScreenButton::ClearHome, {610, 545, 111, 25}, false},
    {ScreenButton::Mapping, {610, 570, 111, 25}, false},
}};

// A button's text in the editor's state: the view and mapping buttons name what a click switches to.
std::string ScreenButtonText(const ScreenEditor& editor, ScreenButton id);

// Carries out a click on a button; `dialogs` is used by "Dump to Clipboard". The reverse toggle's new
// state is `checked`.
void PressScreenButton(ScreenEditor& editor, ScreenButton id, bool checked, Dialogs& dialogs);

inline constexpr int kStatusLineY = 610;
struct StatusLabel {
  int x;
  std::string text;
};
// The status line from left to right: fixed captions and the cursor, charset, reverse and mapping fields.
std::vector<StatusLabel> ScreenStatusLine(const ScreenEditor& editor);

}  // namespace kx
