// The source formats of kestrelix-cli are the source export's dialects, under the same names.

#include <algorithm>

#include "cli/charset_output.h"
#include "io/source_export.h"

namespace kx {
namespace {

std::optional<SourceDialect> DialectOf(OutputFormat format) {
  const auto formats = OutputFormats();
  const auto it = std::ranges::find(formats, format, &OutputFormatInfo::format);
  if (it == formats.end()) return std::nullopt;
  return SourceDialectFromName(it->name);
}

}  // namespace

bool IsSourceFormat(OutputFormat format) { return DialectOf(format).has_value(); }

std::string EncodeCharsetSource(const Charset& charset, const OutputSettings& settings) {
  const std::optional<SourceDialect> dialect = DialectOf(settings.format);
  if (!dialect) return {};
  return FormatCharsetSource(charset, *dialect, settings.label, settings.cHeader,
                             settings.colourTable ? &settings.inks : nullptr);
}

}  // namespace kx
