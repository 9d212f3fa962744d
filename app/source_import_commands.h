#pragma once
// The File > Import... items after the separator: a charset from a C64 program, a binary, a VICE snapshot
// or a CharPad project, and a charset cut from a font sheet. Each asks for a file, examines it, shows its
// dialog and on OK changes the editor charset as one edit. A file that cannot be used, or a choice that
// gives no charset when OK is pressed, is reported in a message box and changes nothing (after such a
// choice the dialog comes back as the user left it).

namespace kx {

struct App;

void ImportCharsetFromSource(App& app);
void ImportCharsetFromSheet(App& app);

}  // namespace kx
