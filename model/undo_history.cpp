#include "model/undo_history.h"

namespace kx {
namespace {

Snapshot Take(const CharsetStore& store) {
  return Snapshot{store.editor, store.inks, store.modified, store.generation};
}

void Restore(CharsetStore& store, const Snapshot& s) {
  store.editor = s.bytes;
  store.inks = s.inks;
  store.modified = s.modified || s.generation != store.generation;
}

}  // namespace

void UndoHistory::Push(const CharsetStore& store, bool discardRedo) {
  if (discardRedo) redo_.clear();
  undo_.push_back(Take(store));
  clearEnabled_ = true;
}

bool UndoHistory::Undo(CharsetStore& store) {
  if (undo_.empty()) return false;
  redo_.push_back(Take(store));
  Restore(store, undo_.back());
  undo_.pop_back();
  clearEnabled_ = !undo_.empty();
  return true;
}

bool UndoHistory::Redo(CharsetStore& store) {
  if (redo_.empty()) return false;
  Push(store, false);
  Restore(store, redo_.back());
  redo_.pop_back();
  if (redo_.empty()) clearEnabled_ = false;
  return true;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  clearEnabled_ = false;
}

}  // namespace kx
