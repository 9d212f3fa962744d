// A long editing session through the same entry points as the window: thousands of strokes with every
// drawing and glyph tool, menu commands of every editing kind, and undo and redo in between. Afterwards
// undoing everything must give back the charset the session started with, and the history's memory per
// step is reported and bounded: a one-pixel click keeps one glyph, a whole-charset command the charset.

#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <random>
#include <vector>

#include "app/app.h"
#include "app/command_ids.h"
#include "app/editor_clicks.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "app/transform_families.h"
#include "tests/support/scripted_dialogs.h"

namespace kx {
namespace {

// Strokes and commands in one session; lower it to shorten the run, the checks hold for any count.
constexpr int kSessionSteps = 10000;

// The tools a stroke is drawn with, chosen as the menu chooses them.
constexpr CommandId kToolCommands[] = {cmd::DrawContinuous, cmd::DrawDotted, cmd::LineDraw, cmd::BoxHollow,
                                       cmd::BoxFilled,      cmd::FillChar,   cmd::ReverseChar, cmd::EraseChar,
                                       cmd::Copy,           cmd::Paste,      cmd::Cut};

// Every editing command outside the transform families, once each.
std::vector<CommandId> EditCommands() {
  std::vector<CommandId> ids = {cmd::Swap,           cmd::Compress,          cmd::RestoreRomAll,
                                cmd::RestoreRomFirst128, cmd::RestoreRomLast128, cmd::EraseFirst128,
                                cmd::EraseLast128,   cmd::ReverseFirst128,   cmd::ReverseLast128,
                                cmd::CopyTopRowsToBottom, cmd::CopyBottomRowsToTop, cmd::RestoreRomIndividual};
  for (CommandId id = cmd::SlideRightNoWrap; id <= cmd::SlideDownNoWrap; ++id) ids.push_back(id);
  for (CommandId id = cmd::Font1x2NoReverse; id <= cmd::Font2x2Reversed; ++id) ids.push_back(id);
  for (int row = 0; row < kGlyphRows; ++row) {
    for (CommandId first : {cmd::EraseRowFirst, cmd::ReverseRowFirst, cmd::CopyRowToMemoryFirst,
                            cmd::PasteRowFromMemoryFirst}) {
      ids.push_back(first + row);
    }
  }
  // Every scope of every transform family except the Individual item, which only picks a tool.
  for (const TransformFamily& family : TransformFamilies()) {
    for (int offset = 1; offset < kFamilySize; ++offset) ids.push_back(family.base + offset);
  }
  return ids;
}

class Session {
 public:
  Session() : commands_(EditCommands()) {
    app_.shell.dialogs = &dialogs_;
    app_.doc.store.editor[1] = 0x81;  // a start that differs from the ROM charset, so a restore shows
    // A small window: every event still redraws the views, but the session is about the charset and its
    // history, and a smaller editor view keeps the run short under the sanitizers too.
    WindowMetrics small;
    small.clientWidth = 400;
    small.clientHeight = 300;
    ResizeWindow(app_, small);
  }

  App& app() { return app_; }

  void Step() {
    const int choice = Pick(10);
    if (choice < 5) return Stroke();
    if (choice < 8) {
      RunCommand(app_, commands_[Pick(static_cast<int>(commands_.size()))]);
      return Track();
    }
    if (choice < 9) return UndoRedoBurst();
    RunCommand(app_, kToolCommands[Pick(static_cast<int>(std::size(kToolCommands)))]);
    Stroke();
  }

  // A left press and release on one pixel of the editor view.
  void Click() {
    testing_clicks::ClickAt(app_, app_.view.layout.blockSize / 2, app_.view.layout.blockSize / 2);
    Track();
  }

  // What both charsets' histories hold.
  std::size_t HeldBytes() const { return app_.doc.history.HeldBytes() + app_.doc.memoryHistory.HeldBytes(); }

  // A press, up to four moves and a release with one button, inside the visible part of the editor view.
  void Stroke() {
    const MouseButton button = Pick(3) == 0 ? MouseButton::Right : MouseButton::Left;
    const bool left = button == MouseButton::Left;
    const int block = app_.view.layout.blockSize;
    auto event = [&](MouseAction action) {
      MouseEvent e;
      e.action = action;
      e.x = Pick(app_.view.layout.ColumnsVisible()) * block + block / 2;
      e.y = Pick(app_.view.layout.RowsVisible()) * block + block / 2;
      e.button = action == MouseAction::Move ? MouseButton::None : button;
      e.leftHeld = left && action != MouseAction::Up;
      e.rightHeld = !left && action != MouseAction::Up;
      return e;
    };
    OnEditorMouse(app_, event(MouseAction::Down));
    for (int moves = Pick(5); moves > 0; --moves) OnEditorMouse(app_, event(MouseAction::Move));
    OnEditorMouse(app_, event(MouseAction::Up));
    Track();
  }

  std::size_t peakDepth = 0;
  std::size_t peakHeldBytes = 0;
  int undoRedoMismatches = 0;
  int stepsAddingTwoSnapshots = 0;

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

  // Some undos, then some redos: each redo must bring back exactly what its undo took away.
  void UndoRedoBurst() {
    std::vector<Charset> undone;
    for (int n = 1 + Pick(4); n > 0 && app_.doc.history.CanUndo(); --n) {
      undone.push_back(app_.doc.store.editor);
      RunCommand(app_, cmd::Undo);
    }
    for (int n = Pick(static_cast<int>(undone.size()) + 1); n > 0; --n) {
      RunCommand(app_, cmd::Redo);
      if (app_.doc.store.editor != undone.back()) ++undoRedoMismatches;
      undone.pop_back();
    }
    Track();
  }

  // A stroke or a command snapshots at most once; an undo or redo only moves snapshots between the stacks.
  void Track() {
    const UndoHistory& other = app_.doc.memoryHistory;
    const std::size_t depth = app_.doc.history.UndoDepth() + app_.doc.history.RedoDepth() + other.UndoDepth() +
                              other.RedoDepth();
    if (depth > lastDepth_ + 1) ++stepsAddingTwoSnapshots;
    lastDepth_ = depth;
    peakDepth = std::max(peakDepth, depth);
    peakHeldBytes = std::max(peakHeldBytes, HeldBytes());
  }

  ScriptedDialogs dialogs_;
  App app_;
  std::vector<CommandId> commands_;
  std::size_t lastDepth_ = 0;
  std::mt19937 random_{20240607};
};

TEST(LongSession, UndoingEverythingGivesBackTheStartAndTheHistoryStaysSmall) {
  Session session;
  App& app = session.app();
  const Charset start = app.doc.store.editor;
  const GlyphInks startInks = app.doc.store.inks;
  const auto began = std::chrono::steady_clock::now();
  session.Stroke();  // drawn with the start tool, so the oldest snapshot is the start
  for (int step = 1; step < kSessionSteps; ++step) session.Step();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

  EXPECT_EQ(session.undoRedoMismatches, 0);
  const std::size_t depth = app.doc.history.UndoDepth() + app.doc.history.RedoDepth();
  const double bytesPerStep = static_cast<double>(session.peakHeldBytes) / kSessionSteps;
  std::cout << "[ session  ] " << kSessionSteps << " steps in " << seconds << " s; history " << depth
            << " snapshots (peak " << session.peakDepth << ", " << session.peakHeldBytes << " bytes): "
            << bytesPerStep << " bytes per step\n";
  RecordProperty("BytesPerStep", static_cast<int>(bytesPerStep));
  // No step may take two snapshots, nor cost more than a whole one: the 2048 charset bytes, the 256 inks
  // and a few bytes of flags (the newest snapshot of each stack, kept whole, adds one such at most).
  EXPECT_EQ(session.stepsAddingTwoSnapshots, 0);
  EXPECT_LE(sizeof(Snapshot), 2048u + 256u + 16u);
  EXPECT_LE(bytesPerStep, 2048.0 + 256.0 + 16.0);
  EXPECT_LE(session.peakDepth, static_cast<std::size_t>(kSessionSteps));

  // Single steps, each measured when the next one is pushed (the newest is held whole until then): a
  // one-pixel click, a whole-charset command that changes at least half the glyphs, and another one.
  OnEditorKey(app, KeyEvent{KeyAction::Press, Key::Home}, 0, 0);  // the click lands on pixel (0, 0)
  RunCommand(app, cmd::DrawContinuous);
  RunCommand(app, cmd::EraseFirst128);  // drops the redo steps, so the stacks only grow from here
  session.Click();
  ASSERT_TRUE(GetCharsetPixel(app.doc.store.editor, 0, 0));
  const auto measure = [&](auto&& next) {
    const std::size_t held = session.HeldBytes();
    next();
    return session.HeldBytes() - held;
  };
  const std::size_t pixelStep = measure([&] { RunCommand(app, cmd::RestoreRomAll); });
  const std::size_t wholeCharsetStep = measure([&] { RunCommand(app, cmd::SlideRightNoWrap); });
  const std::size_t slideStep = measure([&] { session.Click(); });
  std::cout << "[ steps    ] one pixel " << pixelStep << " bytes, whole charset " << wholeCharsetStep << " and "
            << slideStep << " bytes\n";
  EXPECT_LE(pixelStep, 100u);
  EXPECT_LE(wholeCharsetStep, 2400u);
  EXPECT_LE(slideStep, 2400u);
  EXPECT_GE(wholeCharsetStep, 1024u);  // half the charset was erased: the step really keeps those glyphs

  // Each charset undoes back to its own start: Charset 1 to the session's, Charset 2 to the empty one the
  // first swap brought in.
  for (int charset = 0; charset < 2; ++charset) {
    while (app.doc.history.CanUndo()) RunCommand(app, cmd::Undo);
    const bool first = app.doc.store.editorSlot == 0;
    EXPECT_TRUE(app.doc.store.editor == (first ? start : Charset{})) << "undoing everything did not give back "
                                                                      << (first ? "Charset 1" : "Charset 2");
    EXPECT_FALSE(ItemState(app, cmd::Undo).enabled);
    if (first) {
      EXPECT_FALSE(app.doc.store.modified);  // the oldest snapshot's flag, from before the first stroke
      EXPECT_TRUE(ItemState(app, cmd::Redo).enabled);
    }
    RunCommand(app, cmd::Swap);
  }
  EXPECT_TRUE(app.doc.store.inks == startInks);
}

}  // namespace
}  // namespace kx
