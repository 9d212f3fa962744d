#pragma once
// The sixteen transform families of the menus. Each family is one glyph transform offered on twelve
// consecutive commands: the per-glyph tool, the eight glyph rows, the first and last four rows and the
// entire charset. One table holds what differs between families; ids, texts and scopes follow from it.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "app/command_ids.h"
#include "model/editing_state.h"
#include "ops/scope.h"
#include "ops/transform.h"

namespace kx {

// Offsets inside a family, from its base id b: b, b+1..b+8, b+9, b+10, b+11.
enum class FamilyScope { Individual, Row, FirstFourRows, LastFourRows, Entire };

inline constexpr int kFamilySize = 12;
inline constexpr int kGlyphRowCount = 8;

struct TransformFamily {
  CommandId base;
  std::string_view menuTitle;       // the submenu holding the twelve items
  std::string_view individualText;  // b
  std::string_view rowLabel;        // b+1..b+8 read "<rowLabel> Row N"
  std::string_view firstFourText;   // b+9
  std::string_view lastFourText;    // b+10
  std::string_view entireText;      // b+11
  Transform transform;
  Tool tool;                        // the per-glyph tool the Individual item selects
  bool textStyle;                   // Individual releases every tool button instead of pressing one
  std::string_view tooltip;         // the pressed button's tooltip; empty for text styles
  // The charset-wide slide without wrap that ends the family's submenu after the entire-charset item, as
  // the "Right" family's does; none for the others.
  std::optional<SlideDirection> endsWithNoWrapSlide = std::nullopt;
};

// All families in menu order: the five text styles, then flip, mirror, slide and rotate.
std::span<const TransformFamily> TransformFamilies();

// The family of `transform`, by which the menus place it; nullptr for fill, reverse and erase, which have
// none.
const TransformFamily* FamilyOf(Transform transform);

// What one family command means. Glyph rows count from 0; an Individual command walks none (-1).
struct FamilyCommand {
  const TransformFamily* family = nullptr;
  FamilyScope scope = FamilyScope::Individual;
  int firstRow = -1;  // the glyph rows the command walks; one row for FamilyScope::Row
  int lastRow = -1;
};

// Decodes `id` when it belongs to a transform family.
std::optional<FamilyCommand> DecodeFamilyCommand(CommandId id);

// The id of a family item; `row` (0..7) counts only for FamilyScope::Row.
CommandId FamilyCommandId(const TransformFamily& family, FamilyScope scope, int row = 0);

// The menu text of a family item ("<rowLabel> Row 1" for row 0); `row` (0..7) counts only for
// FamilyScope::Row.
std::string FamilyItemText(const TransformFamily& family, FamilyScope scope, int row = 0);

}  // namespace kx
