#include <gtest/gtest.h>

#include <string>

#include "views/gadgets.h"
#include "views/icons.h"
#include "views/layout.h"
#include "views/picture_paint.h"

namespace kx {
namespace {

// Where every fixed gadget stands, its tooltip and kind; the tool buttons' entries are also the tooltips the
// tool column shows at start.
struct GadgetExpectation {
  GadgetId id;
  int x, y, w, h;
  const char* tooltip;
  GadgetKind kind;
};

constexpr GadgetExpectation kFixedGadgets[] = {
    {GadgetId::FreeDraw, 0, 0, 24, 24, "Continous Draw", GadgetKind::Toggle},
    {GadgetId::Line, 24, 0, 24, 24, "Draw Line", GadgetKind::Toggle},
    {GadgetId::Box, 0, 24, 24, 24, "Draw Box", GadgetKind::Toggle},
    {GadgetId::Reverse, 24, 24, 24, 24, "Reverse Char", GadgetKind::Toggle},
    {GadgetId::Fill, 0, 48, 24, 24, "Fill Char", GadgetKind::Toggle},
    {GadgetId::Clear, 24, 48, 24, 24, "Clear Char", GadgetKind::Toggle},
    {GadgetId::MirrorVertical, 0, 72, 24, 24, "Mirror Char Top to Bottom", GadgetKind::Toggle},
    {GadgetId::MirrorHorizontal, 24, 72, 24, 24, "Mirror Char Left to Right", GadgetKind::Toggle},
    {GadgetId::SlideHorizontal, 0, 96, 24, 24, "Slide Char Right", GadgetKind::Toggle},
    {GadgetId::SlideVertical, 24, 96, 24, 24, "Slide Char Down", GadgetKind::Toggle},
    {GadgetId::Flip, 0, 120, 24, 24, "Flip Char Vertical", GadgetKind::Toggle},
    {GadgetId::Rotate, 24, 120, 24, 24, "Rotate Char 90 CW", GadgetKind::Toggle},
    {GadgetId::ScreenEditor, 0, 144, 24, 24, "Screen Editor / Charset Test", GadgetKind::Push},
    {GadgetId::Cut, 24, 144, 24, 24, "Cut/Copy Char", GadgetKind::Toggle},
    {GadgetId::Copy, 0, 168, 24, 24, "Copy Char", GadgetKind::Toggle},
    {GadgetId::Paste, 24, 168, 24, 24, "Paste Char", GadgetKind::Toggle},
    {GadgetId::Undo, 0, 192, 24, 24, "Undo Last Operation", GadgetKind::Push},
    {GadgetId::Redo, 24, 192, 24, 24, "Redo Last Operation", GadgetKind::Push},
    {GadgetId::Swap, 0, 216, 48, 24, "Swap Charsets 1<>2", GadgetKind::Push},
    {GadgetId::Zoom, 0, 240, 48, 20, "Zoom Level", GadgetKind::Combo},
    {GadgetId::PenSwatch, 0, 260, 48, 24, "Pen Colour", GadgetKind::Canvas},
    {GadgetId::MemoryPane, 600, 360, 512, 128, "Charset in Memory (click to edit)", GadgetKind::Canvas},
};

TEST(GadgetTable, FixedGadgetsAtTheirPlacesWithTheirTooltips) {
  for (const GadgetExpectation& e : kFixedGadgets) {
    const GadgetSpec& g = Gadget(e.id);
    EXPECT_EQ((Rect{g.x, g.y, g.w, g.h}), (Rect{e.x, e.y, e.w, e.h})) << g.name;
    EXPECT_STREQ(g.tooltip, e.tooltip) << g.name;
    EXPECT_EQ(g.kind, e.kind) << g.name;
  }
}

TEST(ToolColumnState, StartsWithFreeDrawPressedAndPasteUndoRedoDisabled) {
  const ToolColumnState tools;
  for (const GadgetExpectation& e : kFixedGadgets) {
    const int i = static_cast<int>(e.id);
    if (i >= kToolColumnButtons) continue;
    const bool disabled = e.id == GadgetId::Paste || e.id == GadgetId::Undo || e.id == GadgetId::Redo;
    EXPECT_EQ(tools[e.id].pressed, e.id == GadgetId::FreeDraw) << i;
    EXPECT_EQ(tools[e.id].enabled, !disabled) << i;
    EXPECT_EQ(tools[e.id].tooltip, e.tooltip) << i;
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

// On a dark button face the dark strokes and edges would vanish: none of them borders on plain
// transparency, and the rim they get instead is light.
TEST(Icons, DarkPixelsHaveALightRimSoTheyReadOnADarkFace) {
  const auto luma = [](std::uint32_t px) {
    return (((px >> 16) & 0xFF) * 299 + ((px >> 8) & 0xFF) * 587 + (px & 0xFF) * 114) / 1000;
  };
  for (int i = 0; i < static_cast<int>(IconId::SwapCharset1); ++i) {
    const Picture p = IconPicture(static_cast<IconId>(i));
    for (int y = 0; y < p.height; ++y) {
      for (int x = 0; x < p.width; ++x) {
        const std::uint32_t px = p.At(x, y);
        if ((px >> 24) != 0 && (px >> 24) != 0xFF) {
          EXPECT_GE(luma(px), 0xC0u) << "icon " << i << " at " << x << "," << y;
        }
        if ((px >> 24) != 0xFF || luma(px) >= 80) continue;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= p.width || ny >= p.height) continue;
            EXPECT_NE(p.At(nx, ny) >> 24, 0u) << "icon " << i << " at " << x << "," << y;
          }
        }
      }
    }
  }
}

TEST(Icons, LogoIsOpaqueAndSquare) {
  const Picture logo = LogoPicture();
  EXPECT_EQ(logo.width, kLogoSize);
  EXPECT_EQ(logo.height, kLogoSize);
  for (std::uint32_t px : logo.pixels) ASSERT_EQ(px >> 24, 0xFFu);
  // The bird, mirrored from its left half, drawn in whole 4x4 blocks 28 pixels down.
  const Picture bird = BirdPicture();
  EXPECT_EQ(bird.At(0, 1), 0xFF5A3418u);  // its outermost wing tips, on both sides
  EXPECT_EQ(bird.At(bird.width - 1, 1), 0xFF5A3418u);
  const int x0 = (kLogoSize - bird.width * 4) / 2;
  for (int y = 0; y < bird.height * 4; ++y) {
    for (int x = 0; x < bird.width * 4; ++x) {
      const std::uint32_t colour = bird.At(x / 4, y / 4);
      if (colour != 0) {
        ASSERT_EQ(logo.At(x0 + x, 28 + y), colour) << x << "," << y;
      }
    }
  }
}

TEST(Icons, SwapButtonLightsTheDigitOfTheCharsetInTheEditor) {
  for (const auto& [id, lit] : {std::pair{IconId::SwapCharset1, 0}, std::pair{IconId::SwapCharset2, 1}}) {
    const Picture p = IconPicture(id);
    EXPECT_EQ(p.At(2, 2), lit == 0 ? kC64LightBlue : kC64Blue);    // around the "1"
    EXPECT_EQ(p.At(26, 2), lit == 1 ? kC64LightBlue : kC64Blue);   // around the "2"
  }
}

TEST(PicturePaint, FilledRectanglesStayInsideThePicture) {
  Picture p{4, 3, std::vector<std::uint32_t>(12, 0)};
  FillRect(p, 2, 1, 10, 10, kWhite);
  const std::vector<std::uint32_t> expected{0, 0, 0,      0,      //
                                            0, 0, kWhite, kWhite,  //
                                            0, 0, kWhite, kWhite};
  EXPECT_EQ(p.pixels, expected);
}

}  // namespace
}  // namespace kx
