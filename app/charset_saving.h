#pragma once
// Save, Save As and the row exports of the editor charset.

namespace kx {

struct App;

enum class SaveResult { Saved, Failed, Cancelled };

// "Save": writes to the current name in the layout of the file type. Without a file, or with a file type
// that has no charset layout (none, or an imported image), it is Save As, so a save never silently
// writes nothing.
SaveResult SaveCharset(App& app);

// "Save As": the requester's filter decides the layout (.prg or .chr) and the extension appended.
// Cancelled when the user closed the requester; nothing changes then.
SaveResult SaveCharsetAs(App& app);

// "Export": writes the first `rows` rows (256 bytes each) to a .chr file.
void ExportRows(App& app, int rows);

}  // namespace kx
