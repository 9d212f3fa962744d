#include "ops/colour_picture.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "ops/charset_pixels.h"

namespace kx {
namespace {

constexpr std::uint8_t kHiResInks = 8;  // in multicolour mode a hi-res glyph's ink is 0-7

int Distance(Rgb a, Rgb b) {
  const auto channel = [](Rgb c, int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  int sum = 0;
  for (const int shift : {16, 8, 0}) {
    const int d = channel(a, shift) - channel(b, shift);
    sum += d * d;
  }
  return sum;
}

// One glyph's 8x8 pixels and the palette entry nearest to each.
struct Cell {
  std::array<std::array<Rgb, kGlyphBytes>, kGlyphBytes> rgb{};
  std::array<std::array<std::uint8_t, kGlyphBytes>, kGlyphBytes> colour{};
};

std::uint8_t NearestEntry(Rgb pixel, const Palette& palette) {
  int best = 0;
  for (int c = 1; c < kPaletteSize; ++c) {
    if (Distance(pixel, palette[static_cast<std::size_t>(c)]) < Distance(pixel, palette[static_cast<std::size_t>(best)])) {
      best = c;
    }
  }
  return static_cast<std::uint8_t>(best);
}

// Of `choices` colours, the index nearest to the pixels; on a tie `kept` when it is among the nearest.
template <std::size_t N>
int Nearest(std::span<const Rgb> pixels, const std::array<Rgb, N>& choices, int kept) {
  std::array<int, N> cost{};
  for (std::size_t i = 0; i < N; ++i)
    for (const Rgb p : pixels) cost[i] += Distance(p, choices[i]);
  const int best = *std::min_element(cost.begin(), cost.end());
  if (cost[static_cast<std::size_t>(kept)] == best) return kept;
  return static_cast<int>(std::find(cost.begin(), cost.end(), best) - cost.begin());
}

bool ShowsOnly(const Cell& cell, std::initializer_list<std::uint8_t> allowed, bool doubleWide) {
  for (const auto& row : cell.colour) {
    for (int x = 0; x < kGlyphBytes; ++x) {
      if (std::find(allowed.begin(), allowed.end(), row[static_cast<std::size_t>(x)]) == allowed.end()) return false;
      if (doubleWide && x % 2 == 1 && row[static_cast<std::size_t>(x)] != row[static_cast<std::size_t>(x - 1)]) {
        return false;
      }
    }
  }
  return true;
}

// Whether the cell is exactly what a glyph with this ink can show.
bool Fits(const Cell& cell, std::uint8_t ink, const CharsetColours& colours) {
  const auto& r = colours.registers;
  if (IsMulticolourGlyph(colours.mode, ink)) {
    return ShowsOnly(cell, {r[kBackground0], r[kMulticolour1], r[kMulticolour2], static_cast<std::uint8_t>(ink & 7)},
                     true);
  }
  return ShowsOnly(cell, {r[kBackground0], ink}, false);
}

// The colours of the cell other than those listed.
std::vector<std::uint8_t> OtherColours(const Cell& cell, std::initializer_list<std::uint8_t> listed) {
  std::vector<std::uint8_t> others;
  for (const auto& row : cell.colour)
    for (const std::uint8_t c : row)
      if (std::find(listed.begin(), listed.end(), c) == listed.end() &&
          std::find(others.begin(), others.end(), c) == others.end()) {
        others.push_back(c);
      }
  return others;
}

// The ink the cell's glyph is read with (see the header).
std::uint8_t InkFor(const Cell& cell, std::uint8_t ink, const CharsetColours& colours) {
  const bool multicolour = colours.mode == DisplayMode::Multicolour;
  if (Fits(cell, ink, colours)) return ink;
  const auto flipped = static_cast<std::uint8_t>(ink ^ kMulticolourBit);
  if (multicolour && Fits(cell, flipped, colours)) return flipped;
  const auto& r = colours.registers;
  if (multicolour) {
    const std::vector<std::uint8_t> extra = OtherColours(cell, {r[kBackground0], r[kMulticolour1], r[kMulticolour2]});
    if (extra.size() == 1 && extra[0] < kHiResInks && ShowsOnly(cell, {r[0], r[1], r[2], extra[0]}, true)) {
      return static_cast<std::uint8_t>(extra[0] | kMulticolourBit);
    }
  }
  const std::vector<std::uint8_t> set = OtherColours(cell, {r[kBackground0]});
  if (set.size() == 1 && (!multicolour || set[0] < kHiResInks)) return set[0];
  return ink;
}

void ReadGlyph(const Cell& cell, std::uint8_t ink, const CharsetColours& colours, const Palette& palette,
               std::span<std::uint8_t, kGlyphBytes> bytes) {
  const auto rgbOf = [&](int c) { return palette[static_cast<std::size_t>(c % kPaletteSize)]; };
  if (IsMulticolourGlyph(colours.mode, ink)) {
    const std::array<std::uint8_t, 4> pairColours = PairColours(ink, colours);
    const std::array<Rgb, 4> choices{rgbOf(pairColours[0]), rgbOf(pairColours[1]), rgbOf(pairColours[2]),
                                     rgbOf(pairColours[3])};
    for (int y = 0; y < kGlyphBytes; ++y) {
      std::uint8_t out = 0;
      for (int p = 0; p < 4; ++p) {
        const int shift = 6 - 2 * p;
        const int kept = (bytes[static_cast<std::size_t>(y)] >> shift) & 3;
        const int pair = Nearest(std::span<const Rgb>(&cell.rgb[static_cast<std::size_t>(y)][2 * p], 2), choices, kept);
        out = static_cast<std::uint8_t>(out | (pair << shift));
      }
      bytes[static_cast<std::size_t>(y)] = out;
    }
    return;
  }
  const std::array<Rgb, 2> choices{rgbOf(colours.registers[kBackground0]), rgbOf(ink)};
  for (int y = 0; y < kGlyphBytes; ++y) {
    std::uint8_t out = 0;
    for (int x = 0; x < kGlyphBytes; ++x) {
      const int kept = (bytes[static_cast<std::size_t>(y)] >> (7 - x)) & 1;
      const int bit = Nearest(std::span<const Rgb>(&cell.rgb[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], 1),
                              choices, kept);
      out = static_cast<std::uint8_t>(out | (bit << (7 - x)));
    }
    bytes[static_cast<std::size_t>(y)] = out;
  }
}

}  // namespace

ColouredCharset CharsetFromColourPixels(std::span<const std::uint32_t> pixels, int stride, const Palette& palette,
                                        const CharsetColours& colours, const Charset& base, const GlyphInks& inks) {
  ColouredCharset out{base, inks};
  if (colours.mode == DisplayMode::HiRes || CharsetPixelsNeeded(stride) == 0 ||
      pixels.size() < CharsetPixelsNeeded(stride)) {
    return out;
  }
  for (int n = 0; n < kGlyphCount; ++n) {
    if (!CellAt(n, colours.mode, CellOrder::Glyph).shown) continue;
    Cell cell;
    const int x0 = GlyphColumnOf(n) * kGlyphBytes, y0 = GlyphRowOf(n) * kGlyphBytes;
    for (int y = 0; y < kGlyphBytes; ++y) {
      for (int x = 0; x < kGlyphBytes; ++x) {
        const Rgb p = pixels[static_cast<std::size_t>(y0 + y) * static_cast<std::size_t>(stride) +
                             static_cast<std::size_t>(x0 + x)] & 0xFFFFFF;
        cell.rgb[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = p;
        cell.colour[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = NearestEntry(p, palette);
      }
    }
    const auto g = static_cast<std::size_t>(n);
    out.inks[g] = InkFor(cell, inks[g], colours);
    ReadGlyph(cell, out.inks[g], colours, palette, std::span<std::uint8_t, kGlyphBytes>(&out.charset[g * kGlyphBytes], kGlyphBytes));
  }
  return out;
}

}  // namespace kx
