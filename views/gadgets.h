#pragma once
// The gadgets on the editor's tab page as data: where each one is created, its tooltip and kind, and the
// state of the tool column that the App owns and the window mirrors.

#include <array>
#include <optional>
#include <span>
#include <string>

#include "views/icons.h"

namespace kx {

// The tool column's buttons in table order, then the other gadgets of the page.
enum class GadgetId : int {
  FreeDraw,
  Line,
  Box,
  Reverse,
  Fill,
  Clear,
  MirrorVertical,
  MirrorHorizontal,
  SlideHorizontal,
  SlideVertical,
  Flip,
  Rotate,
  ScreenEditor,
  Cut,
  Copy,
  Paste,
  Undo,
  Redo,
  Swap,
  Zoom,
  PenSwatch,
  EditorCanvas,
  VerticalBar,
  HorizontalBar,
  EditorPane,
  MemoryPane,
};

inline constexpr int kToolColumnButtons = static_cast<int>(GadgetId::Swap) + 1;  // 18 tools + swap
inline constexpr int kGadgetCount = static_cast<int>(GadgetId::MemoryPane) + 1;

enum class GadgetKind { Toggle, Push, Combo, Canvas, ScrollBar };

struct GadgetSpec {
  GadgetId id;
  const char* name;
  int x, y, w, h;           // creation geometry inside the tab page; the layout moves the view gadgets
  const char* tooltip;      // "" for none
  GadgetKind kind;
  IconId icon;              // start picture of a button (unused by other kinds)
  bool startsPressed;
  bool startsDisabled;
};

// Every gadget of the page, indexed by GadgetId.
std::span<const GadgetSpec> GadgetTable();
const GadgetSpec& Gadget(GadgetId id);

inline constexpr std::array<const char*, 5> kZoomLabels = {"4x", "8x", "16x", "32x", "64x"};

// What a tool-column button shows right now.
struct ToolButtonState {
  bool pressed = false;
  bool enabled = true;
  std::string tooltip;
  IconId icon = IconId::FreeDrawContinuous;
};

struct ToolColumnState {
  std::array<ToolButtonState, kToolColumnButtons> buttons = StartButtons();

  ToolButtonState& operator[](GadgetId id) { return buttons[static_cast<int>(id)]; }
  const ToolButtonState& operator[](GadgetId id) const { return buttons[static_cast<int>(id)]; }

  // The start values from the gadget table: the free-draw button pressed, paste, undo and redo disabled.
  static std::array<ToolButtonState, kToolColumnButtons> StartButtons();
};

// The four status bar fields. Field 2 is a picture: the ROM glyph with this number, or "---" when empty.
// After them the pixel field (the multicolour pixel under the mouse) and the notice.
struct StatusBarState {
  std::string charNumber = "CHAR NUMBER:  ---";
  std::string hexNumber = "---";
  std::optional<int> romGlyph;
  std::string charsetInEditor = "CHARSET 1";
  std::string tool;    // the tool in hand when no pressed button shows it (ToolFieldText)
  std::string pixel;   // over a multicolour glyph: "PIXEL 2,5  PAIR 01"; empty otherwise
  std::string notice;  // what the last edit wants told, after the fields; empty for none
};

inline constexpr std::array<int, 4> kStatusFieldWidths = {112, 26, 22, 70};
inline constexpr int kToolFieldWidth = 130;  // "TOOL: STRIKETHROUGH"
inline constexpr int kPixelFieldWidth = 110;
inline constexpr const char* kEmptyStatusField = "---";

}  // namespace kx
