#pragma once
// Unlimited undo and redo of one charset, as two stacks of snapshots (each keeping the older snapshots as
// what changed). Each of Charset 1 and Charset 2 has its own (see Document), so a swap never lets one
// charset's past into the other.

#include <cstddef>
#include <string>
#include <vector>

#include "model/charset_store.h"
#include "model/snapshot_stack.h"

namespace kx {

// Who the editor charset is, apart from its bytes: its flags whole (file, layout, stamp, unsaved, ...) and
// its name, the title's current name and its slot's.
struct CharsetIdentity {
  CharsetFlags flags;
  std::string name;
};

class UndoHistory {
 public:
  // Called before every change. Menu commands and mouse presses discard the redo entries; the glyph keys
  // (and Redo itself) keep them.
  void Push(const CharsetStore& store, bool discardRedo);
  // Called before a load (Open, a drop, a recent entry, an import from a file) makes the charset another
  // file's: a step like a menu command's that also keeps who the charset was (CharsetIdentity), so that
  // undoing it brings back the earlier file with the earlier bytes and redoing it the loaded one.
  void PushLoad(const CharsetStore& store);
  // Both return false and change nothing when their stack is empty.
  bool Undo(CharsetStore& store);
  bool Redo(CharsetStore& store);
  void Clear();

  // Enable states of Undo and Redo (menu items and buttons) and
  // "Clear Undo/Redo History".
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  // Clear is offered while either stack holds anything to clear, redo steps alone included.
  bool ClearEnabled() const { return !undo_.empty() || !redo_.empty(); }

  std::size_t UndoDepth() const { return undo_.size(); }
  std::size_t RedoDepth() const { return redo_.size(); }
  // What both stacks hold in memory (see SnapshotStack::HeldBytes), with the identities of the load steps.
  std::size_t HeldBytes() const;

 private:
  // The identity of the charset in the stack entry at `depth` (0 = the bottom). Only the steps across a
  // load have one; ordinary edits keep none, so their cost stays that of their snapshot record.
  struct FileStep {
    std::size_t depth;
    CharsetIdentity identity;
  };

  // Moves the top of `from` into the store after putting the current state on `to`; when that top was
  // taken across a load, the identities move with it.
  static void Cross(SnapshotStack& from, std::vector<FileStep>& fromFiles, SnapshotStack& to,
                    std::vector<FileStep>& toFiles, CharsetStore& store);

  SnapshotStack undo_;
  SnapshotStack redo_;
  std::vector<FileStep> undoFiles_;  // deepest first
  std::vector<FileStep> redoFiles_;
};

}  // namespace kx
