#pragma once
// The charset being edited, the charset in memory, and the names and flags that describe them.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/charset.h"
#include "model/charset_colours.h"
#include "runtime/file_stamp.h"

namespace kx {

// The layout of the last load or save; Save writes in this layout and writes nothing for None or Image.
// CharPad is a project: the bytes with the inks, the mode and the registers.
enum class FileType { None, Chr, Prg, Image, CharPad };

inline constexpr const char* kProgramTitle = "Kestrelix";
inline constexpr const char* kTitlePrefix = "Kestrelix 1.0 (x64) - ";
inline constexpr const char* kUnsavedSuffix = " <unsaved>";
inline constexpr const char* kUntitled = "untitled";

// Palette entry used for the set pixels of each glyph.
using GlyphInks = std::array<std::uint8_t, kGlyphCount>;

// What one charset carries besides its bytes and name. Each of Charset 1 and Charset 2 has its own, and
// they travel with it when it is swapped in or out of the editor.
struct CharsetFlags {
  bool modified = false;               // unsaved changes
  bool hasFile = false;                // Save may write to its name without asking for one
  FileType fileType = FileType::None;  // the layout Save writes
  // Names the content's lineage: a new value on every load, import, New and save. An undo snapshot taken
  // under another generation belongs to other content or another file, so restoring it cannot vouch for
  // "unsaved" being off.
  std::uint64_t generation = 0;
  // The charset's file as it was on disk right after the last load or save of it (no stamp before the
  // first). A write over that file compares it, to notice a change made by someone else since.
  FileStamp diskStamp;
  // The load address in the header of the file the charset was read from, when that file had one. A .prg
  // save writes it back, so a charset keeps the address its program loads it at; one that never had an
  // address is written with $0000.
  std::optional<std::uint16_t> loadAddress;
  // The charset's file is a CharPad project holding more than was read (characters past 255, tiles, a
  // map, materials): the words for what, empty otherwise. Writing a project over that file asks first.
  std::string projectNotRead;
};

// The editor charset's flags are the store's own (the CharsetFlags base); the memory charset's are
// `memoryFlags`.
struct CharsetStore : CharsetFlags {
  Charset editor{};                      // the charset "in Editor": every edit, load and save works on it
  std::array<Charset, 2> slots{};        // Charset 1 and Charset 2; the editor's own slot is stale
  int editorSlot = 0;                    // 0: Charset 1 is in the editor, 1: Charset 2
  std::array<std::string, 2> slotNames{"untitled charset 1", "untitled charset 2"};
  std::string currentName = kUntitled;   // refreshed from the editor slot's name at each title update
  CharsetFlags memoryFlags{.generation = 1, .diskStamp = {}, .loadAddress = {}, .projectNotRead = {}};
  std::uint64_t lastGeneration = 1;      // the newest generation handed out
  std::string lastDirectory;
  GlyphInks inks = DefaultInks();        // the editor charset's per-glyph inks
  CharsetColours colours;                // the editor charset's display mode and registers
  // Each charset's inks and colours while it is in memory; the editor's own entries are stale, as in `slots`.
  std::array<GlyphInks, 2> slotInks{DefaultInks(), DefaultInks()};
  std::array<CharsetColours, 2> slotColours{};

  static GlyphInks DefaultInks();
};

// Start-up state: the ROM charset in the editor, both slots zero, Charset 1 in the editor.
CharsetStore MakeStartupStore();

// Refreshes the current name from the editor slot and returns
// "Kestrelix 1.0 (x64) - " + name + (" <unsaved>" when modified).
std::string UpdateTitle(CharsetStore& store);

// Exchanges the editor charset with the one in memory, each with its own flags, inks and colours. The undo
// histories live in the document and change places in its SwapCharsets.
void SwapCharsets(CharsetStore& store);

// The name of the charset in memory (the slot that is not in the editor).
const std::string& MemoryCharsetName(const CharsetStore& store);

// The editor content starts a new lineage (a load, import, New or save): see CharsetFlags::generation.
void StartNewGeneration(CharsetStore& store);

// After a successful load of `path` into the editor buffer, and after a successful write of the editor
// charset to `path`: the charset is named after the file, unmodified, and starts a new generation. The
// disk stamp is cleared; whoever read or wrote the file records it. A load takes the load address the
// file was read with (none for a file without one); a save keeps the charset's.
void ApplyLoadBookkeeping(CharsetStore& store, const std::string& path,
                          std::optional<std::uint16_t> loadAddress = std::nullopt);
void ApplySaveBookkeeping(CharsetStore& store, const std::string& path);
// New: a cleared editor charset called "untitled" with no file or disk stamp, in a new generation. The memory charset
// is kept.
void NewCharset(CharsetStore& store);

// The directory part of a path with its trailing separator ("" when it has none), as kept in the last
// directory, so that directory + file name is a path.
std::string DirectoryOf(const std::string& path);

}  // namespace kx
