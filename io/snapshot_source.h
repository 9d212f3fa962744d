#pragma once
// The charset a C64 was showing, from an emulator snapshot (.vsf) as VICE 2.4 through 3.x write it for x64
// (machine "C64") and x64sc (machine "C64SC").
//
// File: "VICE Snapshot File" + 0x1A, snapshot major and minor version, the machine name in 16 bytes
// (NUL-padded), from VICE 2.4.30 on "VICE Version" + 0x1A with 4 version bytes and a 4-byte revision,
// then modules, each a 16-byte NUL-padded name, major and minor version, and a 4-byte size (low byte
// first) that counts the module's 22 header bytes too. Read here:
//   C64MEM  CPU port data, CPU port direction, EXROM, GAME, then the 64 KiB of RAM
//   CIA2    port A output register, port B output register, port A data direction, ...
//   VIC-II  the 64 registers and the 1 KiB of colour RAM, at places that depend on the emulator and the
//           module version
// Each module version of each machine is one row of the layout table in snapshot_source.cpp: where its
// bytes (and a VIC-II's colour RAM) start and the least size it holds. A C64MEM or VIC-II version not in
// the table is refused by name, never guessed, and a module declaring less than its layout holds is
// refused before a byte is taken.
//
// The VIC-II reads a 16 KiB bank chosen by CIA 2's port A bits 0-1 (inverted; pins set as inputs read
// high) and a character base from $D018 bits 1-3; in banks 0 and 2 the bases $1000 and $1800 show the
// character ROM instead of RAM.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "io/glyph_source.h"
#include "io/source_colours.h"

namespace kx {

enum class VicMode { HiRes, Multicolour, ExtendedColour, Bitmap, MulticolourBitmap, Invalid };

// "hi-res", "multicolour", "extended colour", "bitmap", "multicolour bitmap", "invalid".
std::string_view VicModeName(VicMode mode);

struct SnapshotChoices {
  std::string machine;              // "C64" or "C64SC"
  int vicMajor = 0;                 // the VIC-II module's version
  int vicMinor = 0;
  int bank = 0;                     // 0..3
  std::uint32_t bankAddress = 0;    // bank * $4000
  std::uint32_t charBase = 0;       // $0000..$3800 within the bank
  std::uint32_t charAddress = 0;    // bankAddress + charBase
  bool romCharset = false;          // the VIC-II sees the character ROM there
  VicMode mode = VicMode::HiRes;
  int border = 0;                   // $D020, 0..15
  std::array<int, 4> background{};  // $D021..$D024, 0..15
  std::vector<std::uint8_t> ram;    // the 64 KiB of RAM
  // The mode by $D011's extended colour bit and $D016's multicolour bit, $D021-$D024, and one ink per
  // glyph of the charset the VIC-II shows (by screen code): the colour RAM nibble the screen shows it with
  // most often, and for a glyph not on the screen the screen's most common colour.
  SourceColours taken;
};

SourceResult<SnapshotChoices> ExamineSnapshot(ByteSpan file);

// The highest address a 2 KiB window of RAM may start at.
inline constexpr std::uint32_t kLastRamWindow = 0x10000 - kCharsetBytes;

// The charset the VIC-II was showing, or the 2 KiB of RAM from `address` (0..$F800) when given.
SourceResult<GlyphBytes> SnapshotGlyphs(const SnapshotChoices& choices, std::optional<std::uint32_t> address);

}  // namespace kx
