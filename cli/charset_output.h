#pragma once
// Writing the OUT operand: the formats a charset can be written in, how OUT's name chooses one, and the
// write itself, which replaces a file only once the new content is complete ("-" is standard output).

#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/cli_outcome.h"
#include "model/charset.h"
#include "model/charset_colours.h"
#include "model/charset_store.h"

namespace kx {

enum class OutputFormat { Chr, Prg, Ctm, Png, Bmp, Jpg, Acme, Ca65, Tass64, KickAss, C };

struct OutputFormatInfo {
  OutputFormat format;
  std::string_view name;        // the --to value
  std::string_view extensions;  // space-separated, lower case, each with its dot
  std::string_view description;
};

std::span<const OutputFormatInfo> OutputFormats();
std::optional<OutputFormat> OutputFormatFromName(std::string_view name);
// The format OUT's extension names, compared without regard to case.
std::optional<OutputFormat> OutputFormatFromPath(std::string_view path);

// What shapes the written bytes beyond the format.
struct OutputSettings {
  OutputFormat format = OutputFormat::Chr;
  std::uint16_t loadAddress = 0;  // prg: the two header bytes, low byte first
  std::string label;              // source formats: the symbol of the data
  bool cHeader = false;           // c: the extern declaration instead of the array
  // Pictures and projects: the charset's display mode, registers and per-glyph inks (--mode, --colours,
  // --inks, or a project's own).
  CharsetColours colours;
  GlyphInks inks = CharsetStore::DefaultInks();
  bool colourTable = false;  // source formats: the inks follow the charset (--with-inks)
};

// The settings for writing to `outPath` from the options given: the format from --to or OUT's extension
// ("-" without --to writes a raw charset), --load-address only for prg, --label only for the source
// formats (by default taken from OUT's file name, or IN's when OUT is "-"). Usage failures name the
// problem.
std::variant<OutputSettings, CliFailure> ChooseOutput(const std::string& inPath, const std::string& outPath,
                                                      const std::optional<std::string>& to,
                                                      const std::optional<std::string>& loadAddress,
                                                      const std::optional<std::string>& label);

// The bytes of the charset in the chosen format.
std::string EncodeCharset(const Charset& charset, const OutputSettings& settings);

// The source-format part of EncodeCharset (cli/source_output.cpp).
bool IsSourceFormat(OutputFormat format);
std::string EncodeCharsetSource(const Charset& charset, const OutputSettings& settings);

// Writes `bytes` to `path`, or to `out` when path is "-". A regular file is written by WriteFileReplacing,
// so a failed write leaves the target as it was; a pipe or a character device is written directly.
// Fails with the editor's message.
std::optional<CliFailure> WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out);

}  // namespace kx
