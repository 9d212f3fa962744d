#include "ops/derived_font.h"

#include <array>

#include "ops/batch.h"
#include "ops/charset_pixels.h"

namespace kx {
namespace {

inline constexpr int kSourceGlyphs = 64;

// The part of a source glyph that one destination glyph enlarges: the rows and columns from (row, column),
// each stretched by the shape's scale.
struct Part {
  int row;
  int column;
};

struct FontShape {
  int scaleX;
  int scaleY;
  int partCount;  // part p of source glyph g goes to glyph g + 64p
  std::array<Part, 4> parts;
};

inline constexpr FontShape kOneByTwo{1, 2, 2, {{{0, 0}, {4, 0}}}};
inline constexpr FontShape kTwoByOne{2, 1, 2, {{{0, 0}, {0, 4}}}};
inline constexpr FontShape kTwoByTwo{2, 2, 4, {{{0, 0}, {0, 4}, {4, 0}, {4, 4}}}};

enum class ReverseStep {
  None,
  LowerHalfIntoUpper,  // glyphs 128-255 := reverse of glyphs 0-127
  All,                 // all 256 glyphs reversed in place
};

struct FontRecipe {
  DerivedFontKind kind;
  const FontShape* shape;
  ReverseStep reverse;
  bool keepsRowInMemory;  // the widening builders leave glyph row 2 in the row memory
};

inline constexpr std::array<FontRecipe, 6> kRecipes{{
    {DerivedFontKind::OneByTwo, &kOneByTwo, ReverseStep::None, false},
    {DerivedFontKind::OneByTwoReversed, &kOneByTwo, ReverseStep::LowerHalfIntoUpper, false},
    {DerivedFontKind::TwoByOne, &kTwoByOne, ReverseStep::None, true},
    {DerivedFontKind::TwoByOneReversed, &kTwoByOne, ReverseStep::LowerHalfIntoUpper, true},
    {DerivedFontKind::TwoByTwo, &kTwoByTwo, ReverseStep::None, true},
    {DerivedFontKind::TwoByTwoReversed, &kTwoByTwo, ReverseStep::All, true},
}};

const FontRecipe* RecipeFor(DerivedFontKind kind) {
  for (const auto& recipe : kRecipes)
    if (recipe.kind == kind) return &recipe;
  return nullptr;
}

// A multicolour source glyph is enlarged in its own pixels, two bits wide, so each pair is doubled whole.
Glyph Enlarge(const Glyph& source, const FontShape& shape, const Part& part, GlyphMode mode) {
  const int width = mode == GlyphMode::Multicolour ? 2 : 1;
  const int pixels = 8 / width;
  const unsigned mask = (1u << width) - 1;
  const auto pixelAt = [&](int row, int column) { return (source[row] >> (8 - width * (column + 1))) & mask; };
  Glyph out{};
  for (int r = 0; r < kGlyphBytes; ++r)
    for (int c = 0; c < pixels; ++c) {
      const unsigned pixel = pixelAt(part.row + r / shape.scaleY, part.column / width + c / shape.scaleX);
      out[r] = static_cast<std::uint8_t>(out[r] | (pixel << (8 - width * (c + 1))));
    }
  return out;
}

void ApplyReverse(Charset& charset, ReverseStep step) {
  constexpr int half = kCharsetBytes / 2;
  switch (step) {
    case ReverseStep::None: break;
    case ReverseStep::LowerHalfIntoUpper:
      for (int i = 0; i < half; ++i) charset[half + i] = static_cast<std::uint8_t>(charset[i] ^ 0xFF);
      break;
    case ReverseStep::All: ApplyToBytes(charset, ByteOperation::Reverse, kWholeCharset); break;
  }
}

// Glyph rows of the charset picture in the order the 1 x 2 preview shows them, so that each glyph stands
// above the one 64 places later. The order is its own inverse.
inline constexpr std::array<int, kGlyphRows> kOneByTwoRowOrder{0, 2, 1, 3, 4, 6, 5, 7};

}  // namespace

void BuildDerivedFont(Charset& charset, GlyphStores& stores, DerivedFontKind kind, const GlyphModes& modes) {
  const FontRecipe* recipe = RecipeFor(kind);
  if (!recipe) return;
  const Charset source = charset;
  const FontShape& shape = *recipe->shape;
  for (int g = 0; g < kSourceGlyphs; ++g) {
    const Glyph s = GetGlyph(source, g);
    for (int p = 0; p < shape.partCount; ++p)
      PutGlyph(charset, g + kSourceGlyphs * p, Enlarge(s, shape, shape.parts[p], modes[g]));
  }
  ApplyReverse(charset, recipe->reverse);
  if (recipe->keepsRowInMemory) CopyRowToMemory(source, stores, 1);
}

CellPosition PreviewCellOf(PreviewKind kind, int glyph) {
  const int n = ClampGlyphIndex(glyph);
  const int g = n % kSourceGlyphs;  // the letter's first glyph
  const int part = n / kSourceGlyphs;  // 0: g, 1: g + 64, 2: g + 128, 3: g + 192
  const int pairColumn = 2 * (g % 16) + (part & 1);
  switch (kind) {
    case PreviewKind::OneByTwo: return {GlyphColumnOf(n), kOneByTwoRowOrder[GlyphRowOf(n)]};
    case PreviewKind::TwoByOne: return {pairColumn, g / 16 + 4 * (part >> 1)};
    case PreviewKind::TwoByTwo: return {pairColumn, 2 * (g / 16) + (part >> 1)};
    case PreviewKind::None: break;
  }
  return {GlyphColumnOf(n), GlyphRowOf(n)};
}

bool ComposeFontPreview(PreviewKind kind, std::span<const std::uint32_t> charsetPicture, int charsetStride,
                        std::span<std::uint32_t> preview, int previewStride) {
  const std::size_t sourceNeeded = CharsetPixelsNeeded(charsetStride);
  const std::size_t targetNeeded = CharsetPixelsNeeded(previewStride);
  if (sourceNeeded == 0 || targetNeeded == 0 || charsetPicture.size() < sourceNeeded ||
      preview.size() < targetNeeded)
    return false;
  for (int n = 0; n < kGlyphCount; ++n) {
    const CellPosition to = PreviewCellOf(kind, n);
    const int fromX = GlyphColumnOf(n) * 8;
    const int fromY = GlyphRowOf(n) * 8;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        preview[static_cast<std::size_t>(to.y * 8 + y) * previewStride + to.x * 8 + x] =
            charsetPicture[static_cast<std::size_t>(fromY + y) * charsetStride + fromX + x];
  }
  return true;
}

}  // namespace kx
