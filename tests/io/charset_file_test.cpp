#include "io/charset_file.h"

#include <gtest/gtest.h>

#include "io/temp_files.h"

namespace kx {
namespace {

using namespace testing_files;

std::string Head(const std::string& bytes, std::size_t n) { return bytes.substr(0, n); }

TEST(CharsetFileSlices, MorvaneRuleSkipsTheHeaderOnlyForExactly2050Bytes) {
  TempDir dir;
  for (const std::size_t size : {2048u, 2049u, 4096u}) {
    const std::string path = dir.Path("f" + std::to_string(size));
    WriteBytes(path, Counting(size, 7));
    const SliceRead read = ReadFileSlice(path, MorvaneSlice);
    ASSERT_EQ(read.status, SliceStatus::Ok) << size;
    EXPECT_EQ(read.bytes, Counting(kCharsetBytes, 7)) << size;  // from offset 0
    EXPECT_EQ(read.slice.type, FileType::Prg);
  }
  WriteBytes(dir.Path("prg"), Counting(2050, 7));
  EXPECT_EQ(ReadFileSlice(dir.Path("prg"), MorvaneSlice).bytes, Counting(kCharsetBytes, 9));
  WriteBytes(dir.Path("short"), Counting(2047));
  EXPECT_EQ(ReadFileSlice(dir.Path("short"), MorvaneSlice).status, SliceStatus::WrongSize);
}

TEST(CharsetFileSlices, RawAndSizeRulesAcceptOnlyTheirSizes) {
  for (const std::uint64_t size : {0u, 2047u, 2049u, 2050u, 4096u}) EXPECT_FALSE(RawSlice(size)) << size;
  EXPECT_EQ(SizeSlice(2048)->type, FileType::Chr);
  EXPECT_EQ(SizeSlice(2048)->skip, 0u);
  EXPECT_EQ(SizeSlice(2050)->type, FileType::Prg);
  EXPECT_EQ(SizeSlice(2050)->skip, 2u);
  for (const std::uint64_t size : {0u, 2049u, 2051u, 4096u}) EXPECT_FALSE(SizeSlice(size)) << size;
}

TEST(CharsetFileSlices, ImportsNeedTheirExactSize) {
  EXPECT_FALSE(ImportSlice(257, 256));
  EXPECT_FALSE(ImportSlice(256, 512));
  EXPECT_EQ(ImportSlice(1792, 1792)->fill, 1792u);
  // The short load-address file: header skipped, its 2047 bytes leave the last charset byte at 0.
  TempDir dir;
  WriteBytes(dir.Path("short.prg"), Counting(2049, 1));
  const SliceRead read =
      ReadFileSlice(dir.Path("short.prg"), [](std::uint64_t size) { return ImportSlice(size, 2049); });
  ASSERT_EQ(read.status, SliceStatus::Ok);
  EXPECT_EQ(Head(read.bytes, 2047), Counting(2047, 3));
  EXPECT_EQ(read.bytes.size(), 2048u);
  EXPECT_EQ(read.bytes[2047], '\0');
}

// Every layout rule on the sizes around its limits: "skip+fill type", or "-" for a refused file. An import
// is asked for the size it was given.
TEST(CharsetFileSlices, EveryRuleJustBelowAtAndAboveItsSizes) {
  const auto describe = [](std::optional<FileSlice> s) {
    if (!s) return std::string("-");
    return std::to_string(s->skip) + "+" + std::to_string(s->fill) + (s->type == FileType::Prg ? " prg" : " chr");
  };
  struct Row {
    std::uint64_t size;
    const char *raw, *morvane, *bySize, *import;
  };
  const Row rows[] = {
      {0, "-", "-", "-", "-"},
      {1, "-", "-", "-", "0+1 chr"},
      {2047, "-", "-", "-", "0+2047 chr"},
      {2048, "0+2048 chr", "0+2048 prg", "0+2048 chr", "0+2048 chr"},
      {2049, "-", "0+2048 prg", "-", "2+2048 chr"},
      {2050, "-", "2+2048 prg", "2+2048 prg", "-"},
      {2051, "-", "0+2048 prg", "-", "-"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.size);
    EXPECT_EQ(describe(RawSlice(r.size)), r.raw);
    EXPECT_EQ(describe(MorvaneSlice(r.size)), r.morvane);
    EXPECT_EQ(describe(SizeSlice(r.size)), r.bySize);
    EXPECT_EQ(describe(ImportSlice(r.size, r.size)), r.import);
  }
}

TEST(CharsetFileSlices, PlacingAPartialSliceKeepsTheRest) {
  TempDir dir;
  WriteBytes(dir.Path("row"), std::string(256, '\x55'));
  const SliceRead read = ReadFileSlice(dir.Path("row"), [](std::uint64_t size) { return ImportSlice(size, 256); });
  Charset charset{};
  charset.fill(0xAA);
  PlaceSlice(charset, read);
  EXPECT_EQ(charset[255], 0x55);
  EXPECT_EQ(charset[256], 0xAA);
}

TEST(CharsetFileSlices, MissingFilesAndDirectoriesAreNotRead) {
  TempDir dir;
  EXPECT_EQ(ReadFileSlice(dir.Path("none"), SizeSlice).status, SliceStatus::Missing);
  EXPECT_EQ(ReadFileSlice(dir.Dir(), SizeSlice).status, SliceStatus::WrongSize);
}

TEST(CharsetFileBytes, PrgHasAZeroLoadAddressAndExportsTakeTheFirstRows) {
  Charset charset{};
  for (std::size_t i = 0; i < charset.size(); ++i) charset[i] = static_cast<std::uint8_t>(i * 3);
  const std::string prg = CharsetFileBytes(charset, FileType::Prg);
  ASSERT_EQ(prg.size(), 2050u);
  EXPECT_EQ(prg.substr(0, 2), std::string(2, '\0'));
  EXPECT_EQ(prg.substr(2), CharsetFileBytes(charset, FileType::Chr));
  EXPECT_EQ(CharsetFileBytes(charset, FileType::Chr, 1792), CharsetFileBytes(charset, FileType::Chr).substr(0, 1792));
}

TEST(CharsetFileNames, ExtensionIsAppendedUnlessExactlyPresent) {
  EXPECT_EQ(WithExtension("font", ".prg"), "font.prg");
  EXPECT_EQ(WithExtension("font.prg", ".prg"), "font.prg");
  EXPECT_EQ(WithExtension("FONT.PRG", ".prg"), "FONT.PRG.prg");
  EXPECT_EQ(WithExtension("rows", ".chr"), "rows.chr");
  EXPECT_EQ(FileNameOf("/a/b/c.chr"), "c.chr");
  EXPECT_EQ(FileNameOf("untitled"), "untitled");
}

}  // namespace
}  // namespace kx
