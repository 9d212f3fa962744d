#pragma once
// The charset as source text for an assembler or a C compiler.
//
// Every dialect writes one glyph per line, its 8 bytes in hex, followed by a comment naming the glyph
// in decimal and hex, under a label at the top:
//
//   acme      label            !byte $3C,$66,...,$00 ; glyph 0 ($00)
//   ca65      label:           .byte $3C,$66,...,$00 ; glyph 0 ($00)
//   64tass    label            .byte $3C,$66,...,$00 ; glyph 0 ($00)
//   kickass   label:           .byte $3C,$66,...,$00 // glyph 0 ($00)
//
// The assembler sources set no program counter, segment or CPU: they are meant to be included where the
// program wants the charset (a 2 KiB-aligned address for the video chip).
//
// C has two forms. The definition (cHeader false; the one for a ".c" file and anything else) is
//
//   const unsigned char label[2048] = {
//       0x3C, 0x66, ..., 0x00, /* glyph 0 (0x00) */
//       ...
//   };
//
// and the header (cHeader true; for a ".h" file) is include-guarded by LABEL_H (the label in capitals)
// and declares `extern const unsigned char label[2048];`. Both wrap that declaration in `extern "C"` for
// C++, and the definition repeats it first, so the array links from C and C++ alike (in C++ a const
// definition alone would be local to its file). Comments are /* */ so both compile as C89 on.
//
// With a colour table, the 256 per-glyph inks follow the charset under the label + "_colours", sixteen
// bytes a line with a comment naming the first and last glyph ("glyphs 0-15"); in C that is a second array
// of 256, which the header declares too.
//
// Labels are ASCII letters, digits and '_', start with a letter (or '_' where the assembler allows it), are at most kMaxSourceLabelLength long
// and are none of the words a dialect reserves (6502 mnemonics, the register names A, X and Y, C
// keywords), so one label works in every dialect.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/charset.h"
#include "model/charset_store.h"

namespace kx {

enum class SourceDialect { Acme, Ca65, Tass64, KickAss, C };

inline constexpr int kSourceDialectCount = 5;
inline constexpr std::size_t kMaxSourceLabelLength = 64;
// The label a path gives when its name has nothing usable.
inline constexpr std::string_view kFallbackSourceLabel = "charset";

// The names the command line uses: "acme", "ca65", "64tass", "kickass", "c".
std::string_view SourceDialectName(SourceDialect dialect);
std::optional<SourceDialect> SourceDialectFromName(std::string_view name);

// A label for the source made from a path's file name without extension: a valid identifier in every
// dialect (letters, digits, '_'; not starting with a digit; empty or unusable names become "charset").
// Characters outside letters and digits become one '_' per run, underscores at either end are dropped,
// a name starting with a digit gets "charset_" in front, and the result is cut to the longest label.
std::string SourceLabelFromPath(std::string_view path);

// Whether a name is usable as a label as given (for --label checks): in every dialect when none is named,
// else in that dialect (ca65, 64tass and ACME also take labels that begin with '_').
bool IsValidSourceLabel(std::string_view label, std::optional<SourceDialect> dialect = std::nullopt);

// The label of the colour table that follows a charset called `label`.
std::string ColourTableLabel(std::string_view label);

// The source text of a whole charset, followed by its colour table when `colourTable` is given. For C,
// `cHeader` selects the extern declaration header instead of the array definition. The label must be
// valid (IsValidSourceLabel).
std::string FormatCharsetSource(const Charset& charset, SourceDialect dialect, std::string_view label,
                                bool cHeader = false, const GlyphInks* colourTable = nullptr);

}  // namespace kx
