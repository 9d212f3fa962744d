#include <gtest/gtest.h>

#include "app/app.h"
#include "app/pointer_shape.h"

namespace kx {
namespace {

TEST(PointerShape, CrosshairOverTheViewOnlyForTheToolsThatSetPixels) {
  // Tool modes 0, 1, 2, 5 and 6 draw pixels (free hand, line, boxes); 11..33 act on whole glyphs.
  App app;
  for (int mode : {0, 1, 2, 5, 6}) {
    app.view.editing.tool = static_cast<Tool>(mode);
    EXPECT_EQ(EditorViewPointer(app), PointerShape::Crosshair) << mode;
  }
  for (int mode = 11; mode <= 33; ++mode) {
    app.view.editing.tool = static_cast<Tool>(mode);
    EXPECT_EQ(EditorViewPointer(app), PointerShape::Arrow) << mode;
  }
}

}  // namespace
}  // namespace kx
