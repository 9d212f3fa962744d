#include "views/gadgets.h"

namespace kx {
namespace {

using K = GadgetKind;
using G = GadgetId;
using I = IconId;

constexpr GadgetSpec kGadgets[] = {
    {G::FreeDraw, "free draw", 0, 0, 24, 24, "Continous Draw", K::Toggle, I::FreeDrawContinuous, true, false},
    {G::Line, "line", 24, 0, 24, 24, "Draw Line", K::Toggle, I::Line, false, false},
    {G::Box, "box", 0, 24, 24, 24, "Draw Box", K::Toggle, I::BoxHollow, false, false},
    {G::Reverse, "reverse", 24, 24, 24, 24, "Reverse Char", K::Toggle, I::Reverse, false, false},
    {G::Fill, "fill", 0, 48, 24, 24, "Fill Char", K::Toggle, I::Fill, false, false},
    {G::Clear, "clear", 24, 48, 24, 24, "Clear Char", K::Toggle, I::Clear, false, false},
    {G::MirrorVertical, "mirror vertical", 0, 72, 24, 24, "Mirror Char Top to Bottom", K::Toggle,
     I::MirrorTopToBottom, false, false},
    {G::MirrorHorizontal, "mirror horizontal", 24, 72, 24, 24, "Mirror Char Left to Right", K::Toggle,
     I::MirrorLeftToRight, false, false},
    {G::SlideHorizontal, "slide horizontal", 0, 96, 24, 24, "Slide Char Right", K::Toggle, I::SlideRight, false,
     false},
    {G::SlideVertical, "slide vertical", 24, 96, 24, 24, "Slide Char Down", K::Toggle, I::SlideDown, false, false},
    {G::Flip, "flip", 0, 120, 24, 24, "Flip Char Vertical", K::Toggle, I::FlipVertical, false, false},
    {G::Rotate, "rotate", 24, 120, 24, 24, "Rotate Char 90 CW", K::Toggle, I::Rotate, false, false},
    {G::ScreenEditor, "screen editor", 0, 144, 24, 24, "Screen Editor / Charset Test", K::Push, I::ScreenEditor,
     false, false},
    {G::Cut, "cut", 24, 144, 24, 24, "Cut/Copy Char", K::Toggle, I::Cut, false, false},
    {G::Copy, "copy", 0, 168, 24, 24, "Copy Char", K::Toggle, I::Copy, false, false},
    {G::Paste, "paste", 24, 168, 24, 24, "Paste Char", K::Toggle, I::Paste, false, true},
    {G::Undo, "undo", 0, 192, 24, 24, "Undo Last Operation", K::Push, I::Undo, false, true},
    {G::Redo, "redo", 24, 192, 24, 24, "Redo Last Operation", K::Push, I::Redo, false, true},
    {G::Swap, "swap", 0, 216, 48, 24, "Swap Charsets 1<>2", K::Push, I::SwapCharset1, false, false},
    {G::Zoom, "zoom", 0, 240, 48, 20, "Zoom Level", K::Combo, I::FreeDrawContinuous, false, false},
    {G::PenSwatch, "pen colour", 0, 260, 48, 24, "Pen Colour", K::Canvas, I::FreeDrawContinuous, false, false},
    {G::EditorCanvas, "editor", 70, 2, 722, 322, "", K::Canvas, I::FreeDrawContinuous, false, false},
    {G::VerticalBar, "vertical scroll", 792, 2, 16, 322, "", K::ScrollBar, I::FreeDrawContinuous, false, false},
    {G::HorizontalBar, "horizontal scroll", 70, 324, 722, 16, "", K::ScrollBar, I::FreeDrawContinuous, false,
     false},
    {G::EditorPane, "editor charset", 70, 360, 512, 128, "Charset in Editor (currently being edited)", K::Canvas,
     I::FreeDrawContinuous, false, false},
    {G::MemoryPane, "memory charset", 600, 360, 512, 128, "Charset in Memory (click to edit)", K::Canvas,
     I::FreeDrawContinuous, false, false},
};

static_assert(std::size(kGadgets) == kGadgetCount);

constexpr bool TableFollowsIds() {
  for (int i = 0; i < kGadgetCount; ++i) {
    if (static_cast<int>(kGadgets[i].id) != i) return false;
  }
  return true;
}
static_assert(TableFollowsIds(), "the gadget table is indexed by GadgetId");

}  // namespace

std::span<const GadgetSpec> GadgetTable() { return kGadgets; }

const GadgetSpec& Gadget(GadgetId id) { return kGadgets[static_cast<int>(id)]; }

std::array<ToolButtonState, kToolColumnButtons> ToolColumnState::StartButtons() {
  std::array<ToolButtonState, kToolColumnButtons> buttons;
  for (int i = 0; i < kToolColumnButtons; ++i) {
    const GadgetSpec& g = kGadgets[i];
    buttons[i] = {g.startsPressed, !g.startsDisabled, g.tooltip, g.icon};
  }
  return buttons;
}

}  // namespace kx
