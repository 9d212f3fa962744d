#pragma once
// Glyphs cut from a font sheet as people publish them: a picture of cells, 8x8 pixels each scaled by a
// whole number, with or without a margin, gaps or grid lines (io/sheet_grid.h finds them), read left to
// right then top to bottom. Ink is told from paper by the nearest of the two, or for a picture of many
// colours (a JPEG, anti-aliased drawing) by brightness; transparent pixels are paper. Unless the paper is
// given it is the colour of the margin, else the one around the cells' edges, else the most common one.
// Cells equal to an earlier cell may be dropped; of more than 256 cells the first 256 are taken and the
// rest counted. In ASCII order the first cell is the space and each cell goes to its C64 screen code.

#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>

#include "io/glyph_source.h"
#include "io/sheet_grid.h"
#include "runtime/image.h"
#include "runtime/image_codec.h"

namespace kx {

// Sheets larger than this are refused (64 Ki cells, far more than any font).
inline constexpr long long kMaxSheetPixels = 4096LL * 4096;
// What a sheet's decoder may allocate: a larger sheet is refused by its header, before it is decoded.
// A PNG keeps its alpha, so that a transparent paper is told from black ink.
inline constexpr ImageLimits kSheetImageLimits{kMaxImageSide, kMaxSheetPixels, true};

struct SheetOptions {
  std::optional<std::uint32_t> paper;  // 0xRRGGBB
  bool unique = false;                 // drop cells equal to an earlier cell
  GridRequest grid;                    // scale, origin and pitch the user fixed
  bool asciiOrder = false;             // the first cell is the space; cells go to their screen codes
};

struct SheetCut {
  int columns = 0;  // cells across
  int rows = 0;     // cells down
  SheetGrid grid;
  std::uint32_t paper = 0;       // 0xRRGGBB
  bool transparentPaper = false;  // the paper is the picture's transparent pixels
  int cells = 0;      // cells considered (after dropping repeats when asked)
  int leftOut = 0;    // of those, the ones past the 256th (in ASCII order: with no screen code)
  int dropped = 0;    // repeats dropped
  GlyphBytes glyphs;  // the first min(cells, 256); in ASCII order glyphs 0 .. the highest screen code filled
};

SourceResult<SheetCut> CutFontSheet(const Image& sheet, const SheetOptions& options);

// Decodes a PNG, BMP or JPEG within kSheetImageLimits and cuts it.
SourceResult<SheetCut> CutFontSheetFile(ByteSpan file, const SheetOptions& options);

// "RRGGBB" (six hex digits, an optional leading '#') as 0xRRGGBB.
std::optional<std::uint32_t> ParsePaperColour(std::string_view text);

// "N" or "X,Y" (decimal, $hex or 0xhex, each up to `limit`) as a pair; "N" stands for N,N.
std::optional<std::pair<int, int>> ParseSheetPair(std::string_view text, int limit);

// The C64 screen code of ASCII `code` (32..126), or -1 for one the sets have no glyph for. In the
// upper-case set 'A' is 1; in the lower-case set 'a' is 1 and 'A' 65.
int ScreenCodeOfAscii(int code, bool lowerCaseSet);

}  // namespace kx
