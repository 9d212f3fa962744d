#include <gtest/gtest.h>

#include "views/tool_selection.h"

namespace kx {
namespace {

// The first click on each two-variant button, before anything was remembered, picks the variant its
// tooltip names at start-up.
TEST(ToolButtonFirstClick, EachTwoVariantButtonStartsOnItsFirstNamedVariant) {
  const struct {
    GadgetId button;
    Tool tool;
  } cases[] = {
      {GadgetId::Box, Tool::HollowBox},
      {GadgetId::MirrorVertical, Tool::MirrorGlyphTopToBottom},
      {GadgetId::MirrorHorizontal, Tool::MirrorGlyphLeftToRight},
      {GadgetId::SlideHorizontal, Tool::SlideGlyphRight},
      {GadgetId::SlideVertical, Tool::SlideGlyphDown},
      {GadgetId::Flip, Tool::FlipGlyphVertical},
  };
  for (const auto& c : cases) {
    Tool tool = Tool::ContinuousDraw;
    ToolVariantMemory memory;
    ToolColumnState buttons;
    SelectToolButton({tool, memory, buttons}, c.button);
    EXPECT_EQ(tool, c.tool) << "button " << static_cast<int>(c.button);
  }
}

}  // namespace
}  // namespace kx
