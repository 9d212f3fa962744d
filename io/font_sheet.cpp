#include "io/font_sheet.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <vector>

#include "runtime/image_codec.h"

namespace kx {
namespace {

// Sorting a copy of the pixels is quick for a font; for the largest sheets it takes seconds, so past
// kSortedPixels every 24-bit colour is counted in a table instead (64 MiB, the size of such a sheet).
constexpr std::size_t kSortedPixels = 1u << 20;

std::uint32_t MostCommonColour(const Image& sheet) {
  const std::size_t count = static_cast<std::size_t>(sheet.Width()) * sheet.Height();
  if (count > kSortedPixels) {
    std::vector<std::uint32_t> tally(1u << 24, 0);
    for (std::size_t i = 0; i < count; ++i) ++tally[sheet.Data()[i] & 0xFFFFFF];
    // The first highest count is the lowest colour, which wins a tie as below.
    return static_cast<std::uint32_t>(std::max_element(tally.begin(), tally.end()) - tally.begin());
  }
  std::vector<std::uint32_t> pixels(sheet.Data(), sheet.Data() + count);
  for (std::uint32_t& p : pixels) p &= 0xFFFFFF;
  std::sort(pixels.begin(), pixels.end());
  std::uint32_t best = pixels.front();
  std::size_t bestRun = 0;
  for (std::size_t i = 0; i < pixels.size();) {
    std::size_t j = i;
    while (j < pixels.size() && pixels[j] == pixels[i]) ++j;
    if (j - i > bestRun) {  // the lowest colour wins a tie
      bestRun = j - i;
      best = pixels[i];
    }
    i = j;
  }
  return best;
}

Glyph CellAt(const Image& sheet, int column, int row, std::uint32_t paper) {
  Glyph glyph{};
  for (int y = 0; y < kGlyphBytes; ++y) {
    const std::uint32_t* line = sheet.Row(row * 8 + y) + column * 8;
    for (int x = 0; x < 8; ++x) {
      if ((line[x] & 0xFFFFFF) != paper) glyph[y] |= static_cast<std::uint8_t>(0x80 >> x);
    }
  }
  return glyph;
}

SourceRefusal SheetTooLarge(long long width, long long height) {
  return SourceRefusal{"a font sheet of " + std::to_string(width) + "x" + std::to_string(height) +
                       " pixels is larger than 4096x4096"};
}

}  // namespace

SourceResult<SheetCut> CutFontSheet(const Image& sheet, const SheetOptions& options) {
  const int w = sheet.Width(), h = sheet.Height();
  if (w <= 0 || h <= 0 || w % 8 != 0 || h % 8 != 0) {
    return SourceRefusal{"a font sheet's sides must be multiples of 8, not " + std::to_string(w) + "x" +
                         std::to_string(h)};
  }
  if (static_cast<long long>(w) * h > kMaxSheetPixels) return SheetTooLarge(w, h);
  SheetCut cut;
  cut.columns = w / 8;
  cut.rows = h / 8;
  cut.paper = options.paper ? *options.paper & 0xFFFFFF : MostCommonColour(sheet);
  std::set<Glyph> seen;
  for (int row = 0; row < cut.rows; ++row) {
    for (int column = 0; column < cut.columns; ++column) {
      const Glyph glyph = CellAt(sheet, column, row, cut.paper);
      if (options.unique && !seen.insert(glyph).second) {
        ++cut.dropped;
        continue;
      }
      if (cut.cells++ < kGlyphCount) {
        cut.glyphs.insert(cut.glyphs.end(), glyph.begin(), glyph.end());
      } else {
        ++cut.leftOut;
      }
    }
  }
  return cut;
}

SourceResult<SheetCut> CutFontSheetFile(ByteSpan file, const SheetOptions& options) {
  const DecodeResult decoded = DecodeImage(file, kSheetImageLimits);
  if (decoded.refusedWidth * decoded.refusedHeight > kMaxSheetPixels) return SheetTooLarge(decoded.refusedWidth, decoded.refusedHeight);
  if (!decoded.image) return SourceRefusal{"not a picture that can be read (" + decoded.error + ")"};
  return CutFontSheet(*decoded.image, options);
}

std::optional<std::uint32_t> ParsePaperColour(std::string_view text) {
  if (text.starts_with('#')) text.remove_prefix(1);
  std::uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.size() != 6 || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace kx
