#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "runtime/preference_file.h"

namespace kx {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(PreferenceFile, CreatedFileHasMarkBlankLineCommentsAndGroupsWithoutGaps) {
  PreferenceFile file = PreferenceFile::WithHeader({"Settings"});
  file.WriteInt("MAIN WINDOW", "XSIZE", 717);
  file.WriteInt("MAIN WINDOW", "YSIZE", -3);
  file.WriteString("FILE HANDLING", "DIR", "");
  EXPECT_EQ(file.Serialise(), kBom +
                                  "\r\n"
                                  "; Settings\r\n"
                                  "[MAIN WINDOW]\r\n"
                                  "XSIZE = 717\r\n"
                                  "YSIZE = -3\r\n"
                                  "[FILE HANDLING]\r\n"
                                  "DIR = \r\n");
}

TEST(PreferenceFile, RewritingKeepsLineOrderCommentsAndUnwrittenKeys) {
  const std::string before = kBom +
                             "\r\n"
                             "; keep me\r\n"
                             "[A]\r\n"
                             "X = 1\r\n"
                             "; inside\r\n"
                             "Y = 2\r\n"
                             "[B]\r\n"
                             "Z = 3\r\n";
  PreferenceFile file = PreferenceFile::Parse(before);
  EXPECT_EQ(file.Serialise(), before);  // an untouched file comes back byte for byte

  file.WriteInt("A", "X", 10);
  file.WriteInt("A", "NEW", 4);
  file.WriteString("C", "W", "five");
  EXPECT_EQ(file.Serialise(), kBom +
                                  "\r\n"
                                  "; keep me\r\n"
                                  "[A]\r\n"
                                  "X = 10\r\n"
                                  "; inside\r\n"
                                  "Y = 2\r\n"
                                  "NEW = 4\r\n"
                                  "[B]\r\n"
                                  "Z = 3\r\n"
                                  "[C]\r\n"
                                  "W = five\r\n");
}

TEST(PreferenceFile, ReadsLooselyWrittenFiles) {
  // LF line ends, indentation, case differences, blanks around "=", a key before any group, duplicate groups.
  PreferenceFile file = PreferenceFile::Parse(
      "STRAY = 9\n"
      "  [Main Window]\n"
      "\t XPos=  12 \n"
      "  ; ZOOM = 3\n"
      "Path = C:\\a b\\\n"
      "[MAIN WINDOW]\n"
      "ZOOM = 4\n");
  EXPECT_EQ(file.ReadInt("MAIN WINDOW", "XPOS", 50), 12);
  EXPECT_EQ(file.ReadString("main window", "PATH", ""), "C:\\a b\\");
  EXPECT_EQ(file.ReadInt("MAIN WINDOW", "ZOOM", 1), 4);  // the commented-out line does not count
  EXPECT_EQ(file.ReadInt("", "STRAY", 0), 0);             // keys outside a group belong to none
  EXPECT_EQ(file.ReadString("MISSING", "X", "<Empty>"), "<Empty>");

  // A new key goes to the first section of its group, after its last key.
  file.WriteInt("MAIN WINDOW", "YPOS", 7);
  EXPECT_NE(file.Serialise().find("C:\\a b\\\r\nYPOS = 7\r\n[MAIN WINDOW]"), std::string::npos);
}

TEST(PreferenceFile, IntegersFallBackUnlessTheWholeValueIsADecimalInRange) {
  PreferenceFile file = PreferenceFile::Parse(
      "[G]\r\nA = 16777215\r\nB = 12abc\r\nC = \r\nD = 99999999999\r\nE = -40\r\nF = 0x10\r\n");
  EXPECT_EQ(file.ReadInt("G", "A", 0), 16777215);
  EXPECT_EQ(file.ReadInt("G", "E", 0), -40);
  for (const char* key : {"B", "C", "D", "F"}) EXPECT_EQ(file.ReadInt("G", key, 77), 77) << key;
}

TEST(PreferenceFile, FileWithoutMarkIsReadAsLatin1AndWrittenBackAsUtf8WithMark) {
  PreferenceFile file = PreferenceFile::Parse("[F]\r\nDIR = caf\xE9\r\n");
  EXPECT_EQ(file.ReadString("F", "DIR", ""), "caf\xC3\xA9");
  EXPECT_EQ(file.Serialise(), kBom + "[F]\r\nDIR = caf\xC3\xA9\r\n");

  // UTF-8 that lost its mark stays as it is rather than being converted a second time.
  EXPECT_EQ(PreferenceFile::Parse("[F]\r\nDIR = caf\xC3\xA9\r\n").ReadString("F", "DIR", ""), "caf\xC3\xA9");
  // Each bound of UTF-8: the first and last of every length, the surrogates' edges, overlong forms.
  for (auto [stored, read] : {
           std::pair{"\xC2\x80", "\xC2\x80"}, std::pair{"\xE0\xA0\x80", "\xE0\xA0\x80"},
           std::pair{"\xED\x9F\xBF", "\xED\x9F\xBF"}, std::pair{"\xEE\x80\x80", "\xEE\x80\x80"},
           std::pair{"\xF4\x8F\xBF\xBF", "\xF4\x8F\xBF\xBF"},
           std::pair{"\xC0\x80", "\xC3\x80\xC2\x80"},                    // overlong: read as Latin-1
           std::pair{"\xE0\x9F\xBF", "\xC3\xA0\xC2\x9F\xC2\xBF"},         // overlong
           std::pair{"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xC2\x80"},         // first surrogate
           std::pair{"\xED\xBF\xBF", "\xC3\xAD\xC2\xBF\xC2\xBF"},         // last surrogate
           std::pair{"\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"}}) {  // past U+10FFFF
    EXPECT_EQ(PreferenceFile::Parse(std::string("[F]\r\nDIR = ") + stored + "\r\n").ReadString("F", "DIR", ""), read)
        << stored;
  }
}

TEST(PreferenceFile, ValueWithLineBreaksCannotAddGroupsOrKeys) {
  PreferenceFile file = PreferenceFile::WithHeader({"c\r\n[EVIL]"});
  file.WriteString("G", "DIR", "x\r\n[EVIL]\r\nZOOM = 4\rY = 1\n");
  file.WriteInt("G", "ZOOM", 2);
  const PreferenceFile reread = PreferenceFile::Parse(file.Serialise());
  EXPECT_EQ(reread.ReadInt("G", "ZOOM", 0), 2);
  EXPECT_EQ(reread.ReadInt("G", "Y", 0), 0);
  EXPECT_EQ(reread.ReadInt("EVIL", "ZOOM", 0), 0);
  EXPECT_EQ(reread.ReadString("G", "DIR", ""), "x  [EVIL]  ZOOM = 4 Y = 1 ");
  EXPECT_EQ(reread.Serialise(), file.Serialise());
}

TEST(PreferenceFile, GarbageAndOversizedInputAreHarmless) {
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  const PreferenceFile noisy = PreferenceFile::Parse(garbage);
  EXPECT_EQ(noisy.ReadInt("G", "K", 5), 5);
  EXPECT_EQ(PreferenceFile::Parse(noisy.Serialise()).Serialise(), noisy.Serialise());

  for (const char* odd : {"[", "]", "=", "[]\r\n= 1", "\xEF\xBB", "\r\r\n\n"}) {
    PreferenceFile file = PreferenceFile::Parse(odd);
    file.WriteInt("G", "K", 1);
    EXPECT_EQ(PreferenceFile::Parse(file.Serialise()).ReadInt("G", "K", 0), 1) << odd;
  }

  const std::string huge = "[G]\r\nK = 1\r\n" + std::string(kMaxPreferenceFileBytes, ';');
  EXPECT_TRUE(PreferenceFile::Parse(huge).Empty());
}

class PreferenceFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("kx_prefs_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string PathOf(const char* name) const { return (dir_ / name).string(); }
  static void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string ReadRaw(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

  std::filesystem::path dir_;
};

TEST_F(PreferenceFileOnDisk, MissingOrEmptyFileIsAbsentAndSavedFileLoadsBack) {
  const std::string path = PathOf("kstr.ini");
  EXPECT_EQ(LoadPreferenceFile(path).status, PreferenceLoadStatus::Absent);
  WriteRaw(path, "");
  EXPECT_EQ(LoadPreferenceFile(path).status, PreferenceLoadStatus::Absent);

  PreferenceFile file = PreferenceFile::WithHeader({"Settings"});
  file.WriteInt("G", "K", 3);
  ASSERT_TRUE(SavePreferenceFile(path, file));
  EXPECT_EQ(ReadRaw(path), file.Serialise());
  const PreferenceLoad load = LoadPreferenceFile(path);
  EXPECT_EQ(load.status, PreferenceLoadStatus::Loaded);
  EXPECT_EQ(load.file.ReadInt("G", "K", 0), 3);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);  // no temporary left over
}

TEST_F(PreferenceFileOnDisk, OversizedOrUnopenableFileIsUnreadable) {
  const std::string path = PathOf("kstr.ini");
  WriteRaw(path, std::string(kMaxPreferenceFileBytes, 'x'));
  EXPECT_NE(LoadPreferenceFile(path).status, PreferenceLoadStatus::Unreadable);  // exactly the limit is read
  WriteRaw(path, std::string(kMaxPreferenceFileBytes + 1, 'x'));
  EXPECT_EQ(LoadPreferenceFile(path).status, PreferenceLoadStatus::Unreadable);
  EXPECT_EQ(LoadPreferenceFile(dir_.string()).status, PreferenceLoadStatus::Unreadable);
  // A file its user may not read (root reads every file: the unprivileged run of the suite checks this).
  WriteRaw(path, "[G]\r\nK = 1\r\n");
  std::filesystem::permissions(path, std::filesystem::perms::none);
  if (geteuid() != 0) {
    EXPECT_EQ(LoadPreferenceFile(path).status, PreferenceLoadStatus::Unreadable);
  }
}

TEST_F(PreferenceFileOnDisk, FailedSaveLeavesTheOldFile) {
  // The target is a directory that cannot be replaced: the save fails and nothing is lost.
  const std::string path = PathOf("taken");
  std::filesystem::create_directories(dir_ / "taken" / "inside");
  PreferenceFile file;
  file.WriteInt("G", "K", 1);
  EXPECT_FALSE(SavePreferenceFile(path, file));
  EXPECT_TRUE(std::filesystem::is_directory(dir_ / "taken" / "inside"));
  EXPECT_FALSE(SavePreferenceFile(PathOf("no/such/folder/kstr.ini"), file));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

}  // namespace
}  // namespace kx
