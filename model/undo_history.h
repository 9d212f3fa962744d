#pragma once
// Unlimited undo and redo of one charset, as two stacks of whole-charset snapshots. Each of Charset 1 and
// Charset 2 has its own (see Document), so a swap never lets one charset's past into the other.

#include <vector>

#include "model/charset_store.h"

namespace kx {

// The editor bytes, the per-glyph inks, the modified flag and the generation at one moment. A snapshot
// restored into another generation (after a load, import, New or save) marks the charset modified whatever
// it recorded: its flag spoke of another file.
struct Snapshot {
  Charset bytes{};
  GlyphInks inks{};
  bool modified = false;
  std::uint64_t generation = 0;
};

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

 private:
  std::vector<Snapshot> undo_;
  std::vector<Snapshot> redo_;
  // Item 52 follows its own rule: enabled by Push and Undo, disabled when Undo empties the undo stack or
  // Redo empties the redo stack, even while the other stack still holds entries.
  bool clearEnabled_ = false;
};

}  // namespace kx
