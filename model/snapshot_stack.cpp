#include "model/snapshot_stack.h"

#include <algorithm>
#include <array>

namespace kx {
namespace {

// One record turns the snapshot above it back into the one it stands for:
//   per changed glyph: its index, then its 8 bytes
//   per changed ink:   its index, then the ink
//   when the colours changed: the mode, then the registers
//   trailer:           generation (8 bytes), modified (1), glyph count (2), ink count (2), little-endian
// The ink count's top bit says whether the colours are there, so an edit that keeps them costs nothing more.
// The trailer comes last so that the newest record can be read from the end of the log.
constexpr std::size_t kGlyphEntry = 1 + kGlyphBytes;
constexpr std::size_t kInkEntry = 2;
constexpr std::size_t kColoursEntry = 1 + kColourRegisters;
constexpr std::size_t kTrailer = 8 + 1 + 2 + 2;
constexpr std::size_t kLongestRecord =
    kGlyphCount * kGlyphEntry + kGlyphCount * kInkEntry + kColoursEntry + kTrailer;
constexpr std::uint64_t kColoursFlag = 0x8000;

std::uint8_t* PutNumber(std::uint8_t* at, std::uint64_t value, int bytes) {
  for (int n = 0; n < bytes; ++n) *at++ = static_cast<std::uint8_t>(value >> (8 * n));
  return at;
}

std::uint64_t ReadNumber(const std::deque<std::uint8_t>& log, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int n = 0; n < bytes; ++n) value |= static_cast<std::uint64_t>(log[at + n]) << (8 * n);
  return value;
}

}  // namespace

void SnapshotStack::Push(const Snapshot& s) {
  if (depth_ > 0) {
    // The record of the old top against the new one.
    std::array<std::uint8_t, kLongestRecord> record;
    std::uint8_t* at = record.data();
    int glyphs = 0;
    int inks = 0;
    for (int n = 0; n < kGlyphCount; ++n) {
      const auto first = top_.bytes.begin() + n * kGlyphBytes;
      if (std::equal(first, first + kGlyphBytes, s.bytes.begin() + n * kGlyphBytes)) continue;
      *at++ = static_cast<std::uint8_t>(n);
      at = std::copy(first, first + kGlyphBytes, at);
      ++glyphs;
    }
    for (int n = 0; n < kGlyphCount; ++n) {
      if (top_.inks[n] == s.inks[n]) continue;
      *at++ = static_cast<std::uint8_t>(n);
      *at++ = top_.inks[n];
      ++inks;
    }
    const bool colours = top_.colours != s.colours;
    if (colours) {
      *at++ = static_cast<std::uint8_t>(top_.colours.mode);
      at = std::copy(top_.colours.registers.begin(), top_.colours.registers.end(), at);
    }
    at = PutNumber(at, top_.generation, 8);
    *at++ = top_.modified ? 1 : 0;
    at = PutNumber(at, static_cast<std::uint64_t>(glyphs), 2);
    at = PutNumber(at, static_cast<std::uint64_t>(inks) | (colours ? kColoursFlag : 0), 2);
    records_.insert(records_.end(), record.data(), at);
  }
  top_ = s;
  ++depth_;
}

void SnapshotStack::Pop() {
  if (--depth_ == 0) return;
  const std::size_t trailer = records_.size() - kTrailer;
  const auto glyphs = static_cast<std::size_t>(ReadNumber(records_, trailer + 9, 2));
  const std::uint64_t inkField = ReadNumber(records_, trailer + 11, 2);
  const auto inks = static_cast<std::size_t>(inkField & ~kColoursFlag);
  const std::size_t colours = (inkField & kColoursFlag) != 0 ? kColoursEntry : 0;
  const std::size_t start = trailer - glyphs * kGlyphEntry - inks * kInkEntry - colours;
  std::size_t at = start;
  for (std::size_t n = 0; n < glyphs; ++n, at += kGlyphEntry) {
    const std::size_t glyph = records_[at];
    std::copy_n(records_.begin() + static_cast<std::ptrdiff_t>(at + 1), kGlyphBytes,
                top_.bytes.begin() + static_cast<std::ptrdiff_t>(glyph * kGlyphBytes));
  }
  for (std::size_t n = 0; n < inks; ++n, at += kInkEntry) top_.inks[records_[at]] = records_[at + 1];
  if (colours != 0) {
    top_.colours.mode = static_cast<DisplayMode>(records_[at]);
    for (int r = 0; r < kColourRegisters; ++r) top_.colours.registers[r] = records_[at + 1 + r];
  }
  top_.generation = ReadNumber(records_, trailer, 8);
  top_.modified = records_[trailer + 8] != 0;
  records_.erase(records_.begin() + static_cast<std::ptrdiff_t>(start), records_.end());
}

void SnapshotStack::Clear() {
  // A fresh deque: clear() would keep the block map sized for the longest history so far.
  if (!records_.empty()) std::deque<std::uint8_t>().swap(records_);
  depth_ = 0;
}

}  // namespace kx
