#pragma once
// Finding the grid of cells on a font sheet drawn as people publish them: scaled by a whole number, with a
// margin, with gaps or grid lines between cells. The sheet comes as a two-tone map (which tone is the
// paper does not matter here); the grid is told by three things a font sheet always shows:
//   - the scale: the run lengths of either tone are (nearly all) multiples of it;
//   - separators: the columns (rows) between cells and around them are plain, one tone from end to end
//     over the rows (columns) that carry glyphs, and each cell holds some that are not;
//   - without separators, few tone changes fall on the cells' borders, since glyphs keep to their cells.
// A grid that none of this confirms is refused rather than guessed, so no glyph is ever cut across cells; so
// is a sheet drawn at a scale that is no whole number, whose tone changes keep the rhythm of its pixels.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "io/glyph_source.h"

namespace kx {

struct ToneMap {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> tone;  // 0 or 1 per pixel, row after row

  std::uint8_t At(int x, int y) const { return tone[static_cast<std::size_t>(y) * width + x]; }
};

// One axis of a grid: cells `size` pixels long, the first at `origin`, one every `pitch` pixels.
struct GridAxis {
  int origin = 0;
  int pitch = 8;
  int cells = 0;
};

struct SheetGrid {
  int scale = 1;  // a cell is 8 * scale pixels square
  GridAxis across, down;
};

// What the user fixed; the rest is found.
struct GridRequest {
  std::optional<int> scale;
  std::optional<int> originX, originY;
  std::optional<int> pitchX, pitchY;
};

// Refusals that say the grid could not be found begin with this text, so a caller can add how to give it.
inline constexpr std::string_view kGridUnsure = "the cells of the font sheet cannot be found with confidence";

SourceResult<SheetGrid> FindSheetGrid(const ToneMap& map, const GridRequest& request);

}  // namespace kx
