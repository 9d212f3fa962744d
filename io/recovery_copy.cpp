#include "io/recovery_copy.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

constexpr std::array<std::uint8_t, 8> kMagic{'K', 'X', 'R', 'E', 'C', 'O', 'V', 'R'};
constexpr std::size_t kMaxText = 0xFFFF;
constexpr std::uint8_t kLastFileType = static_cast<std::uint8_t>(FileType::CharPad);
constexpr std::uint8_t kLastMode = static_cast<std::uint8_t>(DisplayMode::ExtendedBackground);
constexpr std::uint8_t kLastColour = 15;

// FNV-1a over the bytes: any damaged byte changes it.
std::uint32_t CheckSum(std::span<const std::uint8_t> data) {
  std::uint32_t sum = 2166136261u;
  for (const std::uint8_t b : data) sum = (sum ^ b) * 16777619u;
  return sum;
}

void PutText(std::string& out, const std::string& text) {
  const std::size_t n = std::min(text.size(), kMaxText);
  out += static_cast<char>(n & 0xFF);
  out += static_cast<char>(n >> 8);
  out.append(text, 0, n);
}

// Reads the fields in order; any read past the end leaves `shortOfData` set.
struct Reader {
  std::span<const std::uint8_t> data;
  std::size_t at = 0;
  bool shortOfData = false;

  std::span<const std::uint8_t> Take(std::size_t n) {
    if (data.size() - at < n) {
      shortOfData = true;
      at = data.size();
      return {};
    }
    const auto part = data.subspan(at, n);
    at += n;
    return part;
  }
  std::uint8_t Byte() {
    const auto b = Take(1);
    return b.empty() ? 0 : b[0];
  }
  std::string Text() {
    const std::size_t low = Byte();
    const std::size_t n = low | static_cast<std::size_t>(Byte()) << 8;
    const auto bytes = Take(n);
    return {bytes.begin(), bytes.end()};
  }
};

std::optional<RecoveryCopy> Refuse(std::string* reason, const char* why) {
  if (reason) *reason = why;
  return std::nullopt;
}

}  // namespace

std::string EncodeRecoveryCopy(const RecoveryCopy& copy) {
  std::string out(kMagic.begin(), kMagic.end());
  out += static_cast<char>(kRecoveryCopyVersion);
  out += static_cast<char>(copy.place & 1);
  out += static_cast<char>(copy.fileType);
  out += static_cast<char>(copy.colours.mode);
  for (const std::uint8_t r : copy.colours.registers) out += static_cast<char>(r & kLastColour);
  PutText(out, copy.name);
  PutText(out, copy.file);
  PutText(out, copy.projectNotRead);
  out.append(copy.bytes.begin(), copy.bytes.end());
  for (const std::uint8_t ink : copy.inks) out += static_cast<char>(ink & kLastColour);
  const std::uint32_t sum =
      CheckSum({reinterpret_cast<const std::uint8_t*>(out.data()), out.size()});
  for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((sum >> shift) & 0xFF);
  return out;
}

std::optional<RecoveryCopy> DecodeRecoveryCopy(std::span<const std::uint8_t> data, std::string* reason) {
  if (data.size() < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), data.begin())) {
    return Refuse(reason, "not a recovery copy");
  }
  if (data.size() > kMagic.size() && data[kMagic.size()] > kRecoveryCopyVersion) {
    return Refuse(reason, "written by a newer version of the editor");
  }
  if (data.size() < kMagic.size() + 5) return Refuse(reason, "cut short");
  const std::size_t body = data.size() - 4;
  std::uint32_t stored = 0;
  for (int i = 3; i >= 0; --i) stored = stored << 8 | data[body + static_cast<std::size_t>(i)];
  const std::uint8_t version = data[kMagic.size()];
  Reader in{data.first(body), kMagic.size() + 1};
  RecoveryCopy copy;
  copy.place = in.Byte();
  const std::uint8_t fileType = in.Byte();
  const std::uint8_t mode = in.Byte();
  for (std::uint8_t& r : copy.colours.registers) r = in.Byte();
  copy.name = in.Text();
  copy.file = in.Text();
  if (version >= 2) copy.projectNotRead = in.Text();
  const auto bytes = in.Take(kCharsetBytes);
  const auto inks = in.Take(kGlyphCount);
  // A copy cut short has its last four bytes read as the sum, so the sum fails for it too; name the cut.
  if (in.shortOfData) return Refuse(reason, "cut short");
  if (CheckSum(data.first(body)) != stored) return Refuse(reason, "damaged (its check sum does not match)");
  if (in.at != body) return Refuse(reason, "damaged (bytes after its end)");
  const bool colourOutOfRange = std::any_of(copy.colours.registers.begin(), copy.colours.registers.end(),
                                            [](std::uint8_t r) { return r > kLastColour; }) ||
                                std::any_of(inks.begin(), inks.end(), [](std::uint8_t i) { return i > kLastColour; });
  if (copy.place > 1 || fileType > kLastFileType || mode > kLastMode || colourOutOfRange) {
    return Refuse(reason, "damaged (a value out of range)");
  }
  copy.fileType = static_cast<FileType>(fileType);
  copy.colours.mode = static_cast<DisplayMode>(mode);
  std::copy(bytes.begin(), bytes.end(), copy.bytes.begin());
  std::copy(inks.begin(), inks.end(), copy.inks.begin());
  return copy;
}

}  // namespace kx
