#include "io/sheet_grid.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <numeric>
#include <tuple>

namespace kx {
namespace {

constexpr int kMaxScale = 16;
// Of the runs either tone makes, this share must be multiples of a scale for it to hold (noise from
// lossy compression breaks a few).
constexpr int kScalePercent = 90;
constexpr int kLeastRuns = 8;

// One axis of the map: positions along it (x for `across`) and the lines that cross it (rows).
struct AxisView {
  const ToneMap& map;
  bool across;
  int Length() const { return across ? map.width : map.height; }
  int Breadth() const { return across ? map.height : map.width; }
  std::uint8_t At(int position, int line) const { return across ? map.At(position, line) : map.At(line, position); }
};

// The lines that carry glyphs: more than two tone changes along them (a margin or gap has none, a grid line
// at most its two ends). A sheet too plain to have any uses every line.
std::vector<int> GlyphLines(const AxisView& view) {
  std::vector<int> lines;
  for (int line = 0; line < view.Breadth(); ++line) {
    int changes = 0;
    for (int p = 1; p < view.Length() && changes <= 2; ++p) changes += view.At(p, line) != view.At(p - 1, line);
    if (changes > 2) lines.push_back(line);
  }
  if (lines.empty()) {
    for (int line = 0; line < view.Breadth(); ++line) lines.push_back(line);
  }
  return lines;
}

// What the search along one axis reads: which positions are plain over the glyph lines (a few odd pixels
// allowed for noise).
struct AxisFacts {
  int length = 0;
  std::vector<std::uint8_t> plain;
  std::vector<int> notPlainBefore;  // prefix count of positions that are not plain

  int NotPlain(int from, int to) const { return from >= to ? 0 : notPlainBefore[to] - notPlainBefore[from]; }
};

AxisFacts FactsOf(const AxisView& view, const std::vector<int>& lines) {
  AxisFacts facts;
  facts.length = view.Length();
  facts.plain.resize(facts.length);
  facts.notPlainBefore.assign(facts.length + 1, 0);
  const int allowed = static_cast<int>(lines.size()) / 32;
  for (int p = 0; p < facts.length; ++p) {
    int ones = 0;
    for (int line : lines) {
      ones += view.At(p, line);
    }
    const int minority = std::min(ones, static_cast<int>(lines.size()) - ones);
    facts.plain[p] = minority <= allowed;
    facts.notPlainBefore[p + 1] = facts.notPlainBefore[p] + (facts.plain[p] ? 0 : 1);
  }
  return facts;
}

// From each tone change to the next but one along every line: an ink run and the paper run after it (or
// the other way round), counted by the tone that starts. A threshold that thickens or thins every edge
// alike leaves these whole multiples of the scale where single runs would be one off. Only runs bounded
// by tone changes on both sides count: the picture's edge or a plain position (a gap, grid line or margin)
// says nothing of scale.
void CountRuns(const AxisView& view, const AxisFacts& facts, std::array<std::vector<long long>, 2>& runs) {
  for (int line = 0; line < view.Breadth(); ++line) {
    int start = 0, previous = 0;  // the current run's start; the bounded run before it, or 0
    bool bounded = false;
    for (int p = 0; p < view.Length(); ++p) {
      if (facts.plain[p] || p == 0 || facts.plain[p - 1]) {
        start = p;
        bounded = false;
        previous = 0;
        continue;
      }
      if (view.At(p, line) == view.At(p - 1, line)) continue;
      if (bounded) {
        if (previous > 0) ++runs[view.At(start - 1, line)][previous + p - start];
        previous = p - start;
      }
      start = p;
      bounded = true;
    }
  }
}

int FindScale(const ToneMap& map, const AxisFacts& across, const AxisFacts& down) {
  std::array<std::vector<long long>, 2> runs;
  for (auto& r : runs) r.assign(static_cast<std::size_t>(std::max(map.width, map.height)) + 1, 0);
  CountRuns({map, true}, across, runs);
  CountRuns({map, false}, down, runs);
  for (int scale = std::min(kMaxScale, std::min(map.width, map.height) / 8); scale >= 2; --scale) {
    for (const auto& r : runs) {
      long long total = 0, multiples = 0;
      for (std::size_t length = 1; length < r.size(); ++length) {
        total += r[length];
        if (length % static_cast<std::size_t>(scale) == 0) multiples += r[length];
      }
      if (total >= kLeastRuns && multiples * 100 >= total * kScalePercent) return scale;
    }
  }
  return 1;
}

// Periods of the rhythm a scale that is no whole number leaves: 1.5 repeats every 3 pixels, 2.5 and 1.25
// every 5, 4/3 every 4, 1.75 and 3.5 every 7.
constexpr int kLeastPeriod = 3;
constexpr int kMostPeriod = 7;
// A rhythm is heard only over this many changes of each tone per position of the period, and a position
// is silent with under 1/16 of the average position's changes (a lossy sheet adds a few strays).
constexpr int kLeastChangesPerPosition = 32;
constexpr int kSilentShare = 16;

// The period of a rhythm that the tone changes along an axis keep, or 0. A sheet drawn at a scale that
// is no whole number (at 1.5 its pixels are alternately 2 and 1 wide) changes tone only where its
// enlarged pixels meet, so in either tone some position of each such period sees no change at all; at
// scale 1 the glyphs of a sheet change tone at every position. Changes beside a plain position (a margin,
// gap or grid line) are the grid's own and are not counted.
int RhythmOf(const AxisView& view, const AxisFacts& facts) {
  // [tone after the change][period][position modulo the period]
  std::array<std::array<std::array<long long, kMostPeriod>, kMostPeriod + 1>, 2> changes{};
  for (int line = 0; line < view.Breadth(); ++line) {
    for (int p = 1; p < view.Length(); ++p) {
      const std::uint8_t tone = view.At(p, line);
      if (tone == view.At(p - 1, line) || facts.plain[p] || facts.plain[p - 1]) continue;
      for (int period = kLeastPeriod; period <= kMostPeriod; ++period) ++changes[tone][period][p % period];
    }
  }
  for (int period = kLeastPeriod; period <= kMostPeriod; ++period) {
    bool kept = true;
    for (const auto& byTone : changes) {
      const auto& at = byTone[static_cast<std::size_t>(period)];
      const long long total = std::accumulate(at.begin(), at.begin() + period, 0LL);
      const long long silent = *std::min_element(at.begin(), at.begin() + period);
      kept = kept && total >= static_cast<long long>(kLeastChangesPerPosition) * period &&
             silent * period * kSilentShare < total;
    }
    if (kept) return period;
  }
  return 0;
}

struct Candidate {
  GridAxis axis;
  bool gapped = false;  // separated cells, each holding something: the strongest evidence
  bool tiles = false;   // the cells fill the whole side, no margin
  int imbalance = 0;    // how much the margins at both ends differ
};

// Gaps that separate glyph cells first; then cells that fill the side exactly (a sheet without margin);
// then the fewest cells that hold every glyph (a wider margin fits more cells made partly of margin);
// then margins alike at both ends.
bool Better(const Candidate& a, const Candidate& b) {
  return std::make_tuple(a.gapped, a.tiles, -a.axis.cells, -a.imbalance, -a.axis.origin) >
         std::make_tuple(b.gapped, b.tiles, -b.axis.cells, -b.imbalance, -b.axis.origin);
}

// The best grid along one axis, or why there is none.
SourceResult<GridAxis> FindAxis(const AxisFacts& facts, int scale, std::optional<int> origin, std::optional<int> pitch,
                                const char* axisName) {
  const int cell = 8 * scale;
  const int length = facts.length;
  auto unsure = [&](const std::string& why) {
    return SourceRefusal{std::string(kGridUnsure) + " (" + axisName + ": " + why + ")"};
  };
  if (pitch && *pitch < cell) {
    return SourceRefusal{"a pitch of " + std::to_string(*pitch) + " is smaller than a cell of " +
                         std::to_string(cell) + " pixels"};
  }
  if (origin && (*origin < 0 || *origin + cell > length)) {
    return SourceRefusal{"an origin of " + std::to_string(origin.value_or(0)) + " leaves no whole cell " + axisName};
  }
  if (cell > length) return SourceRefusal{"the font sheet is smaller than one cell of " + std::to_string(cell) + " pixels"};
  if (origin && pitch) return GridAxis{*origin, *pitch, (length - *origin - cell) / *pitch + 1};

  if (facts.NotPlain(0, length) == 0 && !origin && !pitch) {
    // Nothing on this axis shows where cells are: the sheet's own grid when its side is a whole number of
    // cells.
    if (length % cell != 0) return unsure("nothing on the sheet shows where its cells are");
    return GridAxis{0, cell, length / cell};
  }
  std::optional<Candidate> best;
  const int lowGap = pitch ? *pitch - cell : 0;
  const int highGap = pitch ? *pitch - cell : 4 * scale;
  for (int gap = lowGap; gap <= highGap; ++gap) {
    const int step = cell + gap;
    const int lowOrigin = origin.value_or(0);
    const int highOrigin = origin.value_or(length - cell);
    for (int o = lowOrigin; o <= highOrigin; ++o) {
      Candidate c;
      c.axis = {o, step, (length - o - cell) / step + 1};
      const int n = c.axis.cells;
      const int end = o + (n - 1) * step + cell;
      if (facts.NotPlain(0, o) > 0 || facts.NotPlain(end, length) > 0) continue;
      bool separated = true;
      int holding = 0;  // cells with a position that is not plain
      for (int k = 0; k < n; ++k) {
        const int from = o + k * step;
        if (k + 1 < n && facts.NotPlain(from + cell, from + step) > 0) {
          separated = false;
          break;
        }
        holding += facts.NotPlain(from, from + cell) > 0;
      }
      if (!separated) continue;
      // A gap means something only where there are cells on both sides of it holding glyphs.
      c.gapped = gap > 0 && n >= 2 && holding >= 2 && holding * 4 >= n * 3;
      if (gap > 0 && !c.gapped && !pitch) continue;
      c.tiles = o == 0 && end == length;
      c.imbalance = std::abs(o - (length - end));
      if (!best || Better(c, *best)) best = c;
    }
  }
  if (!best) return unsure("no grid leaves its margins and gaps plain");
  return best->axis;
}

}  // namespace

SourceResult<SheetGrid> FindSheetGrid(const ToneMap& map, const GridRequest& request) {
  if (request.scale && (*request.scale < 1 || *request.scale > kMaxScale)) {
    return SourceRefusal{"a scale of " + std::to_string(*request.scale) + " is not 1 to " + std::to_string(kMaxScale)};
  }
  const AxisView acrossView{map, true}, downView{map, false};
  // Columns are judged over the rows with glyphs, rows over the columns with glyphs.
  const AxisFacts across = FactsOf(acrossView, GlyphLines(acrossView));
  const AxisFacts down = FactsOf(downView, GlyphLines(downView));
  SheetGrid grid;
  grid.scale = request.scale.value_or(0);
  if (grid.scale == 0) {
    grid.scale = FindScale(map, across, down);
    // Scale 1 fits every picture, so it stands only where no coarser pixel shows through.
    const std::tuple<const AxisView&, const AxisFacts&, const char*> axes[] = {{acrossView, across, "across"},
                                                                               {downView, down, "down"}};
    for (const auto& [view, facts, name] : axes) {
      const int period = grid.scale == 1 ? RhythmOf(view, facts) : 0;
      if (period > 0) {
        return SourceRefusal{std::string(kGridUnsure) + " (" + name + ": its tone changes repeat every " +
                             std::to_string(period) + " pixels, as at a scale that is no whole number)"};
      }
    }
  }
  auto x = FindAxis(across, grid.scale, request.originX, request.pitchX, "across");
  if (auto* refusal = std::get_if<SourceRefusal>(&x)) return *refusal;
  auto y = FindAxis(down, grid.scale, request.originY, request.pitchY, "down");
  if (auto* refusal = std::get_if<SourceRefusal>(&y)) return *refusal;
  grid.across = std::get<GridAxis>(x);
  grid.down = std::get<GridAxis>(y);
  return grid;
}

}  // namespace kx
