#include "io/snapshot_source.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/rom_charset.h"

namespace kx {
namespace {

constexpr std::string_view kMagic{"VICE Snapshot File\x1a", 19};
constexpr std::string_view kVersionMagic{"VICE Version\x1a", 13};
constexpr std::size_t kMachineNameBytes = 16;
constexpr std::size_t kVersionBlockBytes = 13 + 4 + 4;
constexpr std::size_t kModuleNameBytes = 16;
constexpr std::size_t kModuleHeaderBytes = kModuleNameBytes + 2 + 4;
constexpr std::size_t kRamBytes = 0x10000;
// C64MEM (shared by x64 and x64sc, 2.4 through 3.x): CPU port data and direction, EXROM and GAME, then
// the RAM. CIA2: port A, port B, then port A's data direction, first in every CIA module version.
constexpr std::size_t kRamOffset = 4;
constexpr std::size_t kCiaPortA = 0;
constexpr std::size_t kCiaDirectionA = 2;
constexpr int kVicRegisters = 64;
constexpr std::size_t kColourRamBytes = 0x400;
constexpr std::size_t kScreenCells = 1000;

// Where each known VIC-II module keeps its 64 registers, counted from the end of the module header.
struct VicLayout {
  std::string_view machine;
  int major;
  int minor;
  std::size_t registersAt;
  std::size_t colourRamAt;
};
// The VICE manual does not describe module contents; these places come from VICE's own snapshot writers,
// read for the layout only. x64 (old VIC-II emulation), module 1.1 from VICE 2.4 through 3.x and 1.0 as
// older releases wrote it: three flag bytes, 40 colour-buffer bytes, 1024 colour-RAM bytes, four light-pen and idle bytes, 40
// matrix-buffer bytes, the sprite DMA mask, a 4-byte RAM base, the raster cycle and a 2-byte raster line
// come first (1.1 only adds fields after the registers). x64sc (cycle-exact VIC-II), module 1.1 in every
// version from 2.4 through 3.x: one byte of chip model, then the registers, then 692 bytes of raster,
// fetch, draw-buffer, light-pen and border state, then the colour RAM. No other VIC-II module version of a
// C64 was found written by these versions; any other is refused.
constexpr std::array<VicLayout, 3> kVicLayouts{{
    {"C64", 1, 0, 1119, 43},
    {"C64", 1, 1, 1119, 43},
    {"C64SC", 1, 1, 1, 757},
}};

struct Module {
  int major = 0;
  int minor = 0;
  ByteSpan body;
};

std::string NameIn(ByteSpan field) {
  std::string name(field.begin(), field.end());
  name.resize(std::strlen(name.c_str()));
  return name;
}

std::string Printable(const std::string& text) {
  std::string out;
  for (const char c : text) out += (c >= 0x20 && c < 0x7F) ? c : '?';
  return out;
}

bool StartsWith(ByteSpan data, std::string_view text) {
  return data.size() >= text.size() && std::equal(text.begin(), text.end(), data.begin(),
                                                  [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

std::uint32_t Dword(ByteSpan at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

VicMode ModeOf(std::uint8_t d011, std::uint8_t d016) {
  const bool extended = d011 & 0x40, bitmap = d011 & 0x20, multicolour = d016 & 0x10;
  if (extended && (bitmap || multicolour)) return VicMode::Invalid;
  if (extended) return VicMode::ExtendedColour;
  if (bitmap) return multicolour ? VicMode::MulticolourBitmap : VicMode::Bitmap;
  return multicolour ? VicMode::Multicolour : VicMode::HiRes;
}

DisplayMode DisplayModeOf(std::uint8_t d011, std::uint8_t d016) {
  if (d011 & 0x40) return DisplayMode::ExtendedBackground;
  return (d016 & 0x10) ? DisplayMode::Multicolour : DisplayMode::HiRes;
}

// The colour of each glyph as the text screen shows it: per glyph the colour RAM nibble of most of its
// cells (the lowest colour on a tie), and for a glyph on no cell the screen's most common colour.
std::vector<std::uint8_t> ScreenInks(const SnapshotChoices& c, std::uint8_t d018, ByteSpan colourRam) {
  const std::uint32_t screen = c.bankAddress + ((d018 >> 4) & 15u) * 0x400u;
  // Banks 0 and 2 see the character ROM at $1000-$1FFF, screen or not.
  const bool rom = (c.bank == 0 || c.bank == 2) && (screen & 0x3000) == 0x1000;
  const std::uint8_t* codes = rom ? RomBytes().data() + (screen & 0x0C00) : c.ram.data() + screen;
  std::array<std::array<int, 16>, kGlyphCount> counts{};
  std::array<int, 16> overall{};
  for (std::size_t cell = 0; cell < kScreenCells; ++cell) {
    const int glyph = c.mode == VicMode::ExtendedColour ? codes[cell] & 63 : codes[cell];
    const int colour = colourRam[cell] & 15;
    ++counts[static_cast<std::size_t>(glyph)][static_cast<std::size_t>(colour)];
    ++overall[static_cast<std::size_t>(colour)];
  }
  auto mostCommon = [](const std::array<int, 16>& tally) {
    return static_cast<std::uint8_t>(std::ranges::max_element(tally) - tally.begin());
  };
  const std::uint8_t fallback = mostCommon(overall);
  std::vector<std::uint8_t> inks(kGlyphCount);
  for (std::size_t n = 0; n < inks.size(); ++n) {
    inks[n] = std::ranges::all_of(counts[n], [](int k) { return k == 0; }) ? fallback : mostCommon(counts[n]);
  }
  return inks;
}

}  // namespace

std::string_view VicModeName(VicMode mode) {
  switch (mode) {
    case VicMode::HiRes: return "hi-res";
    case VicMode::Multicolour: return "multicolour";
    case VicMode::ExtendedColour: return "extended colour";
    case VicMode::Bitmap: return "bitmap";
    case VicMode::MulticolourBitmap: return "multicolour bitmap";
    case VicMode::Invalid: return "invalid";
  }
  return "";
}

SourceResult<SnapshotChoices> ExamineSnapshot(ByteSpan file) {
  if (!StartsWith(file, kMagic)) return SourceRefusal{"not a VICE snapshot"};
  std::size_t at = kMagic.size() + 2;
  if (file.size() < at + kMachineNameBytes) return SourceRefusal{"the snapshot ends inside its header"};
  SnapshotChoices choices;
  choices.machine = NameIn(file.subspan(at, kMachineNameBytes));
  if (choices.machine != "C64" && choices.machine != "C64SC") {
    return SourceRefusal{"a snapshot of a '" + Printable(choices.machine) + "', not of a C64"};
  }
  at += kMachineNameBytes;
  if (StartsWith(file.subspan(at), kVersionMagic)) at += kVersionBlockBytes;

  std::optional<Module> memory, cia, vic;
  while (at < file.size()) {
    if (file.size() - at < kModuleHeaderBytes) return SourceRefusal{"the snapshot ends inside a module header"};
    const ByteSpan header = file.subspan(at, kModuleHeaderBytes);
    const std::uint32_t size = Dword(header.subspan(kModuleNameBytes + 2));
    if (size < kModuleHeaderBytes || size > file.size() - at) {
      return SourceRefusal{"the snapshot's module '" + Printable(NameIn(header.first(kModuleNameBytes))) +
                           "' has a size of " + std::to_string(size) + " bytes that does not fit the file"};
    }
    const std::string name = NameIn(header.first(kModuleNameBytes));
    const Module module{header[kModuleNameBytes], header[kModuleNameBytes + 1],
                        file.subspan(at + kModuleHeaderBytes, size - kModuleHeaderBytes)};
    if (name == "C64MEM" && !memory) memory = module;
    if (name == "CIA2" && !cia) cia = module;
    if (name == "VIC-II" && !vic) vic = module;
    at += size;
  }
  if (!memory || !cia || !vic) {
    return SourceRefusal{std::string("the snapshot has no ") + (!memory ? "C64MEM" : !cia ? "CIA2" : "VIC-II") +
                         " module"};
  }
  const auto layout = std::ranges::find_if(kVicLayouts, [&](const VicLayout& l) {
    return l.machine == choices.machine && l.major == vic->major && l.minor == vic->minor;
  });
  if (layout == kVicLayouts.end()) {
    return SourceRefusal{"VIC-II module version " + std::to_string(vic->major) + "." + std::to_string(vic->minor) +
                         " of a " + choices.machine + " snapshot is not known"};
  }
  if (memory->body.size() < kRamOffset + kRamBytes) return SourceRefusal{"the snapshot's C64MEM module is cut short"};
  if (cia->body.size() <= kCiaDirectionA) return SourceRefusal{"the snapshot's CIA2 module is cut short"};
  if (vic->body.size() < std::max(layout->registersAt + kVicRegisters, layout->colourRamAt + kColourRamBytes)) {
    return SourceRefusal{"the snapshot's VIC-II module is cut short"};
  }
  choices.vicMajor = vic->major;
  choices.vicMinor = vic->minor;
  const ByteSpan ram = memory->body.subspan(kRamOffset, kRamBytes);
  choices.ram.assign(ram.begin(), ram.end());
  const ByteSpan regs = vic->body.subspan(layout->registersAt, kVicRegisters);

  // Port A pins set as inputs are pulled high; the bank is the inverse of bits 0-1.
  const int portA = (cia->body[kCiaPortA] | ~cia->body[kCiaDirectionA]) & 3;
  choices.bank = 3 - portA;
  choices.bankAddress = static_cast<std::uint32_t>(choices.bank) * 0x4000;
  choices.charBase = ((regs[0x18] >> 1) & 7) * 0x800u;
  choices.charAddress = choices.bankAddress + choices.charBase;
  choices.romCharset = (choices.bank == 0 || choices.bank == 2) &&
                       (choices.charBase == 0x1000 || choices.charBase == 0x1800);
  choices.mode = ModeOf(regs[0x11], regs[0x16]);
  choices.border = regs[0x20] & 15;
  for (int i = 0; i < 4; ++i) choices.background[i] = regs[0x21 + i] & 15;

  SourceColours& taken = choices.taken;
  taken.colours.mode = DisplayModeOf(regs[0x11], regs[0x16]);
  for (int i = 0; i < 4; ++i) taken.colours.registers[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(choices.background[i]);
  if (choices.mode == VicMode::Bitmap || choices.mode == VicMode::MulticolourBitmap) {
    taken.origin = "no inks: the VIC-II shows a bitmap, not the charset";
  } else {
    taken.inks = ScreenInks(choices, regs[0x18], vic->body.subspan(layout->colourRamAt, kColourRamBytes));
    taken.origin = "colour RAM of the screen at " + HexAddress(choices.bankAddress + ((regs[0x18] >> 4) & 15u) * 0x400u);
  }
  return choices;
}

SourceResult<GlyphBytes> SnapshotGlyphs(const SnapshotChoices& choices, std::optional<std::uint32_t> address) {
  if (choices.ram.size() != kRamBytes) return SourceRefusal{"the snapshot holds no RAM"};
  if (address) {
    if (*address > kLastRamWindow) {
      return SourceRefusal{HexAddress(*address) + " leaves less than 2 KiB of RAM (the last window is " +
                           HexAddress(kLastRamWindow) + ")"};
    }
    const auto from = choices.ram.begin() + *address;
    return GlyphBytes(from, from + kCharsetBytes);
  }
  if (choices.romCharset) {
    const auto from = RomBytes().begin() + (choices.charBase - 0x1000);
    return GlyphBytes(from, from + kCharsetBytes);
  }
  const auto from = choices.ram.begin() + choices.charAddress;
  return GlyphBytes(from, from + kCharsetBytes);
}

}  // namespace kx
