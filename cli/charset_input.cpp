#include "cli/charset_input.h"


#include "io/font_sheet.h"
#include "io/source_caps.h"
#include "runtime/capped_read.h"
#include "runtime/image_codec.h"

namespace kx {
namespace {

std::optional<CliFailure> Number(const ParsedArgs& args, CliOption option, std::string_view name,
                                 std::uint64_t limit, std::optional<std::uint64_t>& value) {
  const std::optional<std::string> text = args.Value(option);
  if (!text) return std::nullopt;
  value = ParseSourceNumber(*text, limit);
  if (value) return std::nullopt;
  return UsageFailure("bad " + std::string(name) + " '" + *text + "' (decimal, $hex or 0xhex, 0 to " +
                      std::to_string(limit) + ")");
}

}  // namespace

std::variant<SourceRequest, CliFailure> SourceRequestFrom(const ParsedArgs& args) {
  SourceRequest request;
  if (const std::optional<std::string> from = args.Value(CliOption::From)) {
    request.kind = SourceKindFromName(*from);
    if (!request.kind) return UsageFailure("unknown source '" + *from + "' (" + std::string(kSourceKindNames) + ")");
  }
  std::optional<std::uint64_t> glyphs, first;
  if (auto failure = Number(args, CliOption::Offset, "offset", kMaxImageFileBytes, request.offset)) return *failure;
  if (auto failure = Number(args, CliOption::Glyphs, "glyph count", kGlyphCount, glyphs)) return *failure;
  if (auto failure = Number(args, CliOption::FirstGlyph, "first glyph", kGlyphCount - 1, first)) return *failure;
  if (glyphs) request.glyphs = static_cast<int>(*glyphs);
  if (first) request.firstGlyph = static_cast<int>(*first);
  if (const std::optional<std::string> paper = args.Value(CliOption::Paper)) {
    request.sheet.paper = ParsePaperColour(*paper);
    if (!request.sheet.paper) return UsageFailure("bad paper colour '" + *paper + "' (RRGGBB)");
  }
  request.sheet.unique = args.Has(CliOption::Unique);
  return request;
}

std::variant<CharsetInput, CliFailure> CharsetFromBytes(const std::string& bytes, const std::string& path,
                                                        const SourceRequest& request) {
  const ByteSpan data(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  // Standard input has no extension to go by.
  auto read = ReadCharsetSource(data, path == kStdStream ? std::string_view() : std::string_view(path), request);
  if (const auto* refusal = std::get_if<SourceRefusal>(&read)) return InputFailure(path, refusal->reason);
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
