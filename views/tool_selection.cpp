#include "views/tool_selection.h"

#include <algorithm>
#include <string>

namespace kx {
namespace {

using G = GadgetId;
using I = IconId;
using T = Tool;

constexpr ToolButtonSpec Single(G button, T tool, I icon, const char* tooltip) {
  return {button, false, false, {tool, icon, tooltip}, {tool, icon, tooltip}, tool};
}
constexpr ToolButtonSpec Pair(G button, ToolVariant first, ToolVariant second, T start) {
  return {button, true, false, first, second, start};
}

constexpr ToolButtonSpec kButtons[] = {
    Pair(G::FreeDraw, {T::DottedDraw, I::FreeDrawDotted, "Dotted Drawing"},
         {T::ContinuousDraw, I::FreeDrawContinuous, "Continuous Drawing"}, T::ContinuousDraw),
    {G::Line, false, true, {T::Line, I::Line, "Single Line (Click for Continuous Line)"},
     {T::Line, I::Line, "Single Line (Click for Continuous Line)"}, T::Line},
    Pair(G::Box, {T::HollowBox, I::BoxHollow, "Draw Box"}, {T::FilledBox, I::BoxFilled, "Draw Filled Box"},
         T::HollowBox),
    Single(G::Reverse, T::ReverseGlyph, I::Reverse, "Reverse Char"),
    Single(G::Fill, T::FillGlyph, I::Fill, "Flood Fill Char"),
    Single(G::Clear, T::ClearGlyph, I::Clear, "Clear Char"),
    Pair(G::MirrorVertical, {T::MirrorGlyphTopToBottom, I::MirrorTopToBottom, "Mirror Char Top to Bottom"},
         {T::MirrorGlyphBottomToTop, I::MirrorBottomToTop, "Mirror Char Bottom to Top"}, T::MirrorGlyphTopToBottom),
    Pair(G::MirrorHorizontal, {T::MirrorGlyphRightToLeft, I::MirrorRightToLeft, "Mirror Char Right to Left"},
         {T::MirrorGlyphLeftToRight, I::MirrorLeftToRight, "Mirror Char Left to Right"},
         T::MirrorGlyphLeftToRight),
    Pair(G::SlideHorizontal, {T::SlideGlyphRight, I::SlideRight, "Slide Char Right"},
         {T::SlideGlyphLeft, I::SlideLeft, "Slide Char Left"}, T::SlideGlyphRight),
    Pair(G::SlideVertical, {T::SlideGlyphDown, I::SlideDown, "Slide Char Down"},
         {T::SlideGlyphUp, I::SlideUp, "Slide Char Up"}, T::SlideGlyphDown),
    Pair(G::Flip, {T::FlipGlyphVertical, I::FlipVertical, "Flip Char Vertical"},
         {T::FlipGlyphHorizontal, I::FlipHorizontal, "Flip Char Horizontal"}, T::FlipGlyphVertical),
    Single(G::Rotate, T::RotateGlyph, I::Rotate, "Rotate Char 90 CW"),
    Single(G::Cut, T::CutGlyph, I::Cut, "Cut/Copy Char"),
    Single(G::Copy, T::CopyGlyph, I::Copy, "Copy Char"),
    Single(G::Paste, T::PasteGlyph, I::Paste, "Paste Char"),
};

const ToolButtonSpec* SpecOfButton(GadgetId button) {
  for (const ToolButtonSpec& s : kButtons) {
    if (s.button == button) return &s;
  }
  return nullptr;
}

const ToolVariant& VariantOf(const ToolButtonSpec& s, Tool tool) { return s.second.tool == tool ? s.second : s.first; }
const ToolVariant& OtherVariant(const ToolButtonSpec& s, Tool tool) {
  return s.second.tool == tool ? s.first : s.second;
}

void ReleaseToolButtons(ToolColumnState& buttons) {
  for (const ToolButtonSpec& s : kButtons) buttons[s.button].pressed = false;
}

// The leaving tool is remembered by its button when that button is one of `groups`.
void RememberLeavingTool(ToolControls c, std::span<const GadgetId> groups) {
  const ToolButtonSpec* s = ButtonOfTool(c.tool);
  if (s && s->remembers && std::ranges::find(groups, s->button) != groups.end()) c.memory[s->button] = c.tool;
}

void PressWithVariant(ToolControls c, const ToolButtonSpec& s, const ToolVariant& v, const char* tooltip) {
  ReleaseToolButtons(c.buttons);
  ToolButtonState& b = c.buttons[s.button];
  b.pressed = true;
  b.icon = v.icon;
  b.tooltip = tooltip;
  c.tool = v.tool;
}

constexpr GadgetId kAllGroups[] = {G::FreeDraw, G::Box, G::MirrorVertical, G::MirrorHorizontal,
                                   G::SlideHorizontal, G::SlideVertical, G::Flip};

}  // namespace

const ToolButtonSpec* ButtonOfTool(Tool tool) {
  for (const ToolButtonSpec& s : kButtons) {
    if (s.first.tool == tool || s.second.tool == tool) return &s;
  }
  return nullptr;
}

std::array<Tool, kToolColumnButtons> ToolVariantMemory::StartValues() {
  std::array<Tool, kToolColumnButtons> last{};
  for (const ToolButtonSpec& s : kButtons) last[static_cast<int>(s.button)] = s.startVariant;
  return last;
}

void SelectToolButton(ToolControls c, GadgetId button) {
  const ToolButtonSpec* s = SpecOfButton(button);
  if (!s) return;
  ToolButtonState& b = c.buttons[button];
  const bool wasActive = b.pressed && ButtonOfTool(c.tool) == s;
  if (!wasActive) {
    RememberLeavingTool(c, kAllGroups);
    const Tool next = s->remembers ? c.memory[button] : s->first.tool;
    // A two-variant button (and the line button) keeps the icon and tooltip it last showed.
    const bool keepLook = s->remembers || s->retitleOnlyWhenActive;
    const IconId icon = b.icon;
    const std::string tooltip = b.tooltip;
    PressWithVariant(c, *s, VariantOf(*s, next), s->first.tooltip);
    if (keepLook) {
      b.icon = icon;
      b.tooltip = tooltip;
    }
    return;
  }
  const ToolVariant& v = OtherVariant(*s, c.tool);
  PressWithVariant(c, *s, v, v.tooltip);
}

void ShowToolVariant(ToolControls c, Tool tool) {
  const ToolButtonSpec* s = ButtonOfTool(tool);
  if (!s) {
    SelectToolWithoutButton(c, tool);
    return;
  }
  const ToolVariant& v = VariantOf(*s, tool);
  PressWithVariant(c, *s, v, v.tooltip);
}

void SelectToolWithoutButton(ToolControls c, Tool tool) {
  ReleaseToolButtons(c.buttons);
  c.tool = tool;
}

std::string_view ToolFieldText(Tool tool, const ToolColumnState& buttons) {
  struct Named {
    Tool tool;
    std::string_view text;
  };
  static constexpr Named kButtonless[] = {
      {T::RestoreRomGlyph, "TOOL: ROM CHAR"},     {T::ItaliciseGlyph, "TOOL: ITALICISE"},
      {T::SlantGlyphRight, "TOOL: SLANT RIGHT"},  {T::SlantGlyphLeft, "TOOL: SLANT LEFT"},
      {T::UnderlineGlyph, "TOOL: UNDERLINE"},     {T::StrikethroughGlyph, "TOOL: STRIKETHROUGH"},
  };
  for (const Named& n : kButtonless) {
    if (n.tool == tool) return n.text;
  }
  // A tool with a button is shown by it; should the button not be pressed, its variant's name stands in.
  const ToolButtonSpec* s = ButtonOfTool(tool);
  if (!s || buttons[s->button].pressed) return {};
  return VariantOf(*s, tool).tooltip;
}

void SelectToolByKey(ToolControls c, ToolKey key) {
  struct KeyChoice {
    Tool tool;
    const char* tooltip;
    std::span<const GadgetId> remembered;  // the buttons whose leaving variant the key stores
  };
  static constexpr GadgetId kBox[] = {G::Box};
  static constexpr GadgetId kFreeDrawAndBox[] = {G::FreeDraw, G::Box};
  static constexpr KeyChoice kChoices[] = {
      {T::ContinuousDraw, "Continuous Drawing (Click for Dotted Drawing)", kBox},
      {T::DottedDraw, "Dotted Drawing (Click for Continuous Drawing)", kBox},
      {T::Line, "Single Line (Click for Continuous Line)", kFreeDrawAndBox},
  };
  const KeyChoice& k = kChoices[static_cast<int>(key)];
  RememberLeavingTool(c, k.remembered);
  const ToolButtonSpec& s = *ButtonOfTool(k.tool);
  PressWithVariant(c, s, VariantOf(s, k.tool), k.tooltip);
}

}  // namespace kx
