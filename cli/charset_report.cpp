#include "cli/charset_report.h"

#include <algorithm>
#include <map>

namespace kx {

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

std::string CharsetReport(const std::string& path, const CharsetInput& input) {
  const CharsetSummary summary = SummariseCharset(input.charset);
  std::string out = "file: " + path + "\n";
  out += "layout: " + std::string(InputLayoutName(input.layout)) + "\n";
  out += "size: " + std::to_string(input.size) + " bytes\n";
  out += "distinct glyphs: " + std::to_string(summary.distinctGlyphs) + "\n";
  out += "empty glyphs: " + std::to_string(summary.emptyGlyphs) + "\n";
  out += "duplicate groups: " + std::to_string(summary.duplicateGroups.size()) + "\n";
  for (const std::vector<int>& group : summary.duplicateGroups) {
    out += " ";
    for (const int n : group) out += " " + std::to_string(n);
    out += "\n";
  }
  return out;
}

}  // namespace kx
