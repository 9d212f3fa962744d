#include <gtest/gtest.h>

#include "views/tool_selection.h"

namespace kx {
namespace {

struct Tools {
  Tool tool = Tool::ContinuousDraw;
  ToolVariantMemory memory;
  ToolColumnState buttons;
  ToolControls Controls() { return {tool, memory, buttons}; }
  int PressedCount() const {
    int n = 0;
    for (const ToolButtonState& b : buttons.buttons) n += b.pressed;
    return n;
  }
};

TEST(SelectToolButton, ActiveFreeDrawButtonTogglesBetweenItsVariants) {
  Tools t;
  SelectToolButton(t.Controls(), GadgetId::FreeDraw);
  EXPECT_EQ(t.tool, Tool::DottedDraw);
  EXPECT_EQ(t.buttons[GadgetId::FreeDraw].tooltip, "Dotted Drawing");
  EXPECT_EQ(t.buttons[GadgetId::FreeDraw].icon, IconId::FreeDrawDotted);
  EXPECT_TRUE(t.buttons[GadgetId::FreeDraw].pressed);
  SelectToolButton(t.Controls(), GadgetId::FreeDraw);
  EXPECT_EQ(t.tool, Tool::ContinuousDraw);
  EXPECT_EQ(t.buttons[GadgetId::FreeDraw].tooltip, "Continuous Drawing");
}

TEST(SelectToolButton, LeavingAVariantRemembersItForTheButtonsReturn) {
  Tools t;
  SelectToolButton(t.Controls(), GadgetId::MirrorHorizontal);
  EXPECT_EQ(t.tool, Tool::MirrorGlyphLeftToRight);  // starts on variant 24
  SelectToolButton(t.Controls(), GadgetId::MirrorHorizontal);
  EXPECT_EQ(t.tool, Tool::MirrorGlyphRightToLeft);
  EXPECT_EQ(t.buttons[GadgetId::MirrorHorizontal].tooltip, "Mirror Char Right to Left");
  SelectToolButton(t.Controls(), GadgetId::Box);
  EXPECT_EQ(t.tool, Tool::HollowBox);
  EXPECT_FALSE(t.buttons[GadgetId::MirrorHorizontal].pressed);
  EXPECT_EQ(t.PressedCount(), 1);
  SelectToolButton(t.Controls(), GadgetId::MirrorHorizontal);
  EXPECT_EQ(t.tool, Tool::MirrorGlyphRightToLeft);

  SelectToolButton(t.Controls(), GadgetId::Flip);
  SelectToolButton(t.Controls(), GadgetId::Flip);
  EXPECT_EQ(t.tool, Tool::FlipGlyphHorizontal);
  SelectToolButton(t.Controls(), GadgetId::Fill);
  EXPECT_EQ(t.buttons[GadgetId::Fill].tooltip, "Flood Fill Char");
  SelectToolButton(t.Controls(), GadgetId::Flip);
  EXPECT_EQ(t.tool, Tool::FlipGlyphHorizontal);
}

// Every two-variant button: the variant it starts on, the other one a second click gives, and the return to
// whichever variant was last used after another button had the tool.
TEST(SelectToolButton, EveryTwoVariantButtonStartsOnItsVariantAndReturnsToTheLastUsed) {
  struct Button {
    GadgetId id;
    Tool start, other;
    IconId otherIcon;
    const char* otherTooltip;
  };
  using G = GadgetId;
  using T = Tool;
  const Button buttons[] = {
      {G::FreeDraw, T::ContinuousDraw, T::DottedDraw, IconId::FreeDrawDotted, "Dotted Drawing"},
      {G::Box, T::HollowBox, T::FilledBox, IconId::BoxFilled, "Draw Filled Box"},
      {G::MirrorVertical, T::MirrorGlyphTopToBottom, T::MirrorGlyphBottomToTop, IconId::MirrorBottomToTop,
       "Mirror Char Bottom to Top"},
      {G::MirrorHorizontal, T::MirrorGlyphLeftToRight, T::MirrorGlyphRightToLeft, IconId::MirrorRightToLeft,
       "Mirror Char Right to Left"},
      {G::SlideHorizontal, T::SlideGlyphRight, T::SlideGlyphLeft, IconId::SlideLeft, "Slide Char Left"},
      {G::SlideVertical, T::SlideGlyphDown, T::SlideGlyphUp, IconId::SlideUp, "Slide Char Up"},
      {G::Flip, T::FlipGlyphVertical, T::FlipGlyphHorizontal, IconId::FlipHorizontal, "Flip Char Horizontal"},
  };
  for (const Button& b : buttons) {
    SCOPED_TRACE(static_cast<int>(b.id));
    Tools t;
    SelectToolButton(t.Controls(), GadgetId::Rotate);
    SelectToolButton(t.Controls(), b.id);
    EXPECT_EQ(t.tool, b.start);
    SelectToolButton(t.Controls(), b.id);
    EXPECT_EQ(t.tool, b.other);
    for (Tool expected : {b.other, b.start}) {  // leave and come back, twice: once per variant
      SelectToolButton(t.Controls(), GadgetId::Rotate);
      SelectToolButton(t.Controls(), b.id);
      EXPECT_EQ(t.tool, expected);
      EXPECT_EQ(t.PressedCount(), 1);
      if (expected == b.other) {
        EXPECT_EQ(t.buttons[b.id].icon, b.otherIcon);
        EXPECT_EQ(t.buttons[b.id].tooltip, b.otherTooltip);
        SelectToolButton(t.Controls(), b.id);
      }
    }
  }
}

TEST(SelectToolButton, LineAndOneToolButtonsStayPressed) {
  Tools t;
  SelectToolButton(t.Controls(), GadgetId::Line);
  EXPECT_EQ(t.buttons[GadgetId::Line].tooltip, "Draw Line");
  SelectToolButton(t.Controls(), GadgetId::Line);
  EXPECT_EQ(t.tool, Tool::Line);
  EXPECT_TRUE(t.buttons[GadgetId::Line].pressed);
  EXPECT_EQ(t.buttons[GadgetId::Line].tooltip, "Single Line (Click for Continuous Line)");
  SelectToolButton(t.Controls(), GadgetId::Rotate);
  SelectToolButton(t.Controls(), GadgetId::Rotate);
  EXPECT_EQ(t.tool, Tool::RotateGlyph);
  EXPECT_TRUE(t.buttons[GadgetId::Rotate].pressed);
  EXPECT_EQ(t.PressedCount(), 1);
}

TEST(ToolKeys, SelectWithTheirTooltipsAndRememberOnlyTheirGroups) {
  Tools t;
  SelectToolButton(t.Controls(), GadgetId::Box);
  SelectToolButton(t.Controls(), GadgetId::Box);  // filled
  SelectToolByKey(t.Controls(), ToolKey::Dotted);
  EXPECT_EQ(t.tool, Tool::DottedDraw);
  EXPECT_EQ(t.buttons[GadgetId::FreeDraw].tooltip, "Dotted Drawing (Click for Continuous Drawing)");
  EXPECT_EQ(t.memory[GadgetId::Box], Tool::FilledBox);
  EXPECT_EQ(t.PressedCount(), 1);
  SelectToolByKey(t.Controls(), ToolKey::Line);
  EXPECT_EQ(t.memory[GadgetId::FreeDraw], Tool::DottedDraw);
  EXPECT_EQ(t.buttons[GadgetId::Line].tooltip, "Single Line (Click for Continuous Line)");
  SelectToolByKey(t.Controls(), ToolKey::Continuous);
  EXPECT_EQ(t.tool, Tool::ContinuousDraw);
  EXPECT_EQ(t.buttons[GadgetId::FreeDraw].tooltip, "Continuous Drawing (Click for Dotted Drawing)");
  // The D keys store only the box's variant: the free-draw button keeps the one it remembered.
  Tools u;  // starts on the pressed free-draw button, continuous
  SelectToolButton(u.Controls(), GadgetId::FreeDraw);  // dotted
  SelectToolButton(u.Controls(), GadgetId::FreeDraw);  // continuous
  SelectToolButton(u.Controls(), GadgetId::Rotate);    // remembers continuous
  SelectToolButton(u.Controls(), GadgetId::FreeDraw);
  SelectToolButton(u.Controls(), GadgetId::FreeDraw);  // dotted
  SelectToolByKey(u.Controls(), ToolKey::Dotted);
  ShowToolVariant(u.Controls(), Tool::RotateGlyph);  // a menu choice stores nothing
  SelectToolButton(u.Controls(), GadgetId::FreeDraw);
  EXPECT_EQ(u.tool, Tool::ContinuousDraw);
}

TEST(ToolMenuChoices, ShowTheVariantWithoutTouchingTheMemory) {
  Tools t;
  ShowToolVariant(t.Controls(), Tool::FlipGlyphHorizontal);
  EXPECT_EQ(t.tool, Tool::FlipGlyphHorizontal);
  EXPECT_EQ(t.buttons[GadgetId::Flip].tooltip, "Flip Char Horizontal");
  EXPECT_EQ(t.buttons[GadgetId::Flip].icon, IconId::FlipHorizontal);
  EXPECT_EQ(t.memory[GadgetId::FreeDraw], Tool::ContinuousDraw);
  EXPECT_EQ(t.memory[GadgetId::Flip], Tool::FlipGlyphVertical);
  SelectToolWithoutButton(t.Controls(), Tool::UnderlineGlyph);
  EXPECT_EQ(t.tool, Tool::UnderlineGlyph);
  EXPECT_EQ(t.PressedCount(), 0);
}

}  // namespace
}  // namespace kx
