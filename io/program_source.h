#pragma once
// Glyphs from a C64 program file (.prg, .64c): two bytes of load address, low byte first, then the data
// the C64 loads there.
//
// A file of 2 + 8 * n bytes (1 <= n <= 256) is a partial charset: its n glyphs, meant for glyphs
// 0..n-1. A longer file is a whole program: every 2 KiB window that starts at a glyph-aligned C64 address
// (a multiple of 8) and ends inside the data and below $10000 is a charset it may hold.

#include <cstdint>
#include <optional>
#include <vector>

#include "io/glyph_source.h"

namespace kx {

inline constexpr std::size_t kLoadAddressBytes = 2;
// The first address past the C64's memory.
inline constexpr std::uint32_t kC64MemoryEnd = 0x10000;

struct ProgramWindow {
  std::uint32_t address = 0;  // the C64 address of the window's first byte
  std::size_t offset = 0;     // the same position in the data after the load address
};

struct ProgramChoices {
  std::uint16_t loadAddress = 0;
  std::size_t dataBytes = 0;            // bytes after the load address
  int partialGlyphs = 0;                // a partial charset: its glyph count; 0 for a whole program
  std::vector<ProgramWindow> windows;   // a whole program: its 2 KiB windows, lowest address first
};

// Refused: a file shorter than 10 bytes, or one of up to 2050 bytes whose data is not whole glyphs.
SourceResult<ProgramChoices> ExamineProgram(ByteSpan file);

// The data after the load address.
ByteSpan ProgramData(ByteSpan file);

// The glyphs a program offers without a choice: a partial charset's n glyphs, or a whole program's window
// at `windowAddress` (by default its first window). An address that is no window of the program is refused.
SourceResult<GlyphBytes> ProgramGlyphs(ByteSpan file, const ProgramChoices& choices,
                                       std::optional<std::uint32_t> windowAddress = std::nullopt);

}  // namespace kx
