// The source formats as kestrelix-cli writes them, built back into bytes by the real assemblers and the C
// compiler (the test command installs them): each must give exactly the charset's 2048 bytes, with the
// label from OUT's file name naming the first of them.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "model/rom_charset.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;

Charset Filled(std::uint8_t value) {
  Charset charset;
  charset.fill(value);
  return charset;
}

struct NamedCharset {
  const char* name;
  Charset bytes;
};

std::vector<NamedCharset> Charsets() {
  return {{"rom", RomCharset()}, {"random", SampleCharset(99)}, {"zero", Filled(0x00)}, {"set", Filled(0xFF)}};
}

// Runs a tool in `dir`, its output kept for the failure report. A missing tool is a failure: the test
// command installs every one of them.
void RunTool(const TempDir& dir, const std::string& tool, const std::string& arguments) {
  ASSERT_EQ(std::system(("command -v " + tool + " >/dev/null").c_str()), 0) << tool << " is not installed";
  const std::string log = dir.Path("log.txt");
  const int status = std::system(("cd " + dir.Dir() + " && " + tool + " " + arguments + " >" + log + " 2>&1").c_str());
  ASSERT_EQ(status, 0) << tool << " " << arguments << "\n" << ReadBytes(log);
}

// Writes the charset as in.chr and converts it with kestrelix-cli into `out` (a name in `dir`).
void Export(const TempDir& dir, const Charset& charset, const std::string& out) {
  WriteBytes(dir.Path("in.chr"), AsBytes(charset));
  const CliRun run = RunCliWith({"convert", dir.Path("in.chr"), dir.Path(out)});
  ASSERT_EQ(run.status, 0) << run.err;
}

// What each assembled program holds: the charset at $2000, then the label's value as a word.
std::string WithLabelWord(const Charset& charset) { return AsBytes(charset) + std::string("\x00\x20", 2); }

TEST(CliSourceFormats, AcmeBuildsTheBytes) {
  for (const NamedCharset& c : Charsets()) {
    const TempDir dir;
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.a"));
    WriteBytes(dir.Path("main.a"), "*= $2000\n!source \"font.a\"\n!word font\n");
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "acme", "-f plain -o out.bin main.a"));
    EXPECT_EQ(ReadBytes(dir.Path("out.bin")), WithLabelWord(c.bytes)) << c.name;
  }
}

TEST(CliSourceFormats, Ca65AndLd65BuildTheBytes) {
  for (const NamedCharset& c : Charsets()) {
    const TempDir dir;
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.s"));
    WriteBytes(dir.Path("main.s"), ".include \"font.s\"\n.word font\n");
    WriteBytes(dir.Path("link.cfg"),
               "MEMORY { RAM: start = $2000, size = $2000, file = %O; }\n"
               "SEGMENTS { CODE: load = RAM, type = ro; }\n");
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "ca65", "-o main.o main.s"));
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "ld65", "-C link.cfg -o out.bin main.o"));
    EXPECT_EQ(ReadBytes(dir.Path("out.bin")), WithLabelWord(c.bytes)) << c.name;
  }
}

TEST(CliSourceFormats, Tass64BuildsTheBytes) {
  for (const NamedCharset& c : Charsets()) {
    const TempDir dir;
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.tass"));
    WriteBytes(dir.Path("main.asm"), "* = $2000\n.include \"font.tass\"\n.word font\n");
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "64tass", "--quiet --nostart -o out.bin main.asm"));
    EXPECT_EQ(ReadBytes(dir.Path("out.bin")), WithLabelWord(c.bytes)) << c.name;
  }
}

TEST(CliSourceFormats, CArrayAndHeaderCompileToTheBytes) {
  for (const NamedCharset& c : Charsets()) {
    const TempDir dir;
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.c"));
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.h"));
    WriteBytes(dir.Path("main.c"),
               "#include <stdio.h>\n#include \"font.h\"\n"
               "int main(void) { return fwrite(font, 1, sizeof font, stdout) == 2048 ? 0 : 1; }\n");
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "gcc", "-std=c99 -Wall -Wextra -Werror main.c font.c -o dump"));
    ASSERT_NO_FATAL_FAILURE(RunTool(dir, "sh", "-c './dump > out.bin'"));
    EXPECT_EQ(ReadBytes(dir.Path("out.bin")), AsBytes(c.bytes)) << c.name;
  }
}

TEST(CliSourceFormats, KickAssemblerTextHasItsLabelAndComments) {
  // No Kick Assembler comes with the system; its lines are checked as text.
  const CliRun run = RunCliWith({"convert", "-", "-", "--to", "kickass", "--label", "font"}, AsBytes(RomCharset()));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\nfont:\n"), std::string::npos);
  EXPECT_NE(run.out.find(".byte $3C,$66,$6E,$6E,$60,$62,$3C,$00 // glyph 0 ($00)\n"), std::string::npos);
  EXPECT_NE(run.out.find(" // glyph 255 ($FF)\n"), std::string::npos);
}

}  // namespace
}  // namespace kx
