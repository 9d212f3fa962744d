#include <gtest/gtest.h>

#include "app/app.h"
#include "app/run_command.h"

namespace kx {
namespace {

// Each View menu toggle flips its own option in the state the pictures are composed from, and no other.
TEST(ViewOptions, EachToggleFlipsOnlyItsOwnOption) {
  const struct {
    CommandId id;
    bool ViewOptions::*option;
  } cases[] = {
      {cmd::ScanlineEmulation, &ViewOptions::scanlines},     {cmd::CrtEmulationMain, &ViewOptions::crtMain},
      {cmd::CrtEmulationEdge, &ViewOptions::crtEdge},        {cmd::CrtEmulationOnGrids, &ViewOptions::emulationOnGrids},
      {cmd::ShowCharGrid, &ViewOptions::charGrid},           {cmd::ShowPixelGrid, &ViewOptions::pixelGrid},
      {cmd::ShowHighlights, &ViewOptions::highlights},       {cmd::HoverCharHighlight, &ViewOptions::hoverChar},
      {cmd::HoverPixelHighlight, &ViewOptions::hoverPixel},  {cmd::PreviewHighlightsEditor, &ViewOptions::paneFrame},
      {cmd::PreviewOutsideFade, &ViewOptions::paneFade},
  };
  for (const auto& c : cases) {
    App app;
    const ViewOptions before = app.view.options;
    RunCommand(app, c.id);
    for (const auto& other : cases) {
      const bool flipped = other.option == c.option;
      EXPECT_EQ(app.view.options.*other.option, flipped != (before.*other.option)) << c.id << " / " << other.id;
    }
  }
}

}  // namespace
}  // namespace kx
