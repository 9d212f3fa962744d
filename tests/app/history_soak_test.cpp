// A long editing session: tens of thousands of edits, undos, redos and swaps on one App. Each charset's
// history keeps every snapshot by design, so this checks that nothing is lost or mixed up at that depth,
// nor carried into the other charset; memory is what the edits changed (each older snapshot is kept as
// its changed glyphs) plus a 16-byte record per state on the test's side.

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/app.h"
#include "ops/scope.h"

namespace kx {
namespace {

// FNV-1a over the bytes and inks a snapshot restores.
std::uint64_t Fingerprint(const CharsetStore& s) {
  std::uint64_t h = 14695981039346656037ull;
  const auto mix = [&h](std::uint8_t b) { h = (h ^ b) * 1099511628211ull; };
  for (std::uint8_t b : s.editor) mix(b);
  for (std::uint8_t b : s.inks) mix(b);
  return h;
}

// One state as the test tracks it: the content, the modified flag and the charset it belongs to.
struct State {
  std::uint64_t content;
  bool modified;
  int slot;
  bool operator==(const State&) const = default;
};

State Now(const App& app) { return {Fingerprint(app.doc.store), app.doc.store.modified, app.doc.store.editorSlot}; }

// One edit as a command does it: snapshot, then change the editor charset (a glyph transform, and now and
// then a glyph's ink) and mark it modified.
void Edit(App& app, int step, bool discardRedo) {
  app.doc.history.Push(app.doc.store, discardRedo);
  ApplyToGlyph(app.doc.store.editor, static_cast<Transform>(step % kTransformCount), step * 7 % kGlyphCount);
  app.doc.store.editor[static_cast<std::size_t>(step) % kCharsetBytes] ^= static_cast<std::uint8_t>(step);
  if (step % 5 == 0) app.doc.store.inks[static_cast<std::size_t>(step) % kGlyphCount] = static_cast<std::uint8_t>(step % 16);
  app.doc.store.modified = true;
}

// What the history should hold: the state now and the two stacks of each charset.
struct ExpectedHistory {
  State now;
  std::vector<State> undoOf[2] = {}, redoOf[2] = {};

  std::vector<State>& undo() { return undoOf[now.slot]; }
  std::vector<State>& redo() { return redoOf[now.slot]; }
  void Push(bool discardRedo) {
    if (discardRedo) redo().clear();
    undo().push_back(now);
  }
  // Undo or Redo: the top of `from` comes back into its own charset, with the flag it was taken with
  // (there are no loads in these sessions).
  static void Move(std::vector<State>& from, std::vector<State>& to, State& now) {
    to.push_back(now);
    now = from.back();
    from.pop_back();
  }
  void Undo() { Move(undo(), redo(), now); }
  void Redo() { Move(redo(), undo(), now); }
};

void ExpectMatches(const App& app, ExpectedHistory& e) {
  ASSERT_EQ(Now(app), e.now);
  ASSERT_EQ(app.doc.history.UndoDepth(), e.undo().size());
  ASSERT_EQ(app.doc.history.RedoDepth(), e.redo().size());
}

// Undoes everything, then redoes everything, checking every state on the way.
void WalkBothWays(App& app, ExpectedHistory& e) {
  while (!e.undo().empty()) {
    ASSERT_TRUE(app.doc.history.Undo(app.doc.store));
    e.Undo();
    ASSERT_EQ(Now(app), e.now);
  }
  EXPECT_FALSE(app.doc.history.Undo(app.doc.store));
  while (!e.redo().empty()) {
    ASSERT_TRUE(app.doc.history.Redo(app.doc.store));
    e.Redo();
    ASSERT_EQ(Now(app), e.now);
  }
  EXPECT_FALSE(app.doc.history.Redo(app.doc.store));
  ExpectMatches(app, e);
}

TEST(HistorySoak, TwentyThousandEditsUndoAndRedoExactly) {
  App app;
  ExpectedHistory e{Now(app)};
  for (int step = 1; step <= 20000; ++step) {
    Edit(app, step, true);
    e.Push(true);
    e.now = Now(app);
  }
  ExpectMatches(app, e);
  WalkBothWays(app, e);
}

TEST(HistorySoak, MixedEditsUndosRedosAndSwaps) {
  App app;
  ExpectedHistory e{Now(app)};
  std::mt19937 random(1234);
  for (int step = 1; step <= 30000; ++step) {
    switch (random() % 8) {
      case 0: case 1: case 2: case 3: {
        // Menu commands and mouse presses drop the redo entries; the glyph keys keep them.
        const bool discardRedo = random() % 4 != 3;
        Edit(app, step, discardRedo);
        e.Push(discardRedo);
        e.now = Now(app);
        break;
      }
      case 4: case 5:
        if (app.doc.history.Undo(app.doc.store)) e.Undo();
        break;
      case 6:
        if (app.doc.history.Redo(app.doc.store)) e.Redo();
        break;
      case 7:  // the swap brings the other charset with its own history (the document's exchange: the
               // command's memory-pane picture would take most of the run)
        SwapCharsets(app.doc);
        e.now = Now(app);
        break;
    }
    ExpectMatches(app, e);
  }
  for (int charset = 0; charset < 2; ++charset) {
    WalkBothWays(app, e);
    SwapCharsets(app.doc);
    e.now = Now(app);
  }
  app.doc.history.Clear();
  EXPECT_EQ(app.doc.history.UndoDepth() + app.doc.history.RedoDepth(), 0u);
}

}  // namespace
}  // namespace kx
