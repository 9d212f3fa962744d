#pragma once
// Save, Save As and the exports of the editor charset: rows as bytes, the whole charset as source text.

#include <string>

namespace kx {

struct App;

enum class SaveResult { Saved, Failed, Cancelled };

// "Save": writes to the current name in the layout of the file type. Without a file, or with a file type
// that has no charset layout (none, or an imported image), it is Save As, so a save never silently
// writes nothing. A .prg is written with the load address the charset was read with ($0000 without one).
// When the write would change the size or the load address of the file (say, a 2048-byte file read with
// the Morvane filter), it asks first: Yes writes, No writes nothing (Cancelled), Save As runs Save As.
SaveResult SaveCharset(App& app);

// "Save As": the requester's filter decides the layout (.prg, .chr or a CharPad project, .ctm, which keeps
// the inks, the mode and the registers) and the extension appended.
// Cancelled when the user closed the requester; nothing changes then.
// Both ask before replacing a file that changed on disk since it was loaded or saved, or that is the memory
// charset's file (MayReplaceFile); No is Cancelled too. Save As over the charset's own file asks about a
// change of its layout as Save does.
SaveResult SaveCharsetAs(App& app);

// "Export": writes the first `rows` rows (256 bytes each) to a .chr file. Over the charset's own file it
// leaves the charset unsaved, since that file no longer holds all of it.
void ExportRows(App& app, int rows);

// "Export as Source...": the requester's filter picks the dialect (acme, ca65, 64tass, KickAss, C; a C
// name ending in ".h" gets the header, any other the array), the label comes from the chosen file name.
// Writes the whole editor charset, and its colour table after it when the requester's tick says so; the
// charset's name, file flags and modified flag stay as they are, and
// only the last directory follows the chosen file, unless the file was a charset's own: that charset is
// then unsaved (see NoteFileWritten). The status bar's notice then says where it wrote.
void ExportCharsetSource(App& app);

// "Source written to <full path>": the notice after a successful "Export as Source...".
std::string SourceWrittenNotice(const std::string& path);

}  // namespace kx
