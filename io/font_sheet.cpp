#include "io/font_sheet.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>
#include <map>
#include <set>
#include <vector>

#include "runtime/image_codec.h"

namespace kx {
namespace {

// Sorting the pixels is quick for a font; for the largest sheets it takes seconds, so past kSortedPixels
// every 24-bit colour is counted in a table instead (64 MiB, the size of such a sheet).
constexpr std::size_t kSortedPixels = 1u << 20;
// A picture of more colours than this, or with a colour this close to its commonest one (in every
// channel), is a noisy two-tone picture: lossy, or with soft edges blended between ink and paper. It is
// read by brightness; a clean one by its exact paper colour, every other colour ink.
constexpr std::size_t kCleanColours = 32;
constexpr int kBlendDistance = 24;

bool Near(Rgb a, Rgb b) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) >= kBlendDistance) {
      return false;
    }
  }
  return true;
}

// The most common of `pixels` (0xRRGGBB each); the lowest colour wins a tie.
std::uint32_t MostCommonColour(std::vector<std::uint32_t> pixels) {
  if (pixels.empty()) return 0;
  if (pixels.size() > kSortedPixels) {
    std::vector<std::uint32_t> tally(1u << 24, 0);
    for (std::uint32_t p : pixels) ++tally[p];
    return static_cast<std::uint32_t>(std::max_element(tally.begin(), tally.end()) - tally.begin());
  }
  std::sort(pixels.begin(), pixels.end());
  std::uint32_t best = pixels.front();
  std::size_t bestRun = 0;
  for (std::size_t i = 0; i < pixels.size();) {
    std::size_t j = i;
    while (j < pixels.size() && pixels[j] == pixels[i]) ++j;
    if (j - i > bestRun) {
      bestRun = j - i;
      best = pixels[i];
    }
    i = j;
  }
  return best;
}

bool IsTransparent(std::uint32_t word) { return (word >> 24) < 0x80; }
// A pixel as it shows over black, where alpha was kept.
Rgb Seen(std::uint32_t word) {
  const int alpha = static_cast<int>(word >> 24);
  return alpha == 0xFF ? UnpackPixel(word) : BlendRgb(0, UnpackPixel(word), alpha);
}
int Brightness(Rgb c) { return static_cast<int>((77 * ((c >> 16) & 0xFF) + 150 * ((c >> 8) & 0xFF) + 29 * (c & 0xFF)) >> 8); }

// The brightness that splits a two-tone picture: halfway between the commonest brightness on either side
// of the split with the largest variance between the sides (that split itself leans toward the smaller
// side, which would thicken or thin every soft edge). A pixel at or above it is on the bright side.
int SplittingBrightness(const std::array<long long, 256>& histogram) {
  long long total = 0;
  double sum = 0;
  for (int b = 0; b < 256; ++b) {
    total += histogram[b];
    sum += static_cast<double>(b) * static_cast<double>(histogram[b]);
  }
  double below = 0, belowSum = 0, bestSpread = -1;
  int best = 128;
  for (int t = 1; t < 256; ++t) {
    below += static_cast<double>(histogram[t - 1]);
    belowSum += static_cast<double>(t - 1) * static_cast<double>(histogram[t - 1]);
    const double above = static_cast<double>(total) - below;
    if (below == 0 || above == 0) continue;
    const double gap = belowSum / below - (sum - belowSum) / above;
    const double spread = below * above * gap * gap;
    if (spread > bestSpread) {
      bestSpread = spread;
      best = t;
    }
  }
  const auto dark = std::max_element(histogram.begin(), histogram.begin() + best);
  const auto bright = std::max_element(histogram.begin() + best, histogram.end());
  return static_cast<int>((dark - histogram.begin()) + (bright - histogram.begin()) + 1) / 2;
}

// The sheet as two tones, tone 0 the likelier paper, and how each pixel's tone was told.
struct Tones {
  ToneMap map;
  bool transparent = false;  // tone 0 is the transparent pixels
  bool noisy = false;        // told by brightness; else tone 0 is exactly the colour `exact`
  std::uint32_t exact = 0;
};

ToneMap MapOf(const Image& sheet, auto&& toneOf) {
  ToneMap map{sheet.Width(), sheet.Height(), {}};
  map.tone.resize(static_cast<std::size_t>(map.width) * map.height);
  const std::uint32_t* words = sheet.Data();
  for (std::size_t i = 0; i < map.tone.size(); ++i) map.tone[i] = toneOf(words[i]) ? 1 : 0;
  return map;
}

std::vector<std::uint32_t> SeenColours(const Image& sheet, auto&& keep) {
  std::vector<std::uint32_t> colours;
  const std::size_t count = static_cast<std::size_t>(sheet.Width()) * sheet.Height();
  for (std::size_t i = 0; i < count; ++i) {
    if (keep(i)) colours.push_back(Seen(sheet.Data()[i]));
  }
  return colours;
}

Tones TonesOf(const Image& sheet, const SheetOptions& options) {
  const std::size_t count = static_cast<std::size_t>(sheet.Width()) * sheet.Height();
  const std::uint32_t* words = sheet.Data();
  Tones tones;
  if (!options.paper && std::any_of(words, words + count, IsTransparent)) {
    tones.transparent = true;
    tones.map = MapOf(sheet, [](std::uint32_t w) { return !IsTransparent(w); });
    return tones;
  }
  std::map<Rgb, long long> colours;
  std::array<long long, 256> histogram{};
  for (std::size_t i = 0; i < count; ++i) {
    const Rgb c = Seen(words[i]);
    if (colours.size() <= kCleanColours) ++colours[c];
    ++histogram[static_cast<std::size_t>(Brightness(c))];
  }
  const auto commonest = std::max_element(colours.begin(), colours.end(),
                                          [](const auto& a, const auto& b) { return a.second < b.second; });
  const bool blended = std::any_of(colours.begin(), colours.end(), [&](const auto& c) {
    return c.first != commonest->first && Near(c.first, commonest->first);
  });
  if (colours.size() <= kCleanColours && !blended) {
    tones.exact = options.paper ? *options.paper & 0xFFFFFF : MostCommonColour(SeenColours(sheet, [](std::size_t) { return true; }));
    tones.map = MapOf(sheet, [paper = tones.exact](std::uint32_t w) { return Seen(w) != paper; });
    return tones;
  }
  tones.noisy = true;
  const int split = SplittingBrightness(histogram);
  long long bright = 0;
  for (int b = split; b < 256; ++b) bright += histogram[static_cast<std::size_t>(b)];
  // Tone 0 is the side of the given paper, else the side of more pixels.
  const bool paperBright = options.paper ? Brightness(*options.paper & 0xFFFFFF) >= split : bright * 2 >= static_cast<long long>(count);
  tones.map = MapOf(sheet, [&](std::uint32_t w) { return (Brightness(Seen(w)) >= split) != paperBright; });
  return tones;
}

// Whether the s x s block of a cell's pixel (x, y) is mostly tone 1.
bool BlockSet(const ToneMap& map, int left, int top, int scale) {
  int ones = 0;
  for (int y = top; y < top + scale; ++y) {
    for (int x = left; x < left + scale; ++x) ones += map.At(x, y);
  }
  return ones * 2 > scale * scale;
}

Glyph CellAt(const ToneMap& map, const SheetGrid& grid, int column, int row) {
  Glyph glyph{};
  const int left = grid.across.origin + column * grid.across.pitch;
  const int top = grid.down.origin + row * grid.down.pitch;
  for (int y = 0; y < kGlyphBytes; ++y) {
    for (int x = 0; x < 8; ++x) {
      if (BlockSet(map, left + x * grid.scale, top + y * grid.scale, grid.scale)) {
        glyph[static_cast<std::size_t>(y)] |= static_cast<std::uint8_t>(0x80 >> x);
      }
    }
  }
  return glyph;
}

Glyph Reversed(Glyph glyph) {
  for (std::uint8_t& byte : glyph) byte = static_cast<std::uint8_t>(~byte);
  return glyph;
}

// Which tone is the paper, by what a sheet shows of it: its margin (the pixels outside the cells and the
// gaps between them) when it has one of mostly one tone; else the tone more of the cells' edges are in,
// since glyphs keep clear of their cells' borders; else the tone of more pixels; else tone 0.
// A cell that reverses an earlier one is not counted: a charset keeps its plain glyphs before their
// reverses, and counting both would make every pair a tie (a whole C64 set is as much ink as paper).
int PaperTone(const ToneMap& map, const SheetGrid& grid) {
  const int cell = 8 * grid.scale;
  const auto boxFrom = [&](const GridAxis& a) { return a.origin - (a.pitch - cell); };
  const auto boxTo = [](const GridAxis& a) { return a.origin + a.cells * a.pitch; };
  std::array<long long, 2> margin{}, edge{}, all{};
  for (int y = 0; y < map.height; ++y) {
    const bool rowIn = y >= boxFrom(grid.down) && y < boxTo(grid.down);
    for (int x = 0; x < map.width; ++x) {
      if (!rowIn || x < boxFrom(grid.across) || x >= boxTo(grid.across)) ++margin[map.At(x, y)];
    }
  }
  const long long marginPixels = margin[0] + margin[1];
  if (marginPixels >= map.width + map.height) {
    for (int tone : {0, 1}) {
      if (margin[static_cast<std::size_t>(tone)] * 10 >= marginPixels * 9) return tone;
    }
  }
  std::set<Glyph> earlier;
  for (int row = 0; row < grid.down.cells; ++row) {
    for (int column = 0; column < grid.across.cells; ++column) {
      const Glyph glyph = CellAt(map, grid, column, row);
      if (earlier.contains(Reversed(glyph))) continue;
      earlier.insert(glyph);
      for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
          const int tone = (glyph[static_cast<std::size_t>(y)] >> (7 - x)) & 1;
          ++all[static_cast<std::size_t>(tone)];
          if (x == 0 || x == 7 || y == 0 || y == 7) ++edge[static_cast<std::size_t>(tone)];
        }
      }
    }
  }
  if (edge[0] != edge[1]) return edge[1] > edge[0] ? 1 : 0;
  return all[1] > all[0] ? 1 : 0;
}

SourceRefusal SheetTooLarge(long long width, long long height) {
  return SourceRefusal{"a font sheet of " + std::to_string(width) + "x" + std::to_string(height) +
                       " pixels is larger than 4096x4096"};
}

// Cells in reading order into `cut`: each to the next glyph, or in ASCII order to its screen code.
void PlaceCells(const std::vector<Glyph>& cells, const SheetOptions& options, SheetCut& cut) {
  if (options.asciiOrder) {
    // A sheet that reaches 'a' is a lower-case set.
    const bool lowerCase = cells.size() > static_cast<std::size_t>('a' - ' ');
    std::vector<Glyph> placed(kGlyphCount);
    int end = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
      const int code = i + ' ' <= '~' ? ScreenCodeOfAscii(static_cast<int>(i) + ' ', lowerCase) : -1;
      if (code < 0) {
        ++cut.leftOut;
        continue;
      }
      placed[static_cast<std::size_t>(code)] = cells[i];
      end = std::max(end, code + 1);
    }
    cut.cells = static_cast<int>(cells.size());
    for (int g = 0; g < end; ++g) cut.glyphs.insert(cut.glyphs.end(), placed[g].begin(), placed[g].end());
    return;
  }
  std::set<Glyph> seen;
  for (const Glyph& glyph : cells) {
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

}  // namespace

std::optional<std::pair<int, int>> ParseSheetPair(std::string_view text, int limit) {
  const std::size_t comma = text.find(',');
  const auto one = ParseSourceNumber(text.substr(0, comma), static_cast<std::uint64_t>(limit));
  const auto two = comma == std::string_view::npos ? one : ParseSourceNumber(text.substr(comma + 1), static_cast<std::uint64_t>(limit));
  if (!one || !two) return std::nullopt;
  return std::pair{static_cast<int>(*one), static_cast<int>(*two)};
}

int ScreenCodeOfAscii(int code, bool lowerCaseSet) {
  if (code >= ' ' && code <= '?') return code;  // space, punctuation and digits keep their codes
  if (code == '@') return 0;
  if (code >= 'A' && code <= 'Z') return lowerCaseSet ? code : code - '@';
  if (code >= '[' && code <= '_') return code - '@';  // [ pound ] arrow-up arrow-left
  if (code >= 'a' && code <= 'z' && lowerCaseSet) return code - '`';
  return -1;
}

SourceResult<SheetCut> CutFontSheet(const Image& sheet, const SheetOptions& options) {
  const int w = sheet.Width(), h = sheet.Height();
  if (static_cast<long long>(w) * h > kMaxSheetPixels) return SheetTooLarge(w, h);
  if (w < 8 || h < 8) {
    return SourceRefusal{"a font sheet of " + std::to_string(w) + "x" + std::to_string(h) + " pixels holds no cell"};
  }
  Tones tones = TonesOf(sheet, options);
  auto found = FindSheetGrid(tones.map, options.grid);
  if (const auto* refusal = std::get_if<SourceRefusal>(&found)) return *refusal;
  SheetCut cut;
  cut.grid = std::get<SheetGrid>(found);
  cut.columns = cut.grid.across.cells;
  cut.rows = cut.grid.down.cells;
  cut.transparentPaper = tones.transparent;
  ToneMap& ink = tones.map;
  const int paperTone = options.paper || tones.transparent ? 0 : PaperTone(ink, cut.grid);
  if (paperTone == 1 && !tones.noisy) {
    // The paper is the most common colour of tone 1; everything else is ink.
    const std::uint32_t paper =
        MostCommonColour(SeenColours(sheet, [&](std::size_t i) { return ink.tone[i] == 1; }));
    tones.exact = paper;
    ink = MapOf(sheet, [paper](std::uint32_t w) { return Seen(w) != paper; });
  } else if (paperTone == 1) {
    for (std::uint8_t& t : ink.tone) t ^= 1;
  }
  if (tones.transparent) {
    cut.paper = 0;
  } else if (tones.noisy) {
    cut.paper = MostCommonColour(SeenColours(sheet, [&](std::size_t i) { return ink.tone[i] == 0; }));
  } else {
    cut.paper = tones.exact;
  }
  std::vector<Glyph> cells;
  for (int row = 0; row < cut.rows; ++row) {
    for (int column = 0; column < cut.columns; ++column) cells.push_back(CellAt(ink, cut.grid, column, row));
  }
  PlaceCells(cells, options, cut);
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
