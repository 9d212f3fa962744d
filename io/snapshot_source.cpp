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
constexpr std::size_t kVicRegisters = 64;
constexpr std::size_t kColourRamBytes = 0x400;
constexpr std::size_t kScreenCells = 1000;
constexpr int kAnyVersion = -1;
constexpr std::size_t kNoColourRam = 0;  // rows of modules other than VIC-II

// How one version of one module is laid out, as VICE's own snapshot writers lay it out (read for the layout
// only; VICE's manual does not describe module contents). `dataAt` is where the bytes read here start in
// the module body: the RAM in C64MEM, the 64 registers in VIC-II, port A in CIA2. `holds` is the least
// body size that layout writes; a module declaring less is damaged and none of its bytes are taken.
struct ModuleLayout {
  std::string_view module;
  std::string_view machine;  // empty: both "C64" and "C64SC"
  int major;                 // kAnyVersion: every version
  int minor;
  std::size_t dataAt;
  std::size_t holds;
  std::size_t colourRamAt;  // VIC-II rows: where the 1 KiB of colour RAM starts in the body
};

// C64MEM, written alike by x64 and x64sc: CPU port data and direction, EXROM and GAME, the RAM, then (0.0
// from VICE 1.15 on; older releases end with the RAM) the port's three line states; 0.1 adds two 4-byte
// falloff clocks and four bit-state bytes.
// CIA2: port A, port B, port A's data direction first in every module version.
// VIC-II of x64 (the older, line-based emulation), 1.0 as releases before 2.4 wrote it and 1.1 from VICE
// 2.4 through 3.x: three flag bytes, 40 colour-buffer bytes, the 1024 colour-RAM bytes, four light-pen and
// idle bytes, 40 matrix-buffer bytes, the sprite DMA mask, a 4-byte RAM base, the raster cycle and a
// 2-byte raster line, then the registers, eleven bytes of collisions and counters, 8 x 3 sprite bytes and
// a 5-byte fetch event; 1.1 adds a 4-byte RAM base and a 2-byte bank.
// VIC-II of x64sc (cycle-exact), 1.1 from VICE 2.4 through the 3.x releases with 32-bit clocks, 1.2 once
// the clocks are 64-bit: the chip model, the registers, 692 bytes of raster, fetch, draw-buffer, light-pen
// and border state (696 in 1.2, whose light-pen trigger clock is 8 bytes), the colour RAM, 8 x 12 sprite
// bytes, then the draw-cycle state, which is not read here.
// Any other version is refused by name, never guessed.
constexpr std::array<ModuleLayout, 7> kModuleLayouts{{
    {"C64MEM", "", 0, 0, 4, 4 + kRamBytes, kNoColourRam},
    {"C64MEM", "", 0, 1, 4, 4 + kRamBytes + 3 + 12, kNoColourRam},
    {"CIA2", "", kAnyVersion, kAnyVersion, 0, 3, kNoColourRam},
    {"VIC-II", "C64", 1, 0, 1119, 1223, 43},
    {"VIC-II", "C64", 1, 1, 1119, 1229, 43},
    {"VIC-II", "C64SC", 1, 1, 1, 1877, 757},
    {"VIC-II", "C64SC", 1, 2, 1, 1881, 761},
}};
// A VIC-II layout holds its registers and its colour RAM whole, so the one size check covers both.
static_assert(std::ranges::all_of(kModuleLayouts, [](const ModuleLayout& l) {
  return l.module != "VIC-II" || (l.holds >= l.dataAt + kVicRegisters && l.colourRamAt != kNoColourRam &&
                                  l.holds >= l.colourRamAt + kColourRamBytes);
}));

struct Module {
  std::string name;
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

std::string VersionOf(const Module& module) {
  return std::to_string(module.major) + "." + std::to_string(module.minor);
}

// The layout of `module` in a snapshot of `machine`, once its declared size is known to hold that layout.
SourceResult<ModuleLayout> LayoutOf(const Module& module, const std::string& machine) {
  const auto layout = std::ranges::find_if(kModuleLayouts, [&](const ModuleLayout& l) {
    return l.module == module.name && (l.machine.empty() || l.machine == machine) &&
           (l.major == kAnyVersion || (l.major == module.major && l.minor == module.minor));
  });
  if (layout == kModuleLayouts.end()) {
    return SourceRefusal{module.name + " module version " + VersionOf(module) + " of a " + machine +
                         " snapshot is not known"};
  }
  if (module.body.size() < layout->holds) {
    return SourceRefusal{"the snapshot's " + module.name + " module is cut short: " +
                         std::to_string(module.body.size()) + " bytes where version " + VersionOf(module) +
                         " holds " + std::to_string(layout->holds)};
  }
  return *layout;
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
    const Module module{name, header[kModuleNameBytes], header[kModuleNameBytes + 1],
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
  const auto vicLayout = LayoutOf(*vic, choices.machine);
  if (const auto* refusal = std::get_if<SourceRefusal>(&vicLayout)) return *refusal;
  const auto memoryLayout = LayoutOf(*memory, choices.machine);
  if (const auto* refusal = std::get_if<SourceRefusal>(&memoryLayout)) return *refusal;
  const auto ciaLayout = LayoutOf(*cia, choices.machine);
  if (const auto* refusal = std::get_if<SourceRefusal>(&ciaLayout)) return *refusal;
  choices.vicMajor = vic->major;
  choices.vicMinor = vic->minor;
  const ByteSpan ram = memory->body.subspan(std::get<ModuleLayout>(memoryLayout).dataAt, kRamBytes);
  choices.ram.assign(ram.begin(), ram.end());
  const ByteSpan regs = vic->body.subspan(std::get<ModuleLayout>(vicLayout).dataAt, kVicRegisters);
  const ByteSpan ports = cia->body.subspan(std::get<ModuleLayout>(ciaLayout).dataAt, 3);

  // Port A pins set as inputs are pulled high; the bank is the inverse of bits 0-1.
  const int portA = (ports[0] | ~ports[2]) & 3;
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
    taken.inks = ScreenInks(choices, regs[0x18], vic->body.subspan(std::get<ModuleLayout>(vicLayout).colourRamAt, kColourRamBytes));
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
