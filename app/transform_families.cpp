#include "app/transform_families.h"

#include <array>

#include "ops/glyph_tools.h"

namespace kx {

namespace {

using enum Transform;

constexpr std::array<TransformFamily, 16> kFamilies{{
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
     "Slide Char Right"},
    {319, "Rotate Char 90", "Rotate Individual Chars", "Rotate", "Batch Rotate First 4 Rows",
     "Batch Rotate Last 4 Rows", "Rotate Entire Charset", Rotate90, ToolOfTransform(Rotate90), false, "Rotate Char 90 CW"},
}};

// Offset inside a family → scope; offsets 1..8 are the rows.
FamilyScope ScopeAtOffset(int offset) {
  if (offset == 0) return FamilyScope::Individual;
  if (offset <= kGlyphRowCount) return FamilyScope::Row;
  if (offset == 9) return FamilyScope::FirstFourRows;
  if (offset == 10) return FamilyScope::LastFourRows;
  return FamilyScope::Entire;
}

}  // namespace

std::span<const TransformFamily> TransformFamilies() { return kFamilies; }

const TransformFamily* FamilyWithBase(CommandId base) {
  for (const TransformFamily& f : kFamilies) {
    if (f.base == base) return &f;
  }
  return nullptr;
}

std::optional<FamilyCommand> DecodeFamilyCommand(CommandId id) {
  for (const TransformFamily& f : kFamilies) {
    const int offset = id - f.base;
    if (offset < 0 || offset >= kFamilySize) continue;
    FamilyCommand c;
    c.family = &f;
    c.scope = ScopeAtOffset(offset);
    switch (c.scope) {
      case FamilyScope::Individual: break;
      case FamilyScope::Row:
        c.row = offset;
        c.firstRow = c.lastRow = offset - 1;
        break;
      case FamilyScope::FirstFourRows:
        c.firstRow = 0;
        c.lastRow = 3;
        break;
      case FamilyScope::LastFourRows:
        c.firstRow = 4;
        c.lastRow = 7;
        break;
      case FamilyScope::Entire:
        c.firstRow = 0;
        c.lastRow = kGlyphRowCount - 1;
        break;
    }
    return c;
  }
  return std::nullopt;
}

CommandId FamilyCommandId(const TransformFamily& family, FamilyScope scope, int row) {
  switch (scope) {
    case FamilyScope::Individual: return family.base;
    case FamilyScope::Row: return family.base + row;
    case FamilyScope::FirstFourRows: return family.base + 9;
    case FamilyScope::LastFourRows: return family.base + 10;
    case FamilyScope::Entire: return family.base + 11;
  }
  return family.base;
}

std::string FamilyItemText(const TransformFamily& family, FamilyScope scope, int row) {
  switch (scope) {
    case FamilyScope::Individual: return std::string(family.individualText);
    case FamilyScope::Row: return std::string(family.rowLabel) + " Row " + std::to_string(row);
    case FamilyScope::FirstFourRows: return std::string(family.firstFourText);
    case FamilyScope::LastFourRows: return std::string(family.lastFourText);
    case FamilyScope::Entire: return std::string(family.entireText);
  }
  return {};
}

}  // namespace kx
