#include "model/undo_history.h"

namespace kx {
namespace {

Snapshot Take(const CharsetStore& store) {
  return Snapshot{store.editor, store.inks, store.colours, store.modified, store.generation};
}

void Restore(CharsetStore& store, const Snapshot& s) {
  store.editor = s.bytes;
  store.inks = s.inks;
  store.colours = s.colours;
  store.modified = s.modified || s.generation != store.generation;
}

CharsetIdentity IdentityOf(const CharsetStore& store) {
  return {static_cast<const CharsetFlags&>(store), store.slotNames[store.editorSlot & 1]};
}

void TakeOn(CharsetStore& store, const CharsetIdentity& identity) {
  static_cast<CharsetFlags&>(store) = identity.flags;
  store.slotNames[store.editorSlot & 1] = identity.name;
  store.currentName = identity.name;
}

}  // namespace

void UndoHistory::Push(const CharsetStore& store, bool discardRedo) {
  if (discardRedo) {
    redo_.Clear();
    redoFiles_.clear();
  }
  undo_.Push(Take(store));
}

void UndoHistory::PushLoad(const CharsetStore& store) {
  Push(store, true);
  undoFiles_.push_back({undo_.size() - 1, IdentityOf(store)});
}

void UndoHistory::Cross(SnapshotStack& from, std::vector<FileStep>& fromFiles, SnapshotStack& to,
                        std::vector<FileStep>& toFiles, CharsetStore& store) {
  const bool acrossLoad = !fromFiles.empty() && fromFiles.back().depth == from.size() - 1;
  to.Push(Take(store));
  if (acrossLoad) {
    // The state left behind is the other file's, and going back to it must bring that file back too.
    toFiles.push_back({to.size() - 1, IdentityOf(store)});
    // First the identity: its generation is the one the snapshot was taken under.
    TakeOn(store, fromFiles.back().identity);
    fromFiles.pop_back();
  }
  Restore(store, from.Top());
  from.Pop();
}

bool UndoHistory::Undo(CharsetStore& store) {
  if (undo_.empty()) return false;
  Cross(undo_, undoFiles_, redo_, redoFiles_, store);
  return true;
}

bool UndoHistory::Redo(CharsetStore& store) {
  if (redo_.empty()) return false;
  Cross(redo_, redoFiles_, undo_, undoFiles_, store);
  return true;
}

void UndoHistory::Clear() {
  undo_.Clear();
  redo_.Clear();
  undoFiles_.clear();
  redoFiles_.clear();
}

std::size_t UndoHistory::HeldBytes() const {
  std::size_t held = undo_.HeldBytes() + redo_.HeldBytes();
  for (const auto* files : {&undoFiles_, &redoFiles_}) {
    for (const FileStep& step : *files) held += sizeof(FileStep) + step.identity.name.size();
  }
  return held;
}

}  // namespace kx
