#include "io/charset_source.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "io/charset_file.h"
#include "io/image_dump.h"
#include "io/raw_source.h"
#include "ops/charset_pixels.h"
#include "ops/colour_picture.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

struct NamedKind {
  SourceKind kind;
  std::string_view name;         // what `info` says
  std::string_view requestName;  // what --from takes, or empty
  std::string_view extensions;   // space-separated, lower case: the extensions that tell the kind
};

constexpr std::array<NamedKind, 10> kKinds{{
    {SourceKind::RawCharset, "raw charset (.chr)", "", ""},
    {SourceKind::PrgCharset, "charset with load address (.prg)", "", ""},
    {SourceKind::ShortPrg, "short load-address file (2049 bytes, last byte missing)", "", ""},
    {SourceKind::RowFile, "partial charset of whole rows", "", ""},
    {SourceKind::Program, "C64 program", "prg", ".prg .64c"},
    {SourceKind::Raw, "binary at an offset", "raw", ""},
    {SourceKind::Snapshot, "VICE snapshot", "vsf", ".vsf"},
    {SourceKind::CharPad, "CharPad project", "ctm", ".ctm"},
    {SourceKind::Sheet, "font sheet", "sheet", ""},
    {SourceKind::Picture, "picture", "picture", ""},
}};

const NamedKind& Named(SourceKind kind) { return *std::ranges::find(kKinds, kind, &NamedKind::kind); }

std::string LowerExtension(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  std::string out(name.substr(dot));
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool ListHas(std::string_view list, std::string_view word) {
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t space = std::min(list.find(' ', start), list.size());
    if (list.substr(start, space - start) == word) return true;
    start = space + 1;
  }
  return false;
}

// The sizes the editor's own loads know, whatever the name.
std::optional<SourceKind> KindBySize(std::size_t size) {
  if (size == kCharsetBytes) return SourceKind::RawCharset;
  if (size == kPrgFileBytes) return SourceKind::PrgCharset;
  if (size == kShortPrgFileBytes) return SourceKind::ShortPrg;
  if (size > 0 && size % kRowBytes == 0 && size < kCharsetBytes) return SourceKind::RowFile;
  return std::nullopt;
}

bool StartsWith(ByteSpan file, std::string_view text) {
  return file.size() >= text.size() &&
         std::equal(text.begin(), text.end(), file.begin(), [](char a, std::uint8_t b) { return static_cast<std::uint8_t>(a) == b; });
}

// The glyphs a source offers from where the user chose; a count the user gives cuts them.
struct Offered {
  GlyphBytes glyphs;
};

GlyphBytes ToGlyphBytes(const Charset& charset) { return GlyphBytes(charset.begin(), charset.end()); }

SourceResult<Offered> FromLegacy(ByteSpan file, SourceKind kind) {
  // The editor's rule for each size: a header to skip, then up to the charset's bytes, zero past the end.
  const std::optional<FileSlice> slice = kind == SourceKind::ShortPrg ? ImportSlice(file.size(), kShortPrgFileBytes)
                                         : kind == SourceKind::RowFile ? ImportSlice(file.size(), file.size())
                                                                       : SizeSlice(file.size());
  if (!slice) return SourceRefusal{"not a charset of a size the editor loads"};
  GlyphBytes glyphs(slice->fill, 0);
  const std::size_t available = file.size() - std::min(file.size(), slice->skip);
  std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(slice->skip), std::min(available, glyphs.size()),
              glyphs.begin());
  return Offered{std::move(glyphs)};
}

// In multicolour and extended background mode the picture's colours give the bytes and the inks, which
// become the facts' colours.
SourceResult<Offered> FromPicture(ByteSpan file, const std::optional<PictureColours>& drawn, SourceFacts& facts) {
  const DecodeResult decoded = DecodeImage(file);
  if (!decoded.image) return SourceRefusal{"not a picture that can be read (" + decoded.error + ")"};
  const Image picture = PictureAtCharsetSize(*decoded.image);
  const std::span<const std::uint32_t> pixels{picture.Data(), CharsetPixelsNeeded(picture.Stride())};
  const Palette palette = MakePalette();
  if (!drawn) return Offered{ToGlyphBytes(CharsetFromPixels(pixels, picture.Stride()))};
  if (drawn->colours.mode == DisplayMode::HiRes) {
    const Rgb paper = palette[drawn->colours.registers[kBackground0] % kPaletteSize];
    return Offered{ToGlyphBytes(CharsetFromPixels(pixels, picture.Stride(), paper))};
  }
  const ColouredCharset read =
      CharsetFromColourPixels(pixels, picture.Stride(), palette, drawn->colours, Charset{}, drawn->inks);
  facts.colours = SourceColours{drawn->colours, std::vector<std::uint8_t>(read.inks.begin(), read.inks.end()),
                                "the picture's colours"};
  return Offered{ToGlyphBytes(read.charset)};
}

template <class T>
const SourceRefusal* Refused(const SourceResult<T>& result) {
  return std::get_if<SourceRefusal>(&result);
}

// The glyphs of a program from the C64 address `address` on, up to 256 and never past the top of memory.
SourceResult<Offered> FromProgramAddress(ByteSpan file, const ProgramChoices& program, std::uint32_t address) {
  const std::uint32_t load = program.loadAddress;
  const ByteSpan memory = ProgramData(file).first(std::min<std::size_t>(program.dataBytes, kC64MemoryEnd - load));
  const std::uint32_t last = load + static_cast<std::uint32_t>(memory.size()) - 1;
  if (address < load || address > last) {
    return SourceRefusal{"address " + HexAddress(address) + " is outside the program (" + HexAddress(load) + " to " +
                         HexAddress(last) + ")"};
  }
  if (GlyphsAvailable(memory, address - load) == 0) {
    return SourceRefusal{"address " + HexAddress(address) + " leaves no whole glyph before the program's end at " +
                         HexAddress(last)};
  }
  return Offered{std::get<GlyphBytes>(RawGlyphs(memory, address - load, std::nullopt))};
}

SourceResult<Offered> Offer(ByteSpan file, SourceKind kind, const SourceRequest& request, SourceFacts& facts) {
  switch (kind) {
    case SourceKind::RawCharset:
    case SourceKind::PrgCharset:
    case SourceKind::ShortPrg:
    case SourceKind::RowFile:
      if (kind == SourceKind::PrgCharset) facts.loadAddress = static_cast<std::uint16_t>(file[0] | file[1] << 8);
      return FromLegacy(file, kind);
    case SourceKind::Program: {
      auto examined = ExamineProgram(file);
      if (const auto* refusal = Refused(examined)) return *refusal;
      const ProgramChoices& program = std::get<ProgramChoices>(examined);
      facts.loadAddress = program.loadAddress;
      if (!request.address && program.partialGlyphs > 0) {
        return Offered{std::get<GlyphBytes>(ProgramGlyphs(file, program))};
      }
      // Without an address a whole program offers its first window.
      const std::uint32_t first = program.windows.empty() ? program.loadAddress : program.windows.front().address;
      return FromProgramAddress(file, program, request.address.value_or(first));
    }
    case SourceKind::Raw: {
      auto glyphs = RawGlyphs(file, request.offset.value_or(0), std::nullopt);
      if (const auto* refusal = Refused(glyphs)) return *refusal;
      return Offered{std::move(std::get<GlyphBytes>(glyphs))};
    }
    case SourceKind::Snapshot: {
      auto examined = ExamineSnapshot(file);
      if (const auto* refusal = Refused(examined)) return *refusal;
      SnapshotChoices& snapshot = std::get<SnapshotChoices>(examined);
      if (request.address && *request.address > kLastRamWindow) {
        return SourceRefusal{"address " + HexAddress(*request.address) + " leaves less than 2 KiB of RAM (0 to " +
                             HexAddress(kLastRamWindow) + ")"};
      }
      auto glyphs = SnapshotGlyphs(snapshot, request.address);
      if (const auto* refusal = Refused(glyphs)) return *refusal;
      snapshot.ram.clear();
      facts.snapshot = std::move(snapshot);
      return Offered{std::move(std::get<GlyphBytes>(glyphs))};
    }
    case SourceKind::CharPad: {
      auto examined = ExamineCharPad(file);
      if (const auto* refusal = Refused(examined)) return *refusal;
      facts.charPad = std::get<CharPadChoices>(examined);
      return Offered{CharPadGlyphs(file, *facts.charPad)};
    }
    case SourceKind::Sheet: {
      auto cut = CutFontSheetFile(file, request.sheet);
      if (const auto* refusal = Refused(cut)) return *refusal;
      SheetCut& sheet = std::get<SheetCut>(cut);
      Offered offered{std::move(sheet.glyphs)};
      if (offered.glyphs.empty()) return SourceRefusal{"the font sheet has no cell"};
      sheet.glyphs.clear();
      facts.sheet = std::move(sheet);
      return offered;
    }
    case SourceKind::Picture: return FromPicture(file, request.picture, facts);
  }
  return SourceRefusal{"not a known kind of file"};
}

}  // namespace

std::string_view SourceKindName(SourceKind kind) { return Named(kind).name; }

std::optional<SourceKind> SourceKindFromName(std::string_view name) {
  if (name.empty()) return std::nullopt;
  const auto it = std::ranges::find(kKinds, name, &NamedKind::requestName);
  if (it == kKinds.end()) return std::nullopt;
  return it->kind;
}

std::optional<SourceKind> DetectSourceKind(ByteSpan file, std::string_view path) {
  if (StartsWith(file, "VICE Snapshot File\x1a")) return SourceKind::Snapshot;
  const std::string extension = LowerExtension(path);
  const std::optional<SourceKind> bySize = KindBySize(file.size());
  // A program has no signature of its own (its load address may look like one), so its extension comes
  // before the weaker signatures; the editor's own sizes keep their meaning under any name.
  if (ListHas(Named(SourceKind::Program).extensions, extension)) return bySize.value_or(SourceKind::Program);
  if (StartsWith(file, "CTM") && file.size() > 3 && IsKnownCharPadVersion(file[3])) return SourceKind::CharPad;
  if (DetectImageFormat(file)) return SourceKind::Picture;
  for (const NamedKind& named : kKinds) {
    if (!extension.empty() && ListHas(named.extensions, extension)) return named.kind;
  }
  if (bySize) return bySize;
  // Other editors write a charset of any length after a 2-byte load address.
  if (file.size() >= kLoadAddressBytes + kGlyphBytes && file.size() % kGlyphBytes == kLoadAddressBytes) {
    return SourceKind::Program;
  }
  return std::nullopt;
}

SourceResult<SourceReading> ReadCharsetSource(ByteSpan file, std::string_view path, const SourceRequest& request) {
  std::optional<SourceKind> kind = request.kind ? request.kind : DetectSourceKind(file, path);
  // A file of no known kind read from an offset is a binary; a charset with a load address read from an
  // address is the program it is.
  if (!kind && request.offset) kind = SourceKind::Raw;
  if (!kind) return SourceRefusal{"not a known file"};
  if (request.address && *kind == SourceKind::PrgCharset) kind = SourceKind::Program;
  if (request.address && *kind != SourceKind::Program && *kind != SourceKind::Snapshot) {
    return SourceRefusal{"a C64 address applies only to programs and snapshots"};
  }
  if (request.offset && *kind != SourceKind::Raw) return SourceRefusal{"an offset applies only to binaries"};
  if (request.glyphs && (*request.glyphs < 1 || *request.glyphs > kGlyphCount)) {
    return SourceRefusal{"glyph count " + std::to_string(*request.glyphs) + " is not 1 to 256"};
  }
  const int first = request.firstGlyph.value_or(0);
  if (first < 0 || first >= kGlyphCount) {
    return SourceRefusal{"first glyph " + std::to_string(first) + " is not a glyph (0 to 255)"};
  }
  SourceReading reading;
  reading.kind = *kind;
  auto offered = Offer(file, *kind, request, reading.facts);
  if (const auto* refusal = Refused(offered)) return *refusal;
  GlyphBytes& glyphs = std::get<Offered>(offered).glyphs;
  const int available = static_cast<int>(glyphs.size() / kGlyphBytes);
  if (request.glyphs) {
    if (*request.glyphs > available) {
      return SourceRefusal{std::to_string(*request.glyphs) + " glyphs asked for, but the file offers " +
                           std::to_string(available) + " there"};
    }
    glyphs.resize(static_cast<std::size_t>(*request.glyphs) * kGlyphBytes);
  }
  const std::size_t count = glyphs.size() / kGlyphBytes;
  if (reading.facts.snapshot) reading.facts.colours = reading.facts.snapshot->taken;
  if (reading.facts.charPad) reading.facts.colours = reading.facts.charPad->taken;
  if (reading.facts.colours && !reading.facts.colours->inks.empty()) reading.facts.colours->inks.resize(count);
  // Glyphs that would land past glyph 255 are left out and counted.
  auto placed = PlaceGlyphs(Charset{}, glyphs, first);
  if (const auto* refusal = Refused(placed)) return *refusal;
  reading.placed = std::get<PlacedGlyphs>(placed);
  return reading;
}

}  // namespace kx
