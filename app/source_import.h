#pragma once
// The two import dialogs as plain state: "Import Charset from Program, Binary, Snapshot or Project..."
// (C64 programs at any address, binaries at an offset, VICE snapshots, CharPad projects) and "Import
// Charset from Font Sheet...". Each holds the examined file, the user's choices as typed, the charset they
// would give (or why there is none) and the preview of it. The Qt dialogs only show this state and feed it;
// OK hands the charset to ApplyImportedCharset.

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "io/charpad_source.h"
#include "io/charset_source.h"
#include "io/program_source.h"
#include "io/snapshot_source.h"
#include "model/charset.h"
#include "model/palette.h"
#include "runtime/image.h"
#include "views/charset_preview.h"
#include "views/memory_strip.h"

namespace kx {

struct App;

// The text fields of the source dialog. Numbers are typed in decimal, "$hex" or "0xhex".
enum class SourceField {
  Address,     // a whole program's 2 KiB window, or any 2 KiB of a snapshot's RAM; empty: the default
  Offset,      // a binary's first byte
  Count,       // a binary's glyph count, 1..256; empty: every glyph that fits
  FirstGlyph,  // where the first glyph goes, 0..255
};

// What a dialog offers or would do now, shared by both dialogs.
struct ImportOutcome {
  Charset base{};                 // the editor charset when the dialog opened
  std::optional<Charset> result;  // the charset OK would give
  std::string problem;            // why there is none, for the dialog and the message box
  std::string facts;              // what the file says, one line per fact
  int leftOut = 0;                // glyphs of the choice that would land past glyph 255 and are not taken
  std::string notice;             // what OK leaves out, for the line under the preview
  PreviewLook look;
  Image preview;                  // the 256 glyphs of `result` (else `base`) as the look draws them
  int firstGlyph = 0;             // the glyphs of `result` that came from the file
  int glyphCount = 0;
};

struct SourceImport {
  std::string path;
  std::vector<std::uint8_t> file;
  SourceKind kind = SourceKind::Raw;  // Program, Raw, Snapshot or CharPad
  Palette palette = MakePalette();
  ProgramChoices program;
  SnapshotChoices snapshot;
  CharPadChoices charPad;
  std::string address, offset, count, firstGlyph = "0";
  // "Take colours and mode": on when the kind read keeps colours (a snapshot or project), off and unused
  // for programs and binaries.
  bool takeColours = false;
  ImportOutcome outcome;
  // The strip of the 2 KiB positions of a 64 KiB memory source (see BrowsesMemory); empty for other kinds.
  Image strip;
  // "Save 64 KiB RAM...": set by the command that opened the dialog, which asks for the file and writes
  // SnapshotRam(state) there; the dialog offers the button only when it is set and there is RAM to save.
  std::function<void(const SourceImport&)> saveRam;
};

// The colours the examined kind keeps (nullptr for programs, binaries, and a kind that did not examine).
const SourceColours* OfferedColours(const SourceImport& state);
void SetSourceTakeColours(SourceImport& state, bool take);

// The kinds the source dialog reads, in the order its kind list shows them.
inline constexpr SourceKind kDialogSourceKinds[] = {SourceKind::Program, SourceKind::Raw, SourceKind::Snapshot,
                                                    SourceKind::CharPad};

// Examines `file` as the kind its content tells (a snapshot's or project's signature; a program by its
// extension or its editor size of 2050 bytes; anything else a binary) and works out the default choice.
// A picture, or a snapshot or project that cannot be read, is refused with the reason.
SourceResult<SourceImport> OpenSourceImport(std::string path, std::vector<std::uint8_t> file, const Charset& base,
                                            const Palette& palette);

// Reads the file again as `kind` (the user's pick in the kind list); a file that is no such thing leaves
// no result and says why.
void SetSourceKind(SourceImport& state, SourceKind kind);
void SetSourceField(SourceImport& state, SourceField field, std::string text);
// Whether the field means anything for the kind (and, for programs, partial charset or whole program).
bool UsesField(const SourceImport& state, SourceField field);

// A 64 KiB memory source: a snapshot's RAM (stepped by the address field) or a binary of exactly 64 KiB, a
// RAM dump (stepped by the offset field). Its 2 KiB charset positions $0000, $0800 ... $F800 are stepped
// through with previous and next, and shown as a strip (SourceImport::strip).
bool BrowsesMemory(const SourceImport& state);
// The RAM or dump browsed; empty when the kind browses none.
std::span<const std::uint8_t> BrowsedMemory(const SourceImport& state);
// Where the current choice starts: the typed address or offset, else the default (the charset the VIC-II
// shows, a dump's first byte); none when what is typed is no number in range or nothing is browsed.
std::optional<std::uint32_t> BrowsedAddress(const SourceImport& state);
// Whether a step of `direction` (-1 previous, +1 next) leads to another position.
bool CanStepPosition(const SourceImport& state, int direction);
// Steps to the position before or after the current address (from an address between two positions, to
// the one below or above it) and writes it into the field as "$hex"; nothing past either end.
void StepPosition(SourceImport& state, int direction);
// Picks position `position` (0..31), as a click on the strip does.
void ChoosePosition(SourceImport& state, int position);
// The RAM "Save 64 KiB RAM..." writes: a snapshot's 65536 bytes; empty for every other kind.
std::span<const std::uint8_t> SnapshotRam(const SourceImport& state);

// The grid fields of the sheet dialog; empty: found from the picture.
enum class SheetGridField {
  Scale,   // "N", 1..16
  Origin,  // "X,Y": the first cell's top left pixel
  Pitch,   // "W,H": from one cell to the next, gaps or grid lines included ("N" for both)
};

struct SheetImport {
  std::string path;
  Image sheet;  // as decoded, a PNG's alpha in the top byte
  Palette palette = MakePalette();
  std::string paper;       // "RRGGBB"; empty: found from the picture
  bool unique = false;     // drop cells equal to an earlier one
  bool asciiOrder = false;  // the first cell is the space; cells go to their screen codes
  std::string scale, origin, pitch;
  std::string firstGlyph = "0";
  ImportOutcome outcome;
  std::optional<SheetGrid> grid;  // the grid the cut used, when there is one
  Image gridPicture;              // the sheet with the cells of `grid` tinted, one colour on alternate cells
};

// Decodes a PNG, BMP or JPEG font sheet; refused when it does not decode. A sheet whose grid cannot be
// found opens with the reason as the problem, for the user to give scale, origin and pitch.
SourceResult<SheetImport> OpenSheetImport(std::string path, std::span<const std::uint8_t> file, const Charset& base,
                                          const Palette& palette);
void SetSheetPaper(SheetImport& state, std::string text);
void SetSheetUnique(SheetImport& state, bool unique);
void SetSheetFirstGlyph(SheetImport& state, std::string text);
void SetSheetGridField(SheetImport& state, SheetGridField field, std::string text);
void SetSheetAsciiOrder(SheetImport& state, bool ascii);
// What a grid field shows when empty: the value found, or nothing when no grid was found.
std::string FoundGridText(const SheetImport& state, SheetGridField field);

// A reader's reason ("offset 100 leaves no whole glyph ...") as a sentence for the dialog and message box.
std::string ImportProblemText(std::string reason);

// OK: the editor charset becomes `charset` as one edit (one undo step, modified, title); its name, file,
// file type and has-file flag stay as they were.
void ApplyImportedCharset(App& app, const Charset& charset);
// OK in the source dialog: the charset as above and, when "Take colours and mode" is on, in the same step
// the mode, the registers and the inks of the glyphs that came from the file.
void ApplySourceImport(App& app, const SourceImport& state);

}  // namespace kx
