#pragma once
// The commands that fill the editor charset from files, and New. Each asks about unsaved changes first;
// none takes an undo snapshot.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kx {

struct App;

// "New": a zeroed charset called "untitled" without a file.
void NewCharsetFile(App& app);

// "Open": the chosen filter, not the extension, picks the layout: filter 0 raw 2048 bytes (.chr),
// filter 1 the Morvane rule (.prg), filter 2 a CharPad project. A file named .ctm is a project whatever
// the filter.
//
// Every way of opening a file (Open, a drop, a recent entry, the command line) opens a file named .ctm as
// a CharPad project: its first 256 characters with their inks, its mode and registers, in one undo step.
// A project that holds more (characters past 255, tiles, a map, materials) opens read-only: the status
// bar says what was not read, and a save over it asks first (CharsetFlags::projectNotRead).
void OpenCharsetFile(App& app);

// The imports of bytes: a file of exactly `fileSize` bytes (256 * n for n rows, or the 2049-byte short
// file) replaces the charset bytes it covers and counts as an unsaved change.
void ImportCharsetBytes(App& app, std::uint64_t fileSize);

// Files dropped on the main window (drops on other windows never get here): a single file of 2048 or 2050
// bytes, judged by size alone. The keyboard focus goes back to the editor canvas whatever happens.
void DropFiles(App& app, const std::vector<std::string>& paths);

// A file named on the command line, opened once the main window is up: loaded by the drop's rules, with
// its messages, under its full path; a file that loaded goes on the recent list.
// A file that is missing, a folder, not a regular file or of another size is refused with a message that
// names it and says which (StartUpFileText).
void OpenFileAtStartUp(App& app, const std::string& path);

// Why a file cannot be opened by the drop's sizes (missing, a folder, not a regular file, another size;
// each but the first also names the sizes accepted), or nothing when it can.
std::optional<std::string> OpenableFileProblem(const std::string& path);
std::string StartUpFileText(const std::string& path, const std::string& problem);

// Recent entry `slot` (0 = newest): loaded by size like a drop. A missing file is reported as such; a
// folder, or a file of another size, with the reason (OpenableFileProblem).
void OpenRecentFile(App& app, int slot);

}  // namespace kx
