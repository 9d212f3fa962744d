#include "cli/charset_report.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <variant>

#include "cli/printable_text.h"

namespace kx {
namespace {

// One fact: a text (quoted in JSON), a number, a list of numbers (an array in JSON, the numbers apart by
// `separator` in text) or a list of lists of numbers.
struct Numbers {
  std::vector<int> values;
  std::string_view separator = " ";
};
using Value = std::variant<std::string, long long, Numbers, std::vector<std::vector<int>>>;
using Facts = std::vector<std::pair<std::string, Value>>;

std::string Groups(const std::vector<std::vector<int>>& groups, bool json) {
  std::string out = json ? "[" : std::to_string(groups.size()) + "\n";
  for (std::size_t g = 0; g < groups.size(); ++g) {
    if (json) out += (g ? ",[" : "[");
    if (!json) out += " ";
    for (std::size_t i = 0; i < groups[g].size(); ++i) {
      out += (json ? (i ? "," : "") : " ") + std::to_string(groups[g][i]);
    }
    out += json ? "]" : "\n";
  }
  return json ? out + "]" : out;
}

std::string Shown(const Value& value, bool json) {
  if (const auto* text = std::get_if<std::string>(&value)) return json ? JsonString(*text) : PrintableText(*text);
  if (const auto* number = std::get_if<long long>(&value)) return std::to_string(*number);
  if (const auto* numbers = std::get_if<Numbers>(&value)) {
    std::string out;
    for (const int n : numbers->values) {
      out += (out.empty() ? "" : json ? "," : std::string(numbers->separator)) + std::to_string(n);
    }
    return json ? "[" + out + "]" : out;
  }
  return Groups(std::get<std::vector<std::vector<int>>>(value), json);
}

Numbers Colours(std::span<const int> colours) { return {{colours.begin(), colours.end()}}; }

Facts FactsOf(const std::string& path, const CharsetInput& input) {
  const SourceReading& reading = input.reading;
  Facts facts{{"file", path},
              {"kind", std::string(SourceKindName(reading.kind))},
              {"size", static_cast<long long>(input.size)}};
  if (reading.facts.loadAddress) facts.emplace_back("load address", HexAddress(*reading.facts.loadAddress));
  if (const auto& s = reading.facts.snapshot) {
    facts.emplace_back("machine", s->machine);
    facts.emplace_back("vic-ii mode", std::string(VicModeName(s->mode)));
    facts.emplace_back("vic-ii bank", static_cast<long long>(s->bank));
    facts.emplace_back("bank address", HexAddress(s->bankAddress));
    facts.emplace_back("character base", HexAddress(s->charBase));
    facts.emplace_back("character address", HexAddress(s->charAddress) + (s->romCharset ? " (character ROM)" : ""));
    facts.emplace_back("border colour", static_cast<long long>(s->border));
    facts.emplace_back("background colours", Colours(s->background));
  }
  if (const auto& c = reading.facts.charPad) {
    facts.emplace_back("format version", static_cast<long long>(c->version));
    facts.emplace_back("characters", static_cast<long long>(c->charCount));
    facts.emplace_back("multicolour", std::string(c->multicolour ? "yes" : "no"));
    facts.emplace_back("colours", Colours(c->colours));
  }
  if (const auto& c = reading.facts.colours) {
    // The mode and registers in the form --mode and --colours take them, and the inks of the glyphs filled.
    const auto& r = c->colours.registers;
    facts.emplace_back("mode", std::string(DisplayModeName(c->colours.mode)));
    facts.emplace_back("registers", Numbers{{r[0], r[1], r[2], r[3]}, ","});
    facts.emplace_back("inks from", c->origin);
    if (!c->inks.empty()) facts.emplace_back("inks", Numbers{std::vector<int>(c->inks.begin(), c->inks.end())});
  }
  if (const auto& sheet = reading.facts.sheet) {
    char paper[8];
    std::snprintf(paper, sizeof paper, "%06X", static_cast<unsigned>(sheet->paper));
    facts.emplace_back("cells", Numbers{{sheet->columns, sheet->rows}, "x"});
    facts.emplace_back("scale", static_cast<long long>(sheet->grid.scale));
    facts.emplace_back("origin", Numbers{{sheet->grid.across.origin, sheet->grid.down.origin}, ","});
    facts.emplace_back("pitch", Numbers{{sheet->grid.across.pitch, sheet->grid.down.pitch}, ","});
    facts.emplace_back("paper", sheet->transparentPaper ? std::string("transparent") : std::string(paper));
    facts.emplace_back("repeated cells dropped", static_cast<long long>(sheet->dropped));
    facts.emplace_back("cells left out", static_cast<long long>(sheet->leftOut));
  }
  const PlacedGlyphs& placed = reading.placed;
  facts.emplace_back("glyphs filled", Numbers{{placed.firstGlyph, placed.firstGlyph + placed.glyphCount - 1}, "-"});
  facts.emplace_back("glyphs left out", static_cast<long long>(placed.leftOut));
  const CharsetSummary summary = SummariseCharset(input.charset);
  facts.emplace_back("distinct glyphs", static_cast<long long>(summary.distinctGlyphs));
  facts.emplace_back("empty glyphs", static_cast<long long>(summary.emptyGlyphs));
  facts.emplace_back("duplicate groups", summary.duplicateGroups);
  return facts;
}

}  // namespace

CharsetSummary SummariseCharset(const Charset& charset) {
  CharsetSummary summary;
  // Glyph bytes -> the group of glyphs that carry them, in order of first appearance.
  std::map<Glyph, std::size_t> groupOf;
  std::vector<std::vector<int>> groups;
  for (int n = 0; n < kGlyphCount; ++n) {
    const Glyph glyph = GetGlyph(charset, n);
    if (std::ranges::all_of(glyph, [](std::uint8_t b) { return b == 0; })) ++summary.emptyGlyphs;
    const auto [it, added] = groupOf.try_emplace(glyph, groups.size());
    if (added) groups.emplace_back();
    groups[it->second].push_back(n);
  }
  summary.distinctGlyphs = static_cast<int>(groups.size());
  for (std::vector<int>& group : groups) {
    if (group.size() > 1) summary.duplicateGroups.push_back(std::move(group));
  }
  return summary;
}

std::string CharsetReport(const std::string& path, const CharsetInput& input, bool json) {
  std::string out = json ? "{" : "";
  bool firstFact = true;
  for (const auto& [key, value] : FactsOf(path, input)) {
    if (json) {
      std::string jsonKey = key;
      std::ranges::replace(jsonKey, ' ', '_');
      out += (firstFact ? "" : ",") + JsonString(jsonKey) + ":" + Shown(value, true);
    } else {
      const std::string shown = Shown(value, false);
      out += key + ": " + shown + (shown.ends_with('\n') ? "" : "\n");
    }
    firstFact = false;
  }
  return json ? out + "}\n" : out;
}

}  // namespace kx
