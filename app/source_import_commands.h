#pragma once
// The File > Import... items after the separator: a charset from a C64 program, a binary, a VICE snapshot
// or a CharPad project, and a charset cut from a font sheet. Each asks for a file, examines it, shows its
// dialog and on OK changes the editor charset as one edit. A file that cannot be used, or a choice that
// gives no charset when OK is pressed, is reported in a message box and changes nothing (after such a
// choice the dialog comes back as the user left it).

namespace kx {

struct App;
struct SourceImport;

void ImportCharsetFromSource(App& app);
void ImportCharsetFromSheet(App& app);

// "Save 64 KiB RAM..." in the source dialog: asks for a file (proposing the snapshot's name with ".bin";
// the requester asks before replacing an existing file, and so do the questions about a charset's own
// file) and writes the snapshot's 65536 bytes of RAM there; a failed write says why.
void SaveSnapshotRam(App& app, const SourceImport& state);

}  // namespace kx
