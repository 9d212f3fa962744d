#pragma once
// Reading the IN operand: a file, or standard input for "-", through the readers every charset source
// shares with the editor (io/charset_source.h). The kind comes from --from, else from the content, the
// extension or the size; --offset, --glyphs, --first-glyph, --paper and --unique shape what is taken.

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "cli/cli_args.h"
#include "cli/cli_outcome.h"
#include "io/charset_source.h"
#include "model/charset.h"

namespace kx {

struct CharsetInput {
  Charset charset{};
  SourceReading reading;
  std::uint64_t size = 0;  // bytes read from the file or the stream
};

// The name standing for standard input or output.
inline constexpr std::string_view kStdStream = "-";

// The request the reading options make; a value that is no number, colour or kind is a usage failure.
std::variant<SourceRequest, CliFailure> SourceRequestFrom(const ParsedArgs& args);

// The charset in `bytes`, read from `path` (only named in messages and for its extension).
std::variant<CharsetInput, CliFailure> CharsetFromBytes(const std::string& bytes, const std::string& path,
                                                        const SourceRequest& request);

// Reads `path`, or all of `in` when path is "-", and judges it with CharsetFromBytes.
std::variant<CharsetInput, CliFailure> ReadCharsetInput(const std::string& path, std::istream& in,
                                                        const SourceRequest& request = {});

}  // namespace kx
