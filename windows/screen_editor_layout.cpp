#include "windows/screen_editor_layout.h"

#include <cstdio>

namespace kx {
namespace {

std::string TwoDigits(int value, const char* format) {
  char text[8];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string ScreenButtonText(const ScreenEditor& e, ScreenButton id) {
  switch (id) {
    case ScreenButton::Dump:
      return "Dump to Clipboard";
    case ScreenButton::View:
      return e.view == ScreenView::Custom ? "View ROM Chars" : "View Custom Chars";
    case ScreenButton::Reverse:
      return "Reverse Chars";
    case ScreenButton::ClearHome:
      return "Shift / CLR HOME";
    case ScreenButton::Mapping:
      return e.mapping == KeyMapping::Us ? "Use UK Keymap" : "Use US Keymap";
  }
  return {};
}

void PressScreenButton(ScreenEditor& e, ScreenButton id, bool checked, Dialogs& dialogs) {
  switch (id) {
    case ScreenButton::Dump:
      DumpScreenToClipboard(e, dialogs);
      break;
    case ScreenButton::View:
      ToggleView(e);
      break;
    case ScreenButton::Reverse:
      e.reverse = checked;
      break;
    case ScreenButton::ClearHome:
      ClearScreen(e);
      break;
    case ScreenButton::Mapping:
      ToggleMapping(e);
      break;
  }
}

std::vector<StatusLabel> ScreenStatusLine(const ScreenEditor& e) {
  return {
      {82, "CURSOR POSITION:"},
      {195, "X="},
      {213, TwoDigits(e.column, "%02d")},
      {233, "|  $"},
      {250, TwoDigits(e.column, "%02X")},
      {276, "Y="},
      {294, TwoDigits(e.row, "%02d")},
      {314, "|  $"},
      {330, TwoDigits(e.row, "%02X")},
      {370, e.view == ScreenView::Custom ? "CHARSET: CUSTOM" : "CHARSET: ROM"},
      {495, e.reverse ? "REVERSE: ON" : "REVERSE: OFF"},
      {590, e.mapping == KeyMapping::Us ? "KEY MAPPING: US" : "KEY MAPPING: UK"},
  };
}

}  // namespace kx
