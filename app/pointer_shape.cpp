#include "app/pointer_shape.h"

#include "app/app.h"
#include "ops/glyph_tools.h"

namespace kx {

PointerShape EditorViewPointer(const App& app) {
  return IsGlyphTool(app.view.editing.tool) ? PointerShape::Arrow : PointerShape::Crosshair;
}

}  // namespace kx
