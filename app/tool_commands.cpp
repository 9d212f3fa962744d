#include "app/tool_commands.h"

#include "app/app.h"

namespace kx {
namespace {

// Which button shows a tool, and with which picture.
struct ToolButton {
  Tool tool;
  GadgetId button;
  IconId icon;
};

constexpr ToolButton kToolButtons[] = {
    {Tool::DottedDraw, GadgetId::FreeDraw, IconId::FreeDrawDotted},
    {Tool::ContinuousDraw, GadgetId::FreeDraw, IconId::FreeDrawContinuous},
    {Tool::Line, GadgetId::Line, IconId::Line},
    {Tool::HollowBox, GadgetId::Box, IconId::BoxHollow},
    {Tool::FilledBox, GadgetId::Box, IconId::BoxFilled},
    {Tool::FillGlyph, GadgetId::Fill, IconId::Fill},
    {Tool::ReverseGlyph, GadgetId::Reverse, IconId::Reverse},
    {Tool::ClearGlyph, GadgetId::Clear, IconId::Clear},
    {Tool::CopyGlyph, GadgetId::Copy, IconId::Copy},
    {Tool::PasteGlyph, GadgetId::Paste, IconId::Paste},
    {Tool::CutGlyph, GadgetId::Cut, IconId::Cut},
    {Tool::SlideGlyphDown, GadgetId::SlideVertical, IconId::SlideDown},
    {Tool::SlideGlyphUp, GadgetId::SlideVertical, IconId::SlideUp},
    {Tool::SlideGlyphRight, GadgetId::SlideHorizontal, IconId::SlideRight},
    {Tool::SlideGlyphLeft, GadgetId::SlideHorizontal, IconId::SlideLeft},
    {Tool::MirrorGlyphTopToBottom, GadgetId::MirrorVertical, IconId::MirrorTopToBottom},
    {Tool::MirrorGlyphBottomToTop, GadgetId::MirrorVertical, IconId::MirrorBottomToTop},
    {Tool::MirrorGlyphRightToLeft, GadgetId::MirrorHorizontal, IconId::MirrorRightToLeft},
    {Tool::MirrorGlyphLeftToRight, GadgetId::MirrorHorizontal, IconId::MirrorLeftToRight},
    {Tool::RotateGlyph, GadgetId::Rotate, IconId::Rotate},
    {Tool::FlipGlyphVertical, GadgetId::Flip, IconId::FlipVertical},
    {Tool::FlipGlyphHorizontal, GadgetId::Flip, IconId::FlipHorizontal},
};

const ToolButton* ButtonOf(Tool tool) {
  for (const ToolButton& b : kToolButtons) {
    if (b.tool == tool) return &b;
  }
  return nullptr;
}

}  // namespace

void ReleaseToolButtons(App& app) {
  for (int i = 0; i < kToolColumnButtons; ++i) {
    if (GadgetTable()[i].kind == GadgetKind::Toggle) app.tools.buttons[i].pressed = false;
  }
}

void SelectButtonTool(App& app, Tool tool, std::string_view tooltip) {
  ReleaseToolButtons(app);
  app.editing.tool = tool;
  const ToolButton* b = ButtonOf(tool);
  if (!b) return;
  ToolButtonState& state = app.tools[b->button];
  state.pressed = true;
  state.icon = b->icon;
  if (!tooltip.empty()) state.tooltip = tooltip;
}

void SelectButtonlessTool(App& app, Tool tool) {
  ReleaseToolButtons(app);
  app.editing.tool = tool;
}

void EnableGlyphPaste(App& app) {
  app.glyphStores.glyphPasteEnabled = true;
  app.menu.SetEnabled(cmd::Paste, true);
  app.tools[GadgetId::Paste].enabled = true;
}

}  // namespace kx
