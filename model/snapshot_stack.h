#pragma once
// A stack of charset snapshots that keeps only what changed from one to the next.

#include <cstddef>
#include <cstdint>
#include <deque>

#include "model/charset_store.h"

namespace kx {

// The editor bytes, the per-glyph inks, the display mode and registers, the modified flag and the generation
// at one moment. A snapshot
// restored into another generation (after a load, import, New or save) marks the charset modified whatever
// it recorded: its flag spoke of another file.
struct Snapshot {
  Charset bytes{};
  GlyphInks inks{};
  CharsetColours colours;
  bool modified = false;
  std::uint64_t generation = 0;

  bool operator==(const Snapshot&) const = default;
};

// The newest snapshot is kept whole; each older one only as a record of the glyphs and inks in which it
// differs from the one above it (and its colours when they differ), with its own flag and generation.
// Neighbouring snapshots of one charset lie one edit apart, so a one-pixel edit keeps one glyph and a
// whole-charset command at most all 256.
// Records are taken between the stored snapshots, never against the charset outside, so whatever changes
// the charset between pushes (a load, an import) cannot make a popped snapshot differ from the one pushed.
class SnapshotStack {
 public:
  // O(charset): the new snapshot is compared glyph by glyph with the old top.
  void Push(const Snapshot& s);
  // The newest snapshot. The stack must not be empty.
  const Snapshot& Top() const { return top_; }
  // Drops the newest snapshot; the one below becomes whole again from its record. Not on an empty stack.
  void Pop();
  void Clear();

  bool empty() const { return depth_ == 0; }
  std::size_t size() const { return depth_; }
  // What the snapshots take: the whole newest one and the records of the others.
  std::size_t HeldBytes() const { return (depth_ > 0 ? sizeof(Snapshot) : 0) + records_.size(); }

 private:
  // The records, oldest first, packed end to end (layout in the .cpp). A deque holds what it stores plus at
  // most a block, and gives blocks back as records are popped, where a vector could keep twice the bytes.
  std::deque<std::uint8_t> records_;
  Snapshot top_;
  std::size_t depth_ = 0;
};

}  // namespace kx
