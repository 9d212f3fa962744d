#pragma once
// The charset changes kestrelix-cli offers, as tables: the operations of `apply` with the scopes the
// editor has a command for, the charset-wide slides, and the derived fonts. Each carries out exactly what
// the editor's command of that name and scope does to the charset bytes.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "cli/cli_outcome.h"
#include "model/charset_store.h"
#include "model/editing_state.h"
#include "ops/batch.h"
#include "ops/derived_font.h"
#include "ops/scope.h"
#include "ops/transform.h"

namespace kx {

enum class ScopeKind { Glyph, Row, FirstFour, LastFour, All };

// Where an operation applies: one glyph (0..255), one glyph row (0..7), glyph rows 0-3 or 4-7, or all.
struct EditScope {
  ScopeKind kind = ScopeKind::All;
  int index = 0;
};

// "glyph:N" (N 0..255), "row:R" (R 1..8), "first4", "last4" or "all".
std::optional<EditScope> ParseScope(std::string_view text);

// How an `apply` operation changes a range of glyph rows: a glyph transform applied glyph by glyph, or a
// byte operation over the rows' bytes. On one glyph it runs as the editor's per-glyph tool.
struct ApplyOperation {
  std::string_view name;
  std::variant<Transform, ByteOperation> change;
  Tool glyphTool;
  bool rows;      // the editor has "Row 1" .. "Row 8" commands for it
  bool entire;    // and one for the entire charset
};

std::span<const ApplyOperation> ApplyOperations();
const ApplyOperation* FindApplyOperation(std::string_view name);

// The scopes the editor has a command for, as the command line writes them: "glyph:N row:R first4 ...".
std::string ScopesOffered(const ApplyOperation& operation);

// A usage failure naming the scopes offered when the editor has no command for `operation` over `scope`.
std::optional<CliFailure> RefuseScope(const ApplyOperation& operation, const EditScope& scope);

// Runs `operation` over `scope` on the store's editor charset; a scope RefuseScope refuses changes nothing.
std::optional<CliFailure> ApplyEdit(CharsetStore& store, const ApplyOperation& operation, const EditScope& scope);

struct NamedSlide {
  std::string_view name;
  SlideDirection direction;
};
std::span<const NamedSlide> CharsetSlides();
std::optional<SlideDirection> FindSlide(std::string_view name);

struct NamedDerivedFont {
  std::string_view name;
  DerivedFontKind kind;
};
std::span<const NamedDerivedFont> DerivedFonts();
std::optional<DerivedFontKind> FindDerivedFont(std::string_view name);

// The names of a table joined with `separator`, for help texts and messages.
template <class Table>
std::string JoinNames(const Table& table, std::string_view separator) {
  std::string out;
  for (const auto& entry : table) {
    if (!out.empty()) out += separator;
    out += entry.name;
  }
  return out;
}

}  // namespace kx
