#include "cli/charset_input.h"

#include <tuple>

#include "io/font_sheet.h"
#include "io/source_caps.h"
#include "runtime/capped_read.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

// A number option from `low` to `high`; an address shows its range in hex, as C64 addresses are written.
struct NumberRule {
  CliOption option;
  std::string_view name;
  std::uint64_t low;
  std::uint64_t high;
  bool address = false;
};

std::optional<CliFailure> Number(const ParsedArgs& args, const NumberRule& rule, std::optional<std::uint64_t>& value) {
  const std::optional<std::string> text = args.Value(rule.option);
  if (!text) return std::nullopt;
  value = ParseSourceNumber(*text, rule.high);
  if (value && *value >= rule.low) return std::nullopt;
  const std::string high = rule.address ? HexAddress(static_cast<std::uint32_t>(rule.high)) : std::to_string(rule.high);
  return UsageFailure("bad " + std::string(rule.name) + " '" + PrintableText(*text) + "' (decimal, $hex or 0xhex, " +
                      std::to_string(rule.low) + " to " + high + ")");
}

bool IsProgram(SourceKind kind) { return kind == SourceKind::Program || kind == SourceKind::PrgCharset; }

// --address is a C64 address (programs and snapshots), --offset a binary's file offset. A snapshot has no
// file offset, so --offset there still means the address it always meant; on a program it could mean
// either and is refused with both spellings named.
std::optional<CliFailure> MatchPlaceToKind(SourceRequest& request, std::optional<SourceKind> kind) {
  if (!kind) return std::nullopt;  // a file of no known kind is read raw from an offset
  if (request.offset && *kind == SourceKind::Snapshot && !request.address) {
    if (*request.offset > kC64MemoryEnd - 1) {
      return UsageFailure("bad address '" + std::to_string(*request.offset) + "' (a snapshot's RAM is 0 to $FFFF)");
    }
    request.address = static_cast<std::uint32_t>(*request.offset);
    request.offset.reset();
  }
  if (request.offset && IsProgram(*kind)) {
    return UsageFailure("--offset is a binary's file offset: give a program's C64 address with --address, or read "
                        "it as a binary with --from raw --offset N");
  }
  if (request.offset && *kind != SourceKind::Raw) return UsageFailure("--offset applies only to binaries (--from raw)");
  if (request.address && !IsProgram(*kind) && *kind != SourceKind::Snapshot) {
    return UsageFailure("--address applies only to programs and snapshots; a binary takes --offset");
  }
  return std::nullopt;
}

}  // namespace

std::variant<SourceRequest, CliFailure> SourceRequestFrom(const ParsedArgs& args) {
  SourceRequest request;
  if (const std::optional<std::string> from = args.Value(CliOption::From)) {
    request.kind = SourceKindFromName(*from);
    if (!request.kind) {
      return UsageFailure("unknown source '" + PrintableText(*from) + "' (" + std::string(kSourceKindNames) + ")");
    }
  }
  std::optional<std::uint64_t> address, glyphs, first;
  const std::array<std::pair<NumberRule, std::optional<std::uint64_t>*>, 4> numbers{{
      {{CliOption::Address, "address", 0, kC64MemoryEnd - 1, true}, &address},
      {{CliOption::Offset, "offset", 0, kMaxImageFileBytes}, &request.offset},
      {{CliOption::Glyphs, "glyph count", 1, kGlyphCount}, &glyphs},
      {{CliOption::FirstGlyph, "first glyph", 0, kGlyphCount - 1}, &first},
  }};
  for (const auto& [rule, value] : numbers) {
    if (auto failure = Number(args, rule, *value)) return *failure;
  }
  if (address) request.address = static_cast<std::uint32_t>(*address);
  if (glyphs) request.glyphs = static_cast<int>(*glyphs);
  if (first) request.firstGlyph = static_cast<int>(*first);
  if (const std::optional<std::string> paper = args.Value(CliOption::Paper)) {
    request.sheet.paper = ParsePaperColour(*paper);
    if (!request.sheet.paper) return UsageFailure("bad paper colour '" + PrintableText(*paper) + "' (RRGGBB)");
  }
  request.sheet.unique = args.Has(CliOption::Unique);
  request.sheet.asciiOrder = args.Has(CliOption::Ascii);
  if (const std::optional<std::string> scale = args.Value(CliOption::Scale)) {
    const auto value = ParseSourceNumber(*scale, 16);
    if (!value || *value < 1) return UsageFailure("bad scale '" + PrintableText(*scale) + "' (1 to 16)");
    request.sheet.grid.scale = static_cast<int>(*value);
  }
  const std::array<std::tuple<CliOption, std::string_view, std::string_view, std::optional<int>*, std::optional<int>*>, 2>
      pairs{{
          {CliOption::Origin, "origin", "X,Y", &request.sheet.grid.originX, &request.sheet.grid.originY},
          {CliOption::Pitch, "pitch", "W,H", &request.sheet.grid.pitchX, &request.sheet.grid.pitchY},
      }};
  for (const auto& [option, name, form, x, y] : pairs) {
    const std::optional<std::string> text = args.Value(option);
    if (!text) continue;
    const auto value = ParseSheetPair(*text, kMaxImageSide);
    if (!value) {
      return UsageFailure("bad " + std::string(name) + " '" + PrintableText(*text) + "' (" + std::string(form) + ")");
    }
    *x = value->first;
    *y = value->second;
  }
  return request;
}

std::variant<CharsetInput, CliFailure> CharsetFromBytes(const std::string& bytes, const std::string& path,
                                                        const SourceRequest& request) {
  const ByteSpan data(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  // Standard input has no extension to go by.
  const std::string_view name = path == kStdStream ? std::string_view() : std::string_view(path);
  SourceRequest placed = request;
  if (auto failure = MatchPlaceToKind(placed, request.kind ? request.kind : DetectSourceKind(data, name))) {
    return *failure;
  }
  auto read = ReadCharsetSource(data, name, placed);
  if (const auto* refusal = std::get_if<SourceRefusal>(&read)) {
    // A sheet whose grid cannot be found says how to give it.
    if (refusal->reason.starts_with(kGridUnsure)) {
      return InputFailure(path, refusal->reason + "; give --scale N, --origin X,Y and --pitch W,H");
    }
    return InputFailure(path, refusal->reason);
  }
  CharsetInput input;
  input.reading = std::move(std::get<SourceReading>(read));
  input.charset = input.reading.placed.charset;
  input.size = bytes.size();
  return input;
}

std::variant<CharsetInput, CliFailure> ReadCharsetInput(const std::string& path, std::istream& in,
                                                        const SourceRequest& request) {
  // The kind the first bytes and the name tell sets how much is read; the rest is never buffered.
  const std::string_view name = path == kStdStream ? std::string_view() : std::string_view(path);
  SourceCap cap;
  const CapOfHead capOf = [&](std::span<const std::uint8_t> head) {
    cap = SourceCapFor(head, name, request.kind);
    return cap.bytes;
  };
  // A pipe or a device is read as the stream it is; a regular file by its size first.
  const FileRead file =
      path == kStdStream ? ReadCapped(in, kSourceHeadBytes, capOf) : ReadCapped(path, kSourceHeadBytes, capOf);
  switch (file.status) {
    case FileReadStatus::Ok: return CharsetFromBytes(file.bytes, path, request);
    case FileReadStatus::Missing: return InputFailure(path, "not found");
    case FileReadStatus::TooLarge:
      if (!cap.kind) return InputFailure(path, "not a known file (too large)");
      return InputFailure(path, "too large for a " + std::string(SourceKindName(*cap.kind)) + " (at most " +
                                    std::to_string(cap.bytes) + " bytes)");
    case FileReadStatus::Failed: break;
  }
  return InputFailure(path, "could not read the file");
}

}  // namespace kx
