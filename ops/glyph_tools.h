#pragma once
// The click-to-apply glyph tools and the glyph keys: what they do to the glyph under the pointer, and which
// glyphs a key acts on while a glyph selection exists.

#include <optional>
#include <utility>
#include <vector>

#include "model/charset_store.h"
#include "model/editing_state.h"
#include "ops/glyph_stores.h"
#include "ops/transform.h"

namespace kx {

// The click-to-apply tools that transform the clicked glyph, each with its transform: the one pairing of
// tools and transforms, read by the transform families' Individual items and the command-line tool.
inline constexpr std::pair<Tool, Transform> kToolTransforms[] = {
    {Tool::FillGlyph, Transform::Fill},
    {Tool::ReverseGlyph, Transform::Reverse},
    {Tool::ClearGlyph, Transform::Erase},
    {Tool::SlideGlyphDown, Transform::SlideDown},
    {Tool::SlideGlyphUp, Transform::SlideUp},
    {Tool::SlideGlyphRight, Transform::SlideRight},
    {Tool::SlideGlyphLeft, Transform::SlideLeft},
    {Tool::MirrorGlyphTopToBottom, Transform::MirrorTopToBottom},
    {Tool::MirrorGlyphBottomToTop, Transform::MirrorBottomToTop},
    {Tool::MirrorGlyphRightToLeft, Transform::MirrorRightToLeft},
    {Tool::MirrorGlyphLeftToRight, Transform::MirrorLeftToRight},
    {Tool::RotateGlyph, Transform::Rotate90},
    {Tool::FlipGlyphVertical, Transform::FlipVertical},
    {Tool::FlipGlyphHorizontal, Transform::FlipHorizontal},
    {Tool::ItaliciseGlyph, Transform::Italicise},
    {Tool::SlantGlyphRight, Transform::SlantRight},
    {Tool::SlantGlyphLeft, Transform::SlantLeft},
    {Tool::UnderlineGlyph, Transform::Underline},
    {Tool::StrikethroughGlyph, Transform::Strikethrough},
};

// The transform a glyph tool applies; none for the drawing, clipboard and ROM tools.
constexpr std::optional<Transform> TransformOfTool(Tool tool) {
  for (const auto& [t, x] : kToolTransforms) {
    if (t == tool) return x;
  }
  return std::nullopt;
}

// The tool that applies `transform` to one glyph; a transform no tool has fails to compile in a
// constant expression.
constexpr Tool ToolOfTransform(Transform transform) {
  for (const auto& [t, x] : kToolTransforms) {
    if (x == transform) return t;
  }
  throw "no glyph tool applies this transform";
}

// The tools in kToolTransforms, copy, paste, cut and ROM restore act on the clicked glyph instead of drawing.
bool IsGlyphTool(Tool tool);
// The right button applies only fill, reverse and clear.
bool RightButtonApplies(Tool tool);

// Applies `tool` to glyph n of the editor charset, in the glyph's own mode, and returns the tool that is
// current afterwards: copy and cut hand over to paste. Drawing tools change nothing.
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
