#include "io/recovery_copy.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace kx {
namespace {

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

RecoveryCopy Sample() {
  RecoveryCopy copy;
  copy.place = 1;
  copy.name = "/home/u/font <b>.prg";
  copy.file = copy.name;
  copy.fileType = FileType::Prg;
  copy.projectNotRead = "tiles";
  for (int i = 0; i < kCharsetBytes; ++i) copy.bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
  copy.inks[0] = 9;
  copy.inks[255] = 15;
  copy.colours = {DisplayMode::Multicolour, {6, 2, 5, 14}};
  return copy;
}

TEST(RecoveryCopy, KeepsEveryFieldInItsDocumentedLayoutAndRefusesDamage) {
  const RecoveryCopy sample = Sample();
  const std::string encoded = EncodeRecoveryCopy(sample);
  // Magic, version, place, file type, mode, the four registers, then the name's length (little-endian).
  const std::string header("KXRECOVR\x02\x01\x02\x01\x06\x02\x05\x0e\x14\x00", 18);
  EXPECT_EQ(encoded.substr(0, 18), header);
  EXPECT_EQ(encoded.size(), 18u + 20 + 2 + 20 + 2 + 5 + 2048 + 256 + 4);
  EXPECT_EQ(encoded.substr(60, 7), std::string("\x05\x00tiles", 7)) << "what was not read follows the file";
  const auto back = DecodeRecoveryCopy(Bytes(encoded));
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, sample);

  // A version 1 copy has no "not read" field and restores as a charset that is not a read-only project.
  std::string old = encoded.substr(0, encoded.size() - 4);
  old[8] = 1;
  old.erase(60, 7);
  std::uint32_t sum = 2166136261u;
  for (const char c : old) sum = (sum ^ static_cast<std::uint8_t>(c)) * 16777619u;
  for (int shift = 0; shift < 32; shift += 8) old += static_cast<char>((sum >> shift) & 0xFF);
  RecoveryCopy withoutIt = sample;
  withoutIt.projectNotRead.clear();
  const auto fromOld = DecodeRecoveryCopy(Bytes(old));
  ASSERT_TRUE(fromOld);
  EXPECT_EQ(*fromOld, withoutIt);

  struct Damage {
    const char* what;
    std::function<void(std::string&)> change;
    const char* reason;
  };
  const Damage damages[] = {
      {"empty", [](std::string& s) { s.clear(); }, "not a recovery copy"},
      {"another magic", [](std::string& s) { s[0] = 'k'; }, "not a recovery copy"},
      {"newer version", [](std::string& s) { s[8] = 3; }, "written by a newer version of the editor"},
      {"last byte gone", [](std::string& s) { s.pop_back(); }, "cut short"},
      {"half gone", [](std::string& s) { s.resize(s.size() / 2); }, "cut short"},
      {"a charset byte changed", [](std::string& s) { s[100] ^= 0x10; }, "damaged (its check sum does not match)"},
      {"a byte added", [](std::string& s) { s += '\0'; }, "damaged (its check sum does not match)"},
  };
  for (const Damage& d : damages) {
    std::string bytes = encoded;
    d.change(bytes);
    std::string reason;
    EXPECT_FALSE(DecodeRecoveryCopy(Bytes(bytes), &reason)) << d.what;
    EXPECT_EQ(reason, d.reason) << d.what;
  }
}

}  // namespace
}  // namespace kx
