#include "cli/charset_edits.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "ops/glyph_tools.h"

namespace kx {
namespace {

using enum Transform;

constexpr ApplyOperation Family(std::string_view name, Transform t) {
  return {name, t, ToolOfTransform(t), true, true};
}

constexpr std::array<ApplyOperation, 19> kOperations{{
    Family("flip-horizontal", FlipHorizontal),
    Family("flip-vertical", FlipVertical),
    Family("mirror-top-to-bottom", MirrorTopToBottom),
    Family("mirror-bottom-to-top", MirrorBottomToTop),
    Family("mirror-left-to-right", MirrorLeftToRight),
    Family("mirror-right-to-left", MirrorRightToLeft),
    Family("slide-up", SlideUp),
    Family("slide-down", SlideDown),
    Family("slide-left", SlideLeft),
    Family("slide-right", SlideRight),
    Family("rotate", Rotate90),
    // The editor reverses rows and halves, and one glyph with its tool, but has no whole-charset reverse.
    {"reverse", ByteOperation::Reverse, ToolOfTransform(Reverse), true, false},
    Family("italicise", Italicise),
    Family("slant-right", SlantRight),
    Family("slant-left", SlantLeft),
    Family("underline", Underline),
    Family("strikethrough", Strikethrough),
    {"erase", ByteOperation::Erase, ToolOfTransform(Erase), true, true},
    // ROM glyphs are restored one at a time, by halves or whole, never by rows.
    {"restore-rom", ByteOperation::RestoreRom, Tool::RestoreRomGlyph, false, true},
}};

constexpr std::array<NamedSlide, 4> kSlides{{
    {"up", SlideDirection::Up},
    {"down", SlideDirection::Down},
    {"left", SlideDirection::Left},
    {"right", SlideDirection::Right},
}};

constexpr std::array<NamedDerivedFont, 6> kDerivedFonts{{
    {"1x2", DerivedFontKind::OneByTwo},
    {"1x2-reversed", DerivedFontKind::OneByTwoReversed},
    {"2x1", DerivedFontKind::TwoByOne},
    {"2x1-reversed", DerivedFontKind::TwoByOneReversed},
    {"2x2", DerivedFontKind::TwoByTwo},
    {"2x2-reversed", DerivedFontKind::TwoByTwoReversed},
}};

// "N" in lo..hi, decimal digits only.
std::optional<int> ParseNumber(std::string_view text, int lo, int hi) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < lo || value > hi) {
    return std::nullopt;
  }
  return value;
}

bool Offers(const ApplyOperation& operation, ScopeKind kind) {
  switch (kind) {
    case ScopeKind::Glyph:
    case ScopeKind::FirstFour:
    case ScopeKind::LastFour: return true;
    case ScopeKind::Row: return operation.rows;
    case ScopeKind::All: return operation.entire;
  }
  return false;
}

// The glyph rows a scope other than Glyph covers.
struct RowSpan {
  int first;
  int last;
};
RowSpan RowsOf(const EditScope& scope) {
  switch (scope.kind) {
    case ScopeKind::Row: return {scope.index, scope.index};
    case ScopeKind::FirstFour: return {0, 3};
    case ScopeKind::LastFour: return {4, 7};
    default: return {0, kGlyphRows - 1};
  }
}

// How each scope is written, in ScopeKind order: a fixed word, or a prefix and a number from `first` to
// `last`, kept counted from `first` (row:1 is glyph row 0).
struct ScopeSyntax {
  ScopeKind kind;
  std::string_view shown;   // for help and messages
  std::string_view prefix;  // the whole word when there is no number
  bool numbered;
  int first;
  int last;
};
constexpr std::array<ScopeSyntax, 5> kScopes{{
    {ScopeKind::Glyph, "glyph:N", "glyph:", true, 0, kGlyphCount - 1},
    {ScopeKind::Row, "row:R", "row:", true, 1, kGlyphRows},
    {ScopeKind::FirstFour, "first4", "first4", false, 0, 0},
    {ScopeKind::LastFour, "last4", "last4", false, 0, 0},
    {ScopeKind::All, "all", "all", false, 0, 0},
}};

}  // namespace

std::optional<EditScope> ParseScope(std::string_view text) {
  for (const ScopeSyntax& syntax : kScopes) {
    if (!syntax.numbered) {
      if (text == syntax.prefix) return EditScope{syntax.kind, 0};
    } else if (text.starts_with(syntax.prefix)) {
      const auto n = ParseNumber(text.substr(syntax.prefix.size()), syntax.first, syntax.last);
      if (n) return EditScope{syntax.kind, *n - syntax.first};
    }
  }
  return std::nullopt;
}

std::span<const ApplyOperation> ApplyOperations() { return kOperations; }

const ApplyOperation* FindApplyOperation(std::string_view name) {
  const auto it = std::ranges::find(kOperations, name, &ApplyOperation::name);
  return it == kOperations.end() ? nullptr : &*it;
}

std::string ScopesOffered(const ApplyOperation& operation) {
  std::string out;
  for (const ScopeSyntax& syntax : kScopes) {
    if (!Offers(operation, syntax.kind)) continue;
    if (!out.empty()) out += ' ';
    out += syntax.shown;
  }
  return out;
}

std::optional<CliFailure> RefuseScope(const ApplyOperation& operation, const EditScope& scope) {
  if (Offers(operation, scope.kind)) return std::nullopt;
  return UsageFailure("the editor has no '" + std::string(operation.name) + "' command for " +
                      std::string(kScopes[static_cast<std::size_t>(scope.kind)].shown) + " (it offers " +
                      ScopesOffered(operation) + ")");
}

std::optional<CliFailure> ApplyEdit(CharsetStore& store, const ApplyOperation& operation, const EditScope& scope) {
  if (std::optional<CliFailure> refused = RefuseScope(operation, scope)) return refused;
  if (scope.kind == ScopeKind::Glyph) {
    GlyphStores unused;
    ApplyGlyphTool(store, unused, operation.glyphTool, scope.index);
    return std::nullopt;
  }
  const RowSpan rows = RowsOf(scope);
  if (const Transform* t = std::get_if<Transform>(&operation.change)) {
    ApplyToRows(store.editor, *t, rows.first, rows.last, GlyphModesOf(store));
  } else {
    const ByteRange range{rows.first * kRowBytes, (rows.last - rows.first + 1) * kRowBytes};
    ApplyToBytes(store.editor, std::get<ByteOperation>(operation.change), range);
  }
  return std::nullopt;
}

std::span<const NamedSlide> CharsetSlides() { return kSlides; }

std::optional<SlideDirection> FindSlide(std::string_view name) {
  const auto it = std::ranges::find(kSlides, name, &NamedSlide::name);
  if (it == kSlides.end()) return std::nullopt;
  return it->direction;
}

std::span<const NamedDerivedFont> DerivedFonts() { return kDerivedFonts; }

std::optional<DerivedFontKind> FindDerivedFont(std::string_view name) {
  const auto it = std::ranges::find(kDerivedFonts, name, &NamedDerivedFont::name);
  if (it == kDerivedFonts.end()) return std::nullopt;
  return it->kind;
}

}  // namespace kx
