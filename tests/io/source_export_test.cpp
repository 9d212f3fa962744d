#include "io/source_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "model/rom_charset.h"
#include "tests/io/source_builds.h"

namespace kx {
namespace {

using namespace testing_files;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(SourceExportDialects, NamesRoundTripAndNothingElseIsADialect) {
  const std::vector<std::pair<SourceDialect, std::string>> expected{{SourceDialect::Acme, "acme"},
                                                                    {SourceDialect::Ca65, "ca65"},
                                                                    {SourceDialect::Tass64, "64tass"},
                                                                    {SourceDialect::KickAss, "kickass"},
                                                                    {SourceDialect::C, "c"}};
  for (const auto& [dialect, name] : expected) {
    EXPECT_EQ(SourceDialectName(dialect), name);
    EXPECT_EQ(SourceDialectFromName(name), dialect) << name;
  }
  for (const char* other : {"", "ACME", "C", "tass", "64tass ", "kick", "h"}) {
    EXPECT_FALSE(SourceDialectFromName(other)) << other;
  }
}

TEST(SourceExportLabels, PathsGiveIdentifiersFromTheirFileName) {
  const std::vector<std::pair<std::string, std::string>> cases{
      {"font.chr", "font"},
      {"/home/me/my font.prg", "my_font"},
      {"C:\\c64\\Big--Font 2.chr", "Big_Font_2"},
      {"font.tar.gz", "font_tar"},
      {"/tmp/__font__.chr", "font"},
      {"caf\xC3\xA9 bold.chr", "caf_bold"},
      {"8x8.chr", "charset_8x8"},
      {".chr", "chr"},
      {"noext", "noext"},
      {"Int.c", "Int"},  // C keywords are case-sensitive
      {"", "charset"},
      {"-", "charset"},  // standard input or output
      {"/some/dir/", "charset"},
      {"---.chr", "charset"},
      {"lda.s", "charset"},  // a mnemonic, in any case
      {"Tax.a", "charset"},
      {"x.chr", "charset"},  // a register name
      {"int.c", "charset"},
      {"static.h", "charset"},
  };
  for (const auto& [path, label] : cases) {
    EXPECT_EQ(SourceLabelFromPath(path), label) << path;
    EXPECT_TRUE(IsValidSourceLabel(SourceLabelFromPath(path))) << path;
  }
}

TEST(SourceExportLabels, LongNamesAreCutWithoutATrailingUnderscore) {
  const std::string stem = std::string(63, 'a') + "-b" + std::string(20, 'c');
  EXPECT_EQ(SourceLabelFromPath(stem + ".chr"), std::string(63, 'a'));
  EXPECT_EQ(SourceLabelFromPath(std::string(80, 'f') + ".chr"), std::string(64, 'f'));
}

TEST(SourceExportLabels, ValidityFollowsEveryDialectsRules) {
  const std::string longest(64, 'z');
  for (const char* good : {"font", "Font_2", "f", "b", "a1", "AX", "LDAfont", "bank_", longest.c_str()}) {
    EXPECT_TRUE(IsValidSourceLabel(good)) << good;
  }
  const std::string tooLong(65, 'z');
  for (const char* bad : {"", "2font", "_font", "my-font", "my font", "font.chr", "f\xC3\xA9", "lda", "LDA", "jsr",
                          "Stz", "lax", "a", "X", "y", "char", "const", "unsigned", "main", tooLong.c_str()}) {
    EXPECT_FALSE(IsValidSourceLabel(bad)) << bad;
  }
  // A leading underscore (cc65's C symbols) only where the assembler takes one.
  struct Underscored {
    SourceDialect dialect;
    bool allowed;
  };
  for (const auto& [dialect, allowed] : {Underscored{SourceDialect::Ca65, true}, {SourceDialect::Tass64, true},
                                         {SourceDialect::Acme, true}, {SourceDialect::KickAss, false},
                                         {SourceDialect::C, false}}) {
    EXPECT_EQ(IsValidSourceLabel("_font", dialect), allowed) << SourceDialectName(dialect);
    EXPECT_EQ(IsValidSourceLabel("__2font", dialect), allowed) << SourceDialectName(dialect);
    EXPECT_FALSE(IsValidSourceLabel("__", dialect)) << SourceDialectName(dialect);
    EXPECT_FALSE(IsValidSourceLabel("_lda", dialect) && !allowed) << SourceDialectName(dialect);
  }
}

TEST(SourceExportText, EveryLineHoldsOneGlyphNamedInDecimalAndHex) {
  Charset charset{};
  for (int i = 0; i < kCharsetBytes; ++i) charset[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i / 8);
  const std::vector<std::string> lines = Lines(FormatCharsetSource(charset, SourceDialect::Acme, "font"));
  ASSERT_EQ(lines.size(), 2u + 256u);
  EXPECT_EQ(lines[1], "font");
  EXPECT_EQ(lines[2], "        !byte $00,$00,$00,$00,$00,$00,$00,$00 ; glyph 0 ($00)");
  EXPECT_EQ(lines[2 + 200], "        !byte $C8,$C8,$C8,$C8,$C8,$C8,$C8,$C8 ; glyph 200 ($C8)");
  EXPECT_EQ(lines.back(), "        !byte $FF,$FF,$FF,$FF,$FF,$FF,$FF,$FF ; glyph 255 ($FF)");
}

TEST(SourceExportText, KickAssemblerUsesItsOwnCommentsAndColonLabel) {
  const std::string text = FormatCharsetSource(RomCharset(), SourceDialect::KickAss, "letters");
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 258u);
  EXPECT_EQ(lines[0], "// letters: 256 glyphs of 8 bytes, top row first, bit 7 the leftmost pixel");
  EXPECT_EQ(lines[1], "letters:");
  EXPECT_EQ(lines[2], "        .byte $3C,$66,$6E,$6E,$60,$62,$3C,$00 // glyph 0 ($00)");
  EXPECT_EQ(lines[3], "        .byte $18,$3C,$66,$7E,$66,$66,$66,$00 // glyph 1 ($01)");
  EXPECT_EQ(lines[257], "        .byte $0F,$0F,$0F,$0F,$F0,$F0,$F0,$F0 // glyph 255 ($FF)");
  EXPECT_EQ(text.find(';'), std::string::npos);
  EXPECT_TRUE(text.ends_with("\n"));
}

TEST(SourceExportText, CHeaderDeclaresTheArrayUnderAGuard) {
  EXPECT_EQ(FormatCharsetSource(RomCharset(), SourceDialect::C, "petscii", true),
            "/* petscii: 256 glyphs of 8 bytes, top row first, bit 7 the leftmost pixel. */\n"
            "#ifndef PETSCII_H\n"
            "#define PETSCII_H\n"
            "\n"
            "#ifdef __cplusplus\n"
            "extern \"C\" {\n"
            "#endif\n"
            "extern const unsigned char petscii[2048];\n"
            "#ifdef __cplusplus\n"
            "}\n"
            "#endif\n"
            "\n"
            "#endif\n");
  // The header flag means nothing to the assemblers.
  EXPECT_EQ(FormatCharsetSource(RomCharset(), SourceDialect::Ca65, "f", true),
            FormatCharsetSource(RomCharset(), SourceDialect::Ca65, "f", false));
}

TEST(SourceExportAssemblers, EveryAssemblerBuildsEveryCharsetToItsBytes) {
  for (const AssemblerBuild& build : AssemblerBuilds()) {
    for (const NamedCharset& sample : SourceSampleCharsets()) {
      SCOPED_TRACE(std::string(SourceDialectName(build.dialect)) + " " + sample.name);
      TempDir dir;
      WriteBytes(dir.Path("font.src"), FormatCharsetSource(sample.bytes, build.dialect, "font"));
      EXPECT_EQ(AssembleExported(dir, build, "font.src"), AssembledWithLabelWord(sample.bytes));
    }
  }
}

TEST(SourceExportC, DefinitionAndHeaderCompileTogetherToTheBytes) {
  for (const NamedCharset& sample : SourceSampleCharsets()) {
    SCOPED_TRACE(sample.name);
    TempDir dir;
    WriteBytes(dir.Path("font.c"), FormatCharsetSource(sample.bytes, SourceDialect::C, "font"));
    WriteBytes(dir.Path("font.h"), FormatCharsetSource(sample.bytes, SourceDialect::C, "font", true));
    EXPECT_EQ(CompileExportedArray(dir), std::string(sample.bytes.begin(), sample.bytes.end()));
  }
}

// The colour table follows the charset under its own label: each assembler builds the charset's bytes and
// then the 256 inks, C's header and definition give the second array, Kick Assembler labels it likewise.
TEST(SourceExportColourTable, FollowsTheCharsetInEveryDialect) {
  const Charset charset = SourceSampleCharsets()[1].bytes;
  GlyphInks inks{};
  for (int n = 0; n < kGlyphCount; ++n) inks[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(n * 7 % 16);
  const std::string table(inks.begin(), inks.end());
  for (const AssemblerBuild& build : AssemblerBuilds()) {
    SCOPED_TRACE(SourceDialectName(build.dialect));
    TempDir dir;
    WriteBytes(dir.Path("font.src"), FormatCharsetSource(charset, build.dialect, "font", false, &inks));
    EXPECT_EQ(AssembleExported(dir, build, "font.src"),
              std::string(charset.begin(), charset.end()) + table + std::string("\x00\x20", 2));
  }
  TempDir dir;
  WriteBytes(dir.Path("font.c"), FormatCharsetSource(charset, SourceDialect::C, "font", false, &inks));
  WriteBytes(dir.Path("font.h"), FormatCharsetSource(charset, SourceDialect::C, "font", true, &inks));
  WriteBytes(dir.Path("main.c"),
             "#include <stdio.h>\n#include \"font.h\"\n"
             "int main(void) {\n"
             "  FILE* out = fopen(\"out.bin\", \"wb\");\n"
             "  if (!out || sizeof font != 2048 || fwrite(font_colours, 1, sizeof font_colours, out) != 256) return 1;\n"
             "  return fclose(out) != 0;\n"
             "}\n");
  RunTool(dir, "gcc -std=c89 -pedantic -Wall -Wextra -Werror", "main.c font.c -o dump");
  RunTool(dir, "./dump", "");
  EXPECT_EQ(ReadBytes(dir.Path("out.bin")), table);
  EXPECT_NE(FormatCharsetSource(charset, SourceDialect::KickAss, "font", false, &inks)
                .find("\nfont_colours:\n        .byte $00,$07,$0E,$05,$0C,$03,$0A,$01,$08,$0F,$06,$0D,$04,$0B,$02,$09"
                      " // glyphs 0-15\n"),
            std::string::npos);
}

}  // namespace
}  // namespace kx
