// The source formats as kestrelix-cli writes them, built back into bytes by the real assemblers and the C
// compiler (the test command installs them): each must give exactly the charset's 2048 bytes, with the
// label from OUT's file name naming the first of them.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "model/rom_charset.h"
#include "tests/cli/cli_test_support.h"
#include "tests/io/source_builds.h"

namespace kx {
namespace {

using namespace cli_testing;
using namespace testing_files;

// Writes the charset as in.chr and converts it with kestrelix-cli into `out` (a name in `dir`).
void Export(const TempDir& dir, const Charset& charset, const std::string& out) {
  WriteBytes(dir.Path("in.chr"), AsBytes(charset));
  const CliRun run = RunCliWith({"convert", dir.Path("in.chr"), dir.Path(out)});
  ASSERT_EQ(run.status, 0) << run.err;
}

// OUT's extension chooses the dialect, and the label comes from OUT's file name.
TEST(CliSourceFormats, EveryAssemblerBuildsTheBytesFromTheExtensionsDialect) {
  const std::map<SourceDialect, std::string> outNames{
      {SourceDialect::Acme, "font.a"}, {SourceDialect::Ca65, "font.s"}, {SourceDialect::Tass64, "font.tass"}};
  for (const AssemblerBuild& build : AssemblerBuilds()) {
    const std::string& out = outNames.at(build.dialect);
    for (const NamedCharset& c : SourceSampleCharsets()) {
      SCOPED_TRACE(out + " " + c.name);
      const TempDir dir;
      ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, out));
      EXPECT_EQ(AssembleExported(dir, build, out), AssembledWithLabelWord(c.bytes));
    }
  }
}

TEST(CliSourceFormats, CArrayAndHeaderCompileToTheBytes) {
  for (const NamedCharset& c : SourceSampleCharsets()) {
    SCOPED_TRACE(c.name);
    const TempDir dir;
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.c"));
    ASSERT_NO_FATAL_FAILURE(Export(dir, c.bytes, "font.h"));
    EXPECT_EQ(CompileExportedArray(dir), AsBytes(c.bytes));
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
