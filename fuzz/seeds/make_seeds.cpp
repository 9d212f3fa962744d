// Writes the seed inputs of the fuzz targets: small valid files of the kinds each target reads, and a few
// broken ones (cut short, a damaged byte). Usage: kx_fuzz_seeds <corpus folder>; writes
// <folder>/<target>/seed-<name>, replacing earlier seeds and leaving other files (found crashers) alone.

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

// libjpeg's header needs FILE and size_t declared first.
#include <jpeglib.h>

#include "fuzz/seeds/flow_seeds.h"
#include "fuzz/source_options.h"
#include "model/rom_charset.h"
#include "runtime/bmp_codec.h"
#include "runtime/image_codec.h"
#include "runtime/jpeg_codec.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/source_files.h"

namespace kx {
namespace {

namespace fs = std::filesystem;

void Save(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream(folder / ("seed-" + name), std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A valid file, its first half, and a copy with one byte inverted at `damageAt` (a fraction of the length).
void SaveWithBrokenCopies(const fs::path& folder, const std::string& name, const Bytes& bytes, double damageAt) {
  Save(folder, name, bytes);
  Save(folder, name + "-cut", Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)));
  Bytes damaged = bytes;
  damaged[static_cast<std::size_t>(static_cast<double>(bytes.size()) * damageAt)] ^= 0xFF;
  Save(folder, name + "-damaged", damaged);
}

// A small picture with a gradient and hard edges, so every channel and both smooth and sharp areas occur.
std::vector<std::uint8_t> Rgba(int w, int h) {
  std::vector<std::uint8_t> px;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      px.insert(px.end(), {static_cast<std::uint8_t>(x * 255 / w), static_cast<std::uint8_t>(y * 255 / h),
                           static_cast<std::uint8_t>((x ^ y) & 1 ? 255 : 0), static_cast<std::uint8_t>(x * 16)});
    }
  }
  return px;
}

Bytes WritePng(png_image& png, const void* pixels, const void* colourMap) {
  png_alloc_size_t size = 0;  // the first call measures, the second writes
  png_image_write_to_memory(&png, nullptr, &size, 0, pixels, 0, colourMap);
  Bytes file(size);
  png_image_write_to_memory(&png, file.data(), &size, 0, pixels, 0, colourMap);
  file.resize(size);
  return file;
}

// The simplified writer stores what it is given, so the RGBA picture is written, read back converted to
// `format` (grey, palette, 16 bits...) and written again in that form.
Bytes Png(png_uint_32 format, int w, int h) {
  png_image rgba{};
  rgba.version = PNG_IMAGE_VERSION;
  rgba.width = static_cast<png_uint_32>(w);
  rgba.height = static_cast<png_uint_32>(h);
  rgba.format = PNG_FORMAT_RGBA;
  const Bytes rgbaFile = WritePng(rgba, Rgba(w, h).data(), nullptr);

  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png_image_begin_read_from_memory(&png, rgbaFile.data(), rgbaFile.size());
  png.format = format;
  std::vector<std::uint8_t> pixels(PNG_IMAGE_SIZE(png));
  std::vector<std::uint8_t> colourMap(256 * 8);
  png_image_finish_read(&png, nullptr, pixels.data(), 0, colourMap.data());
  return WritePng(png, pixels.data(), colourMap.data());
}

struct JpegKind {
  const char* name;
  int components;  // 1 grey, 3 colour
  bool progressive;
};

Bytes Jpeg(const JpegKind& kind, int w, int h) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);  // the seeds are this program's own pictures: any error is a bug here
  jpeg_create_compress(&c);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &buffer, &size);
  c.image_width = static_cast<JDIMENSION>(w);
  c.image_height = static_cast<JDIMENSION>(h);
  c.input_components = kind.components;
  c.in_color_space = kind.components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 50, TRUE);
  if (kind.progressive) jpeg_simple_progression(&c);
  c.restart_in_rows = kind.progressive ? 0 : 1;
  jpeg_start_compress(&c, TRUE);
  const std::vector<std::uint8_t> px = Rgba(w, h);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(w * kind.components));
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < w; ++x) {
      for (int k = 0; k < kind.components; ++k) row[static_cast<std::size_t>(x * kind.components + k)] = px[(c.next_scanline * w + x) * 4 + k];
    }
    JSAMPROW p = row.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

std::vector<std::pair<std::string, BmpSpec>> BmpKinds() {
  return {
      {"1bit-core", {.width = 9, .height = 2, .bitsPerPixel = 1, .headerSize = 12, .palette = {0, 0xFFFFFF},
                     .rows = {{0xA5, 0x80}, {0x5A, 0x00}}}},
      {"4bit", {.width = 3, .height = 2, .bitsPerPixel = 4, .palette = {0, 0xFF0000, 0x00FF00},
                .rows = {{0x01, 0x20}, {0x21, 0x00}}}},
      {"8bit-short-palette", {.width = 2, .height = -2, .bitsPerPixel = 8, .palette = {0x123456},
                              .rows = {{0, 7}, {7, 0}}}},
      {"16bit-555", {.width = 2, .height = 1, .bitsPerPixel = 16, .rows = {{0x00, 0x7C, 0x1F, 0x00}}}},
      {"16bit-565", {.width = 1, .height = 1, .bitsPerPixel = 16, .compression = 3,
                     .masks = {0xF800, 0x07E0, 0x001F}, .rows = {{0xE0, 0x07}}}},
      {"24bit", {.width = 2, .height = 2, .rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}}},
      {"32bit-alpha-v4", {.width = 2, .height = -1, .bitsPerPixel = 32, .headerSize = 108, .compression = 3,
                          .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
                          .rows = {{0x56, 0x34, 0x12, 0x80, 1, 2, 3, 0xFF}}}},
  };
}

// Settings files: the program's own shape, other line ends, Latin-1 text, odd lines; some followed by
// group/key/value triples to write.
std::vector<std::pair<std::string, std::string>> PreferenceKinds() {
  using namespace std::string_literals;
  return {
      {"written", "\xEF\xBB\xBF\r\n; settings\r\n[WINDOW]\r\nX = 10\r\nY = 20\r\n[RECENT]\r\nFILE1 = /home/a.chr\r\n"s},
      {"lf-latin1", "[window]\nx=5\n  y =\t-3\n[recent]\nfile1=C:\\caf\xE9.prg\n"s},
      {"odd-lines", "junk\r[unclosed\r\n=novalue\n;[COMMENT]\n[A]]\n[a]\nk = v \n[A]\nk = second\n"s},
      {"writes", "[G]\nK = old\n\0G\0K\0new\r\n[EVIL]\nX = 1\0G\0NEW\0  lead\0OTHER\0KEY\0v"s},
  };
}

// The foreign charset sources. Each seed is the options the target reads first, then a file of the kind
// built from its documented layout; most are also saved cut short and damaged (behind the same options).
using fuzz::SourceOptions;

void SaveSource(const fs::path& folder, const std::string& name, const SourceOptions& options, const Bytes& file,
                std::optional<double> damageAt = std::nullopt) {
  const auto prefix = options.Bytes();
  const auto withOptions = [&](Bytes bytes) {
    bytes.insert(bytes.begin(), prefix.begin(), prefix.end());
    return bytes;
  };
  Save(folder, name, withOptions(file));
  if (!damageAt) return;
  Save(folder, name + "-cut", withOptions(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(file.size() / 2))));
  Bytes damaged = file;
  damaged[static_cast<std::size_t>(static_cast<double>(file.size()) * *damageAt)] ^= 0xFF;
  Save(folder, name + "-damaged", withOptions(damaged));
}

// n glyphs of bytes that differ from glyph to glyph.
Bytes Glyphs(std::size_t n) {
  Bytes glyphs(n * 8);
  for (std::size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = static_cast<std::uint8_t>(i * 13 + i / 2048);
  return glyphs;
}

constexpr auto kPlace = SourceOptions::Place;
constexpr auto kGlyphs = SourceOptions::Glyphs;
constexpr auto kFirst = SourceOptions::First;
constexpr auto kDetect = SourceOptions::Detect;

void MakeProgramSeeds(const fs::path& folder) {
  const Bytes whole = source_files::Program(0x0801, Glyphs(625));
  SaveSource(folder, "partial", {}, source_files::Program(0x3000, Glyphs(64)), 0.0);
  SaveSource(folder, "partial-from-250", {kFirst, 0, 0, 250}, source_files::Program(0x3000, Glyphs(64)));
  SaveSource(folder, "whole", {}, whole, 0.5);
  SaveSource(folder, "whole-at-address", {kPlace | kGlyphs | kFirst, 0x0900, 15, 8}, whole);
  SaveSource(folder, "top-of-memory", {kPlace, 0xFFF8}, source_files::Program(0xF000, Glyphs(1024)));
  SaveSource(folder, "told-by-name", {kDetect}, source_files::Program(0x3001, Glyphs(3)));
  SaveSource(folder, "charset-2050-at-address", {kDetect | kPlace, 0x2008}, source_files::Program(0x2000, Glyphs(256)));
  SaveSource(folder, "no-window-below-the-top", {}, source_files::Program(0xFF00, Glyphs(375)));
}

void MakeRawSeeds(const fs::path& folder) {
  SaveSource(folder, "blob", {}, Glyphs(375), 0.5);
  SaveSource(folder, "blob-at-offset", {kPlace | kGlyphs | kFirst, 1000, 99, 200}, Glyphs(375));
  // Told by content or size: the editor's own layouts, and a file of no kind read from an offset.
  SaveSource(folder, "charset", {kDetect}, Glyphs(256));
  SaveSource(folder, "rows", {kDetect}, Glyphs(64));
  Bytes shortCharset = Glyphs(256);
  shortCharset.pop_back();
  SaveSource(folder, "short-prg", {kDetect}, source_files::Program(0x3000, shortCharset));
  SaveSource(folder, "unknown-at-offset", {kDetect | kPlace, 3}, Bytes(3001, 0x5A));
}

// Every snapshot layout read: VICE 2 files without the version block (x64's VIC-II 1.0 and 1.1 with C64MEM
// 0.0, x64sc's 1.1) and VICE 3 ones, with the VIC-II in each bank, mode and charset place (RAM and ROM).
struct SnapshotSeed {
  const char* name;
  bool cycleExact;
  int vicMinor;
  int memoryMinor;
  bool versionBlock;
  std::uint8_t portA, d011, d016, d018;
  SourceOptions options;
};

void MakeSnapshotSeeds(const fs::path& folder) {
  const SnapshotSeed seeds[] = {
      {"vice2-x64-vic1.0", false, 0, 0, false, 0x17, 0x1B, 0xC8, 0x15, {}},
      {"vice2-x64", false, 1, 0, false, 0x17, 0x1B, 0xD8, 0x1C, {kFirst, 0, 0, 100}},
      {"vice2-x64sc", true, 1, 1, false, 0x16, 0x5B, 0xC8, 0x1A, {}},
      {"x64", false, 1, 1, true, 0x17, 0x3B, 0xC8, 0x18, {kPlace, 0x2000}},
      {"x64sc", true, 1, 1, true, 0x15, 0x1B, 0xC8, 0x14, {kGlyphs | kDetect, 0, 63}},
      {"x64sc-vic1.2", true, 2, 1, true, 0x14, 0x7B, 0xD8, 0x1E, {kPlace, 0xF800}},
  };
  for (const SnapshotSeed& seed : seeds) {
    source_files::SnapshotContents shot = source_files::Vice3(seed.cycleExact, seed.vicMinor);
    shot.memoryMinor = seed.memoryMinor;
    shot.versionBlock = seed.versionBlock;
    std::tie(shot.portA, shot.d011, shot.d016, shot.d018) = std::tie(seed.portA, seed.d011, seed.d016, seed.d018);
    shot.ram.resize(0x10000);
    for (std::size_t i = 0; i < shot.ram.size(); ++i) shot.ram[i] = static_cast<std::uint8_t>(i * 7 + i / 1000);
    for (std::size_t i = 0; i < shot.colourRam.size(); ++i) shot.colourRam[i] = static_cast<std::uint8_t>(i / 40);
    const Bytes file = source_files::Snapshot(shot);
    // Damaged in the VIC-II module's size, and with that module one byte shorter than its layout.
    const std::size_t vicSize = file.size() - shot.vicBytes - 4;
    SaveSource(folder, seed.name, seed.options, file,
               (static_cast<double>(vicSize) + 0.5) / static_cast<double>(file.size()));
    --shot.vicBytes;
    SaveSource(folder, std::string(seed.name) + "-short", seed.options, source_files::Snapshot(shot));
  }
  // Refused by name: a VIC-II version no layout is known for, and a machine that is no C64.
  SaveSource(folder, "x64sc-vic1.3", {}, source_files::Snapshot(source_files::Vice3(true, 3)));
  source_files::SnapshotContents other = source_files::Vice3(false, 1);
  other.machine = "C128";
  SaveSource(folder, "c128", {}, source_files::Snapshot(other));
}

// Every CharPad format version and layout read, hi-res and multicolour, with per-character colours where
// the version keeps them and more characters than a charset holds.
void MakeCharPadSeeds(const fs::path& folder) {
  const Bytes glyphs = Glyphs(64);
  for (const int version : {1, 2, 3, 4, 5, 6, 7, 8, 82, 9}) {
    SaveSource(folder, "v" + std::to_string(version), {}, source_files::CharPad(version, glyphs, version % 2 == 0), 0.02);
  }
  SaveSource(folder, "v8-four-char-colours", {kGlyphs, 0, 9}, source_files::CharPad(8, glyphs, true, true));
  SaveSource(folder, "v82-four-char-colours", {kDetect}, source_files::CharPad(82, glyphs, false, true));
  Bytes attributes(64);
  for (std::size_t n = 0; n < attributes.size(); ++n) attributes[n] = static_cast<std::uint8_t>(n * 0x11);
  for (const int version : {5, 6, 7, 9}) {
    SaveSource(folder, "v" + std::to_string(version) + "-per-char-colours", {kFirst, 0, 0, 250},
               source_files::CharPad(version, glyphs, true, false, &attributes));
  }
  SaveSource(folder, "v9-300-chars", {kDetect | kFirst, 0, 0, 100}, source_files::CharPad(9, Glyphs(300), false));
}

void MakeSheetSeeds(const fs::path& folder) {
  Image sheet(24, 16, 0xFFFFFF);
  for (int n = 0; n < 6; ++n) sheet.SetPixel((n % 3) * 8 + n, (n / 3) * 8 + n, 0xFF0000);
  SaveSource(folder, "sheet.png", {}, *EncodeImage(sheet, ImageFormat::Png), 0.6);
  SaveSource(folder, "sheet.bmp", {}, *EncodeImage(sheet, ImageFormat::Bmp), 0.3);
  SaveSource(folder, "sheet.jpg", {SourceOptions::WhitePaper}, *EncodeImage(sheet, ImageFormat::Jpeg), 0.5);
  // 17 x 16 cells with repeats among them: more than a charset holds until the repeats are dropped.
  Image wide(136, 128, 0);
  for (int y = 0; y < wide.Height(); ++y) {
    for (int x = 0; x < wide.Width(); ++x) wide.SetPixel(x, y, ((x / 8 * 3 + y / 8) % 5 == x % 8) ? 0xFFFFFF : 0);
  }
  SaveSource(folder, "wide.png", {}, *EncodeImage(wide, ImageFormat::Png));
  SaveSource(folder, "wide-unique.png", {SourceOptions::Unique | kFirst, 0, 0, 16}, *EncodeImage(wide, ImageFormat::Png));
  // Past a million pixels the paper is found by counting colours in a table.
  Image large(1032, 1024, 0x202020);
  for (int n = 0; n < 200; ++n) large.SetPixel(n * 5, n * 5, 0xE0E0E0);
  SaveSource(folder, "large.png", {}, *EncodeImage(large, ImageFormat::Png));
  SaveSource(folder, "not-whole-cells.png", {}, *EncodeImage(Image(20, 12, 0xFFFFFF), ImageFormat::Png));
  // Refused by its header alone: 5000 x 5000 pixels.
  SaveSource(folder, "too-large.bmp", {}, MakeBmp({.width = 5000, .height = -5000, .bitsPerPixel = 1}));
  // Told by its content, a picture is scaled to the charset, not cut.
  SaveSource(folder, "picture.png", {kDetect}, *EncodeImage(sheet, ImageFormat::Png));
}

void MakeSourceSeeds(const fs::path& root) {
  MakeProgramSeeds(root / "program_source");
  MakeRawSeeds(root / "raw_source");
  MakeSnapshotSeeds(root / "snapshot_source");
  MakeCharPadSeeds(root / "charpad_source");
  MakeSheetSeeds(root / "font_sheet_source");
}

void MakeSeeds(const fs::path& root) {
  const std::vector<std::pair<std::string, png_uint_32>> pngs = {
      {"grey", PNG_FORMAT_GRAY}, {"grey-alpha", PNG_FORMAT_GA}, {"rgb", PNG_FORMAT_RGB},
      {"rgba", PNG_FORMAT_RGBA}, {"palette", PNG_FORMAT_RGB_COLORMAP}, {"16bit", PNG_FORMAT_LINEAR_RGB_ALPHA}};
  for (const auto& [name, format] : pngs) SaveWithBrokenCopies(root / "png", name, Png(format, 12, 6), 0.6);

  for (const JpegKind& kind : {JpegKind{"colour", 3, false}, JpegKind{"grey", 1, false},
                               JpegKind{"progressive", 3, true}}) {
    SaveWithBrokenCopies(root / "jpeg", kind.name, Jpeg(kind, 16, 16), 0.5);
  }

  for (const auto& [name, layout] : BmpKinds()) SaveWithBrokenCopies(root / "bmp", name, MakeBmp(layout), 0.3);

  for (const auto& [name, text] : PreferenceKinds()) {
    Save(root / "preference_file", name, Bytes(text.begin(), text.end()));
  }

  // Import: a charset picture (the ROM glyphs) and pictures of other sizes in the other formats.
  Image rom(kCharsetWidth, kCharsetHeight);
  for (int y = 0; y < kCharsetHeight; ++y) {
    for (int x = 0; x < kCharsetWidth; ++x) rom.SetPixel(x, y, GetCharsetPixel(RomCharset(), x, y) ? 0xFFFFFF : 0);
  }
  const fs::path import = root / "image_import";
  Save(import, "rom-charset.png", *EncodeImage(rom, ImageFormat::Png));
  Save(import, "small.jpg", Jpeg({"colour", 3, false}, 8, 8));
  Save(import, "wide.bmp", MakeBmp(BmpKinds()[0].second));
  Save(import, "tall.png", Png(PNG_FORMAT_GRAY, 3, 300));

  MakeFlowSeeds(root);
  MakeSourceSeeds(root);
}

}  // namespace
}  // namespace kx

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  kx::MakeSeeds(argv[1]);
  return 0;
}
