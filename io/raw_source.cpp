#include "io/raw_source.h"

#include <algorithm>

namespace kx {

int GlyphsAvailable(ByteSpan data, std::uint64_t offset) {
  if (offset >= data.size()) return 0;
  return static_cast<int>(std::min<std::uint64_t>((data.size() - offset) / kGlyphBytes, kGlyphCount));
}

SourceResult<GlyphBytes> RawGlyphs(ByteSpan data, std::uint64_t offset, std::optional<int> count) {
  if (count && (*count < 1 || *count > kGlyphCount)) {
    return SourceRefusal{"glyph count " + std::to_string(*count) + " is not 1 to 256"};
  }
  const int available = GlyphsAvailable(data, offset);
  if (available == 0) {
    return SourceRefusal{"offset " + std::to_string(offset) + " leaves no whole glyph in the " +
                         std::to_string(data.size()) + " bytes of data"};
  }
  const int take = count.value_or(available);
  if (take > available) {
    return SourceRefusal{std::to_string(take) + " glyphs from offset " + std::to_string(offset) +
                         " reach past the end of the " + std::to_string(data.size()) + " bytes of data"};
  }
  const auto from = data.begin() + static_cast<std::ptrdiff_t>(offset);
  return GlyphBytes(from, from + take * kGlyphBytes);
}

}  // namespace kx
