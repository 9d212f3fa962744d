#pragma once
// What `info` tells about a charset: the kind of file and what it said (load address; for a snapshot the
// VIC-II's mode, bank, character base and colours; for a project or sheet its counts; for a snapshot or
// project the display mode, registers and inks it would give the charset), the glyphs filled,
// how many glyphs are distinct or empty, and which glyphs repeat one another. As text, one "key: value"
// line each, or as one JSON object with the same keys.

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
std::string CharsetReport(const std::string& path, const CharsetInput& input, bool json = false);

}  // namespace kx
