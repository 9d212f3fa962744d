#pragma once
// The colours a foreign source keeps with its glyphs: the display mode, the VIC-II registers and one ink
// per glyph it offers, with a line saying where they came from. The import dialog offers to take them
// along with the glyphs; `info` prints them.

#include <cstdint>
#include <string>
#include <vector>

#include "model/charset_colours.h"

namespace kx {

struct SourceColours {
  CharsetColours colours;
  // One ink (0-15) per glyph the source offers, in the order it offers them; empty when the source keeps
  // none, and then the charset's inks stay as they are.
  std::vector<std::uint8_t> inks;
  std::string origin;  // "per-character colours", "colour RAM of the screen at $0400", ...
};

// "hires", "mc", "ecm": the names the command-line tool's --mode takes.
const char* DisplayModeName(DisplayMode mode);

}  // namespace kx
