#include "cli/cli_help.h"

#include <algorithm>

#include "cli/charset_edits.h"
#include "cli/charset_output.h"
#include "cli/colour_options.h"

#ifndef KX_VERSION
#define KX_VERSION "0"
#endif

namespace kx {
namespace {

constexpr std::string_view kCommon =
    "\"-\" as IN or OUT is standard input or output; a pipe or a device named as IN or OUT is read or\n"
    "written directly, a regular file OUT through a temporary file renamed over it.\n"
    "Exit status: 0 success, 1 usage error, 2 bad input or failed write (a regular file OUT is then left as it was).\n"
    "Errors are one line: kestrelix-cli: FILE: reason.\n";

constexpr std::string_view kInputRules =
    "IN's kind is --from KIND, else told by its content, its extension or its size:\n"
    "  2048 bytes raw charset; 2050 bytes charset with load address; 2049 bytes the short load-address\n"
    "    file (last byte 0); 256*n bytes (n 1-7) glyphs 0..32n-1; other 2+8*n bytes a program\n"
    "  prg      .prg .64c  C64 program: 2+8*n bytes (n 1-256) are n glyphs; a longer one offers every\n"
    "                      2 KiB window at a glyph-aligned address, the first by default; --address\n"
    "                      takes the glyphs from any C64 address inside it instead\n"
    "  raw                 any binary: glyphs from the file offset --offset (default 0); a file of no\n"
    "                      known kind is read so when --offset is given\n"
    "  vsf      .vsf       VICE snapshot of a C64 (x64, x64sc): the charset the VIC-II showed, or the\n"
    "                      2 KiB of RAM at --address ADDRESS\n"
    "  ctm      .ctm       CharPad project (format versions 1-9, 82): its first 256 characters\n"
    "  sheet               PNG, BMP or JPEG font sheet: its grid of cells (scale, margin, gaps or grid\n"
    "                      lines) is found and read left to right, top to bottom\n"
    "  picture             PNG, JPEG or BMP read back like \"Import Charset as Image\" (the default\n"
    "                      for pictures: black is a clear pixel, any other colour a set one)\n"
    "Reading options:\n"
    "  --from KIND          prg, raw, vsf, ctm, sheet or picture, whatever IN looks like\n"
    "  --address ADDRESS    prg, vsf: the C64 address the glyphs start at ($0000-$FFFF)\n"
    "  --offset N           raw: the file offset the glyphs start at (for vsf the same as --address)\n"
    "  --glyphs N           how many glyphs to take (1-256)\n"
    "  --first-glyph N      where the first one goes (0-255, default 0); glyphs not filled are zero,\n"
    "                       glyphs that would land past 255 are left out and counted on standard error\n"
    "  --paper RRGGBB       sheet: the paper colour (default found from the picture)\n"
    "  --unique             sheet: drop cells equal to an earlier cell\n"
    "  --scale N            sheet: pixels per glyph pixel (1-16, default found)\n"
    "  --origin X,Y         sheet: the first cell's top left pixel (default found)\n"
    "  --pitch W,H          sheet: pixels from one cell to the next, gaps included (default found)\n"
    "  --ascii              sheet: ASCII order, the first cell is the space; cells go to screen codes\n"
    "Numbers are decimal, $hex or 0xhex.\n";

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
      "  --load-address HEX   prg only: the two header bytes (default: IN's load address when IN has one,\n"
      "                       else 0000, as the editor writes)\n"
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
         "that leaves comes back at the opposite edge of the bitmap. Sideways, a multicolour glyph (see\n"
         "--mode) moves by one 2-bit pixel and takes in whole pairs.\n";
}

std::string DeriveDetails() {
  return "KIND: " + JoinNames(DerivedFonts(), " ") +
         "\nBuilt from glyphs 0-63 as the editor's \"Auto Creation\" commands build them.\n";
}

std::string OverviewHelp(std::span<const SubcommandHelp> subcommands) {
  std::string out = "Usage: " + std::string(kCliName) + " COMMAND ARGS... [OPTIONS]\n" +
                    "       " + std::string(kCliName) + " --help | --version\n\n" +
                    "Converts and edits Commodore 64 charsets, hi-res and multicolour, the way the Kestrelix\n"
                    "editor does.\n\n"
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
  if (s.writesOut) out += OutputHelp() + "\n" + ColourOptionsHelp() + "\n";
  out += kCommon;
  return out;
}

std::string VersionText() { return std::string(kCliName) + " " + KX_VERSION + "\n"; }

}  // namespace kx
