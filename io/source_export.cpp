#include "io/source_export.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace kx {
namespace {

// What tells one dialect's text from another's.
struct DialectSyntax {
  SourceDialect dialect;
  std::string_view name;
  std::string_view labelSuffix;  // after the label on its own line
  std::string_view directive;    // before the bytes
  std::string_view comment;      // starts a comment to the end of the line
};

constexpr std::array<DialectSyntax, kSourceDialectCount> kDialects{{
    {SourceDialect::Acme, "acme", "", "!byte", ";"},
    {SourceDialect::Ca65, "ca65", ":", ".byte", ";"},
    {SourceDialect::Tass64, "64tass", "", ".byte", ";"},
    {SourceDialect::KickAss, "kickass", ":", ".byte", "//"},
    {SourceDialect::C, "c", "", "", ""},
}};

const DialectSyntax& SyntaxOf(SourceDialect dialect) {
  for (const DialectSyntax& syntax : kDialects) {
    if (syntax.dialect == dialect) return syntax;
  }
  return kDialects.front();
}

// Words no label may be: what one of the assemblers or C reads as something else. The mnemonics include
// the 65C02 additions and the undocumented NMOS opcodes, which the assemblers take once a source selects
// those CPUs. The assemblers read mnemonics and registers in any case, so those are compared without case.
constexpr auto kMnemonics = std::to_array<std::string_view>({
    "adc", "and", "asl", "bcc", "bcs", "beq", "bit", "bmi", "bne", "bpl", "brk", "bvc", "bvs", "clc",
    "cld", "cli", "clv", "cmp", "cpx", "cpy", "dec", "dex", "dey", "eor", "inc", "inx", "iny", "jmp",
    "jsr", "lda", "ldx", "ldy", "lsr", "nop", "ora", "pha", "php", "pla", "plp", "rol", "ror", "rti",
    "rts", "sbc", "sec", "sed", "sei", "sta", "stx", "sty", "tax", "tay", "tsx", "txa", "txs", "tya"});
constexpr auto kOtherOpcodes = std::to_array<std::string_view>({
    "bra", "phx", "phy", "plx", "ply", "stz", "trb", "tsb", "wai", "stp", "slo", "rla", "sre",
    "rra", "sax", "lax", "dcp", "isc", "isb", "anc", "anc2", "alr", "asr", "arr", "xaa", "ane",
    "axs", "sbx", "las", "lae", "shy", "shx", "tas", "shs", "sha", "ahx", "lxa", "jam"});
constexpr auto kRegisters = std::to_array<std::string_view>({"a", "x", "y"});
// C keywords (C23 included), the names of gcc's asm and C++'s few that a C header may meet, and main.
constexpr auto kCWords = std::to_array<std::string_view>({
    "alignas", "alignof", "asm", "auto", "bool", "break", "case", "char", "class", "const", "constexpr",
    "continue", "default", "delete", "do", "double", "else", "enum", "extern", "false", "float", "for",
    "goto", "if", "inline", "int", "long", "main", "new", "nullptr", "register", "restrict", "return",
    "short", "signed", "sizeof", "static", "static_assert", "struct", "switch", "this", "thread_local",
    "true", "typedef", "typeof", "typeof_unqual", "union", "unsigned", "void", "volatile", "while"});

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLabelChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Lower(x) == Lower(y); });
}

template <std::size_t N>
bool InListIgnoringCase(const std::array<std::string_view, N>& words, std::string_view label) {
  return std::any_of(words.begin(), words.end(), [&](std::string_view w) { return SameIgnoringCase(w, label); });
}

bool IsReserved(std::string_view label) {
  return InListIgnoringCase(kMnemonics, label) || InListIgnoringCase(kOtherOpcodes, label) ||
         InListIgnoringCase(kRegisters, label) ||
         std::find(kCWords.begin(), kCWords.end(), label) != kCWords.end();
}

// The file name without folders and without the text from its last '.' on (a leading '.' stays, so a
// name that is all extension keeps it).
std::string_view StemOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::size_t dot = name.find_last_of('.');
  if (dot != std::string_view::npos && dot > 0) name = name.substr(0, dot);
  return name;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHexByte(std::string& out, std::string_view prefix, std::uint8_t value) {
  out += prefix;
  out += kHexDigits[value >> 4];
  out += kHexDigits[value & 15];
}

void AppendGlyphBytes(std::string& out, const Charset& charset, int glyph, std::string_view prefix,
                      std::string_view separator) {
  for (int i = 0; i < kGlyphBytes; ++i) {
    if (i > 0) out += separator;
    AppendHexByte(out, prefix, charset[static_cast<std::size_t>(glyph * kGlyphBytes + i)]);
  }
}

// "glyph 65 ($41)" for the assemblers, "glyph 65 (0x41)" for C.
void AppendGlyphName(std::string& out, int glyph, std::string_view hexPrefix) {
  out += "glyph ";
  out += std::to_string(glyph);
  out += " (";
  AppendHexByte(out, hexPrefix, static_cast<std::uint8_t>(glyph));
  out += ')';
}

constexpr std::string_view kIndent = "        ";
// The first line of every file: "<open> label: what the bytes are<close>".
void AppendTitleLine(std::string& out, std::string_view open, std::string_view label, std::string_view close) {
  out += open;
  out += ' ';
  out += label;
  out += ": 256 glyphs of 8 bytes, top row first, bit 7 the leftmost pixel";
  out += close;
  out += '\n';
}

constexpr int kColoursPerLine = 16;
constexpr std::string_view kColourTableTitle =
    ": 256 glyph colours 0-15, glyph 0 first; 8-15 make a glyph multicolour";

void AppendColourLine(std::string& out, const GlyphInks& inks, int first, std::string_view prefix,
                      std::string_view separator) {
  for (int i = 0; i < kColoursPerLine; ++i) {
    if (i > 0) out += separator;
    AppendHexByte(out, prefix, inks[static_cast<std::size_t>(first + i)]);
  }
}

// "glyphs 16-31"
void AppendGlyphRange(std::string& out, int first) {
  out += "glyphs " + std::to_string(first) + "-" + std::to_string(first + kColoursPerLine - 1);
}

void AppendAssemblerColours(std::string& out, const GlyphInks& inks, const DialectSyntax& syntax,
                            std::string_view label) {
  const std::string colours = ColourTableLabel(label);
  out += '\n';
  out += syntax.comment;
  out += ' ' + colours;
  out += kColourTableTitle;
  out += '\n' + colours;
  out += syntax.labelSuffix;
  out += '\n';
  for (int first = 0; first < kGlyphCount; first += kColoursPerLine) {
    out += kIndent;
    out += syntax.directive;
    out += ' ';
    AppendColourLine(out, inks, first, "$", ",");
    out += ' ';
    out += syntax.comment;
    out += ' ';
    AppendGlyphRange(out, first);
    out += '\n';
  }
}

std::string AssemblerSource(const Charset& charset, const DialectSyntax& syntax, std::string_view label,
                            const GlyphInks* colourTable) {
  std::string out;
  out.reserve(16384);
  AppendTitleLine(out, syntax.comment, label, "");
  out += label;
  out += syntax.labelSuffix;
  out += '\n';
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    out += kIndent;
    out += syntax.directive;
    out += ' ';
    AppendGlyphBytes(out, charset, glyph, "$", ",");
    out += ' ';
    out += syntax.comment;
    out += ' ';
    AppendGlyphName(out, glyph, "$");
    out += '\n';
  }
  if (colourTable != nullptr) AppendAssemblerColours(out, *colourTable, syntax, label);
  return out;
}

constexpr std::string_view kCLinkageOpen = "#ifdef __cplusplus\nextern \"C\" {\n#endif\n";
constexpr std::string_view kCLinkageClose = "#ifdef __cplusplus\n}\n#endif\n";

// Both arrays' extern declarations in one C-linkage block.
void AppendCDeclarations(std::string& out, std::string_view label, bool withColours) {
  out += kCLinkageOpen;
  out += "extern const unsigned char ";
  out += label;
  out += "[2048];\n";
  if (withColours) out += "extern const unsigned char " + ColourTableLabel(label) + "[256];\n";
  out += kCLinkageClose;
}

void AppendCColours(std::string& out, const GlyphInks& inks, std::string_view label) {
  const std::string colours = ColourTableLabel(label);
  out += "\n/* " + colours;
  out += kColourTableTitle;
  out += ". */\nconst unsigned char " + colours + "[256] = {\n";
  for (int first = 0; first < kGlyphCount; first += kColoursPerLine) {
    out += "    ";
    AppendColourLine(out, inks, first, "0x", ", ");
    out += ", /* ";
    AppendGlyphRange(out, first);
    out += " */\n";
  }
  out += "};\n";
}

std::string CDefinition(const Charset& charset, std::string_view label, const GlyphInks* colourTable) {
  std::string out;
  out.reserve(24576);
  AppendTitleLine(out, "/*", label, ". */");
  // In C++ a const object at namespace scope is local to its file unless an extern declaration came
  // first; the declaration also gives it C linkage, so C and C++ code link with the same symbol.
  AppendCDeclarations(out, label, colourTable != nullptr);
  out += "\nconst unsigned char ";
  out += label;
  out += "[2048] = {\n";
  for (int glyph = 0; glyph < kGlyphCount; ++glyph) {
    out += "    ";
    AppendGlyphBytes(out, charset, glyph, "0x", ", ");
    out += ", /* ";
    AppendGlyphName(out, glyph, "0x");
    out += " */\n";
  }
  out += "};\n";
  if (colourTable != nullptr) AppendCColours(out, *colourTable, label);
  return out;
}

std::string CHeader(std::string_view label, bool withColours) {
  std::string guard;
  for (const char c : label) guard += Upper(c);
  guard += "_H";
  std::string out;
  AppendTitleLine(out, "/*", label, ". */");
  out += "#ifndef " + guard + "\n#define " + guard + "\n\n";
  AppendCDeclarations(out, label, withColours);
  out += "\n#endif\n";
  return out;
}

}  // namespace

std::string_view SourceDialectName(SourceDialect dialect) { return SyntaxOf(dialect).name; }

std::optional<SourceDialect> SourceDialectFromName(std::string_view name) {
  for (const DialectSyntax& syntax : kDialects) {
    if (syntax.name == name) return syntax.dialect;
  }
  return std::nullopt;
}

bool IsValidSourceLabel(std::string_view label, std::optional<SourceDialect> dialect) {
  if (label.empty() || label.size() > kMaxSourceLabelLength) return false;
  // ca65, 64tass and ACME take a leading underscore (cc65's C code names its symbols so); Kick Assembler
  // and C are held to a letter, C because such names are reserved to the implementation.
  const bool underscoreFirst = dialect == SourceDialect::Acme || dialect == SourceDialect::Ca65 ||
                               dialect == SourceDialect::Tass64;
  const std::size_t lead = underscoreFirst ? label.find_first_not_of('_') : 0;
  if (lead == std::string_view::npos) return false;
  if (!IsLetter(label[lead]) && !(lead > 0 && IsDigit(label[lead]))) return false;
  return std::all_of(label.begin(), label.end(), IsLabelChar) && !IsReserved(label);
}

std::string SourceLabelFromPath(std::string_view path) {
  std::string label;
  bool gap = false;  // a run of characters a label cannot hold (or '_') since the last letter or digit
  for (const char c : StemOf(path)) {
    if (IsLetter(c) || IsDigit(c)) {
      if (gap && !label.empty()) label += '_';
      gap = false;
      label += c;
    } else {
      gap = true;
    }
  }
  if (!label.empty() && IsDigit(label.front())) label = std::string(kFallbackSourceLabel) + "_" + label;
  if (label.size() > kMaxSourceLabelLength) label.resize(kMaxSourceLabelLength);
  while (!label.empty() && label.back() == '_') label.pop_back();
  if (!IsValidSourceLabel(label)) return std::string(kFallbackSourceLabel);
  return label;
}

std::string ColourTableLabel(std::string_view label) { return std::string(label) + "_colours"; }

std::string FormatCharsetSource(const Charset& charset, SourceDialect dialect, std::string_view label,
                                bool cHeader, const GlyphInks* colourTable) {
  if (dialect == SourceDialect::C) {
    return cHeader ? CHeader(label, colourTable != nullptr) : CDefinition(charset, label, colourTable);
  }
  return AssemblerSource(charset, SyntaxOf(dialect), label, colourTable);
}

}  // namespace kx
