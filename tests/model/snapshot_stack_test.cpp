#include <gtest/gtest.h>

#include <vector>

#include "model/snapshot_stack.h"

namespace kx {
namespace {

// Each row turns the previous snapshot into the next; `kept` is what the previous one's record then takes
// (9 bytes per changed glyph, 2 per changed ink, 5 for changed colours, 13 for generation, flag and counts).
struct Change {
  const char* what;
  void (*apply)(Snapshot&);
  std::size_t kept;
};

const Change kChanges[] = {
    {"one pixel in glyph 0", [](Snapshot& s) { s.bytes[0] ^= 0x80; }, 22},
    {"last byte of glyph 255", [](Snapshot& s) { s.bytes[2047] = 0x01; }, 22},
    {"one ink", [](Snapshot& s) { s.inks[200] = 7; }, 15},
    {"flag and generation", [](Snapshot& s) { s.modified = !s.modified; s.generation = 0x0102030405060708; }, 13},
    {"every glyph", [](Snapshot& s) { for (auto& b : s.bytes) b = static_cast<std::uint8_t>(~b); }, 2317},
    {"a glyph row and every ink",
     [](Snapshot& s) {
       for (int n = 768; n < 1024; ++n) s.bytes[n] = static_cast<std::uint8_t>(n);
       for (auto& ink : s.inks) ink = static_cast<std::uint8_t>(ink + 1);
     },
     32 * 9 + 256 * 2 + 13},
    {"mode and one register",
     [](Snapshot& s) {
       s.colours.mode = DisplayMode::Multicolour;
       s.colours.registers[3] = 2;
     },
     18},
    {"colours, one ink and one glyph",
     [](Snapshot& s) { s.colours.registers[0] = 6; s.inks[0] = 9; s.bytes[8] = 0x3C; }, 9 + 2 + 5 + 13},
    {"nothing", [](Snapshot&) {}, 13},
};

TEST(SnapshotStack, PopsGiveBackEveryPushedSnapshotWhileOlderOnesKeepOnlyTheirChanges) {
  Snapshot s;
  s.modified = true;
  s.generation = 3;
  for (int n = 0; n < kCharsetBytes; ++n) s.bytes[n] = static_cast<std::uint8_t>(n * 37);
  std::vector<Snapshot> pushed{s};
  SnapshotStack stack;
  EXPECT_EQ(stack.HeldBytes(), 0u);
  stack.Push(s);
  EXPECT_EQ(stack.HeldBytes(), sizeof(Snapshot));
  for (const Change& change : kChanges) {
    change.apply(s);
    const std::size_t held = stack.HeldBytes();
    stack.Push(s);
    pushed.push_back(s);
    EXPECT_EQ(stack.HeldBytes() - held, change.kept) << change.what;
  }

  // Pops and pushes interleaved: a popped snapshot's place is taken by another one.
  ASSERT_EQ(stack.size(), pushed.size());
  for (int n = 0; n < 3; ++n) {
    ASSERT_TRUE(stack.Top() == pushed.back()) << pushed.size();
    stack.Pop();
    pushed.pop_back();
  }
  Snapshot other = pushed.back();
  other.bytes[1000] ^= 0xFF;
  other.generation = 9;
  stack.Push(other);
  pushed.push_back(other);

  while (!pushed.empty()) {
    ASSERT_EQ(stack.size(), pushed.size());
    ASSERT_TRUE(stack.Top() == pushed.back()) << pushed.size();
    stack.Pop();
    pushed.pop_back();
  }
  EXPECT_TRUE(stack.empty());
  EXPECT_EQ(stack.HeldBytes(), 0u);

  // Cleared with records in it, the stack starts afresh.
  for (int n = 0; n < 3; ++n) stack.Push(other);
  stack.Clear();
  EXPECT_TRUE(stack.empty());
  EXPECT_EQ(stack.HeldBytes(), 0u);
  stack.Push(s);
  EXPECT_TRUE(stack.Top() == s);
}

}  // namespace
}  // namespace kx
