// The foreign charset sources, each over files built from its format's documented layout: what a file
// offers, the glyphs taken and where they go, and the refusals with their reasons.

#include <gtest/gtest.h>

#include <utility>
#include <variant>

#include "io/charset_source.h"
#include "io/raw_source.h"
#include "model/rom_charset.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/source_files.h"

namespace kx {
namespace {

using source_files::FileBytes;

// Bytes 0, 1, 2, ... from `start`, wrapping at 256.
FileBytes Counting(std::size_t count, int start = 0) {
  FileBytes out(count);
  for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<std::uint8_t>(start + i);
  return out;
}

struct Case {
  const char* name;
  FileBytes file;
  const char* path;
  SourceRequest request;
  // Expected: the kind, the first glyph and count filled, and the file offset of glyph `first`'s first
  // byte (its glyphs come from consecutive bytes there); or the start of the refusal.
  SourceKind kind;
  int first;
  int count;
  std::size_t from;
  const char* refusal = nullptr;
  int leftOut = 0;  // glyphs of the run that would have landed past glyph 255
};

void Check(const Case& c, const FileBytes* source = nullptr) {
  const auto read = ReadCharsetSource(c.file, c.path, c.request);
  if (c.refusal) {
    ASSERT_TRUE(std::holds_alternative<SourceRefusal>(read)) << c.name;
    EXPECT_TRUE(std::get<SourceRefusal>(read).reason.starts_with(c.refusal))
        << c.name << ": " << std::get<SourceRefusal>(read).reason;
    return;
  }
  ASSERT_TRUE(std::holds_alternative<SourceReading>(read)) << c.name << ": " << std::get<SourceRefusal>(read).reason;
  const SourceReading& r = std::get<SourceReading>(read);
  EXPECT_EQ(r.kind, c.kind) << c.name;
  EXPECT_EQ(r.placed.firstGlyph, c.first) << c.name;
  EXPECT_EQ(r.placed.glyphCount, c.count) << c.name;
  EXPECT_EQ(r.placed.leftOut, c.leftOut) << c.name;
  const FileBytes& bytes = source ? *source : c.file;
  for (int i = 0; i < kCharsetBytes; ++i) {
    const int glyph = i / 8;
    const bool filled = glyph >= c.first && glyph < c.first + c.count;
    const std::uint8_t expected = filled ? bytes[c.from + static_cast<std::size_t>(i - c.first * 8)] : 0;
    ASSERT_EQ(r.placed.charset[i], expected) << c.name << " byte " << i;
  }
}

SourceRequest At(std::optional<std::uint64_t> offset, std::optional<int> glyphs = {}, std::optional<int> first = {},
                 std::optional<SourceKind> kind = {}) {
  SourceRequest r;
  r.kind = kind;
  r.offset = offset;
  r.glyphs = glyphs;
  r.firstGlyph = first;
  return r;
}

SourceRequest Addr(std::uint32_t address, std::optional<int> glyphs = {}, std::optional<int> first = {}) {
  SourceRequest r = At({}, glyphs, first);
  r.address = address;
  return r;
}

TEST(ProgramSource, PartialCharsetsWholeProgramsAndTheirRefusals) {
  const FileBytes whole = source_files::Program(0x0801, Counting(5000, 3));
  const FileBytes top = source_files::Program(0xF000, Counting(0x2000, 1));  // data past $FFFF is no memory
  const std::vector<Case> cases{
      {"8 glyphs at $3000", source_files::Program(0x3000, Counting(64)), "a.prg", {}, SourceKind::Program, 0, 8, 2},
      {"to glyph 100", source_files::Program(0x3000, Counting(64)), "a.64c", At({}, {}, 100), SourceKind::Program, 100, 8, 2},
      {"2050 bytes keep the load address", source_files::Program(0x2000, Counting(2048)), "a.PRG", {},
       SourceKind::PrgCharset, 0, 256, 2},
      // $0801 is not glyph-aligned: the first window starts at $0808, 7 bytes into the data.
      {"whole program's first window", whole, "game.prg", {}, SourceKind::Program, 0, 256, 2 + 7},
      {"any address in the data", whole, "game.prg", Addr(0x0801 + 100, 16, 8), SourceKind::Program, 8, 16, 2 + 100},
      {"window cut at glyph 255", whole, "game.prg", Addr(0x0801, {}, 250), SourceKind::Program, 250, 6, 2, nullptr, 250},
      {"2050 bytes read from an address", source_files::Program(0x2000, Counting(2048)), "a.prg", Addr(0x2008),
       SourceKind::Program, 0, 255, 2 + 8},
      {"2 + 8n bytes under any name", source_files::Program(0x3000, Counting(24)), "a.bin", {}, SourceKind::Program, 0, 3, 2},
      {"the top of memory: last 2 KiB", top, "top.prg", Addr(0xF800), SourceKind::Program, 0, 256, 2 + 0x800},
      {"the top of memory: last glyph", top, "top.prg", Addr(0xFFF8), SourceKind::Program, 0, 1, 2 + 0xFF8},
      {"the top of memory: no whole glyph", top, "top.prg", Addr(0xFFF9), {}, 0, 0, 0,
       "address $FFF9 leaves no whole glyph before the program's end at $FFFF"},
      {"below the load address", whole, "game.prg", Addr(0x0800), {}, 0, 0, 0,
       "address $0800 is outside the program ($0801 to $1B88)"},
      {"an offset is a binary's", whole, "game.prg", At(100), {}, 0, 0, 0, "an offset applies only to binaries"},
      {"exactly one glyph", source_files::Program(0x3000, Counting(8)), "a.prg", {}, SourceKind::Program, 0, 1, 2},
      {"data not whole glyphs", source_files::Program(0x3000, Counting(63)), "a.prg", {}, {}, 0, 0, 0,
       "a program of 65 bytes is neither"},
      {"partial charset from glyph 250", source_files::Program(0x3000, Counting(64)), "a.prg", At({}, {}, 250),
       SourceKind::Program, 250, 6, 2, nullptr, 2},
      {"address past the end", whole, "game.prg", Addr(0x0801 + 4993), {}, 0, 0, 0, "address $1B82 leaves no whole glyph"},
      {"more glyphs than offered", whole, "game.prg", Addr(0x0801 + 4000, 200), {}, 0, 0, 0, "200 glyphs asked for"},
      {"no room below $10000", source_files::Program(0xFF00, Counting(3000)), "a.prg", {}, {}, 0, 0, 0,
       "the program at $FF00 holds no 2 KiB window"},
  };
  for (const Case& c : cases) Check(c);
  const auto choices = std::get<ProgramChoices>(ExamineProgram(whole));
  EXPECT_EQ(choices.loadAddress, 0x0801);
  EXPECT_EQ(choices.windows.front().address, 0x0808u);
  EXPECT_EQ(choices.windows.back().address, 0x1388u);  // the last window that ends inside the data
  // A window may end exactly where the data ends.
  const auto twoWindows = std::get<ProgramChoices>(ExamineProgram(source_files::Program(0x0800, Counting(2056))));
  ASSERT_EQ(twoWindows.windows.size(), 2u);
  EXPECT_EQ(twoWindows.windows.back().address, 0x0808u);
  const auto reading = std::get<SourceReading>(ReadCharsetSource(source_files::Program(0x2000, Counting(2048)), "x", {}));
  EXPECT_EQ(reading.facts.loadAddress, 0x2000);
}

TEST(RawSource, OffsetsCountsAndNumbers) {
  const FileBytes data = Counting(3000, 9);
  const auto raw = [](SourceRequest r) {
    r.kind = SourceKind::Raw;
    return r;
  };
  const std::vector<Case> cases{
      {"from 0, every glyph up to 256", data, "x.bin", At(0, {}, {}, SourceKind::Raw), SourceKind::Raw, 0, 256, 0},
      {"offset and count", data, "x.bin", At(1000, 3, 7, SourceKind::Raw), SourceKind::Raw, 7, 3, 1000},
      {"short tail", data, "x.bin", At(2900, {}, {}, SourceKind::Raw), SourceKind::Raw, 0, 12, 2900},
      {"past the end", data, "x.bin", At(3000, {}, {}, SourceKind::Raw), {}, 0, 0, 0, "offset 3000 leaves no"},
      {"count past the end", data, "x.bin", At(2900, 13, {}, SourceKind::Raw), {}, 0, 0, 0, "13 glyphs asked for"},
      {"count 256", data, "x.bin", At(0, 256, {}, SourceKind::Raw), SourceKind::Raw, 0, 256, 0},
      {"7 bytes left", data, "x.bin", At(2993, {}, {}, SourceKind::Raw), {}, 0, 0, 0, "offset 2993 leaves no"},
      {"one glyph left", data, "x.bin", At(2992, {}, 255, SourceKind::Raw), SourceKind::Raw, 255, 1, 2992},
      {"cut at glyph 255", data, "x.bin", At(8, 100, 200, SourceKind::Raw), SourceKind::Raw, 200, 56, 8, nullptr, 44},
      {"no known kind at an offset", Counting(3001, 9), "x", At(16), SourceKind::Raw, 0, 256, 16},
      {"no known kind", Counting(3001, 9), "x", {}, {}, 0, 0, 0, "not a known file"},
      {"an address is a program's", data, "x.bin", raw(Addr(0x1000)), {}, 0, 0, 0, "a C64 address applies only to"},
      {"count 0", data, "x.bin", At(0, 0, {}, SourceKind::Raw), {}, 0, 0, 0, "glyph count 0 is not 1 to 256"},
      {"count 257", data, "x.bin", At(0, 257, {}, SourceKind::Raw), {}, 0, 0, 0, "glyph count 257 is not 1 to 256"},
      {"first glyph 256", data, "x.bin", At(0, 1, 256, SourceKind::Raw), {}, 0, 0, 0, "first glyph 256 is not"},
  };
  for (const Case& c : cases) Check(c);
  const std::vector<std::pair<const char*, std::optional<std::uint64_t>>> numbers{
      {"4096", 4096}, {"$1000", 4096}, {"0x1000", 4096}, {"0X10", 16}, {"-1", std::nullopt}, {"+1", std::nullopt},
      {"", std::nullopt}, {"$", std::nullopt}, {"12a", std::nullopt}, {"99999999999999999999999", std::nullopt},
      {"70000", std::nullopt}};
  for (const auto& [text, value] : numbers) EXPECT_EQ(ParseSourceNumber(text, 65535), value) << text;
  // A raw read of every glyph, and one more than there are.
  EXPECT_EQ(std::get<GlyphBytes>(RawGlyphs(data, 0, 256)).size(), 2048u);
  EXPECT_TRUE(std::holds_alternative<SourceRefusal>(RawGlyphs(data, 0, 257)));
  // Placing: the last glyph is a place, the one after it is not.
  const FileBytes one = Counting(8);
  EXPECT_EQ(std::get<PlacedGlyphs>(PlaceGlyphs(Charset{}, one, 255)).glyphCount, 1);
  const auto cut = std::get<PlacedGlyphs>(PlaceGlyphs(Charset{}, Counting(8 * 8, 1), 250));
  EXPECT_EQ(std::pair(cut.glyphCount, cut.leftOut), std::pair(6, 2));
  EXPECT_EQ(cut.charset[255 * 8 + 7], 48);  // the sixth glyph's last byte, and nothing wrapped to glyph 0
  EXPECT_EQ(cut.charset[0], 0);
  for (const int first : {-1, 256}) {
    const auto placed = PlaceGlyphs(Charset{}, one, first);
    ASSERT_TRUE(std::holds_alternative<SourceRefusal>(placed)) << first;
    EXPECT_TRUE(std::get<SourceRefusal>(placed).reason.starts_with("first glyph " + std::to_string(first)))
        << std::get<SourceRefusal>(placed).reason;
  }
  // The editor's own sizes, found whatever the name: just below, at and above each.
  const std::vector<std::pair<std::size_t, std::optional<SourceKind>>> bySize{
      {256, SourceKind::RowFile},   {264, std::nullopt},          {1792, SourceKind::RowFile},
      {2047, std::nullopt},         {2048, SourceKind::RawCharset}, {2049, SourceKind::ShortPrg},
      {2050, SourceKind::PrgCharset}, {2051, std::nullopt},          {9, std::nullopt},
      {10, SourceKind::Program},      {26, SourceKind::Program},      {2058, SourceKind::Program}};
  for (const auto& [size, kind] : bySize) EXPECT_EQ(DetectSourceKind(Counting(size), "x"), kind) << size;
}

TEST(SnapshotSource, BankBaseRomModeColoursAndRefusals) {
  using source_files::SnapshotContents;
  FileBytes ram = Counting(0x10000, 5);
  // Every screen at a multiple of $400 shows code (5 + cell) % 256; cell c's colour is c % 16 under a
  // high nybble the chip does not have. So glyph g is shown in (g - 5) % 16, in extended background mode
  // glyph g % 64 likewise, and a glyph on no cell takes colour 0, the most common (63 cells against 62).
  FileBytes colourRam(0x400);
  for (std::size_t c = 0; c < colourRam.size(); ++c) colourRam[c] = static_cast<std::uint8_t>(0xF0 | (c % 16));
  auto make = [&](SnapshotContents shot) {
    shot.ram = ram;
    shot.colourRam = colourRam;
    return source_files::Snapshot(shot);
  };
  // The snapshot's RAM sits 4 bytes into the C64MEM module; Check compares with `ram` directly.
  struct SnapshotCase {
    const char* name;
    SnapshotContents shot;
    std::optional<std::uint32_t> address;
    std::uint32_t expectAddress;  // RAM address of glyph 0, or ROM offset + 0x10000 for the character ROM
    int bank;
    VicMode mode;
    const char* refusal = nullptr;
    DisplayMode display = DisplayMode::HiRes;
    std::vector<std::uint8_t> inks{11, 0, 15};  // of glyphs 0, 5 and 100; none for a bitmap
  };
  SnapshotContents x64sc = source_files::Vice3(true, 1);
  x64sc.versionBlock = false;
  SnapshotContents bank1RamAt2000 = x64sc;
  bank1RamAt2000.portA = 0x02;  // bits 0-1 = 2: bank 1 ($4000)
  bank1RamAt2000.d018 = 0x14;   // base $0800
  bank1RamAt2000.d016 = 0xD8;   // multicolour
  SnapshotContents inputsReadHigh;
  inputsReadHigh.portA = 0x00;
  inputsReadHigh.directionA = 0x3C;  // bits 0-1 are inputs: they read 1, bank 0
  inputsReadHigh.d018 = 0x17;        // base $1800: the lower-case ROM set
  SnapshotContents bank2Extended;
  bank2Extended.portA = 0x01;  // bank 2 ($8000)
  bank2Extended.d018 = 0x1E;   // base $3800
  bank2Extended.d011 = 0x5B;   // extended colour
  SnapshotContents oldX64 = source_files::Vice3(false, 0);
  oldX64.memoryMinor = 0;
  // VICE 3 with 64-bit clocks: x64sc's VIC-II 1.2, the charset in RAM at $C800 of bank 3.
  SnapshotContents x64scClock64 = source_files::Vice3(true, 2);
  x64scClock64.portA = 0x00;  // bits 0-1 = 0: bank 3 ($C000)
  x64scClock64.d018 = 0x12;  // base $0800
  SnapshotContents x64Vice3 = source_files::Vice3(false, 1);
  x64Vice3.d018 = 0x1C;  // $3000 of bank 0: RAM
  SnapshotContents unknownVersion = x64sc;
  unknownVersion.vicMinor = 3;
  SnapshotContents unknownMemory = x64Vice3;
  unknownMemory.memoryMinor = 2;
  // Declared sizes one byte short of their layouts: every byte the reader wants is still in the file.
  SnapshotContents shortX64 = x64Vice3;
  shortX64.vicBytes = 1228;
  SnapshotContents shortX64sc = x64scClock64;
  shortX64sc.vicBytes = 1880;
  SnapshotContents vic20;
  vic20.machine = "VIC 20";
  SnapshotContents bitmap;
  bitmap.d011 = 0x3B;
  SnapshotContents shortColourRam = x64sc;
  shortColourRam.vicBytes = 1780;  // the module ends inside x64sc's colour RAM
  const std::vector<SnapshotCase> cases{
      {"x64, bank 0, ROM at $1000", {}, {}, 0x10000, 0, VicMode::HiRes, nullptr},
      {"x64sc, bank 1, RAM $4800", bank1RamAt2000, {}, 0x4800, 1, VicMode::Multicolour, nullptr,
       DisplayMode::Multicolour},
      {"direction input reads high", inputsReadHigh, {}, 0x10800, 0, VicMode::HiRes, nullptr},
      {"bank 2, $B800", bank2Extended, {}, 0xB800, 2, VicMode::ExtendedColour, nullptr,
       DisplayMode::ExtendedBackground, {11, 0, 0}},
      {"bitmap", bitmap, {}, 0x10000, 0, VicMode::Bitmap, nullptr, DisplayMode::HiRes, {}},
      {"x64 module 1.0, C64MEM 0.0", oldX64, {}, 0x10000, 0, VicMode::HiRes, nullptr},
      {"VICE 3 x64sc, VIC-II 1.2", x64scClock64, {}, 0xC800, 3, VicMode::HiRes, nullptr},
      {"VICE 3 x64, VIC-II 1.1", x64Vice3, {}, 0x3000, 0, VicMode::HiRes, nullptr},
      {"RAM by address", {}, 0xC123, 0xC123, 0, VicMode::HiRes, nullptr},
      {"RAM's last 2 KiB", {}, 0xF800, 0xF800, 0, VicMode::HiRes, nullptr},
      {"address past $F800", {}, 0xF801, 0, 0, VicMode::HiRes, "address $F801 leaves less than 2 KiB"},
      {"unknown VIC-II version", unknownVersion, {}, 0, 0, VicMode::HiRes,
       "VIC-II module version 1.3 of a C64SC snapshot is not known"},
      {"unknown C64MEM version", unknownMemory, {}, 0, 0, VicMode::HiRes,
       "C64MEM module version 0.2 of a C64 snapshot is not known"},
      {"x64 VIC-II short of its layout", shortX64, {}, 0, 0, VicMode::HiRes,
       "the snapshot's VIC-II module is cut short: 1228 bytes where version 1.1 holds 1229"},
      {"x64sc VIC-II short of its layout", shortX64sc, {}, 0, 0, VicMode::HiRes,
       "the snapshot's VIC-II module is cut short: 1880 bytes where version 1.2 holds 1881"},
      {"not a C64", vic20, {}, 0, 0, VicMode::HiRes, "a snapshot of a 'VIC 20', not of a C64"},
      {"colour RAM cut off", shortColourRam, {}, 0, 0, VicMode::HiRes,
       "the snapshot's VIC-II module is cut short: 1780 bytes where version 1.1 holds 1877"},
  };
  for (const SnapshotCase& c : cases) {
    SourceRequest request;
    request.address = c.address;
    const auto read = ReadCharsetSource(make(c.shot), "s.vsf", request);
    if (c.refusal) {
      ASSERT_TRUE(std::holds_alternative<SourceRefusal>(read)) << c.name;
      EXPECT_EQ(std::get<SourceRefusal>(read).reason.find(c.refusal), 0u) << c.name << ": "
                                                                          << std::get<SourceRefusal>(read).reason;
      continue;
    }
    ASSERT_TRUE(std::holds_alternative<SourceReading>(read)) << c.name << ": " << std::get<SourceRefusal>(read).reason;
    const SourceReading& r = std::get<SourceReading>(read);
    ASSERT_TRUE(r.facts.snapshot) << c.name;
    EXPECT_EQ(r.facts.snapshot->bank, c.bank) << c.name;
    EXPECT_EQ(r.facts.snapshot->mode, c.mode) << c.name;
    EXPECT_EQ(r.facts.snapshot->border, 14) << c.name;
    EXPECT_EQ(r.facts.snapshot->background, (std::array<int, 4>{6, 1, 2, 3})) << c.name;
    ASSERT_TRUE(r.facts.colours) << c.name;
    EXPECT_EQ(r.facts.colours->colours.mode, c.display) << c.name;
    EXPECT_EQ(r.facts.colours->colours.registers, (std::array<std::uint8_t, 4>{6, 1, 2, 3})) << c.name;
    const std::vector<std::uint8_t>& inks = r.facts.colours->inks;
    EXPECT_EQ((inks.empty() ? inks : std::vector<std::uint8_t>{inks[0], inks[5], inks[100]}), c.inks) << c.name;
    for (int i = 0; i < kCharsetBytes; ++i) {
      const std::uint8_t expected = c.expectAddress >= 0x10000 ? RomBytes()[c.expectAddress - 0x10000 + i]
                                                               : ram[c.expectAddress + i];
      ASSERT_EQ(r.placed.charset[i], expected) << c.name << " byte " << i;
    }
  }
  // Cut short anywhere: a module header, a module body, the RAM.
  const FileBytes good = make({});
  for (const std::size_t keep : {std::size_t{20}, std::size_t{70}, std::size_t{120}, good.size() - 1}) {
    const auto read = ReadCharsetSource(FileBytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(keep)),
                                        "s.vsf", {});
    EXPECT_TRUE(std::holds_alternative<SourceRefusal>(read)) << keep;
  }
}

TEST(CharPadSource, EveryKnownVersionAndRefusals) {
  const FileBytes glyphs = Counting(300 * 8, 1);
  const FileBytes few = Counting(10 * 8, 40);
  // Version 80 stands for 8 as early builds wrote it, with a fourth character colour.
  for (const int version : {1, 2, 3, 4, 5, 6, 7, 8, 80, 82, 9}) {
    const bool many = version != 1;  // version 1 counts characters in one byte
    const FileBytes& content = many ? glyphs : few;
    const FileBytes file = version == 80 ? source_files::CharPad(8, content, false, true)
                                         : source_files::CharPad(version, content, version % 2 == 0);
    // Told by its content alone: every version the reader knows is a project whatever the name.
    const auto read = ReadCharsetSource(file, "project", {});
    ASSERT_TRUE(std::holds_alternative<SourceReading>(read)) << version << ": " << std::get<SourceRefusal>(read).reason;
    const SourceReading& r = std::get<SourceReading>(read);
    EXPECT_EQ(r.kind, SourceKind::CharPad);
    EXPECT_EQ(r.placed.glyphCount, many ? 256 : 10) << version;
    EXPECT_EQ(r.facts.charPad->charCount, many ? 300 : 10) << version;
    EXPECT_EQ(r.facts.charPad->multicolour, version % 2 == 0 && version != 80) << version;
    EXPECT_EQ(r.facts.charPad->colours, (std::array<int, 4>{11, 12, 13, 1})) << version;
    // The one character colour for every glyph, multicolour in a multicolour project; $D024 from 7 on.
    const bool multicolour = version % 2 == 0 && version != 80;
    ASSERT_TRUE(r.facts.colours) << version;
    EXPECT_EQ(r.facts.colours->colours.mode, multicolour ? DisplayMode::Multicolour : DisplayMode::HiRes) << version;
    EXPECT_EQ(r.facts.colours->colours.registers,
              (std::array<std::uint8_t, 4>{11, 12, 13, static_cast<std::uint8_t>(version >= 7 ? 14 : 15)}))
        << version;
    EXPECT_EQ(r.facts.colours->inks, std::vector<std::uint8_t>(many ? 256 : 10, multicolour ? 9 : 1)) << version;
    for (int i = 0; i < r.placed.glyphCount * 8; ++i) ASSERT_EQ(r.placed.charset[i], content[i]) << version << " " << i;
  }
  // Coloured per character: the attribute bytes' low nybbles (the high one is a material).
  FileBytes attributes(300);
  for (std::size_t n = 0; n < attributes.size(); ++n) attributes[n] = static_cast<std::uint8_t>(0x30 | (n % 16));
  for (const int version : {5, 6, 7, 8, 9}) {
    const auto read = ReadCharsetSource(source_files::CharPad(version, glyphs, true, false, &attributes), "p.ctm", {});
    ASSERT_TRUE(std::holds_alternative<SourceReading>(read)) << version << ": " << std::get<SourceRefusal>(read).reason;
    const std::vector<std::uint8_t>& inks = std::get<SourceReading>(read).facts.colours->inks;
    ASSERT_EQ(inks.size(), 256u) << version;
    EXPECT_EQ((std::vector<std::uint8_t>{inks[0], inks[1], inks[15], inks[17], inks[255]}),
              (std::vector<std::uint8_t>{0, 1, 15, 1, 15}))
        << version;
  }
  const FileBytes v5 = source_files::CharPad(5, glyphs, false);
  FileBytes v10 = v5;
  v10[3] = 10;
  FileBytes v9 = source_files::CharPad(9, glyphs, false);
  v9[20] = 0xB1;
  FileBytes v6 = source_files::CharPad(6, glyphs, false);
  v6[11] = 0xB1;
  FileBytes brightScreen = v5;
  brightScreen[4] = 16;
  FileBytes unknownMode = source_files::CharPad(8, glyphs, false);
  unknownMode[4] = 5;
  FileBytes badHeader = v5;
  badHeader[2] = 'X';
  FileBytes noColours = source_files::CharPad(6, glyphs, false);
  noColours[8] = 2;  // per character, but no attribute block after the images
  const std::vector<std::pair<FileBytes, const char*>> refused{
      {v10, "CharPad project format version 10 is not known"},
      {badHeader, "not a CharPad project"},
      {v9, "the CharPad project has no character block where it should"},
      {v6, "the CharPad project has no character block where it should"},
      {brightScreen, "the CharPad project's screen colour 16 is not a C64 colour (0 to 15)"},
      {unknownMode, "CharPad project screen mode 5 is not known"},
      {noColours, "the CharPad project has no character colours where it should"},
      {FileBytes(v5.begin(), v5.end() - 16 - 44 * 8 - 1), "the CharPad project ends inside its 300 characters"},
      {FileBytes(v5.begin(), v5.begin() + 12), "the CharPad project ends inside its header"},
  };
  // Cut right after the 256 characters taken: still whole.
  const auto exact = ReadCharsetSource(FileBytes(v5.begin(), v5.end() - 16 - 44 * 8), "p.ctm", {});
  ASSERT_TRUE(std::holds_alternative<SourceReading>(exact)) << std::get<SourceRefusal>(exact).reason;
  EXPECT_EQ(std::get<SourceReading>(exact).placed.glyphCount, 256);
  for (const auto& [file, reason] : refused) {
    const auto read = ReadCharsetSource(file, "p.ctm", {});
    ASSERT_TRUE(std::holds_alternative<SourceRefusal>(read)) << reason;
    EXPECT_EQ(std::get<SourceRefusal>(read).reason, reason);
  }
}

TEST(FontSheet, GridPaperRepeatsAndLimits) {
  // 3 cells across, 2 down: cell n has pixel (n, n) set in red on a white paper; cell 4 repeats cell 1.
  Image sheet(24, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 24; ++x) sheet.SetPixel(x, y, 0xFFFFFF);
  }
  for (int n = 0; n < 6; ++n) {
    const int cell = n == 4 ? 1 : n;
    sheet.SetPixel((n % 3) * 8 + cell, (n / 3) * 8 + cell, 0xFF0000);
  }
  auto cellByte = [](int n) { return static_cast<std::uint8_t>(0x80 >> n); };
  {
    const SheetCut cut = std::get<SheetCut>(CutFontSheet(sheet, {}));
    EXPECT_EQ(cut.paper, 0xFFFFFFu);
    EXPECT_EQ(cut.cells, 6);
    ASSERT_EQ(cut.glyphs.size(), 48u);
    for (int n = 0; n < 6; ++n) {
      const int cell = n == 4 ? 1 : n;
      for (int row = 0; row < 8; ++row) EXPECT_EQ(cut.glyphs[n * 8 + row], row == cell ? cellByte(cell) : 0) << n;
    }
  }
  {
    const SheetCut cut = std::get<SheetCut>(CutFontSheet(sheet, {std::nullopt, true, {}, false}));
    EXPECT_EQ(cut.cells, 5);
    EXPECT_EQ(cut.dropped, 1);
    EXPECT_EQ(cut.glyphs[4 * 8 + 5], cellByte(5));  // cell 5 moved up into place 4
  }
  {
    // Red as paper: white is set everywhere except the one red pixel.
    const SheetCut cut = std::get<SheetCut>(CutFontSheet(sheet, {0xFF0000, false, {}, false}));
    EXPECT_EQ(cut.glyphs[0], static_cast<std::uint8_t>(~cellByte(0)));
  }
  // As many red pixels as white, in every cell and around its edges (columns white, white, red, white, red,
  // red, white, red): the lower colour is the paper, on a small sheet and on one large enough to be counted
  // rather than sorted.
  for (const int side : {8, 1032}) {
    Image tie(side, 1024);
    for (int y = 0; y < tie.Height(); ++y)
      for (int x = 0; x < side; ++x) tie.SetPixel(x, y, (0xD2 >> (7 - x % 8)) & 1 ? 0xFFFFFF : 0xFF0000);
    EXPECT_EQ(std::get<SheetCut>(CutFontSheet(tie, {})).paper, 0xFF0000u) << side;
  }
  Image big(8 * 17, 8 * 16);  // 272 cells, all paper
  const SheetCut many = std::get<SheetCut>(CutFontSheet(big, {}));
  EXPECT_EQ(many.glyphs.size(), 256u * 8);
  EXPECT_EQ(many.leftOut, 16);
  EXPECT_TRUE(std::holds_alternative<SourceRefusal>(CutFontSheet(Image(20, 16), {})));
  EXPECT_TRUE(std::holds_alternative<SourceRefusal>(CutFontSheet(Image(4104, 4096), {})));
  // A sheet file is refused by its header's size before it is decoded: these headers have no pixels.
  for (const auto& [width, refusal] : {std::pair{4096, "not a picture that can be read (BMP: truncated pixel data)"},
                                       std::pair{4097, "a font sheet of 4097x4096 pixels is larger than 4096x4096"}}) {
    const auto cut = CutFontSheetFile(MakeBmp({width, 4096}), {});
    ASSERT_TRUE(std::holds_alternative<SourceRefusal>(cut)) << width;
    EXPECT_EQ(std::get<SourceRefusal>(cut).reason, refusal);
  }
  EXPECT_EQ(ParsePaperColour("#10A0ff"), 0x10A0FFu);
  for (const char* bad : {"10A0F", "10A0FFF", "-10A0F", "GGGGGG"}) EXPECT_FALSE(ParsePaperColour(bad)) << bad;
}

}  // namespace
}  // namespace kx
