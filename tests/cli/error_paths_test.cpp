// Every way a kestrelix-cli run can fail: the message on standard error, the exit status, nothing on
// standard output, and OUT exactly as it was (content, modification time, no temporary left beside it).

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "runtime/image_codec.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;
namespace fs = std::filesystem;

struct FailingRun {
  std::vector<std::string> args;  // "IN" and "OUT" stand for the prepared files
  int status;
  std::string message;  // "{IN}" and "{OUT}" stand for their paths
};

std::set<std::string> Listing(const TempDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.Dir())) names.insert(entry.path().filename().string());
  return names;
}

std::string Substituted(std::string text, const std::string& in, const std::string& out) {
  for (const auto& [word, path] : {std::pair{std::string("{IN}"), in}, std::pair{std::string("{OUT}"), out}}) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + path.size())) {
      text.replace(at, word.size(), path);
    }
  }
  return text;
}

// Runs each case with IN holding `inBytes` and OUT an older file, and checks that OUT survived.
void ExpectFailures(const TempDir& dir, const std::string& inBytes, const std::string& inName,
                    const std::string& outName, const std::vector<FailingRun>& cases) {
  const std::string in = dir.Path(inName);
  const std::string out = dir.Path(outName);
  if (!inBytes.empty()) WriteBytes(in, inBytes);
  const std::string oldOut = "the previous OUT";
  WriteBytes(out, oldOut);
  const auto oldTime = fs::last_write_time(out) - std::chrono::hours(24);
  fs::last_write_time(out, oldTime);
  const std::set<std::string> before = Listing(dir);

  for (const FailingRun& c : cases) {
    std::vector<std::string> args;
    for (const std::string& a : c.args) args.push_back(a == "IN" ? in : a == "OUT" ? out : a);
    const CliRun run = RunCliWith(args);
    std::string shown;
    for (const std::string& a : c.args) shown += a + " ";
    EXPECT_EQ(run.status, c.status) << shown;
    EXPECT_EQ(run.err, "kestrelix-cli: " + Substituted(c.message, in, out) + "\n") << shown;
    EXPECT_EQ(run.out, "") << shown;
    EXPECT_EQ(ReadBytes(out), oldOut) << shown;
    EXPECT_EQ(fs::last_write_time(out), oldTime) << shown;
    EXPECT_EQ(Listing(dir), before) << shown;
  }
}

std::string BrokenPngReason(const std::string& png) {
  return DecodeImage({reinterpret_cast<const std::uint8_t*>(png.data()), png.size()}).error;
}

TEST(CliErrors, BadInputFailsOnOneLineWithStatusTwo) {
  const TempDir dir;
  const std::string png = "\x89PNG\r\n\x1a\n" + std::string(3000, 'x');
  WriteBytes(dir.Path("broken.png"), png);
  WriteBytes(dir.Path("short.chr"), std::string(2047, '\1'));
  WriteBytes(dir.Path("long.prg"), std::string(2051, '\1'));
  fs::create_directory(dir.Path("folder.chr"));
  const std::string path = dir.Dir();
  ExpectFailures(dir, "", "missing.chr", "out.chr",
                 {
                     {{"convert", "IN", "OUT"}, 2, "{IN}: not found"},
                     {{"apply", "rotate", "all", "IN", "OUT"}, 2, "{IN}: not found"},
                     {{"info", "IN"}, 2, "{IN}: not found"},
                     {{"info", "--", "--IN"}, 2, "--IN: not found"},  // after "--" nothing is an option
                     // A wrong command line is told before IN is looked at.
                     {{"apply", "reverse", "all", "IN", "OUT"}, 1,
                      "the editor has no 'reverse' command for all (it offers glyph:N row:R first4 last4)"},
                     {{"apply", "spin", "all", "IN", "OUT"}, 1,
                      "unknown operation 'spin' (see 'kestrelix-cli apply --help')"},
                     {{"convert", "IN", "OUT", "--to", "gif"}, 1,
                      "unknown format 'gif' (see 'kestrelix-cli convert --help')"},
                     {{"convert", path + "short.chr", "OUT"}, 2, path + "short.chr: not a known file"},
                     {{"derive", "2x2", path + "long.prg", "OUT"}, 2, path + "long.prg: the program at $0101 holds no 2 KiB window that starts at a glyph-aligned address below $F801"},
                     {{"compress", path + "broken.png", "OUT"}, 2, path + "broken.png: not a picture that can be read (" + BrokenPngReason(png) + ")"},
                     {{"slide", "up", path + "folder.chr", "OUT"}, 2,
                      path + "folder.chr: could not read the file"},
                 });
}

TEST(CliErrors, BadColourOptionsAreRefusedBeforeAnythingIsWritten) {
  const TempDir dir;
  const std::string path = dir.Dir();
  WriteBytes(dir.Path("short.inks"), std::string(255, '\1'));
  WriteBytes(dir.Path("long.inks"), std::string(257, '\1'));
  std::string badInk(256, '\x0F');
  badInk[200] = 16;
  WriteBytes(dir.Path("bad.inks"), badInk);
  ExpectFailures(dir, AsBytes(SampleCharset()), "in.chr", "out.chr",
                 {
                     {{"apply", "rotate", "all", "IN", "OUT", "--mode", "multi"}, 1,
                      "unknown mode 'multi' (hires, mc or ecm)"},
                     {{"slide", "up", "IN", "OUT", "--colours", "0,11,16"}, 1,
                      "bad colours '0,11,16' ('16' is no colour 0-15)"},
                     {{"apply", "rotate", "all", "IN", "OUT", "--colours", "0,11"}, 1,
                      "bad colours '0,11' (at least three: D021,D022,D023)"},
                     {{"apply", "rotate", "all", "IN", "OUT", "--colours", "1,2,3,4,5"}, 1,
                      "bad colours '1,2,3,4,5' (at most four: D021,D022,D023,D024)"},
                     {{"slide", "up", "IN", "OUT", "--inks", path + "short.inks"}, 2,
                      path + "short.inks: an inks file holds 256 bytes, this one 255"},
                     {{"slide", "up", "IN", "OUT", "--inks", path + "long.inks"}, 2,
                      path + "long.inks: an inks file holds 256 bytes, this one more"},
                     {{"apply", "rotate", "all", "IN", "OUT", "--inks", path + "bad.inks"}, 2,
                      path + "bad.inks: ink 16 of glyph 200 is no colour 0-15"},
                     {{"apply", "rotate", "all", "IN", "OUT", "--inks", path + "none.inks"}, 2,
                      path + "none.inks: not found"},
                 });
}

TEST(CliErrors, EmptyOrWrongSizedStandardInputIsBadInput) {
  for (const std::string& bytes : {std::string(), std::string(2051, '\0'), std::string(1000, '\0')}) {
    const CliRun run = RunCliWith({"convert", "-", "-"}, bytes);
    EXPECT_EQ(run.status, 2) << bytes.size();
    EXPECT_EQ(run.err, "kestrelix-cli: -: not a known file\n");
    EXPECT_EQ(run.out, "");
  }
}

TEST(CliErrors, WrongCommandLinesAreUsageErrorsWithStatusOne) {
  const TempDir dir;
  std::vector<FailingRun> cases;
  for (const char* scope : {"glyph:256", "glyph:-1", "glyph:", "row:0", "row:9", "row:1x", "half", "ALL"}) {
    cases.push_back({{"apply", "rotate", scope, "IN", "OUT"}, 1,
                     std::string("unknown scope '") + scope + "' (see 'kestrelix-cli apply --help')"});
  }
  ExpectFailures(dir, AsBytes(SampleCharset()), "in.chr", "out.chr", cases);
  ExpectFailures(
      dir, AsBytes(SampleCharset()), "in.chr", "out.chr",
      {
          {{"spin", "IN", "OUT"}, 1, "unknown command 'spin' (see 'kestrelix-cli --help')"},
          {{"apply", "spin", "all", "IN", "OUT"}, 1, "unknown operation 'spin' (see 'kestrelix-cli apply --help')"},
          {{"apply", "restore-rom", "row:2", "IN", "OUT"}, 1,
           "the editor has no 'restore-rom' command for row:R (it offers glyph:N first4 last4 all)"},
          {{"slide", "sideways", "IN", "OUT"}, 1, "unknown direction 'sideways' (see 'kestrelix-cli slide --help')"},
          {{"derive", "3x3", "IN", "OUT"}, 1, "unknown kind '3x3' (see 'kestrelix-cli derive --help')"},
          {{"apply", "rotate", "IN", "OUT"}, 1,
           "'apply' takes OP SCOPE IN OUT [--to FORMAT] [--load-address HEX] [--label NAME] "
           "(see 'kestrelix-cli apply --help')"},
          {{"info", "IN", "OUT"}, 1, "'info' takes IN [--json] (see 'kestrelix-cli info --help')"},
          {{"convert", "IN", "OUT", "--colour", "red"}, 1, "unknown option '--colour'"},
          {{"info", "IN", "--to", "png"}, 1, "unknown option '--to'"},
          {{"convert", "IN", "OUT", "--to"}, 1, "option '--to' needs a value"},
          {{"convert", "IN", "OUT", "--help=yes"}, 1, "option '--help' takes no value"},
          {{"convert", "IN", "OUT", "--to", "gif"}, 1, "unknown format 'gif' (see 'kestrelix-cli convert --help')"},
          {{"convert", "IN", "OUT", "--load-address", "3000"}, 1, "--load-address applies only to the prg format"},
          {{"convert", "IN", "OUT", "--to", "prg", "--load-address", "10000"}, 1,
           "bad load address '10000' (hexadecimal 0 to FFFF)"},
          {{"convert", "IN", "OUT", "--to", "prg", "--load-address", "12G4"}, 1,
           "bad load address '12G4' (hexadecimal 0 to FFFF)"},
          {{"convert", "IN", "OUT", "--label", "font"}, 1, "--label applies only to the source formats"},
          {{"convert", "IN", "OUT", "--to", "prg", "--label", "font"}, 1, "--label applies only to the source formats"},
          {{"convert", "IN", "OUT", "--to", "ca65", "--label", "1font"}, 1, "bad label '1font'"},
          {{"convert", "IN", "OUT", "--to", "acme", "--label", "lda"}, 1, "bad label 'lda'"},
          {{"convert", "IN", "OUT", "--to", "acme", "--label", "1" + std::string(39, 'x') + "\nmore"}, 1,
           "bad label '1" + std::string(39, 'x') + "...'"},
          {{"convert", "IN", "OUT", "--glyphs", "0"}, 1, "bad glyph count '0' (decimal, $hex or 0xhex, 1 to 256)"},
          {{"info", "IN", "--address", "0X10000"}, 1, "bad address '0X10000' (decimal, $hex or 0xhex, 0 to $FFFF)"},
          {{"info", "IN", "--address", "0XFFFF"}, 1, "--address applies only to programs and snapshots; a binary "
                                                    "takes --offset"},
          {{"info", "IN", "--offset", "8"}, 1, "--offset applies only to binaries (--from raw)"},
          {{"info", "IN", "--scale", "17"}, 1, "bad scale '17' (1 to 16)"},
          {{"info", "IN", "--pitch", "9,9,9"}, 1, "bad pitch '9,9,9' (W,H)"},
          {{"info", "IN", "--from", "z\n"}, 1, "unknown source 'z\\x0A' (prg|raw|vsf|ctm|sheet|picture)"},
          {{"convert", "IN", dir.Path("font.txt")}, 1,
           "cannot tell the format of '" + dir.Path("font.txt") + "' from its extension; give --to FORMAT"},
          {{"convert", "IN", dir.Path(".chr")}, 1,  // a hidden file's name is no extension
           "cannot tell the format of '" + dir.Path(".chr") + "' from its extension; give --to FORMAT"},
      });
  EXPECT_FALSE(fs::exists(dir.Path("font.txt")));
}

TEST(CliErrors, AnOutThatCannotBeWrittenFailsWithStatusTwo) {
  const TempDir dir;
  fs::create_directory(dir.Path("folder.chr"));
  const std::string nowhere = dir.Path("no-such-folder/out.chr");
  const std::string folder = dir.Path("folder.chr");
  ExpectFailures(dir, AsBytes(SampleCharset()), "in.chr", "out.chr",
                 {
                     {{"convert", "IN", nowhere}, 2, nowhere + ": could not write the file (No such file or directory)"},
                     {{"apply", "rotate", "all", "IN", folder}, 2, folder + ": could not write the file (Is a directory)"},
                 });
  EXPECT_FALSE(fs::exists(nowhere));
  EXPECT_TRUE(fs::is_directory(folder));
}

TEST(CliErrors, AWriteThatRunsOutOfSpaceLeavesThePreviousOut) {
  const TempDir dir;
  const std::string in = dir.Path("in.chr");
  const std::string out = dir.Path("out.chr");
  WriteBytes(in, AsBytes(SampleCharset()));
  WriteBytes(out, "the previous OUT");
  const std::set<std::string> before = Listing(dir);
  CliRun run;
  {
    const FileSizeLimit full(1000);  // the new 2048 bytes cannot be written whole
    run = RunCliWith({"apply", "erase", "row:1", in, out});
  }
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "kestrelix-cli: " + out + ": could not write the file (File too large)\n");
  EXPECT_EQ(ReadBytes(out), "the previous OUT");
  EXPECT_EQ(Listing(dir), before);
}

TEST(CliErrors, AStandardOutputThatFailsIsAFailedWrite) {
  std::istringstream in(AsBytes(SampleCharset()));
  std::ostringstream out;
  out.setstate(std::ios::badbit);
  std::ostringstream err;
  const std::vector<std::string> args{"convert", "-", "-"};
  EXPECT_EQ(RunCli(args, in, out, err), 2);
  EXPECT_TRUE(err.str().starts_with("kestrelix-cli: -: could not write the file (")) << err.str();
}

}  // namespace
}  // namespace kx
