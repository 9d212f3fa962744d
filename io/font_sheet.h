#pragma once
// Glyphs cut from a font sheet: a picture whose sides are multiples of 8, read on its own unscaled 8x8 grid,
// cells left to right then top to bottom. The paper is the picture's most common colour unless one is
// given; every other colour is a set pixel. Cells equal to an earlier cell may be dropped; of more than
// 256 cells the first 256 are taken and the rest counted.

#include <cstdint>
#include <optional>
#include <string_view>

#include "io/glyph_source.h"
#include "runtime/image.h"
#include "runtime/image_codec.h"

namespace kx {

// Sheets larger than this are refused (64 Ki cells, far more than any font).
inline constexpr long long kMaxSheetPixels = 4096LL * 4096;
// What a sheet's decoder may allocate: a larger sheet is refused by its header, before it is decoded.
inline constexpr ImageLimits kSheetImageLimits{kMaxImageSide, kMaxSheetPixels};

struct SheetOptions {
  std::optional<std::uint32_t> paper;  // 0xRRGGBB
  bool unique = false;                 // drop cells equal to an earlier cell
};

struct SheetCut {
  int columns = 0;  // cells across
  int rows = 0;     // cells down
  std::uint32_t paper = 0;  // 0xRRGGBB
  int cells = 0;      // cells considered (after dropping repeats when asked)
  int leftOut = 0;    // of those, the ones past the 256th
  int dropped = 0;    // repeats dropped
  GlyphBytes glyphs;  // the first min(cells, 256)
};

SourceResult<SheetCut> CutFontSheet(const Image& sheet, const SheetOptions& options);

// Decodes a PNG, BMP or JPEG within kSheetImageLimits and cuts it.
SourceResult<SheetCut> CutFontSheetFile(ByteSpan file, const SheetOptions& options);

// "RRGGBB" (six hex digits, an optional leading '#') as 0xRRGGBB.
std::optional<std::uint32_t> ParsePaperColour(std::string_view text);

}  // namespace kx
