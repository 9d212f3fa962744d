#include "app/source_import.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>

#include "app/edit_commands.h"
#include "io/raw_source.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

constexpr std::array<const char*, 16> kColourNames{
    "black", "white", "red", "cyan", "purple", "green", "blue", "yellow",
    "orange", "brown", "light red", "dark grey", "grey", "light green", "light blue", "light grey"};

constexpr int kWhite = 1;
constexpr int kBlack = 0;

std::string ColourText(int colour) {
  return std::to_string(colour) + " " + kColourNames[static_cast<std::size_t>(colour & 15)];
}

template <class T>
const SourceRefusal* Refused(const SourceResult<T>& result) {
  return std::get_if<SourceRefusal>(&result);
}

// The editor's own colours: glyphs as the charset pane draws them.
PreviewLook PaneLook(const Palette& palette) {
  return {false, palette[kPaperIndex], 0, 0, palette[kInkIndex]};
}

// The C64's colours. The character colour is not in the charset, so glyphs take white (black on a white
// background); in multicolour a character colour of 8..15 is the one that turns multicolour on, and
// 1 + 8 shows its 11 pairs in white.
PreviewLook C64Look(bool multicolour, int background, int multi1, int multi2, int ink) {
  const Palette c64 = MakePalette(Brightness::High);
  return {multicolour, c64[static_cast<std::size_t>(background & 15)], c64[static_cast<std::size_t>(multi1 & 15)],
          c64[static_cast<std::size_t>(multi2 & 15)], c64[static_cast<std::size_t>(ink & 15)]};
}

int InkOn(int background) { return (background & 15) == kWhite ? kBlack : kWhite; }

// Refreshes `outcome` from the glyphs the choices give (or the reason there are none) at `firstText`.
void Settle(ImportOutcome& outcome, SourceResult<GlyphBytes> glyphs, const std::string& firstText) {
  outcome.result.reset();
  outcome.problem.clear();
  outcome.notice.clear();
  outcome.leftOut = 0;
  const std::optional<std::uint64_t> first = ParseSourceNumber(firstText, kGlyphCount - 1);
  if (!first) {
    outcome.problem = "The first glyph must be a number from 0 to 255, not \"" + firstText + "\".";
  } else if (const auto* refusal = Refused(glyphs)) {
    outcome.problem = ImportProblemText(refusal->reason);
  } else {
    auto placed = PlaceGlyphs(outcome.base, std::get<GlyphBytes>(glyphs), static_cast<int>(*first));
    if (const auto* refusal = Refused(placed)) {
      outcome.problem = ImportProblemText(refusal->reason);
    } else {
      // Glyphs that would land past glyph 255 are left out; the dialog says how many.
      outcome.result = std::get<PlacedGlyphs>(placed).charset;
      outcome.firstGlyph = std::get<PlacedGlyphs>(placed).firstGlyph;
      outcome.glyphCount = std::get<PlacedGlyphs>(placed).glyphCount;
      outcome.leftOut = std::get<PlacedGlyphs>(placed).leftOut;
      if (outcome.leftOut > 0) outcome.notice = LeftOutText(outcome.leftOut) + ".";
    }
  }
  outcome.preview = ComposeCharsetPreview(outcome.result.value_or(outcome.base), outcome.look);
}

// An address or offset as typed; `what` names it in the refusal.
SourceResult<std::uint64_t> Number(const std::string& text, std::uint64_t limit, const std::string& what) {
  if (const auto value = ParseSourceNumber(text, limit)) return *value;
  return SourceRefusal{"The " + what + " must be a number from 0 to " + HexAddress(static_cast<std::uint32_t>(
                           std::min<std::uint64_t>(limit, 0xFFFFFFFF))) + " (decimal, $hex or 0xhex), not \"" + text + "\"."};
}

SourceResult<GlyphBytes> ProgramChoice(const SourceImport& s) {
  if (s.program.partialGlyphs > 0) return ProgramGlyphs(s.file, s.program);
  std::optional<std::uint32_t> address;
  if (!s.address.empty()) {
    const auto typed = Number(s.address, 0xFFFF, "address");
    if (const auto* refusal = Refused(typed)) return *refusal;
    address = static_cast<std::uint32_t>(std::get<std::uint64_t>(typed));
  }
  auto glyphs = ProgramGlyphs(s.file, s.program, address);
  if (Refused(glyphs) && address) {
    return SourceRefusal{HexAddress(*address) + " is not the start of a 2 KiB window of this program: "
                         "the windows start at multiples of 8 from " + HexAddress(s.program.windows.front().address) +
                         " to " + HexAddress(s.program.windows.back().address) + "."};
  }
  return glyphs;
}

SourceResult<GlyphBytes> RawChoice(const SourceImport& s) {
  const auto offset = Number(s.offset.empty() ? "0" : s.offset, s.file.size(), "offset");
  if (const auto* refusal = Refused(offset)) return *refusal;
  std::optional<int> count;
  if (!s.count.empty()) {
    const auto typed = ParseSourceNumber(s.count, kGlyphCount);
    if (!typed || *typed == 0) return SourceRefusal{"The glyph count must be a number from 1 to 256, not \"" + s.count + "\"."};
    count = static_cast<int>(*typed);
  }
  return RawGlyphs(s.file, std::get<std::uint64_t>(offset), count);
}

SourceResult<GlyphBytes> SnapshotChoice(const SourceImport& s) {
  std::optional<std::uint32_t> address;
  if (!s.address.empty()) {
    const auto typed = Number(s.address, kLastRamWindow, "RAM address");
    if (const auto* refusal = Refused(typed)) return *refusal;
    address = static_cast<std::uint32_t>(std::get<std::uint64_t>(typed));
  }
  return SnapshotGlyphs(s.snapshot, address);
}

void Update(SourceImport& s) {
  SourceResult<GlyphBytes> glyphs = SourceRefusal{s.outcome.problem};
  if (s.outcome.facts.empty()) {  // the kind did not examine: keep its reason
  } else if (s.kind == SourceKind::Program) {
    glyphs = ProgramChoice(s);
  } else if (s.kind == SourceKind::Raw) {
    glyphs = RawChoice(s);
  } else if (s.kind == SourceKind::Snapshot) {
    glyphs = SnapshotChoice(s);
  } else {
    glyphs = CharPadGlyphs(s.file, s.charPad);
  }
  Settle(s.outcome, std::move(glyphs), s.firstGlyph);
  if (BrowsesMemory(s)) {
    const auto at = BrowsedAddress(s);
    s.strip = ComposeMemoryStrip(BrowsedMemory(s), at ? std::optional<int>(static_cast<int>(*at / kStripStep)) : std::nullopt,
                                 s.outcome.look);
  } else {
    s.strip = Image();
  }
}

std::string ProgramFacts(const ProgramChoices& p) {
  std::string facts = "C64 program loaded at " + HexAddress(p.loadAddress) + ", " + std::to_string(p.dataBytes) + " bytes";
  if (p.partialGlyphs > 0) return facts + ": a partial charset of " + std::to_string(p.partialGlyphs) + " glyphs";
  return facts + ": 2 KiB windows start at multiples of 8 from " + HexAddress(p.windows.front().address) + " to " +
         HexAddress(p.windows.back().address);
}

std::string SnapshotFacts(const SnapshotChoices& s) {
  std::string facts = "VICE snapshot (" + s.machine + "): VIC-II in " + std::string(VicModeName(s.mode)) +
                      " mode, bank " + std::to_string(s.bank) + ", charset at " + HexAddress(s.charAddress) +
                      (s.romCharset ? " (character ROM)" : "") + "\nborder $D020 " + ColourText(s.border) +
                      ", background $D021 " + ColourText(s.background[0]) + ", $D022 " + ColourText(s.background[1]) +
                      ", $D023 " + ColourText(s.background[2]) + ", $D024 " + ColourText(s.background[3]);
  return facts;
}

std::string CharPadFacts(const CharPadChoices& c) {
  std::string facts = "CharPad project, version " + std::to_string(c.version) + ": " + std::to_string(c.charCount) +
                      " characters";
  if (c.charCount > c.glyphCount) facts += ", the first " + std::to_string(c.glyphCount) + " taken";
  return facts + (c.multicolour ? ", multicolour" : ", hi-res");
}

std::string ColoursFact(const SourceColours& c) {
  static constexpr std::array<const char*, 3> kModes{"hi-res", "multicolour", "extended background"};
  const auto& r = c.colours.registers;
  return std::string("\nColours: ") + kModes[static_cast<std::size_t>(c.colours.mode)] + " mode, $D021-$D024 " +
         std::to_string(r[0]) + " " + std::to_string(r[1]) + " " + std::to_string(r[2]) + " " + std::to_string(r[3]) +
         ", inks from " + c.origin;
}

// Examines the file as `kind`; the facts stay empty and the problem says why when it is no such thing.
void Examine(SourceImport& s, SourceKind kind) {
  s.kind = kind;
  s.outcome.facts.clear();
  s.outcome.problem.clear();
  s.outcome.look = PaneLook(s.palette);
  const ByteSpan file(s.file);
  if (kind == SourceKind::Program) {
    auto examined = ExamineProgram(file);
    if (const auto* refusal = Refused(examined)) return void(s.outcome.problem = refusal->reason);
    s.program = std::get<ProgramChoices>(std::move(examined));
    s.outcome.facts = ProgramFacts(s.program);
  } else if (kind == SourceKind::Raw) {
    s.outcome.facts = "Binary of " + std::to_string(s.file.size()) + " bytes";
  } else if (kind == SourceKind::Snapshot) {
    auto examined = ExamineSnapshot(file);
    if (const auto* refusal = Refused(examined)) return void(s.outcome.problem = refusal->reason);
    s.snapshot = std::get<SnapshotChoices>(std::move(examined));
    s.outcome.facts = SnapshotFacts(s.snapshot) + ColoursFact(s.snapshot.taken);
    const auto& bg = s.snapshot.background;
    // Extended colour picks each cell's background by its screen code; glyphs show on $D021 in hi-res.
    s.outcome.look = C64Look(s.snapshot.mode == VicMode::Multicolour, bg[0], bg[1], bg[2], InkOn(bg[0]));
  } else {
    auto examined = ExamineCharPad(file);
    if (const auto* refusal = Refused(examined)) return void(s.outcome.problem = refusal->reason);
    s.charPad = std::get<CharPadChoices>(std::move(examined));
    s.outcome.facts = CharPadFacts(s.charPad) + ColoursFact(s.charPad.taken);
    const auto& c = s.charPad.colours;
    // A multicolour character's 11 pairs take the low three bits of its colour, as on the C64.
    if (s.charPad.multicolour) s.outcome.look = C64Look(true, c[0], c[1], c[2], c[3] & 7);
  }
}

SourceKind KindForDialog(ByteSpan file, const std::string& path) {
  switch (DetectSourceKind(file, path).value_or(SourceKind::Raw)) {
    case SourceKind::Snapshot: return SourceKind::Snapshot;
    case SourceKind::CharPad: return SourceKind::CharPad;
    case SourceKind::Program:
    case SourceKind::PrgCharset: return SourceKind::Program;
    case SourceKind::Picture: return SourceKind::Picture;
    default: return SourceKind::Raw;
  }
}

}  // namespace

std::string ImportProblemText(std::string reason) {
  if (reason.empty()) return reason;
  reason[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(reason[0])));
  if (reason.back() != '.') reason += '.';
  return reason;
}

SourceResult<SourceImport> OpenSourceImport(std::string path, std::vector<std::uint8_t> file, const Charset& base,
                                            const Palette& palette) {
  const SourceKind kind = KindForDialog(file, path);
  if (kind == SourceKind::Picture) {
    return SourceRefusal{"This is a picture: use \"Import Charset from Font Sheet...\" or \"Import Charset as Image "
                         "(512x128px)\"."};
  }
  SourceImport state;
  state.path = std::move(path);
  state.file = std::move(file);
  state.palette = palette;
  state.outcome.base = base;
  Examine(state, kind);
  // A file with no signature that is no program after all is still a binary; a damaged snapshot or
  // project is refused.
  if (state.outcome.facts.empty() && kind == SourceKind::Program) Examine(state, SourceKind::Raw);
  if (state.outcome.facts.empty()) return SourceRefusal{state.outcome.problem};
  state.takeColours = OfferedColours(state) != nullptr;
  Update(state);
  return state;
}

void SetSourceKind(SourceImport& state, SourceKind kind) {
  if (std::ranges::find(kDialogSourceKinds, kind) == std::end(kDialogSourceKinds)) return;
  Examine(state, kind);
  state.takeColours = OfferedColours(state) != nullptr;
  Update(state);
}

const SourceColours* OfferedColours(const SourceImport& state) {
  if (state.outcome.facts.empty()) return nullptr;
  if (state.kind == SourceKind::Snapshot) return &state.snapshot.taken;
  if (state.kind == SourceKind::CharPad) return &state.charPad.taken;
  return nullptr;
}

void SetSourceTakeColours(SourceImport& state, bool take) { state.takeColours = take && OfferedColours(state); }

void SetSourceField(SourceImport& state, SourceField field, std::string text) {
  switch (field) {
    case SourceField::Address: state.address = std::move(text); break;
    case SourceField::Offset: state.offset = std::move(text); break;
    case SourceField::Count: state.count = std::move(text); break;
    case SourceField::FirstGlyph: state.firstGlyph = std::move(text); break;
  }
  Update(state);
}

bool UsesField(const SourceImport& state, SourceField field) {
  switch (field) {
    case SourceField::Address:
      return state.kind == SourceKind::Snapshot || (state.kind == SourceKind::Program && state.program.partialGlyphs == 0);
    case SourceField::Offset:
    case SourceField::Count: return state.kind == SourceKind::Raw;
    case SourceField::FirstGlyph: return true;
  }
  return false;
}

namespace {

constexpr std::size_t kMemoryBytes = 0x10000;
constexpr std::uint32_t kLastPosition = (kStripPositions - 1) * kStripStep;

// The field a memory source is stepped by.
SourceField BrowsedField(const SourceImport& state) {
  return state.kind == SourceKind::Snapshot ? SourceField::Address : SourceField::Offset;
}

// The position a step of `direction` leads to; none past either end.
std::optional<std::uint32_t> SteppedAddress(const SourceImport& state, int direction) {
  if (!BrowsesMemory(state)) return std::nullopt;
  // Text that is no address steps from the default, so the buttons always lead somewhere.
  const std::uint32_t at = BrowsedAddress(state).value_or(state.kind == SourceKind::Snapshot ? state.snapshot.charAddress : 0);
  if (direction > 0) {
    const std::uint32_t next = (at / kStripStep + 1) * kStripStep;
    if (next > kLastPosition) return std::nullopt;
    return next;
  }
  if (at == 0) return std::nullopt;
  return at % kStripStep != 0 ? at / kStripStep * kStripStep : at - kStripStep;
}

}  // namespace

bool BrowsesMemory(const SourceImport& state) {
  if (state.outcome.facts.empty()) return false;
  if (state.kind == SourceKind::Snapshot) return state.snapshot.ram.size() == kMemoryBytes;
  return state.kind == SourceKind::Raw && state.file.size() == kMemoryBytes;
}

std::span<const std::uint8_t> BrowsedMemory(const SourceImport& state) {
  if (!BrowsesMemory(state)) return {};
  if (state.kind == SourceKind::Snapshot) return state.snapshot.ram;
  return state.file;
}

std::optional<std::uint32_t> BrowsedAddress(const SourceImport& state) {
  if (!BrowsesMemory(state)) return std::nullopt;
  const bool snapshot = state.kind == SourceKind::Snapshot;
  const std::string& text = snapshot ? state.address : state.offset;
  if (text.empty()) return snapshot ? state.snapshot.charAddress : 0;
  const auto value = ParseSourceNumber(text, kMemoryBytes - 1);
  if (!value) return std::nullopt;
  return static_cast<std::uint32_t>(*value);
}

bool CanStepPosition(const SourceImport& state, int direction) { return SteppedAddress(state, direction).has_value(); }

void StepPosition(SourceImport& state, int direction) {
  if (const auto next = SteppedAddress(state, direction)) SetSourceField(state, BrowsedField(state), HexAddress(*next));
}

void ChoosePosition(SourceImport& state, int position) {
  if (!BrowsesMemory(state) || position < 0 || position >= kStripPositions) return;
  SetSourceField(state, BrowsedField(state), HexAddress(static_cast<std::uint32_t>(position) * kStripStep));
}

std::span<const std::uint8_t> SnapshotRam(const SourceImport& state) {
  if (state.kind != SourceKind::Snapshot || !BrowsesMemory(state)) return {};
  return state.snapshot.ram;
}

namespace {

// The sheet as the dialog shows it: transparent pixels grey, and the cells of `grid` tinted in two colours
// like a chessboard, so each cell's extent shows and the gaps and margins stay as they are.
Image GridPicture(const Image& sheet, const std::optional<SheetGrid>& grid) {
  Image out(sheet.Width(), sheet.Height());
  for (int y = 0; y < sheet.Height(); ++y) {
    for (int x = 0; x < sheet.Width(); ++x) {
      const std::uint32_t word = sheet.Row(y)[x];
      out.SetPixel(x, y, (word >> 24) < 0x80 ? 0x808080 : BlendRgb(0, UnpackPixel(word), static_cast<int>(word >> 24)));
    }
  }
  if (!grid) return out;
  constexpr Rgb kTints[2] = {0x00A0FF, 0xFF6000};
  constexpr int kTintAlpha = 80;
  const int cell = 8 * grid->scale;
  for (int row = 0; row < grid->down.cells; ++row) {
    for (int column = 0; column < grid->across.cells; ++column) {
      const int left = grid->across.origin + column * grid->across.pitch;
      const int top = grid->down.origin + row * grid->down.pitch;
      const Rgb tint = kTints[(row + column) % 2];
      for (int y = top; y < std::min(top + cell, out.Height()); ++y) {
        for (int x = left; x < std::min(left + cell, out.Width()); ++x) {
          out.SetPixel(x, y, BlendRgb(out.Pixel(x, y), tint, kTintAlpha));
        }
      }
    }
  }
  return out;
}

// The grid fields as the cut takes them, or why one cannot be read.
std::optional<std::string> ReadGridFields(const SheetImport& s, GridRequest& grid) {
  if (!s.scale.empty()) {
    const auto scale = ParseSourceNumber(s.scale, 16);
    if (!scale || *scale < 1) return "The scale must be a whole number from 1 to 16, not \"" + s.scale + "\".";
    grid.scale = static_cast<int>(*scale);
  }
  const struct {
    const std::string& text;
    const char* name;
    std::optional<int>& x;
    std::optional<int>& y;
  } pairs[] = {{s.origin, "origin", grid.originX, grid.originY}, {s.pitch, "pitch", grid.pitchX, grid.pitchY}};
  for (const auto& pair : pairs) {
    if (pair.text.empty()) continue;
    const auto value = ParseSheetPair(pair.text, kMaxImageSide);
    if (!value) return std::string("The ") + pair.name + " must be two numbers X,Y, not \"" + pair.text + "\".";
    pair.x = value->first;
    pair.y = value->second;
  }
  return std::nullopt;
}

void UpdateSheet(SheetImport& s) {
  SheetOptions options;
  options.unique = s.unique;
  options.asciiOrder = s.asciiOrder;
  std::optional<std::string> wrong;
  if (!s.paper.empty()) {
    options.paper = ParsePaperColour(s.paper);
    if (!options.paper) wrong = "The paper colour must be six hex digits RRGGBB, not \"" + s.paper + "\".";
  }
  if (!wrong) wrong = ReadGridFields(s, options.grid);
  auto cut = wrong ? SourceResult<SheetCut>(SourceRefusal{}) : CutFontSheet(s.sheet, options);
  if (const auto* refusal = Refused(cut)) {
    s.outcome.facts = std::to_string(s.sheet.Width()) + "x" + std::to_string(s.sheet.Height()) + " pixels";
    s.grid.reset();
    s.gridPicture = GridPicture(s.sheet, s.grid);
    Settle(s.outcome, SourceRefusal{refusal->reason}, s.firstGlyph);
    if (wrong) s.outcome.problem = *wrong;
    // The grid cannot be found: the fields below are where the user gives it.
    if (refusal->reason.starts_with(kGridUnsure)) s.outcome.problem += " Give the scale, origin and pitch.";
    return;
  }
  SheetCut& sheet = std::get<SheetCut>(cut);
  s.grid = sheet.grid;
  s.gridPicture = GridPicture(s.sheet, s.grid);
  const bool none = sheet.glyphs.empty();
  Settle(s.outcome, none ? SourceResult<GlyphBytes>(SourceRefusal{"The font sheet has no cell."})
                         : SourceResult<GlyphBytes>(std::move(sheet.glyphs)),
         s.firstGlyph);
  // Cells past the 256th and those past glyph 255 from the first glyph on are told as one count.
  const int leftOut = sheet.leftOut + s.outcome.leftOut;
  const int taken = s.outcome.result ? sheet.cells - leftOut : 0;
  char paperText[8];
  std::snprintf(paperText, sizeof paperText, "%06X", static_cast<unsigned>(sheet.paper));
  const SheetGrid& g = sheet.grid;
  s.outcome.facts = std::to_string(s.sheet.Width()) + "x" + std::to_string(s.sheet.Height()) + " pixels, " +
                    std::to_string(sheet.columns) + "x" + std::to_string(sheet.rows) + " cells, paper " +
                    (sheet.transparentPaper ? std::string("transparent") : std::string(paperText)) + "\n" +
                    std::to_string(taken) + " glyphs taken";
  if (sheet.dropped > 0) s.outcome.facts += ", " + std::to_string(sheet.dropped) + " repeated cells dropped";
  if (leftOut > 0) {
    s.outcome.facts += ", " + std::to_string(leftOut) +
                       (s.asciiOrder ? " cells left out (no screen code or past glyph 255)" : " cells left out (past glyph 255)");
  }
  s.outcome.facts += "\nscale " + std::to_string(g.scale) + ", origin " + std::to_string(g.across.origin) + "," +
                     std::to_string(g.down.origin) + ", pitch " + std::to_string(g.across.pitch) + "," +
                     std::to_string(g.down.pitch);
  s.outcome.notice.clear();
}

}  // namespace

SourceResult<SheetImport> OpenSheetImport(std::string path, std::span<const std::uint8_t> file, const Charset& base,
                                          const Palette& palette) {
  DecodeResult decoded = DecodeImage(file, kSheetImageLimits);
  if (!decoded.image) return SourceRefusal{"Not a PNG, BMP or JPEG picture that can be read (" + decoded.error + ")."};
  SheetImport state;
  state.path = std::move(path);
  state.sheet = std::move(*decoded.image);
  state.palette = palette;
  state.outcome.base = base;
  state.outcome.look = PaneLook(palette);
  UpdateSheet(state);
  return state;
}

void SetSheetPaper(SheetImport& state, std::string text) {
  state.paper = std::move(text);
  UpdateSheet(state);
}

void SetSheetUnique(SheetImport& state, bool unique) {
  state.unique = unique;
  UpdateSheet(state);
}

void SetSheetAsciiOrder(SheetImport& state, bool ascii) {
  state.asciiOrder = ascii;
  UpdateSheet(state);
}

void SetSheetFirstGlyph(SheetImport& state, std::string text) {
  state.firstGlyph = std::move(text);
  UpdateSheet(state);
}

void SetSheetGridField(SheetImport& state, SheetGridField field, std::string text) {
  switch (field) {
    case SheetGridField::Scale: state.scale = std::move(text); break;
    case SheetGridField::Origin: state.origin = std::move(text); break;
    case SheetGridField::Pitch: state.pitch = std::move(text); break;
  }
  UpdateSheet(state);
}

std::string FoundGridText(const SheetImport& state, SheetGridField field) {
  if (!state.grid) return {};
  const SheetGrid& g = *state.grid;
  switch (field) {
    case SheetGridField::Scale: return std::to_string(g.scale);
    case SheetGridField::Origin: return std::to_string(g.across.origin) + "," + std::to_string(g.down.origin);
    case SheetGridField::Pitch: return std::to_string(g.across.pitch) + "," + std::to_string(g.down.pitch);
  }
  return {};
}

void ApplyImportedCharset(App& app, const Charset& charset) {
  BeginEdit(app, RedoEntries::Drop);
  app.doc.store.editor = charset;
  EndEdit(app);
}

void ApplySourceImport(App& app, const SourceImport& state) {
  const SourceColours* colours = state.takeColours ? OfferedColours(state) : nullptr;
  if (!state.outcome.result) return;
  BeginEdit(app, RedoEntries::Drop);
  CharsetStore& store = app.doc.store;
  store.editor = *state.outcome.result;
  if (colours) {
    store.colours = colours->colours;
    // The source's glyphs are its first ones from the address on; the inks follow them to the first glyph.
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(state.outcome.glyphCount), colours->inks.size());
    for (std::size_t n = 0; n < count; ++n) {
      const std::size_t glyph = static_cast<std::size_t>(state.outcome.firstGlyph) + n;
      if (glyph >= store.inks.size()) break;
      store.inks[glyph] = colours->inks[n];
    }
  }
  EndEdit(app);
}

}  // namespace kx
