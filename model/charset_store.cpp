#include "model/charset_store.h"

#include <utility>

#include "model/rom_charset.h"

namespace kx {

GlyphInks CharsetStore::DefaultInks() {
  GlyphInks inks{};
  inks.fill(1);
  return inks;
}

CharsetStore MakeStartupStore() {
  CharsetStore store;
  store.editor = RomCharset();
  return store;
}

std::string UpdateTitle(CharsetStore& store) {
  store.currentName = store.slotNames[store.editorSlot & 1];
  return kTitlePrefix + store.currentName + (store.modified ? kUnsavedSuffix : "");
}

void SwapCharsets(CharsetStore& store) {
  const int leaving = store.editorSlot & 1;
  const int arriving = 1 - leaving;
  store.slots[leaving] = store.editor;
  store.editor = store.slots[arriving];
  store.slotInks[leaving] = store.inks;
  store.inks = store.slotInks[arriving];
  store.slotColours[leaving] = store.colours;
  store.colours = store.slotColours[arriving];
  store.editorSlot = arriving;
  std::swap(static_cast<CharsetFlags&>(store), store.memoryFlags);
}

const std::string& MemoryCharsetName(const CharsetStore& store) {
  return store.slotNames[1 - (store.editorSlot & 1)];
}

void StartNewGeneration(CharsetStore& store) { store.generation = ++store.lastGeneration; }

namespace {

void NameAfterFile(CharsetStore& store, const std::string& path) {
  store.currentName = path;
  store.slotNames[store.editorSlot & 1] = path;
  store.modified = false;
  store.hasFile = true;
  store.diskStamp = {};
  StartNewGeneration(store);
}

}  // namespace

void ApplyLoadBookkeeping(CharsetStore& store, const std::string& path, std::optional<std::uint16_t> loadAddress) {
  NameAfterFile(store, path);
  store.loadAddress = loadAddress;
  store.projectNotRead.clear();
}

void ApplySaveBookkeeping(CharsetStore& store, const std::string& path) {
  NameAfterFile(store, path);
  store.projectNotRead.clear();
}

void NewCharset(CharsetStore& store) {
  store.editor.fill(0);
  store.inks = CharsetStore::DefaultInks();
  store.hasFile = false;
  store.diskStamp = {};
  store.loadAddress.reset();
  store.projectNotRead.clear();
  store.modified = false;
  store.currentName = kUntitled;
  store.slotNames[store.editorSlot & 1] = kUntitled;
  StartNewGeneration(store);
}

std::string DirectoryOf(const std::string& path) {
  const auto cut = path.find_last_of("/\\");
  return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

}  // namespace kx
