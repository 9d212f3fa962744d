// How much of an input is read: each kind has its own cap, taken from the first bytes and the name before
// the rest is buffered. A file of exactly the cap is read; one byte more is refused, naming the kind.

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>

#include "cli/charset_input.h"
#include "tests/io/temp_files.h"

namespace kx {
namespace {

using namespace testing_files;

std::string MessageOf(const std::variant<CharsetInput, CliFailure>& read) {
  const auto* failure = std::get_if<CliFailure>(&read);
  return failure != nullptr ? failure->message : "";
}

TEST(InputCaps, EachKindIsReadUpToItsCapAndRefusedOneByteBeyond) {
  struct Cap {
    const char* name;
    std::string head;
    std::optional<SourceKind> from;
    std::uint64_t cap;
    const char* refusal;  // after "NAME: "
  };
  const std::string png("\x89PNG\r\n\x1a\n", 8);
  const Cap caps[] = {
      {"game.prg", std::string("\x01\x08", 2), std::nullopt, 65538, "too large for a C64 program (at most 65538 bytes)"},
      {"cart.bin", "", SourceKind::Raw, 16777216, "too large for a binary at an offset (at most 16777216 bytes)"},
      {"frozen.vsf", "VICE Snapshot File\x1a", std::nullopt, 25165824,
       "too large for a VICE snapshot (at most 25165824 bytes)"},
      {"level.ctm", "CTM\x05", std::nullopt, 16777216, "too large for a CharPad project (at most 16777216 bytes)"},
      {"font.png", png, SourceKind::Sheet, 67174400, "too large for a font sheet (at most 67174400 bytes)"},
      {"photo.png", png, std::nullopt, 67174400, "too large for a picture (at most 67174400 bytes)"},
      {"blob", "", std::nullopt, 16777216, "not a known file (too large)"},
  };
  const TempDir dir;
  for (const Cap& c : caps) {
    const std::string path = dir.Path(c.name);
    SourceRequest request;
    request.kind = c.from;
    std::istringstream unused;
    for (const std::uint64_t size : {c.cap, c.cap + 1}) {
      {
        std::ofstream(path, std::ios::binary) << c.head;
      }
      std::filesystem::resize_file(path, size);  // sparse: the zeros cost no disk
      const std::string message = MessageOf(ReadCharsetInput(path, unused, request));
      if (size == c.cap) {
        EXPECT_EQ(message.find("too large"), std::string::npos) << c.name << ": " << message;
      } else {
        EXPECT_EQ(message, path + ": " + c.refusal) << c.name;
      }
    }
    std::filesystem::remove(path);
  }
}

// A stream that never ends, as a device: `head`, then zeros for ever, counting what it served.
class EndlessStream : public std::streambuf {
 public:
  explicit EndlessStream(std::string head) : head_(std::move(head)) { setg(head_.data(), head_.data(), head_.data() + head_.size()); }
  std::size_t served() const { return served_; }

 protected:
  int_type underflow() override {
    served_ += zeros_.size();
    setg(zeros_.data(), zeros_.data(), zeros_.data() + zeros_.size());
    return 0;
  }

 private:
  std::string head_;
  std::array<char, 4096> zeros_{};
  std::size_t served_ = 0;
};

TEST(InputCaps, AnEndlessStandardInputStopsJustPastItsCap) {
  for (const auto& [head, cap, refusal] :
       {std::tuple<std::string, std::size_t, std::string>{"", 16777216, "-: not a known file (too large)"},
        {"VICE Snapshot File\x1a", 25165824, "-: too large for a VICE snapshot (at most 25165824 bytes)"}}) {
    EndlessStream zeros(head);
    std::istream in(&zeros);
    EXPECT_EQ(MessageOf(ReadCharsetInput("-", in)), refusal);
    EXPECT_LE(zeros.served(), cap + 65536);
  }
}

}  // namespace
}  // namespace kx
