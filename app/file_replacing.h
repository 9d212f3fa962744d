#pragma once
// Writing over a file that one of the two charsets came from: the questions asked first, and what a write
// leaves behind, so that neither charset silently loses the only copy its file held.

#include <string>

namespace kx {

struct App;
struct Document;

// How the target of a write was chosen: Save writes to the current name, a requester (Save As, Export)
// let the user pick it and has asked about replacing every existing file but the editor charset's own
// (see ReplaceableWithoutAsking), a dump names it after the charset.
enum class ReplaceRoute { Save, Requester, Dump };

// True when the write of `path` may go ahead. When `path` exists the command asks, each a Yes/No question
// under the program's name with the warning icon:
// - a dump, when it is the editor charset's own file: "<path> is the file this charset was loaded from or
//   saved to." then "Do you want to replace it?";
// - a dump, when it is neither charset's file nor a picture a dump of this run wrote and nobody changed
//   since: "<path> already exists.";
// - every route, when it is the memory charset's file: the same with "Charset <n>" for "this charset";
// - every route, when it is the file of either charset and has changed on disk since that charset was
//   loaded from or saved to it: "<path> has changed on disk since it was opened or last saved."
// Any No gives false: nothing is written and no flag changes.
bool MayReplaceFile(App& app, const std::string& path, ReplaceRoute route);

// After any successful write of `path`. `holdsEditorCharset` when the file now holds the editor charset
// whole: a save (its bookkeeping already done) or a dump of its picture, which reads back to it. Each
// charset whose file `path` is takes the file's new stamp, since the change is the user's own. A charset
// whose file now holds something else (the other charset, some rows, source text) is marked unsaved in a
// new generation, so that neither an undo nor quitting can let it go unsaved.
void NoteFileWritten(App& app, const std::string& path, bool holdsEditorCharset);

// Records the editor charset's file as it is on disk now: after each successful load.
void RecordDiskStamp(App& app);

// The file a save requester replaces without asking: the editor charset's own, unless the memory charset
// has the same file (then the requester asks about it like any other).
std::string ReplaceableWithoutAsking(const Document& doc);

}  // namespace kx
