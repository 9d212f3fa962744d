#pragma once
// What `info` tells about a charset: its layout and size, how many glyphs are distinct or empty, and
// which glyphs repeat one another.

#include <string>
#include <vector>

#include "cli/charset_input.h"

namespace kx {

struct CharsetSummary {
  int distinctGlyphs = 0;
  int emptyGlyphs = 0;
  // Each group holds the numbers of glyphs with equal bytes (two or more), in the order of their first
  // appearance, each group in ascending order.
  std::vector<std::vector<int>> duplicateGroups;
};

CharsetSummary SummariseCharset(const Charset& charset);

// The report `info` prints for the input read from `path`.
std::string CharsetReport(const std::string& path, const CharsetInput& input);

}  // namespace kx
