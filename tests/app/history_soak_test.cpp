// A long editing session: tens of thousands of edits, undos, redos and swaps on one App. The history
// keeps every snapshot by design, so this checks that nothing is lost or mixed up at that depth; memory is
// what the snapshots need (about 2.3 KiB each) plus one 64-bit fingerprint per state on the test's side.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/app.h"
#include "app/swap.h"
#include "ops/scope.h"

namespace kx {
namespace {

// FNV-1a over everything a snapshot restores.
std::uint64_t Fingerprint(const CharsetStore& s) {
  std::uint64_t h = 14695981039346656037ull;
  const auto mix = [&h](std::uint8_t b) { h = (h ^ b) * 1099511628211ull; };
  for (std::uint8_t b : s.editor) mix(b);
  for (std::uint8_t b : s.inks) mix(b);
  mix(s.modified);
  return h;
}

// One edit as a command does it: snapshot, then change the editor charset (a glyph transform, and now and
// then a glyph's ink) and mark it modified.
void Edit(App& app, int step, bool discardRedo) {
  app.history.Push(app.store, discardRedo);
  ApplyToGlyph(app.store.editor, static_cast<Transform>(step % kTransformCount), step * 7 % kGlyphCount);
  app.store.editor[static_cast<std::size_t>(step) % kCharsetBytes] ^= static_cast<std::uint8_t>(step);
  if (step % 5 == 0) app.store.inks[static_cast<std::size_t>(step) % kGlyphCount] = static_cast<std::uint8_t>(step % 16);
  app.store.modified = true;
}

// What the history should hold, kept as fingerprints: the state now and the two stacks.
struct ExpectedHistory {
  std::uint64_t now;
  std::vector<std::uint64_t> undo, redo;

  void Push(bool discardRedo) {
    if (discardRedo) redo.clear();
    undo.push_back(now);
  }
  static void Move(std::vector<std::uint64_t>& from, std::vector<std::uint64_t>& to, std::uint64_t& now) {
    to.push_back(now);
    now = from.back();
    from.pop_back();
  }
};

void ExpectMatches(const App& app, const ExpectedHistory& e) {
  ASSERT_EQ(Fingerprint(app.store), e.now);
  ASSERT_EQ(app.history.UndoDepth(), e.undo.size());
  ASSERT_EQ(app.history.RedoDepth(), e.redo.size());
}

// Undoes everything, then redoes everything, checking every state on the way.
void WalkBothWays(App& app, ExpectedHistory& e) {
  while (!e.undo.empty()) {
    ASSERT_TRUE(app.history.Undo(app.store));
    ExpectedHistory::Move(e.undo, e.redo, e.now);
    ASSERT_EQ(Fingerprint(app.store), e.now);
  }
  EXPECT_FALSE(app.history.Undo(app.store));
  while (!e.redo.empty()) {
    ASSERT_TRUE(app.history.Redo(app.store));
    ExpectedHistory::Move(e.redo, e.undo, e.now);
    ASSERT_EQ(Fingerprint(app.store), e.now);
  }
  EXPECT_FALSE(app.history.Redo(app.store));
  ExpectMatches(app, e);
}

TEST(HistorySoak, TwentyThousandEditsUndoAndRedoExactly) {
  App app;
  ExpectedHistory e{Fingerprint(app.store), {}, {}};
  for (int step = 1; step <= 20000; ++step) {
    Edit(app, step, true);
    e.Push(true);
    e.now = Fingerprint(app.store);
  }
  ExpectMatches(app, e);
  WalkBothWays(app, e);
}

TEST(HistorySoak, MixedEditsUndosRedosAndSwaps) {
  App app;
  ExpectedHistory e{Fingerprint(app.store), {}, {}};
  std::mt19937 random(1234);
  for (int step = 1; step <= 30000; ++step) {
    switch (random() % 8) {
      case 0: case 1: case 2: case 3: {
        // Menu commands and mouse presses drop the redo entries; the glyph keys keep them.
        const bool discardRedo = random() % 4 != 3;
        Edit(app, step, discardRedo);
        e.Push(discardRedo);
        e.now = Fingerprint(app.store);
        break;
      }
      case 4: case 5:
        if (app.history.Undo(app.store)) ExpectedHistory::Move(e.undo, e.redo, e.now);
        break;
      case 6:
        if (app.history.Redo(app.store)) ExpectedHistory::Move(e.redo, e.undo, e.now);
        break;
      case 7:  // the swap changes the editor charset outside the history
        RunSwap(app);
        e.now = Fingerprint(app.store);
        break;
    }
    ExpectMatches(app, e);
  }
  WalkBothWays(app, e);
  app.history.Clear();
  EXPECT_EQ(app.history.UndoDepth() + app.history.RedoDepth(), 0u);
}

}  // namespace
}  // namespace kx
