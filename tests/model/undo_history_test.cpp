#include <gtest/gtest.h>

#include "model/undo_history.h"

namespace kx {
namespace {

// One "edit" as the commands do it: snapshot first, then change and mark modified.
void Edit(UndoHistory& h, CharsetStore& s, std::uint8_t value) {
  h.Push(s, true);
  s.editor[0] = value;
  s.modified = true;
}

TEST(UndoHistory, WalksBackAndForthThroughEachState) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  const Charset start = s.editor;
  Edit(h, s, 1);
  const Charset first = s.editor;
  Edit(h, s, 2);
  const Charset second = s.editor;

  ASSERT_TRUE(h.Undo(s));
  EXPECT_EQ(s.editor, first);
  ASSERT_TRUE(h.Redo(s));
  EXPECT_EQ(s.editor, second);
  ASSERT_TRUE(h.Undo(s));
  EXPECT_EQ(s.editor, first);
  ASSERT_TRUE(h.Undo(s));
  EXPECT_EQ(s.editor, start);
  EXPECT_FALSE(s.modified);  // the flag comes from the snapshot
  EXPECT_FALSE(h.Undo(s));
  EXPECT_EQ(s.editor, start);
}

TEST(UndoHistory, SnapshotCarriesInksColoursAndModifiedFlag) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  s.modified = true;
  h.Push(s, true);
  s.inks[7] = 3;
  s.colours = {DisplayMode::ExtendedBackground, {1, 2, 3, 4}};
  s.modified = false;  // e.g. saved in between
  h.Push(s, true);
  s.colours.mode = DisplayMode::Multicolour;
  h.Undo(s);
  EXPECT_EQ(s.colours, (CharsetColours{DisplayMode::ExtendedBackground, {1, 2, 3, 4}}));
  h.Undo(s);
  EXPECT_TRUE(s.modified);
  EXPECT_EQ(s.inks[7], 1);
  EXPECT_EQ(s.colours, CharsetColours{});
  h.Redo(s);
  h.Redo(s);
  EXPECT_EQ(s.colours.mode, DisplayMode::Multicolour);
}

TEST(UndoHistory, DiscardingPushEmptiesRedoKeepingPushDoesNot) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  Edit(h, s, 1);
  Edit(h, s, 2);
  h.Undo(s);
  ASSERT_TRUE(h.CanRedo());
  h.Push(s, false);  // a glyph key
  EXPECT_TRUE(h.CanRedo());
  h.Push(s, true);   // a menu command
  EXPECT_FALSE(h.CanRedo());
}

TEST(UndoHistory, EnableRules) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  EXPECT_FALSE(h.CanUndo());
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.ClearEnabled());

  Edit(h, s, 1);
  Edit(h, s, 2);
  EXPECT_TRUE(h.CanUndo());
  EXPECT_TRUE(h.ClearEnabled());

  h.Undo(s);
  EXPECT_TRUE(h.CanUndo());
  EXPECT_TRUE(h.CanRedo());
  EXPECT_TRUE(h.ClearEnabled());

  // Clear stays offered while either stack holds steps: redo steps alone, then undo steps alone.
  h.Undo(s);
  EXPECT_FALSE(h.CanUndo());
  EXPECT_TRUE(h.CanRedo());
  EXPECT_TRUE(h.ClearEnabled());
  h.Redo(s);
  h.Redo(s);
  EXPECT_FALSE(h.CanRedo());
  EXPECT_TRUE(h.CanUndo());
  EXPECT_TRUE(h.ClearEnabled());

  h.Clear();
  EXPECT_FALSE(h.CanUndo());
  EXPECT_FALSE(h.CanRedo());
  EXPECT_FALSE(h.ClearEnabled());
}

// A load as the file commands do it: the step first, then the other file's bytes and name.
void Load(UndoHistory& h, CharsetStore& s, const std::string& name) {
  h.PushLoad(s);
  s.editor[0] = 0x55;
  s.slotNames[0] = name;
  s.hasFile = true;
  StartNewGeneration(s);
}

TEST(UndoHistory, ALoadStepsFileGoesOnlyWithItsOwnSnapshot) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  Load(h, s, "B");
  h.Undo(s);
  EXPECT_EQ(s.slotNames[0], "untitled charset 1");
  EXPECT_FALSE(s.hasFile);
  Edit(h, s, 1);  // drops the redo step that would bring B back
  h.Undo(s);
  h.Redo(s);
  EXPECT_EQ(s.slotNames[0], "untitled charset 1");

  h.Clear();
  Load(h, s, "C");
  h.Clear();
  Edit(h, s, 2);  // the same depth as the forgotten load step
  h.Undo(s);
  EXPECT_EQ(s.slotNames[0], "C");
  EXPECT_TRUE(s.hasFile);
}

TEST(UndoHistory, ClearKeepsCharsetAndFlag) {
  CharsetStore s = MakeStartupStore();
  UndoHistory h;
  Edit(h, s, 9);
  h.Clear();
  EXPECT_EQ(s.editor[0], 9);
  EXPECT_TRUE(s.modified);
}

}  // namespace
}  // namespace kx
