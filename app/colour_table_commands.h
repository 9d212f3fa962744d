#pragma once
// "Export Colour Table..." and "Import Colour Table...": the editor charset's 256 per-glyph inks as the
// 256-byte table a C64 program keeps beside its charset (io/colour_table.h).

namespace kx {

struct App;

// Writes the inks to a file the requester names (proposed: the charset's name with "_colours.bin"). The
// charset's name and flags stay as they are; a charset whose file it replaced is unsaved afterwards.
void ExportColourTable(App& app);

// Reads a table into the inks as one undoable edit. A file that is not 256 bytes or holds a byte above 15
// changes nothing and is refused with the reason.
void ImportColourTable(App& app);

}  // namespace kx
