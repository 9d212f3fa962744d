#pragma once
// Choosing the current tool with the tool column's toggle buttons, the Tools menu and the D / Shift+D / V
// keys. Buttons with two variants remember the variant last used and switch to the other one when they
// are clicked while active; their icon and tooltip follow the variant.

#include <array>
#include <span>
#include <string_view>

#include "model/editing_state.h"
#include "views/gadgets.h"

namespace kx {

struct ToolVariant {
  Tool tool;
  IconId icon;
  const char* tooltip;
};

// One tool button. Two-variant buttons have `remembers` set and differ in first/second; one-tool buttons
// repeat the same variant. `retitleOnlyWhenActive`: the tooltip is set only by a click on the active button.
struct ToolButtonSpec {
  GadgetId button;
  bool remembers;
  bool retitleOnlyWhenActive;
  ToolVariant first;
  ToolVariant second;
  Tool startVariant;
};

// The button that selects `tool`; nullptr for the tools without one (28..33).
const ToolButtonSpec* ButtonOfTool(Tool tool);

// The variant last used on each two-variant button, indexed by GadgetId.
struct ToolVariantMemory {
  std::array<Tool, kToolColumnButtons> last = StartValues();
  Tool& operator[](GadgetId id) { return last[static_cast<int>(id)]; }
  Tool operator[](GadgetId id) const { return last[static_cast<int>(id)]; }
  static std::array<Tool, kToolColumnButtons> StartValues();
};

// What a tool selection changes.
struct ToolControls {
  Tool& tool;
  ToolVariantMemory& memory;
  ToolColumnState& buttons;
};

// A click on a tool button. A button that was not active restores its remembered variant (after the
// leaving tool has been remembered); the active two-variant button switches to its other variant; the
// clicked button always ends pressed and every other tool button released. Other gadgets are ignored.
void SelectToolButton(ToolControls c, GadgetId button);

// A menu choice of one variant: the button showing it is pressed with the variant's icon and tooltip, the
// others released; the variant memory is not touched.
void ShowToolVariant(ToolControls c, Tool tool);

// A menu choice of a tool with no button: every tool button released.
void SelectToolWithoutButton(ToolControls c, Tool tool);

// The status bar's tool field: empty while a pressed tool button shows the tool in hand, otherwise what the
// next click in the editor view applies ("TOOL: ITALICISE" after "Italicise Individual Chars"), so the
// tool is always in view. The text lives as long as the program.
std::string_view ToolFieldText(Tool tool, const ToolColumnState& buttons);

// The editor view's D (continuous), Shift+D (dotted) and V (line) keys.
enum class ToolKey { Continuous, Dotted, Line };
void SelectToolByKey(ToolControls c, ToolKey key);

}  // namespace kx
