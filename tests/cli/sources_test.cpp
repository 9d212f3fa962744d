// IN from every foreign source through the command line: the kind told by content, extension or --from,
// the reading options, the load address carried from a program to a program, and what `info` says.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/rom_charset.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/temp_files.h"
#include "tests/support/source_files.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;
using source_files::FileBytes;

std::string Text(const FileBytes& bytes) { return {bytes.begin(), bytes.end()}; }

TEST(CliSources, EverySourceConvertsAndTellsWhatItRead) {
  const TempDir dir;
  FileBytes glyphs(64 * 8);
  for (std::size_t i = 0; i < glyphs.size(); ++i) glyphs[i] = static_cast<std::uint8_t>(i * 7 + 1);
  const std::string sixtyFour = Text(glyphs);
  source_files::SnapshotContents shot;
  shot.d018 = 0x1C;  // character base $3000 in bank 0: RAM
  std::copy(glyphs.begin(), glyphs.end(), shot.ram.begin() + 0x3000);
  WriteBytes(dir.Path("font.prg"), Text(source_files::Program(0x3800, glyphs)));
  // A game loading at $0801 with the glyphs at $2000.
  FileBytes game(0x2200 - 0x0801, 0xEE);
  std::copy(glyphs.begin(), glyphs.end(), game.begin() + (0x2000 - 0x0801));
  WriteBytes(dir.Path("game.prg"), Text(source_files::Program(0x0801, game)));
  WriteBytes(dir.Path("blob.bin"), std::string(100, '\x55') + sixtyFour + std::string(3, '\x55'));
  WriteBytes(dir.Path("shot.vsf"), Text(source_files::Snapshot(shot)));
  WriteBytes(dir.Path("set.ctm"), Text(source_files::CharPad(5, glyphs, true)));
  WriteBytes(dir.Path("nameless"), Text(source_files::CharPad(6, glyphs, false)));

  struct Run {
    std::vector<std::string> args;
    std::string out;  // OUT's bytes: a charset unless the case writes a .prg
  };
  const std::string zeros(2048, '\0');
  auto placed = [&](int first, const std::string& bytes) {
    std::string charset = zeros;
    charset.replace(static_cast<std::size_t>(first) * 8, bytes.size(), bytes);
    return charset;
  };
  const std::vector<Run> runs{
      {{"convert", "font.prg", "out.chr"}, placed(0, sixtyFour)},
      {{"convert", "font.prg", "out.chr", "--first-glyph", "$C0"}, placed(192, sixtyFour)},
      {{"convert", "font.prg", "out.prg"}, std::string("\x00\x38", 2) + placed(0, sixtyFour)},
      {{"convert", "font.prg", "out.prg", "--load-address", "2000"}, std::string("\x00\x20", 2) + placed(0, sixtyFour)},
      {{"convert", "blob.bin", "out.chr", "--from", "raw", "--offset", "0x64", "--glyphs", "64"}, placed(0, sixtyFour)},
      {{"convert", "shot.vsf", "out.chr", "--glyphs", "64"}, placed(0, sixtyFour)},
      {{"convert", "shot.vsf", "out.chr", "--offset", "$3000", "--glyphs", "10", "--first-glyph", "5"},
       placed(5, sixtyFour.substr(0, 80))},
      {{"convert", "shot.vsf", "out.chr", "--address", "0X3008", "--glyphs", "3"}, placed(0, sixtyFour.substr(8, 24))},
      {{"convert", "game.prg", "out.chr", "--address", "$2000", "--glyphs", "64"}, placed(0, sixtyFour)},
      {{"convert", "game.prg", "out.chr", "--address", "8200", "--glyphs", "1"}, placed(0, sixtyFour.substr(8, 8))},
      {{"convert", "set.ctm", "out.chr"}, placed(0, sixtyFour)},
      {{"convert", "nameless", "out.chr"}, placed(0, sixtyFour)},
  };
  for (const Run& run : runs) {
    std::vector<std::string> args;
    for (const std::string& a : run.args) args.push_back(a.find('.') != std::string::npos || a == "nameless" ? dir.Path(a) : a);
    const CliRun result = RunCliWith(args);
    std::string shown;
    for (const std::string& a : run.args) shown += a + " ";
    ASSERT_EQ(result.status, 0) << shown << result.err;
    EXPECT_EQ(ReadBytes(args[2]), run.out) << shown;
  }

  const CliRun info = RunCliWith({"info", dir.Path("shot.vsf")});
  for (const char* line : {"kind: VICE snapshot\n", "machine: C64\n", "vic-ii mode: hi-res\n", "vic-ii bank: 0\n",
                           "character base: $3000\n", "border colour: 14\n", "background colours: 6 1 2 3\n",
                           "mode: hires\n", "registers: 6,1,2,3\n", "inks from: colour RAM of the screen at $0400\n"}) {
    EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;
  }
  // A multicolour project's colours as --mode and --colours take them, and the inks of its 64 glyphs.
  std::string inks;
  for (int n = 0; n < 64; ++n) inks += n ? ",9" : "9";
  const CliRun project = RunCliWith({"info", "--json", dir.Path("set.ctm")});
  EXPECT_NE(project.out.find("\"mode\":\"mc\",\"registers\":[11,12,13,15],\"inks_from\":\"the character colour\","
                             "\"inks\":[" + inks + "]"),
            std::string::npos)
      << project.out;
  const CliRun json = RunCliWith({"info", "--json", dir.Path("font.prg")});
  EXPECT_EQ(json.status, 0);
  EXPECT_TRUE(json.out.starts_with("{\"file\":")) << json.out;
  EXPECT_NE(json.out.find("\"kind\":\"C64 program\",\"size\":514,\"load_address\":\"$3800\",\"glyphs_filled\":[0,63],"
                          "\"glyphs_left_out\":0,"),
            std::string::npos)
      << json.out;
  EXPECT_NE(RunCliWith({"info", "--json", dir.Path("shot.vsf")}).out.find("\"background_colours\":[6,1,2,3]"),
            std::string::npos);
  EXPECT_TRUE(json.out.ends_with("}\n"));
  // Control characters in a name are escaped, up to the last one (0x1F); a space is not.
  const std::string odd = dir.Path("odd\x01\x1f .prg");
  WriteBytes(odd, ReadBytes(dir.Path("font.prg")));
  EXPECT_NE(RunCliWith({"info", "--json", odd}).out.find("odd\\u0001\\u001f .prg\""), std::string::npos);
  // A newline or bytes that are no UTF-8 cannot break the error line or the JSON.
  const std::string broken = dir.Path("a\nb\xff\xc3.prg");
  WriteBytes(broken, ReadBytes(dir.Path("font.prg")));
  EXPECT_NE(RunCliWith({"info", "--json", broken}).out.find("a\\u000ab\\ufffd\\ufffd.prg\""), std::string::npos);
  EXPECT_EQ(RunCliWith({"info", broken + "x"}).err, "kestrelix-cli: " + dir.Path("a\\x0Ab\\xFF\\xC3.prgx") + ": not found\n");

  // Glyphs past glyph 255 are left out and counted, from any source.
  const CliRun cut = RunCliWith({"convert", dir.Path("font.prg"), "-", "--first-glyph", "200"});
  EXPECT_EQ(cut.status, 0);
  EXPECT_EQ(cut.out, placed(200, sixtyFour.substr(0, 56 * 8)));
  EXPECT_EQ(cut.err, "kestrelix-cli: " + dir.Path("font.prg") + ": 8 glyphs past glyph 255 left out\n");
  EXPECT_NE(RunCliWith({"info", dir.Path("set.ctm"), "--first-glyph", "250"}).out.find("glyphs left out: 58\n"),
            std::string::npos);

  // Usage mistakes in the reading options are status 1, a place that means nothing for the kind too.
  for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
           {"--offset", "-1"}, {"--glyphs", "257"}, {"--first-glyph", "256"}, {"--from", "zip"}, {"--paper", "red"},
           {"--offset", "$2000"}, {"--address", "$10000"}, {"--from", "raw", "--address", "0"}}) {
    std::vector<std::string> args{"convert", dir.Path("font.prg"), "-"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCliWith(args).status, 1) << bad[0] << " " << bad[1];
    if (bad[1] == "$2000") {
      EXPECT_NE(RunCliWith(args).err.find("--address"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace kx
