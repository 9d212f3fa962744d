#include "ops/glyph_tools.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "ops/batch.h"
#include "ops/scope.h"

namespace kx {
namespace {

using T = Tool;
using X = Transform;
}  // namespace

bool IsGlyphTool(Tool tool) {
  constexpr Tool kWithoutTransform[] = {T::CopyGlyph, T::PasteGlyph, T::CutGlyph, T::RestoreRomGlyph};
  return TransformOfTool(tool).has_value() || std::ranges::find(kWithoutTransform, tool) != std::end(kWithoutTransform);
}

bool RightButtonApplies(Tool tool) {
  return tool == T::FillGlyph || tool == T::ReverseGlyph || tool == T::ClearGlyph;
}

Tool ApplyGlyphTool(CharsetStore& store, GlyphStores& stores, Tool tool, int glyph) {
  if (const auto transform = TransformOfTool(tool)) {
    if (glyph >= 0 && glyph < kGlyphCount)
      ApplyToGlyph(store.editor, *transform, glyph, GlyphModeOf(store.colours.mode, store.inks[glyph]));
    return tool;
  }
  if (tool == T::RestoreRomGlyph) {
    RestoreRomGlyph(store.editor, glyph);
    return tool;
  }
  return PressGlyphClipboardTool(store.editor, stores, tool, glyph);
}

void ApplyGlyphKey(CharsetStore& store, GlyphKeyAction action, int glyph) {
  const int n = ClampGlyphIndex(glyph);
  if (action == GlyphKeyAction::Reverse) {
    ApplyToGlyph(store.editor, X::Reverse, n);
    return;
  }
  PutGlyph(store.editor, n, ApplyTransform(action == GlyphKeyAction::Fill ? X::Fill : X::Erase, Glyph{}));
  store.inks[static_cast<std::size_t>(n)] = 1;
}

OperationScope ScopeOfSelection(const GlyphSelection& s) {
  return {std::min(s.startColumn, s.endColumn), std::max(s.startColumn, s.endColumn),
          std::min(s.startRow, s.endRow), std::max(s.startRow, s.endRow)};
}

std::vector<int> GlyphsForKey(const GlyphSelection& selection, int glyph) {
  if (!selection.Exists()) return {ClampGlyphIndex(glyph)};
  const OperationScope r = ScopeOfSelection(selection);
  std::vector<int> glyphs;
  for (int row = r.firstRow; row <= r.lastRow; ++row) {
    for (int column = r.firstColumn; column <= r.lastColumn; ++column) glyphs.push_back(GlyphAtCell(column, row));
  }
  return glyphs;
}

}  // namespace kx
