// What kestrelix-cli reads and writes: the input layouts by size and pictures, the output formats by
// name and extension, the load address, and the info report.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "io/charpad_project.h"
#include "model/rom_charset.h"
#include "runtime/image_codec.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;

std::string Converted(const std::string& in, const std::vector<std::string>& options = {}) {
  std::vector<std::string> args{"convert", "-", "-"};
  args.insert(args.end(), options.begin(), options.end());
  const CliRun run = RunCliWith(args, in);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.out;
}

std::span<const std::uint8_t> Span(const std::string& bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

TEST(CliInput, LayoutsAreToldBySizeAsTheEditorsLoadsTellThem) {
  const std::string charset = AsBytes(SampleCharset());
  EXPECT_EQ(Converted(charset), charset);
  // .prg: the two header bytes are skipped whatever they hold.
  EXPECT_EQ(Converted("\x01\x08" + charset), charset);
  // The 2049-byte short file: header skipped, 2047 bytes, the last charset byte 0.
  const std::string shortFile = std::string("\x00\x30", 2) + charset.substr(0, 2047);
  EXPECT_EQ(Converted(shortFile), charset.substr(0, 2047) + std::string(1, '\0'));
}

TEST(CliInput, PicturesReadBackAsTheImageImportDoes) {
  // A 256x64 picture: black is clear, any other colour set, however dark.
  Image picture(256, 64);
  picture.Fill(0x000000);
  picture.Row(0)[0] = 0xFF010000;   // glyph 0, row 0, bit 7
  picture.Row(63)[255] = 0xFF000001;  // glyph 255, row 7, bit 0
  picture.Row(9)[42] = 0xFF808080;    // glyph 37, row 1, bit 5
  Charset expected{};
  expected[0] = 0x80;
  expected[255 * 8 + 7] = 0x01;
  expected[37 * 8 + 1] = 0x20;
  for (const ImageFormat format : {ImageFormat::Png, ImageFormat::Bmp}) {
    const std::optional<Bytes> file = EncodeImage(picture, format);
    ASSERT_TRUE(file);
    EXPECT_EQ(FromBytes(Converted(std::string(file->begin(), file->end()))), expected);
  }
}

TEST(CliOutput, PictureDumpsAre512By128WithSetPixelsWhiteOnBlack) {
  const Charset charset = SampleCharset();
  for (const char* format : {"png", "bmp"}) {
    const std::string file = Converted(AsBytes(charset), {"--to", format});
    const DecodeResult decoded = DecodeImage(Span(file));
    ASSERT_TRUE(decoded.image) << format;
    ASSERT_EQ(decoded.image->Width(), 512);
    ASSERT_EQ(decoded.image->Height(), 128);
    int wrong = 0;
    for (int y = 0; y < 128; ++y) {
      for (int x = 0; x < 512; ++x) {
        const int cx = x / 2;
        const int cy = y / 2;
        const int byte = (cx / 8) * 8 + (cy / 8) * 256 + cy % 8;
        const bool set = (charset[byte] >> (7 - cx % 8)) & 1;
        wrong += decoded.image->Pixel(x, y) != (set ? 0xFFFFFFu : 0u);
      }
    }
    EXPECT_EQ(wrong, 0) << format;
    // And the tool reads its own dump back to the same charset.
    EXPECT_EQ(FromBytes(Converted(file)), charset) << format;
  }
  EXPECT_TRUE(Converted(AsBytes(charset), {"--to", "jpg"}).starts_with("\xFF\xD8\xFF"));
}

TEST(CliOutput, PrgCarriesTheLoadAddressLowByteFirst) {
  const std::string charset = AsBytes(SampleCharset());
  EXPECT_EQ(Converted(charset, {"--to", "prg"}), std::string(2, '\0') + charset);
  EXPECT_EQ(Converted(charset, {"--to", "prg", "--load-address", "3000"}), std::string("\x00\x30", 2) + charset);
  EXPECT_EQ(Converted(charset, {"--to", "prg", "--load-address", "$C800"}), std::string("\x00\xC8", 2) + charset);
  EXPECT_EQ(Converted(charset, {"--to=prg", "--load-address=0x0801"}), "\x01\x08" + charset);
  EXPECT_EQ(Converted(charset, {"--to", "prg", "--load-address", "ffff"}), "\xFF\xFF" + charset);
}

TEST(CliOutput, FormatComesFromTheExtensionUnlessNamed) {
  const TempDir dir;
  const std::string in = dir.Path("in.chr");
  const std::string charset = AsBytes(SampleCharset());
  WriteBytes(in, charset);
  const auto written = [&](const std::string& name, std::vector<std::string> extra = {}) {
    std::vector<std::string> args{"convert", in, dir.Path(name)};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = RunCliWith(args);
    EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    EXPECT_EQ(run.out, "");
    return ReadBytes(dir.Path(name));
  };
  EXPECT_EQ(written("a.chr"), charset);
  EXPECT_EQ(written("a.bin"), charset);
  EXPECT_EQ(written("A.PRG").size(), 2050u);
  EXPECT_TRUE(written("a.ctm").starts_with(std::string("CTM\x05", 4)));
  EXPECT_TRUE(written("a.png").starts_with("\x89PNG"));
  EXPECT_TRUE(written("a.Bmp").starts_with("BM"));
  EXPECT_TRUE(written("a.jpeg").starts_with("\xFF\xD8\xFF"));
  EXPECT_TRUE(written("a.chr", {"--to", "png"}).starts_with("\x89PNG"));
  EXPECT_TRUE(written("font.a").find("!byte") != std::string::npos);
  EXPECT_TRUE(written("font.s").find(".byte") != std::string::npos);
  EXPECT_TRUE(written("font.asm").find("// glyph 0") != std::string::npos);
  EXPECT_TRUE(written("font.c").find("const unsigned char font[2048] = {") != std::string::npos);
  EXPECT_TRUE(written("font.h").find("extern const unsigned char font[2048];") != std::string::npos);
}

// A project is written with the colours the options give, and read with its own unless an option says
// otherwise; info lists them.
TEST(CliOutput, ProjectsCarryTheirModeRegistersAndInks) {
  const TempDir dir;
  const Charset charset = SampleCharset();
  WriteBytes(dir.Path("in.chr"), AsBytes(charset));
  GlyphInks inks{};
  for (std::size_t n = 0; n < inks.size(); ++n) inks[n] = static_cast<std::uint8_t>((n * 3) % 16);
  WriteBytes(dir.Path("inks.bin"), std::string(inks.begin(), inks.end()));
  const auto convert = [&](const std::string& in, const std::string& out, std::vector<std::string> extra) {
    std::vector<std::string> args{"convert", dir.Path(in), dir.Path(out)};
    args.insert(args.end(), extra.begin(), extra.end());
    const CliRun run = RunCliWith(args);
    EXPECT_EQ(run.status, 0) << out << ": " << run.err;
    return ReadBytes(dir.Path(out));
  };
  const std::string mc = CharPadProjectBytes(charset, inks, {DisplayMode::Multicolour, {6, 5, 7, 4}});
  EXPECT_EQ(convert("in.chr", "a.ctm", {"--mode", "mc", "--colours", "6,5,7,4", "--inks", dir.Path("inks.bin")}), mc);
  EXPECT_EQ(convert("a.ctm", "b.ctm", {}), mc);
  EXPECT_EQ(convert("a.ctm", "c.ctm", {"--mode", "hires"}),
            CharPadProjectBytes(charset, inks, {DisplayMode::HiRes, {6, 5, 7, 15}}));
  EXPECT_EQ(convert("a.ctm", "d.chr", {}), AsBytes(charset));
  const CliRun info = RunCliWith({"info", dir.Path("a.ctm"), "--json"});
  EXPECT_NE(info.out.find("\"mode\":\"mc\""), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"registers\":[6,5,7,15]"), std::string::npos) << info.out;
}

// A picture in multicolour mode: glyph 0 (ink 10, multicolour) shows its row 0 pairs 00 01 10 11 as $D021,
// $D022, $D023 and ink 2, each pair two charset pixels and so four dump pixels wide; glyph 1 (ink 2) stays
// hi-res in red on $D021; in extended background mode glyph 64's cell is blank background.
TEST(CliOutput, PicturesShowTheChosenModeAndColours) {
  const TempDir dir;
  std::string charset(kCharsetBytes, '\0');
  charset[0] = 0x1B;
  charset[8] = static_cast<char>(0xC0);
  charset[64 * 8] = static_cast<char>(0xFF);
  std::string inks(kGlyphCount, '\x0A');
  inks[1] = 2;
  WriteBytes(dir.Path("in.chr"), charset);
  WriteBytes(dir.Path("inks.bin"), inks);
  const auto picture = [&](const std::string& mode) {
    EXPECT_EQ(RunCliWith({"convert", dir.Path("in.chr"), dir.Path(mode + ".png"), "--mode", mode, "--colours",
                          "6,5,7,4", "--inks", dir.Path("inks.bin")}).status, 0);
    return ReadImageFile(dir.Path(mode + ".png")).image.value_or(Image(1, 1));
  };
  const Image mc = picture("mc");
  const Rgb blue = 0x352879, green = 0x588D43, yellow = 0xB8C76F, red = 0x68372B;
  const Rgb expected[] = {blue, blue, blue, blue, green, green, green, green,
                          yellow, yellow, yellow, yellow, red, red, red, red};
  for (int x = 0; x < 16; ++x) EXPECT_EQ(mc.Pixel(x, 0), expected[x]) << x;
  for (int x = 16; x < 32; ++x) EXPECT_EQ(mc.Pixel(x, 0), x < 20 ? red : blue) << x;
  const Image ecm = picture("ecm");
  EXPECT_EQ(ecm.Pixel(0, 0), blue);
  EXPECT_EQ(ecm.Pixel(0, 32), blue);  // glyph 64: not shown in extended background mode
  EXPECT_EQ(picture("hires").Pixel(0, 32), 0x9A6759u);  // glyph 64 in hi-res, in its ink 10 (light red)
}

// A multicolour picture read with the colours it was drawn in gives the bytes and the inks back (the inks
// told by the picture, none given), --write-inks writes them beside OUT and --with-inks into the source.
TEST(CliOutput, PicturesComeBackInTheirColoursAndTheColourTableIsWritten) {
  const TempDir dir;
  Charset charset = SampleCharset();
  for (int n = 0; n < kGlyphCount; ++n) charset[static_cast<std::size_t>(n * 8)] = static_cast<std::uint8_t>((n * 73) ^ 0x96);
  std::string inks(kGlyphCount, '\0');
  for (int n = 0; n < kGlyphCount; ++n) inks[static_cast<std::size_t>(n)] = static_cast<char>(1 + n % 3 + (n % 2) * 8);
  WriteBytes(dir.Path("in.chr"), AsBytes(charset));
  WriteBytes(dir.Path("inks.bin"), inks);
  const std::vector<std::string> colours{"--mode", "mc", "--colours", "6,5,7,4"};
  const auto run = [&](std::vector<std::string> args) {
    args.insert(args.end(), colours.begin(), colours.end());
    return RunCliWith(args);
  };
  ASSERT_EQ(run({"convert", dir.Path("in.chr"), dir.Path("in.png"), "--inks", dir.Path("inks.bin")}).status, 0);
  ASSERT_EQ(run({"convert", dir.Path("in.png"), dir.Path("back.chr"), "--write-inks", dir.Path("back.bin")}).status, 0);
  EXPECT_EQ(FirstDifference(FromBytes(ReadBytes(dir.Path("back.chr"))), charset), -1);
  EXPECT_EQ(ReadBytes(dir.Path("back.bin")), inks);
  ASSERT_EQ(run({"convert", dir.Path("in.chr"), dir.Path("font.s"), "--inks", dir.Path("inks.bin"), "--with-inks"}).status, 0);
  EXPECT_NE(ReadBytes(dir.Path("font.s")).find("\nfont_colours:\n        .byte $01,$0A,$03,$09,"), std::string::npos);
  const CliRun refused = run({"convert", dir.Path("in.chr"), dir.Path("out.chr"), "--with-inks"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "kestrelix-cli: --with-inks applies only to the source formats\n");
}

TEST(CliOutput, SourceLabelsComeFromOutThenInThenTheOption) {
  const std::string charset = AsBytes(SampleCharset());
  const TempDir dir;
  const std::string in = dir.Path("big-font.chr");
  WriteBytes(in, charset);
  // The line that starts with `start`.
  const auto firstLine = [](const std::string& text, const std::string& start) {
    const std::size_t at = text.find("\n" + start);
    return at == std::string::npos ? std::string() : text.substr(at + 1, text.find('\n', at + 1) - at - 1);
  };
  ASSERT_EQ(RunCliWith({"convert", in, dir.Path("title 2.s")}).status, 0);
  EXPECT_EQ(firstLine(ReadBytes(dir.Path("title 2.s")), "title_2"), "title_2:");
  EXPECT_EQ(firstLine(RunCliWith({"convert", in, "-", "--to", "ca65"}).out, "big_font"), "big_font:");
  EXPECT_EQ(firstLine(Converted(charset, {"--to", "ca65"}), "charset"), "charset:");
  EXPECT_EQ(firstLine(Converted(charset, {"--to", "ca65", "--label", "logo_chars"}), "logo_chars"),
            "logo_chars:");
}

TEST(CliScopes, TheEdgeGlyphsAndRowsAreReached) {
  // Reverse of one glyph or row inverts exactly its bytes.
  const Charset start = SampleCharset();
  const auto reversed = [&](int firstByte, int count) {
    Charset c = start;
    for (int i = firstByte; i < firstByte + count; ++i) c[i] = static_cast<std::uint8_t>(c[i] ^ 0xFF);
    return c;
  };
  const auto applied = [&](const std::string& scope) {
    const CliRun run = RunCliWith({"apply", "reverse", scope, "-", "-"}, AsBytes(start));
    EXPECT_EQ(run.status, 0) << scope << ": " << run.err;
    return FromBytes(run.out);
  };
  EXPECT_EQ(FirstDifference(applied("glyph:0"), reversed(0, 8)), -1);
  EXPECT_EQ(FirstDifference(applied("glyph:255"), reversed(2040, 8)), -1);
  EXPECT_EQ(FirstDifference(applied("row:1"), reversed(0, 256)), -1);
  EXPECT_EQ(FirstDifference(applied("row:8"), reversed(1792, 256)), -1);
}

TEST(CliInfo, TellsLayoutSizeDistinctEmptyAndDuplicateGroups) {
  // Every glyph different (its last byte is its number), then glyph 7 a copy of glyph 3 and glyphs 9 and
  // 200 emptied.
  Charset charset{};
  for (int n = 0; n < kGlyphCount; ++n) PutGlyph(charset, n, {0xA5, 0x5A, 0, 0, 0, 0, 0, std::uint8_t(n)});
  PutGlyph(charset, 7, GetGlyph(charset, 3));
  PutGlyph(charset, 9, Glyph{});
  PutGlyph(charset, 200, Glyph{});
  const CliRun run = RunCliWith({"info", "-"}, std::string("\x00\x20", 2) + AsBytes(charset));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "file: -\n"
            "kind: charset with load address (.prg)\n"
            "size: 2050\n"
            "load address: $2000\n"
            "glyphs filled: 0-255\n"
            "glyphs left out: 0\n"
            "distinct glyphs: 254\n"
            "empty glyphs: 2\n"
            "duplicate groups: 2\n"
            "  3 7\n"
            "  9 200\n");
}

TEST(CliInfo, NamesEachLayout) {
  const std::string rom = AsBytes(RomCharset());
  const auto layout = [](const std::string& bytes) {
    const std::string out = RunCliWith({"info", "-"}, bytes).out;
    const std::size_t at = out.find("kind: ");
    return out.substr(at + 6, out.find('\n', at) - at - 6);
  };
  EXPECT_EQ(layout(rom), "raw charset (.chr)");
  EXPECT_EQ(layout(rom + std::string(1, '\0')), "short load-address file (2049 bytes, last byte missing)");
  EXPECT_EQ(layout(rom.substr(0, 768)), "partial charset of whole rows");
  for (const char* to : {"png", "jpg", "bmp"}) EXPECT_EQ(layout(Converted(rom, {"--to", to})), "picture") << to;
}

}  // namespace
}  // namespace kx
