#pragma once
// The charset being edited, the charset in memory, and the names and flags that describe them.

#include <array>
#include <cstdint>
#include <string>

#include "model/charset.h"

namespace kx {

// The layout of the last load or save; Save writes in this layout and writes nothing for None or Image.
enum class FileType { None, Chr, Prg, Image };

inline constexpr const char* kProgramTitle = "Kestrelix";
inline constexpr const char* kTitlePrefix = "Kestrelix 1.0 (x64) - ";
inline constexpr const char* kUnsavedSuffix = " <unsaved>";
inline constexpr const char* kUntitled = "untitled";

// Palette entry used for the set pixels of each glyph.
using GlyphInks = std::array<std::uint8_t, kGlyphCount>;

struct CharsetStore {
  Charset editor{};                      // the charset "in Editor": every edit, load and save works on it
  std::array<Charset, 2> slots{};        // Charset 1 and Charset 2; the editor's own slot is stale
  int editorSlot = 0;                    // 0: Charset 1 is in the editor, 1: Charset 2
  std::array<std::string, 2> slotNames{"untitled charset 1", "untitled charset 2"};
  std::string currentName = kUntitled;   // refreshed from the editor slot's name at each title update
  bool modified = false;                 // belongs to the editor, not to a charset: a swap keeps it
  bool hasFile = false;
  FileType fileType = FileType::None;
  std::string lastDirectory;
  GlyphInks inks = DefaultInks();

  static GlyphInks DefaultInks();
};

// Start-up state: the ROM charset in the editor, both slots zero, Charset 1 in the editor.
CharsetStore MakeStartupStore();

// Refreshes the current name from the editor slot and returns
// "Kestrelix 1.0 (x64) - " + name + (" <unsaved>" when modified).
std::string UpdateTitle(CharsetStore& store);

// Exchanges the editor charset with the one in memory. Flags, file type and history are untouched.
void SwapCharsets(CharsetStore& store);

// After a successful load of `path` into the editor buffer.
void ApplyLoadBookkeeping(CharsetStore& store, const std::string& path);
// After a successful write of the editor charset to `path`.
void ApplySaveBookkeeping(CharsetStore& store, const std::string& path);
// New: a cleared editor charset called "untitled" with no file. The memory charset is kept.
void NewCharset(CharsetStore& store);

// The directory part of a path with its trailing separator ("" when it has none), as kept in the last
// directory, so that directory + file name is a path.
std::string DirectoryOf(const std::string& path);

}  // namespace kx
