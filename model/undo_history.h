#pragma once
// Unlimited undo and redo of one charset, as two stacks of snapshots (each keeping the older snapshots as
// what changed). Each of Charset 1 and Charset 2 has its own (see Document), so a swap never lets one
// charset's past into the other.

#include <cstddef>

#include "model/charset_store.h"
#include "model/snapshot_stack.h"

namespace kx {

class UndoHistory {
 public:
  // Called before every change. Menu commands and mouse presses discard the redo entries; the glyph keys
  // (and Redo itself) keep them.
  void Push(const CharsetStore& store, bool discardRedo);
  // Both return false and change nothing when their stack is empty.
  bool Undo(CharsetStore& store);
  bool Redo(CharsetStore& store);
  void Clear();

  // Enable states of Undo (item 50 and its button), Redo (item 51 and its button) and
  // "Clear Undo/Redo History" (item 52).
  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool ClearEnabled() const { return clearEnabled_; }

  std::size_t UndoDepth() const { return undo_.size(); }
  std::size_t RedoDepth() const { return redo_.size(); }
  // What both stacks hold in memory (see SnapshotStack::HeldBytes).
  std::size_t HeldBytes() const { return undo_.HeldBytes() + redo_.HeldBytes(); }

 private:
  SnapshotStack undo_;
  SnapshotStack redo_;
  // Item 52 follows its own rule: enabled by Push and Undo, disabled when Undo empties the undo stack or
  // Redo empties the redo stack, even while the other stack still holds entries.
  bool clearEnabled_ = false;
};

}  // namespace kx
