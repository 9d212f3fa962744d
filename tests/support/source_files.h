#pragma once
// Files of the foreign charset sources, built from the formats' documented layouts with the contents a
// test chooses: C64 programs, VICE snapshots (C64MEM, CIA2 and VIC-II modules) and CharPad projects.
// Shared by the reader tests and the fuzz seeds.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kx::source_files {

using FileBytes = std::vector<std::uint8_t>;

// Little-endian; bytes past the fourth are zero.
inline void PutWord(FileBytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(i < 4 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
}

inline void PutText(FileBytes& out, std::string_view text, std::size_t width) {
  for (std::size_t i = 0; i < width; ++i) out.push_back(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0);
}

// A program: the load address, low byte first, then the data.
inline FileBytes Program(std::uint16_t load, const FileBytes& data) {
  FileBytes out;
  PutWord(out, load, 2);
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

// A module: 16-byte name, version, size counting the 22 header bytes, body.
inline void PutModule(FileBytes& out, std::string_view name, int major, int minor, const FileBytes& body) {
  PutText(out, name, 16);
  out.push_back(static_cast<std::uint8_t>(major));
  out.push_back(static_cast<std::uint8_t>(minor));
  PutWord(out, static_cast<std::uint32_t>(body.size() + 22), 4);
  out.insert(out.end(), body.begin(), body.end());
}

struct SnapshotContents {
  std::string machine = "C64";
  bool versionBlock = true;  // the "VICE Version" block of 2.4.30 and later
  int vicMajor = 1;
  int vicMinor = 1;
  std::size_t registersAt = 1119;  // where this VIC-II module keeps its registers
  std::size_t colourRamAt = 43;    // and its colour RAM
  std::size_t vicBytes = 1229;     // the VIC-II module's body, as long as its layout writes it
  int memoryMinor = 1;             // C64MEM 0.1 ends with 15 bytes of CPU port state, 0.0 with 3
  std::uint8_t portA = 0x17;       // CIA 2: bank 0
  std::uint8_t directionA = 0x3F;
  std::uint8_t d011 = 0x1B, d016 = 0xC8, d018 = 0x15;
  std::uint8_t border = 14;
  std::uint8_t backgrounds[4] = {6, 1, 2, 3};
  FileBytes ram = FileBytes(0x10000, 0);
  FileBytes colourRam = FileBytes(0x400, 0);
};

// A snapshot as VICE 3 writes it, both with C64MEM 0.1: x64 (line-based VIC-II, module 1.0 or 1.1: the
// colour RAM after 43 bytes, the registers after 1119; 1223 or 1229 bytes in all) or x64sc (cycle-exact
// VIC-II, module 1.1 or 1.2: the chip model, the registers, the colour RAM after 757 bytes, or 761 with
// 1.2's 8-byte clock, and the sprites, 1877 or 1881 bytes in all; its draw-cycle state is left out).
inline SnapshotContents Vice3(bool cycleExact, int vicMinor) {
  SnapshotContents shot;
  shot.machine = cycleExact ? "C64SC" : "C64";
  shot.vicMinor = vicMinor;
  shot.registersAt = cycleExact ? 1 : 1119;
  shot.colourRamAt = !cycleExact ? 43 : vicMinor >= 2 ? 761 : 757;
  shot.vicBytes = cycleExact ? (vicMinor >= 2 ? 1881 : 1877) : vicMinor == 0 ? 1223 : 1229;
  return shot;
}

inline FileBytes Snapshot(const SnapshotContents& shot) {
  FileBytes out;
  PutText(out, std::string_view("VICE Snapshot File\x1a", 19), 19);
  out.push_back(2);
  out.push_back(0);
  PutText(out, shot.machine, 16);
  if (shot.versionBlock) {
    PutText(out, std::string_view("VICE Version\x1a", 13), 13);
    for (const int b : {3, 6, 1, 0}) out.push_back(static_cast<std::uint8_t>(b));
    PutWord(out, 0, 4);
  }
  PutModule(out, "MAINCPU", 1, 1, FileBytes(30, 0x55));
  FileBytes memory{0x37, 0x2F, 1, 1};
  memory.insert(memory.end(), shot.ram.begin(), shot.ram.end());
  memory.resize(memory.size() + (shot.memoryMinor >= 1 ? 15 : 3), 0);
  PutModule(out, "C64MEM", 0, shot.memoryMinor, memory);
  PutModule(out, "CIA2", 2, 2, {shot.portA, 0xFF, shot.directionA, 0x00, 0, 0, 0, 0});
  // A module cut short inside its colour RAM keeps the part that fits.
  FileBytes vic(std::max(shot.vicBytes, shot.registersAt + 64), 0xEE);
  if (shot.colourRamAt < vic.size()) {
    const std::size_t fits = std::min(shot.colourRam.size(), vic.size() - shot.colourRamAt);
    std::copy_n(shot.colourRam.begin(), fits, vic.begin() + static_cast<std::ptrdiff_t>(shot.colourRamAt));
  }
  std::uint8_t* regs = vic.data() + shot.registersAt;
  std::fill(regs, regs + 64, 0);
  regs[0x11] = shot.d011;
  regs[0x16] = shot.d016;
  regs[0x18] = shot.d018;
  regs[0x20] = shot.border;
  for (int i = 0; i < 4; ++i) regs[0x21 + i] = shot.backgrounds[i];
  PutModule(out, "VIC-II", shot.vicMajor, shot.vicMinor, vic);
  return out;
}

// The header of a CharPad project of format 7, 8, 82 or 9, up to its first block marker: screen mode
// first from 8 on, then colouring method and flags, a grid size and a spare byte in 9, the colours with
// a fifth background colour (14) before the character colours; `fourCharColours` gives the extra
// character colour early builds of 8 wrote, which is then the one text modes use.
inline FileBytes CharPadBlockHeader(int version, bool multicolour, bool fourCharColours) {
  const std::uint8_t mode = multicolour ? 1 : 0;
  FileBytes out{'C', 'T', 'M', static_cast<std::uint8_t>(version)};
  if (version == 7) {
    out.insert(out.end(), {11, 12, 13, 14, 1, 0, mode, 0});  // colours, colouring method, mode, flags
    return out;
  }
  out.insert(out.end(), {mode, 0, 0});  // mode, colouring method, flags
  if (version == 9) {
    PutWord(out, 40, 2);  // grid 40 x 25, spare byte
    PutWord(out, 25, 2);
    out.push_back(0);
  }
  out.insert(out.end(), {11, 12, 13, 14});
  if (fourCharColours) {
    out.insert(out.end(), {9, 9, 9, 1});
  } else {
    out.insert(out.end(), {1, 9, 9});
  }
  return out;
}

// A CharPad project of format `version` (1-9 and 82) holding `glyphs` (8 bytes each, at most 256
// characters counted in version 1), with screen colour 11, multicolours 12 and 13, character colour 1.
// Given `attributes` (one byte per character; versions 5 on), it is coloured per character.
inline FileBytes CharPad(int version, const FileBytes& glyphs, bool multicolour, bool fourCharColours = false,
                         const FileBytes* attributes = nullptr) {
  const std::uint32_t countMinusOne = static_cast<std::uint32_t>(glyphs.size() / 8 - 1);
  FileBytes out;
  if (version >= 7) {
    out = CharPadBlockHeader(version, multicolour, fourCharColours);
    out.push_back(0xDA);
    out.push_back(0xB0);
    PutWord(out, countMinusOne, 2);
  } else {
    out = {'C', 'T', 'M', static_cast<std::uint8_t>(version), 11, 12, 13, 1, 0};
    const std::uint8_t flag = !multicolour ? 0 : version == 5 ? 0x04 : 0x01;
    out.push_back(flag);
  }
  switch (version) {
    case 1: PutWord(out, 0, 4); PutWord(out, countMinusOne, 1); PutWord(out, 0, 5); break;          // map, count, tiles
    case 2: case 3: PutWord(out, 0, 4); PutWord(out, countMinusOne, 2); PutWord(out, 0, 4); break;  // map, count, rest
    case 4: PutWord(out, countMinusOne, 2); PutWord(out, 0, 12); break;                             // count, rest of 24
    case 5: PutWord(out, countMinusOne, 2); PutWord(out, 0, 8); break;                              // count, rest of 20
    case 6: out.push_back(0xDA); out.push_back(0xB0); PutWord(out, countMinusOne, 2); break;       // block marker
    default: break;
  }
  for (std::size_t n = 0; n < glyphs.size() / 8; ++n) {
    out.insert(out.end(), glyphs.begin() + static_cast<std::ptrdiff_t>(n * 8),
               glyphs.begin() + static_cast<std::ptrdiff_t>(n * 8 + 8));
    if (version == 2) out.push_back(0x05);  // the material byte
  }
  if (attributes) {
    out[version == 7 ? 9 : version >= 8 ? 5 : 8] = 2;  // colouring method: per character
    if (version >= 6) out.insert(out.end(), {0xDA, 0xB1});
    out.insert(out.end(), attributes->begin(), attributes->end());
  }
  PutWord(out, 0, 16);  // attributes, tiles and map follow; their content is not read
  return out;
}

}  // namespace kx::source_files
