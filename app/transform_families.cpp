#include "app/transform_families.h"

#include "ops/glyph_tools.h"

namespace kx {

namespace {

using enum Transform;

constexpr TransformFamily kFamilies[] = {
    {66, "Italics", "Italicise Individual Chars", "Italicise", "Batch Italicise First 4 Rows",
     "Batch Italicise Last 4 Rows", "Italicise Entire Charset", Italicise, ToolOfTransform(Italicise), true, ""},
    {78, "Slant Right", "Slant Right Individual Chars", "Slant Right", "Slant Right First 4 Rows",
     "Slant Right Last 4 Rows", "Slant Right Entire Charset", SlantRight, ToolOfTransform(SlantRight), true, ""},
    {90, "Slant Left", "Slant Left Individual Chars", "Slant Left", "Slant Left First 4 Rows",
     "Slant Left Last 4 Rows", "Slant Left Entire Charset", SlantLeft, ToolOfTransform(SlantLeft), true, ""},
    {102, "Underline", "Underline Individual Chars", "Underline", "Underline First 4 Rows",
     "Underline Last 4 Rows", "Underline Entire Charset", Underline, ToolOfTransform(Underline), true, ""},
    {114, "Strikethrough", "Strikethrough Individual Chars", "Strikethrough", "Strikethrough First 4 Rows",
     "Strikethrough Last 4 Rows", "Strikethrough Entire Charset", Strikethrough, ToolOfTransform(Strikethrough), true,
     ""},
    {195, "Horizontal", "Flip Individual Chars Horizontally", "Flip Horizontally",
     "Batch Flip Horizontally First 4 Rows", "Batch Flip Horizontally Last 4 Rows",
     "Flip Horizontally Entire Charset", FlipHorizontal, ToolOfTransform(FlipHorizontal), false, "Flip Char Horizontal"},
    {207, "Vertical", "Flip Individual Chars Vertically", "Flip Vertically", "Batch Flip Vertically First 4 Rows",
     "Batch Flip Vertically Last 4 Rows", "Flip Vertically Entire Charset", FlipVertical, ToolOfTransform(FlipVertical),
     false, "Flip Char Vetical"},
    {219, "Top to Bottom", "Mirror Top to Bottom Individual Chars", "Mirror Top to Bottom",
     "Batch Mirror Top to Bottom First 4 Rows", "Batch Mirror Top to Bottom Last 4 Rows",
     "Mirror Top to Bottom Entire Charset", MirrorTopToBottom, ToolOfTransform(MirrorTopToBottom), false,
     "Mirror Char Top to Bottom"},
    {231, "Bottom to Top", "Mirror Bottom to Top Individual Chars", "Mirror Bottom to Top",
     "Batch Mirror Bottom to Top First 4 Rows", "Batch Mirror Bottom to Top Last 4 Rows",
     "Mirror Bottom to Top Entire Charset", MirrorBottomToTop, ToolOfTransform(MirrorBottomToTop), false,
     "Mirror Char Bottom to Top"},
    {243, "Left to Right", "Mirror Left to Right Individual Chars", "Mirror Left to Right",
     "Batch Mirror Left to Right First 4 Rows", "Batch Mirror Left to Right Last 4 Rows",
     "Mirror Left to Right Entire Charset", MirrorLeftToRight, ToolOfTransform(MirrorLeftToRight), false,
     "Mirror Char Left to Right"},
    {255, "Right to Left", "Mirror Right to Left Individual Chars", "Mirror Right to Left",
     "Batch Mirror Right to Left First 4 Rows", "Batch Mirror Right to Left Last 4 Rows",
     "Mirror Right to Left Entire Charset", MirrorRightToLeft, ToolOfTransform(MirrorRightToLeft), false,
     "Mirror Char Right to Left"},
    {267, "Downwards", "Slide Down Individual Chars", "Slide Down", "Batch Slide Down First 4 Rows",
     "Batch Slide Down Last 4 Rows", "Slide Down Entire Charset", SlideDown, ToolOfTransform(SlideDown), false,
     "Slide Char Down"},
    {279, "Upwards", "Slide Up Individual Chars", "Slide Up", "Batch Slide Up First 4 Rows",
     "Batch Slide Up Last 4 Rows", "Slide Up Entire Charset", SlideUp, ToolOfTransform(SlideUp), false, "Slide Char Up"},
    {291, "Left", "Slide Left Individual Chars", "Slide Left", "Batch Slide Left First 4 Rows",
     "Batch Slide Left Last 4 Rows", "Slide Left Entire Charset", SlideLeft, ToolOfTransform(SlideLeft), false,
     "Slide Char Left"},
    {303, "Right", "Slide Right Individual Chars", "Slide Right", "Batch Slide Right First 4 Rows",
     "Batch Slide Right Last 4 Rows", "Slide Right Entire Charset", SlideRight, ToolOfTransform(SlideRight), false,
     "Slide Char Right", SlideDirection::Right},
    {319, "Rotate Char 90", "Rotate Individual Chars", "Rotate", "Batch Rotate First 4 Rows",
     "Batch Rotate Last 4 Rows", "Rotate Entire Charset", Rotate90, ToolOfTransform(Rotate90), false, "Rotate Char 90 CW"},
};

// Where each scope sits inside a family and the glyph rows it walks. The rows take the eight offsets from
// 1: row r is at 1 + r and walks only itself; the Individual item walks none.
struct ScopePlace {
  FamilyScope scope;
  int offset;
  int firstRow;
  int lastRow;
};
constexpr ScopePlace kScopePlaces[] = {
    {FamilyScope::Individual, 0, -1, -1},
    {FamilyScope::Row, 1, 0, 0},
    {FamilyScope::FirstFourRows, 1 + kGlyphRowCount, 0, 3},
    {FamilyScope::LastFourRows, 2 + kGlyphRowCount, 4, 7},
    {FamilyScope::Entire, 3 + kGlyphRowCount, 0, kGlyphRowCount - 1},
};
static_assert(3 + kGlyphRowCount == kFamilySize - 1);

const ScopePlace& PlaceOf(FamilyScope scope) {
  for (const ScopePlace& p : kScopePlaces) {
    if (p.scope == scope) return p;
  }
  return kScopePlaces[0];
}

}  // namespace

std::span<const TransformFamily> TransformFamilies() { return kFamilies; }

const TransformFamily* FamilyOf(Transform transform) {
  for (const TransformFamily& f : kFamilies) {
    if (f.transform == transform) return &f;
  }
  return nullptr;
}

std::optional<FamilyCommand> DecodeFamilyCommand(CommandId id) {
  for (const TransformFamily& f : kFamilies) {
    const int offset = id - f.base;
    if (offset < 0 || offset >= kFamilySize) continue;
    for (const ScopePlace& p : kScopePlaces) {
      const int rows = p.scope == FamilyScope::Row ? kGlyphRowCount : 1;
      const int step = offset - p.offset;
      if (step < 0 || step >= rows) continue;
      return FamilyCommand{&f, p.scope, p.firstRow + step, p.lastRow + step};
    }
  }
  return std::nullopt;
}

CommandId FamilyCommandId(const TransformFamily& family, FamilyScope scope, int row) {
  return family.base + PlaceOf(scope).offset + (scope == FamilyScope::Row ? row : 0);
}

std::string FamilyItemText(const TransformFamily& family, FamilyScope scope, int row) {
  switch (scope) {
    case FamilyScope::Individual: return std::string(family.individualText);
    case FamilyScope::Row: return std::string(family.rowLabel) + " Row " + std::to_string(row + 1);
    case FamilyScope::FirstFourRows: return std::string(family.firstFourText);
    case FamilyScope::LastFourRows: return std::string(family.lastFourText);
    case FamilyScope::Entire: return std::string(family.entireText);
  }
  return {};
}

}  // namespace kx
