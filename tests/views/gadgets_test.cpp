#include <gtest/gtest.h>

#include <set>
#include <string>

#include "views/gadgets.h"
#include "views/icons.h"
#include "views/layout.h"

namespace kx {
namespace {

TEST(GadgetTable, ToolColumnButtonsAtTheirPlaces) {
  struct Expect {
    GadgetId id;
    int x, y, w, h;
    const char* tooltip;
    GadgetKind kind;
  };
  const Expect expected[] = {
      {GadgetId::FreeDraw, 0, 0, 24, 24, "Continous Draw", GadgetKind::Toggle},
      {GadgetId::Reverse, 24, 24, 24, 24, "Reverse Char", GadgetKind::Toggle},
      {GadgetId::MirrorHorizontal, 24, 72, 24, 24, "Mirror Char Left to Right", GadgetKind::Toggle},
      {GadgetId::ScreenEditor, 0, 144, 24, 24, "Screen Editor / Charset Test", GadgetKind::Push},
      {GadgetId::Redo, 24, 192, 24, 24, "Redo Last Operation", GadgetKind::Push},
      {GadgetId::Swap, 0, 216, 48, 24, "Swap Charsets 1<>2", GadgetKind::Push},
      {GadgetId::Zoom, 0, 240, 48, 20, "Zoom Level", GadgetKind::Combo},
      {GadgetId::PenSwatch, 0, 260, 48, 24, "Pen Colour", GadgetKind::Canvas},
      {GadgetId::MemoryPane, 600, 360, 512, 128, "Charset in Memory (click to edit)", GadgetKind::Canvas},
  };
  for (const Expect& e : expected) {
    const GadgetSpec& g = Gadget(e.id);
    EXPECT_EQ((Rect{g.x, g.y, g.w, g.h}), (Rect{e.x, e.y, e.w, e.h})) << g.name;
    EXPECT_STREQ(g.tooltip, e.tooltip) << g.name;
    EXPECT_EQ(g.kind, e.kind) << g.name;
  }
}

TEST(GadgetTable, ToolButtonsTileTheColumnWithoutOverlap) {
  std::set<std::pair<int, int>> cells;
  for (int i = 0; i < kToolColumnButtons - 1; ++i) {
    const GadgetSpec& g = GadgetTable()[i];
    EXPECT_TRUE(g.x == 0 || g.x == 24) << g.name;
    EXPECT_EQ(g.y % 24, 0) << g.name;
    EXPECT_TRUE(cells.insert({g.x, g.y}).second) << g.name;
  }
  EXPECT_EQ(cells.size(), 18u);
}

TEST(ToolColumnState, StartsWithFreeDrawPressedAndPasteUndoRedoDisabled) {
  const ToolColumnState tools;
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const auto id = static_cast<GadgetId>(i);
    const bool disabled = id == GadgetId::Paste || id == GadgetId::Undo || id == GadgetId::Redo;
    EXPECT_EQ(tools[id].pressed, id == GadgetId::FreeDraw) << i;
    EXPECT_EQ(tools[id].enabled, !disabled) << i;
    EXPECT_EQ(tools[id].tooltip, Gadget(id).tooltip) << i;
  }
  EXPECT_EQ(tools[GadgetId::Swap].icon, IconId::SwapCharset1);
}

TEST(Icons, EveryIconHasItsSizeAndVariantsDiffer) {
  for (int i = 0; i < kIconCount; ++i) {
    const Picture p = IconPicture(static_cast<IconId>(i));
    const bool swap = i >= static_cast<int>(IconId::SwapCharset1);
    EXPECT_EQ(p.width, swap ? kSwapPictureWidth : kIconSize) << i;
    EXPECT_EQ(p.height, swap ? kSwapPictureHeight : kIconSize) << i;
    ASSERT_EQ(p.pixels.size(), static_cast<std::size_t>(p.width * p.height)) << i;
  }
  const std::pair<IconId, IconId> variants[] = {
      {IconId::FreeDrawContinuous, IconId::FreeDrawDotted}, {IconId::BoxHollow, IconId::BoxFilled},
      {IconId::MirrorTopToBottom, IconId::MirrorBottomToTop}, {IconId::MirrorLeftToRight, IconId::MirrorRightToLeft},
      {IconId::SlideRight, IconId::SlideLeft},   {IconId::SlideDown, IconId::SlideUp},
      {IconId::FlipVertical, IconId::FlipHorizontal}, {IconId::Undo, IconId::Redo},
      {IconId::SwapCharset1, IconId::SwapCharset2},
  };
  for (const auto& [a, b] : variants) {
    EXPECT_NE(IconPicture(a).pixels, IconPicture(b).pixels) << static_cast<int>(a);
  }
}

TEST(Icons, LogoIsOpaqueAndSquare) {
  const Picture logo = LogoPicture();
  EXPECT_EQ(logo.width, kLogoSize);
  EXPECT_EQ(logo.height, kLogoSize);
  for (std::uint32_t px : logo.pixels) ASSERT_EQ(px >> 24, 0xFFu);
}

}  // namespace
}  // namespace kx
