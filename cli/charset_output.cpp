#include "cli/charset_output.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <charconv>

#include "cli/charset_input.h"
#include "io/charpad_project.h"
#include "io/charset_file.h"
#include "io/source_export.h"
#include "io/image_dump.h"
#include "model/charset_store.h"
#include "model/palette.h"
#include "ops/charset_pixels.h"
#include "runtime/file_bytes.h"
#include "runtime/image_codec.h"
#include "runtime/stream_file.h"

namespace kx {
namespace {

constexpr std::array<OutputFormatInfo, 11> kFormats{{
    {OutputFormat::Chr, "chr", ".chr .bin", "raw charset, 2048 bytes"},
    {OutputFormat::Prg, "prg", ".prg", "two load-address bytes, then the 2048 bytes"},
    {OutputFormat::Ctm, "ctm", ".ctm", "CharPad project (format 5) with the inks, mode and registers"},
    {OutputFormat::Png, "png", ".png", "512x128 PNG picture, as the editor dumps it"},
    {OutputFormat::Bmp, "bmp", ".bmp", "512x128 BMP picture, as the editor dumps it"},
    {OutputFormat::Jpg, "jpg", ".jpg .jpeg", "512x128 JPEG picture, as the editor dumps it"},
    {OutputFormat::Acme, "acme", ".a .acme", "ACME source (!byte)"},
    {OutputFormat::Ca65, "ca65", ".s .ca65", "ca65 source (.byte)"},
    {OutputFormat::Tass64, "64tass", ".tass .64tass", "64tass source (.byte)"},
    {OutputFormat::KickAss, "kickass", ".asm .kickass", "Kick Assembler source (.byte)"},
    {OutputFormat::C, "c", ".c .h", "C array; a .h file gets the extern declaration"},
}};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The extension of the path's file name, dot included, in lower case; empty when it has none.
std::string ExtensionOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return {};
  return Lower(name.substr(dot));
}

bool ListHas(std::string_view list, std::string_view word) {
  while (!list.empty()) {
    const std::size_t space = list.find(' ');
    if (list.substr(0, space) == word) return true;
    if (space == std::string_view::npos) break;
    list.remove_prefix(space + 1);
  }
  return false;
}

// "3000", "$3000" or "0x3000": a hexadecimal address 0..FFFF.
std::optional<std::uint16_t> ParseAddress(std::string_view text) {
  if (text.starts_with('$')) {
    text.remove_prefix(1);
  } else if (text.starts_with("0x") || text.starts_with("0X")) {
    text.remove_prefix(2);
  }
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value > 0xFFFF) {
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(value);
}

// The dump picture: the charset drawn as the editor draws it in the chosen mode and colours (by default
// hi-res, set pixels in each glyph's ink, clear ones black), every pixel doubled.
Image DumpOf(const Charset& charset, const OutputSettings& settings) {
  Image picture(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(charset, settings.inks, MakePalette(),
                    {picture.Data(), CharsetPixelsNeeded(picture.Stride())}, picture.Stride(), settings.colours);
  return DumpPicture(picture);
}

std::string EncodePicture(const Charset& charset, const OutputSettings& settings, ImageFormat format) {
  const std::optional<Bytes> encoded = EncodeImage(DumpOf(charset, settings), format);
  return encoded ? std::string(encoded->begin(), encoded->end()) : std::string();
}

// A label as a message quotes it: at most 40 characters, so a pasted blob cannot flood the line.
std::string QuotedLabel(std::string_view label) {
  constexpr std::size_t kShown = 40;
  if (label.size() <= kShown) return PrintableText(label);
  return PrintableText(label.substr(0, kShown)) + "...";
}

}  // namespace

std::span<const OutputFormatInfo> OutputFormats() { return kFormats; }

std::optional<OutputFormat> OutputFormatFromName(std::string_view name) {
  const auto it = std::ranges::find(kFormats, name, &OutputFormatInfo::name);
  if (it == kFormats.end()) return std::nullopt;
  return it->format;
}

std::optional<OutputFormat> OutputFormatFromPath(std::string_view path) {
  const std::string extension = ExtensionOf(path);
  if (extension.empty()) return std::nullopt;
  for (const OutputFormatInfo& info : kFormats) {
    if (ListHas(info.extensions, extension)) return info.format;
  }
  return std::nullopt;
}

std::variant<OutputSettings, CliFailure> ChooseOutput(const std::string& inPath, const std::string& outPath,
                                                      const std::optional<std::string>& to,
                                                      const std::optional<std::string>& loadAddress,
                                                      const std::optional<std::string>& label) {
  OutputSettings settings;
  if (to) {
    const std::optional<OutputFormat> named = OutputFormatFromName(*to);
    if (!named) return UsageFailure("unknown format '" + *to + "' (see 'kestrelix-cli convert --help')");
    settings.format = *named;
  } else if (outPath != kStdStream) {
    const std::optional<OutputFormat> byName = OutputFormatFromPath(outPath);
    if (!byName) {
      return UsageFailure("cannot tell the format of '" + outPath + "' from its extension; give --to FORMAT");
    }
    settings.format = *byName;
  }
  if (loadAddress) {
    if (settings.format != OutputFormat::Prg) return UsageFailure("--load-address applies only to the prg format");
    const std::optional<std::uint16_t> address = ParseAddress(*loadAddress);
    if (!address) return UsageFailure("bad load address '" + *loadAddress + "' (hexadecimal 0 to FFFF)");
    settings.loadAddress = *address;
  }
  if (label && !IsSourceFormat(settings.format)) return UsageFailure("--label applies only to the source formats");
  if (IsSourceFormat(settings.format)) {
    if (label) {
      if (!IsValidSourceLabel(*label, SourceDialectFromName(std::ranges::find(kFormats, settings.format, &OutputFormatInfo::format)->name))) {
        return UsageFailure("bad label '" + QuotedLabel(*label) + "'");
      }
      settings.label = *label;
    } else {
      settings.label = SourceLabelFromPath(outPath != kStdStream ? outPath : inPath);
    }
    settings.cHeader = settings.format == OutputFormat::C && ExtensionOf(outPath) == ".h";
  }
  return settings;
}

std::string EncodeCharset(const Charset& charset, const OutputSettings& settings) {
  switch (settings.format) {
    case OutputFormat::Chr: return CharsetFileBytes(charset, FileType::Chr);
    case OutputFormat::Prg: return CharsetFileBytes(charset, FileType::Prg, kCharsetBytes, settings.loadAddress);
    case OutputFormat::Ctm: return CharPadProjectBytes(charset, settings.inks, settings.colours);
    case OutputFormat::Png: return EncodePicture(charset, settings, ImageFormat::Png);
    case OutputFormat::Bmp: return EncodePicture(charset, settings, ImageFormat::Bmp);
    case OutputFormat::Jpg: return EncodePicture(charset, settings, ImageFormat::Jpeg);
    default: return EncodeCharsetSource(charset, settings);
  }
}

std::optional<CliFailure> WriteOutput(const std::string& path, std::string_view bytes, std::ostream& out) {
  // Empty bytes are an encoder that failed: nothing is written rather than an empty file.
  if (bytes.empty()) return InputFailure(path, "could not write the file (the output could not be encoded)");
  bool written = false;
  int error = 0;
  if (path == kStdStream) {
    errno = 0;
    written = static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush());
    error = errno;
  } else if (IsStreamFile(path)) {
    // A pipe or a device cannot be replaced by a renamed file: it is written as it is.
    written = WriteStreamFile(path, bytes, &error);
  } else {
    written = WriteFileReplacing(path, bytes, &error);
  }
  if (written) return std::nullopt;
  return InputFailure(path, "could not write the file (" + WriteErrorText(error) + ")");
}

}  // namespace kx
