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

}  // namespace

void UndoHistory::Push(const CharsetStore& store, bool discardRedo) {
  if (discardRedo) redo_.Clear();
  undo_.Push(Take(store));
  clearEnabled_ = true;
}

bool UndoHistory::Undo(CharsetStore& store) {
  if (undo_.empty()) return false;
  redo_.Push(Take(store));
  Restore(store, undo_.Top());
  undo_.Pop();
  clearEnabled_ = !undo_.empty();
  return true;
}

bool UndoHistory::Redo(CharsetStore& store) {
  if (redo_.empty()) return false;
  Push(store, false);
  Restore(store, redo_.Top());
  redo_.Pop();
  if (redo_.empty()) clearEnabled_ = false;
  return true;
}

void UndoHistory::Clear() {
  undo_.Clear();
  redo_.Clear();
  clearEnabled_ = false;
}

}  // namespace kx
