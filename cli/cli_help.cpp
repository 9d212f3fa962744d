#include "cli/cli_help.h"

#include <algorithm>

#include "cli/charset_edits.h"
#include "cli/charset_output.h"

#ifndef KX_VERSION
#define KX_VERSION "0"
#endif

namespace kx {
namespace {

constexpr std::string_view kCommon =
    "\"-\" as IN or OUT is standard input or output.\n"
    "Exit status: 0 success, 1 usage error, 2 bad input or failed write (OUT is then left as it was).\n";

constexpr std::string_view kInputRules =
    "IN is read like the editor's loads: 2048 bytes raw, 2050 bytes .prg (load address skipped),\n"
    "2049 bytes the short load-address file (last byte 0), otherwise a PNG, JPEG or BMP picture read\n"
    "back like \"Import Charset as Image\" (black is a clear pixel, any other colour a set one).\n";

// `text` followed by blanks up to `width` columns, and at least one.
std::string Padded(std::string_view text, std::size_t width) {
  std::string out(text);
  out.resize(std::max(width, out.size() + 1), ' ');
  return out;
}

std::string OutputHelp() {
  std::string out =
      "OUT's format is --to FORMAT, else told by OUT's extension; \"-\" without --to writes chr.\n"
      "Formats:\n";
  for (const OutputFormatInfo& f : OutputFormats()) {
    out += "  " + Padded(f.name, 9) + Padded(f.extensions, 15) + std::string(f.description) + "\n";
  }
  out +=
      "Options:\n"
      "  --to FORMAT          write FORMAT whatever OUT's extension\n"
      "  --load-address HEX   prg only: the two header bytes (default 0000, as the editor writes)\n"
      "  --label NAME         source formats only: the data's label (default from OUT's file name)\n";
  return out;
}

}  // namespace

std::string ApplyDetails() {
  std::string out = "OP and the scopes the editor has a command for:\n";
  for (const ApplyOperation& op : ApplyOperations()) {
    out += "  " + Padded(op.name, 22) + ScopesOffered(op) + "\n";
  }
  out +=
      "SCOPE: glyph:N (0-255, the editor's per-glyph tool on glyph N), row:R (1-8, glyphs 32(R-1)..32R-1),\n"
      "first4 (glyphs 0-127), last4 (glyphs 128-255), all.\n";
  return out;
}

std::string SlideDetails() {
  return "DIR: " + JoinNames(CharsetSlides(), " | ") +
         ". The whole 256x64 bitmap moves one pixel; pixels cross glyph borders and the edge\n"
         "that leaves comes back at the opposite edge of the bitmap.\n";
}

std::string DeriveDetails() {
  return "KIND: " + JoinNames(DerivedFonts(), " ") +
         "\nBuilt from glyphs 0-63 as the editor's \"Auto Creation\" commands build them.\n";
}

std::string OverviewHelp(std::span<const SubcommandHelp> subcommands) {
  std::string out = "Usage: " + std::string(kCliName) + " COMMAND ARGS... [OPTIONS]\n" +
                    "       " + std::string(kCliName) + " --help | --version\n\n" +
                    "Converts and edits Commodore 64 hi-res charsets the way the Kestrelix editor does.\n\n"
                    "Commands:\n";
  for (const SubcommandHelp& s : subcommands) {
    out += "  " + Padded(s.name, 10) + std::string(s.summary) + "\n";
  }
  out += "\n'" + std::string(kCliName) + " COMMAND --help' tells more about a command.\n";
  out += kCommon;
  return out;
}

std::string SubcommandHelpText(const SubcommandHelp& s) {
  std::string out = "Usage: " + std::string(kCliName) + " " + std::string(s.name) + " " +
                    std::string(s.synopsis) + "\n\n" + std::string(s.summary) + ".\n\n";
  if (s.details) out += s.details() + "\n";
  out += std::string(kInputRules) + "\n";
  if (s.writesOut) out += OutputHelp() + "\n";
  out += kCommon;
  return out;
}

std::string VersionText() { return std::string(kCliName) + " " + KX_VERSION + "\n"; }

}  // namespace kx
