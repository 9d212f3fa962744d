#pragma once
// The click-to-apply glyph tools and the glyph keys: what they do to the glyph under the pointer, and which
// glyphs a key acts on while a glyph selection exists.

#include <vector>

#include "model/charset_store.h"
#include "model/editing_state.h"
#include "ops/glyph_stores.h"

namespace kx {

// Tools 11..33 act on the clicked glyph instead of drawing.
bool IsGlyphTool(Tool tool);
// The right button applies only fill, reverse and clear.
bool RightButtonApplies(Tool tool);

// Applies `tool` to glyph n of the editor charset and returns the tool that is current afterwards: copy and
// cut hand over to paste. Drawing tools change nothing.
Tool ApplyGlyphTool(CharsetStore& store, GlyphStores& stores, Tool tool, int glyph);

enum class GlyphKeyAction { Clear, Fill, Reverse };
// Clear and fill write 8 bytes of 00 or FF and give the glyph ink index 1; reverse inverts every byte.
void ApplyGlyphKey(CharsetStore& store, GlyphKeyAction action, int glyph);

// The glyph under charset pixel (x, y).
constexpr int GlyphAtPixel(int x, int y) { return GlyphAtCell(x / 8, y / 8); }

// The rectangle between the selection's anchor and end with first <= last.
OperationScope ScopeOfSelection(const GlyphSelection& selection);
// Every glyph of the selection's rectangle, row by row; just `glyph` when there is no selection.
std::vector<int> GlyphsForKey(const GlyphSelection& selection, int glyph);

}  // namespace kx
