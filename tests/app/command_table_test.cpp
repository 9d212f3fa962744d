#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/command_table.h"
#include "app/app.h"
#include "app/command_keys.h"
#include "app/run_command.h"
#include "app/transform_families.h"

namespace kx {
namespace {

const CommandTable& Table() {
  static const CommandTable table = BuildCommandTable();
  return table;
}

// The family whose base id is `base`; nullptr when none starts there.
const TransformFamily* FamilyWithBase(CommandId base) {
  for (const TransformFamily& f : TransformFamilies()) {
    if (f.base == base) return &f;
  }
  return nullptr;
}

std::map<CommandId, int> ItemCounts() {
  std::map<CommandId, int> counts;
  ForEachMenuItem(Table().menuBar, [&](const MenuNode& n, const auto&) { ++counts[n.id]; });
  return counts;
}

std::vector<CommandId> ItemIds(const MenuNode& menu) {
  std::vector<CommandId> ids;
  for (const MenuNode& n : menu.children) ids.push_back(n.kind == MenuNodeKind::Separator ? -1 : n.id);
  return ids;
}

TEST(CommandTable, TopLevelTitlesInOrder) {
  std::vector<std::string> titles;
  for (const MenuNode& n : Table().menuBar) {
    EXPECT_EQ(n.kind, MenuNodeKind::Submenu);
    titles.push_back(n.text);
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"File", "Edit", "View", "Tools", "Help"}));
}

TEST(CommandTable, EveryCommandOnceExceptSlideRightNoWrapTwice) {
  const std::pair<CommandId, CommandId> ranges[] = {
      {20, 23}, {25, 40}, {43, 55}, {66, 125}, {127, 129}, {143, 147}, {150, 155},
      {158, 163}, {187, 382}, {385, 388}, {390, 390}, {392, 411}};
  std::map<CommandId, int> expected;
  for (auto [first, last] : ranges) {
    for (CommandId id = first; id <= last; ++id) expected[id] = 1;
  }
  expected[cmd::SlideRightNoWrap] = 2;
  EXPECT_EQ(ItemCounts(), expected);
  EXPECT_EQ(Table().Find(cmd::SlideRightNoWrap)->places, 2);
  EXPECT_EQ(Table().Find(24), nullptr);
}

TEST(CommandTable, TextsKeepTheirExactSpacingAndTabs) {
  const std::pair<CommandId, const char*> texts[] = {
      {25, "Import 256 Bytes     (Row 1)"},
      {27, "Import 768 Bytes     (Rows 1 -> 3)"},
      {28, "Import 1024 Bytes   (Rows 1 -> 4)"},
      {31, "Import 1792 Bytes   (Rows 1 -> 7)"},
      {34, "Export 256 Bytes     (Row 1)"},
      {40, "Export 1792 Bytes   (Rows 1 -> 7)"},
      {395, "Export as Source..."},
      {396, "Import Charset from Program, Binary, Snapshot or Project..."},
      {397, "Import Charset from Font Sheet..."},
      {398, "Hi-res"},
      {400, "Extended Background Colour"},
      {401, "Charset Colours..."},
      {410, "Import Colour Table (256 Bytes)..."},
      {411, "Export Colour Table (256 Bytes)..."},
      {32, "Import Bugged Morvane (2049 Bytes)"},
      {20, "New\tCtrl+N"},
      {23, "Save As\tCtrl+Shift+S"},
      {43, "<Empty>"},
      {47, "<Empty>"},
      {49, "Quit\tAlt+F4"},
      {153, "Preview Window Hightlight Outside Fade "},
      {332, "Swap Charset1 <> Charset2\tJ"},
      {188, "Draw Dotted\tShift D"},
      {163, "Zoom Out\t-"},
      {361, "... Row 1"},
      {376, "... Row 8"},
      {348, "Erase Row 8"},
      {385, "... as PNG Image"},
      {386, "...as JPG Image"},
      {76, "Batch Italicise Last 4 Rows"},
      {75, "Batch Italicise First 4 Rows"},
      {87, "Slant Right First 4 Rows"},
      {203, "Flip Horizontally Row 8"},
      {330, "Rotate Entire Charset"},
      {315, "Slide Right Entire Charset (No Wrap)"},
  };
  for (auto [id, text] : texts) {
    const CommandInfo* info = Table().Find(id);
    ASSERT_NE(info, nullptr) << id;
    EXPECT_EQ(info->row->TableText(), text) << id;
  }
}

TEST(CommandTable, InitialTicksAndGreyedItems) {
  const std::set<CommandId> ticked{143, 146, 147, 150, 151, 152, 153, 154, 161, 398, 405, 406};
  const std::set<CommandId> checkable{143, 144, 145, 146, 147, 150, 151, 152, 153,
                                      154, 155, 158, 159, 160, 161, 398, 399, 400, 402,
                                      403, 404, 405, 406, 407, 408, 409};
  // The five recent entries are empty, so greyed, as the program always shows them after start-up.
  const std::set<CommandId> greyed{43, 44, 45, 46, 47, 48, 50, 51, 52, 54, 155};
  const App fresh;
  ForEachMenuItem(Table().menuBar, [&](const MenuNode& n, const auto&) {
    EXPECT_EQ(ItemState(fresh, n.id).checked, ticked.contains(n.id)) << n.id;
    EXPECT_EQ(n.checkable, checkable.contains(n.id)) << n.id;
    EXPECT_EQ(ItemState(fresh, n.id).enabled, !greyed.contains(n.id)) << n.id;
  });
}

void CollectGreyedSubmenus(const App& app, const std::vector<MenuNode>& nodes, std::vector<std::string>& out) {
  for (const MenuNode& n : nodes) {
    if (n.kind != MenuNodeKind::Submenu) continue;
    if (!SubmenuEnabled(app, n)) out.push_back(n.text);
    CollectGreyedSubmenus(app, n.children, out);
  }
}

TEST(CommandTable, OnlyTheRowMemoryPasteSubmenuStartsGreyed) {
  std::vector<std::string> greyed;
  CollectGreyedSubmenus(App(), Table().menuBar, greyed);
  EXPECT_EQ(greyed, std::vector<std::string>{std::string(kRowMemoryPasteMenu)});
  EXPECT_EQ(ItemIds(*FindSubmenu(Table().menuBar, kRowMemoryPasteMenu)),
            (std::vector<CommandId>{369, 370, 371, 372, 373, 374, 375, 376}));
}

TEST(CommandTable, EveryFamilyHasTheTwelveItemLayout) {
  for (const TransformFamily& f : TransformFamilies()) {
    const MenuNode* menu = FindSubmenu(Table().menuBar, f.menuTitle);
    ASSERT_NE(menu, nullptr) << f.menuTitle;
    const CommandId b = f.base;
    std::vector<CommandId> expected{b, -1, b + 1, b + 2, b + 3, b + 4, b + 5, b + 6, b + 7, b + 8,
                                    -1, b + 9, b + 10, -1, b + 11};
    if (b == 303) expected.push_back(cmd::SlideRightNoWrap);
    EXPECT_EQ(ItemIds(*menu), expected) << f.menuTitle;
  }
  EXPECT_EQ(ItemIds(*FindSubmenu(Table().menuBar, "No Char Wrap")), (std::vector<CommandId>{318, 317, 316, 315}));
}

TEST(CommandTable, FileMenuTreeWithTheSourceExportLastInExport) {
  // Items by text, separators as "-", submenus as "<title>".
  const auto texts = [](const MenuNode& menu) {
    std::vector<std::string> out;
    for (const MenuNode& n : menu.children) {
      out.push_back(n.kind == MenuNodeKind::Separator ? "-"
                    : n.kind == MenuNodeKind::Submenu ? "<" + n.text + ">"
                                                      : n.text);
    }
    return out;
  };
  EXPECT_EQ(texts(Table().menuBar.front()),
            (std::vector<std::string>{"New\tCtrl+N", "-", "Open\tCtrl+O", "Save\tCtrl+S", "Save As\tCtrl+Shift+S",
                                      "-", "<Import...>", "<Export...>", "-", "<Recent Files>", "-",
                                      "Quit\tAlt+F4"}));
  EXPECT_EQ(ItemIds(*FindSubmenu(Table().menuBar, "Export...")),
            (std::vector<CommandId>{34, 35, 36, 37, 38, 39, 40, -1, 395, 411}));
  EXPECT_EQ(Table().Find(395)->path, (std::vector<std::string>{"File", "Export..."}));
  EXPECT_EQ(ItemIds(*FindSubmenu(Table().menuBar, "Import...")),
            (std::vector<CommandId>{25, 26, 27, 28, 29, 30, 31, -1, 32, -1, 33, -1, 396, 397, -1, 410}));
}

TEST(CommandTable, CommandsKnowTheSubmenusTheySitIn) {
  using Path = std::vector<std::string>;
  const std::pair<CommandId, Path> paths[] = {
      {66, {"Edit", "Text Styles", "Italics"}},
      {195, {"Tools", "Flip Char", "Horizontal"}},
      {319, {"Tools", "Rotate Char 90"}},
      {315, {"Tools", "Slide Chars", "Right"}},  // the first of its two places
      {369, {"Edit", "Batch Copy / Paste Chars", std::string(kRowMemoryPasteMenu)}},
      {48, {"File", "Recent Files"}},
  };
  for (const auto& [id, path] : paths) EXPECT_EQ(Table().Find(id)->path, path) << id;
}

TEST(TransformFamilies, DecodeEveryIdOfBothRanges) {
  std::set<CommandId> notFamily{315, 316, 317, 318};
  for (CommandId id = 60; id <= 335; ++id) {
    const auto c = DecodeFamilyCommand(id);
    const bool inRange = (id >= 66 && id <= 125) || (id >= 195 && id <= 330);
    ASSERT_EQ(c.has_value(), inRange && !notFamily.contains(id)) << id;
    if (!c) continue;
    const int offset = id - c->family->base;
    ASSERT_GE(offset, 0);
    ASSERT_LT(offset, kFamilySize);
    EXPECT_EQ(FamilyCommandId(*c->family, c->scope, c->firstRow), id);
    EXPECT_EQ(Table().Find(id)->row->TableText(), FamilyItemText(*c->family, c->scope, c->firstRow));
    if (offset >= 1 && offset <= 8) {
      EXPECT_EQ(c->scope, FamilyScope::Row);
      EXPECT_EQ(c->firstRow, offset - 1);
      EXPECT_EQ(c->lastRow, offset - 1);
    }
  }
  const std::tuple<CommandId, FamilyScope, int, int> scopes[] = {
      {66, FamilyScope::Individual, -1, -1}, {75, FamilyScope::FirstFourRows, 0, 3},
      {76, FamilyScope::LastFourRows, 4, 7}, {77, FamilyScope::Entire, 0, 7},
      {319, FamilyScope::Individual, -1, -1}, {330, FamilyScope::Entire, 0, 7}};
  for (auto [id, scope, first, last] : scopes) {
    const auto c = DecodeFamilyCommand(id);
    EXPECT_EQ(c->scope, scope) << id;
    EXPECT_EQ(c->firstRow, first) << id;
    EXPECT_EQ(c->lastRow, last) << id;
  }
}

TEST(TransformFamilies, ToolsTooltipsAndTextStyles) {
  struct Expect {
    CommandId base;
    Transform transform;
    Tool tool;
    const char* tooltip;
  };
  const Expect samples[] = {
      {66, Transform::Italicise, Tool::ItaliciseGlyph, ""},
      {114, Transform::Strikethrough, Tool::StrikethroughGlyph, ""},
      {195, Transform::FlipHorizontal, Tool::FlipGlyphHorizontal, "Flip Char Horizontal"},
      {207, Transform::FlipVertical, Tool::FlipGlyphVertical, "Flip Char Vetical"},
      {255, Transform::MirrorRightToLeft, Tool::MirrorGlyphRightToLeft, "Mirror Char Right to Left"},
      {291, Transform::SlideLeft, Tool::SlideGlyphLeft, "Slide Char Left"},
      {319, Transform::Rotate90, Tool::RotateGlyph, "Rotate Char 90 CW"},
  };
  for (const Expect& e : samples) {
    const TransformFamily* f = FamilyWithBase(e.base);
    ASSERT_NE(f, nullptr) << e.base;
    EXPECT_EQ(f->transform, e.transform) << e.base;
    EXPECT_EQ(f->tool, e.tool) << e.base;
    EXPECT_EQ(f->tooltip, e.tooltip) << e.base;
  }
  // The text styles are exactly the Edit menu's families; they press no button, so have no tooltip.
  for (const TransformFamily& f : TransformFamilies()) {
    EXPECT_EQ(f.textStyle, f.base < 126) << f.base;
    EXPECT_EQ(f.tooltip.empty(), f.textStyle) << f.base;
    EXPECT_EQ(Table().Find(f.base)->path.front(), f.textStyle ? "Edit" : "Tools") << f.base;
  }
  EXPECT_EQ(FamilyWithBase(67), nullptr);
}

TEST(CommandKeys, EveryKeyBelongsToOneCommandAndItsScope) {
  struct Expect {
    CommandId id;
    KeyScope scope;
  };
  const std::map<std::string, Expect> expected{
      {"Ctrl+N", {20, KeyScope::Window}},      {"Ctrl+O", {21, KeyScope::Window}},
      {"Ctrl+S", {22, KeyScope::Window}},      {"Ctrl+Shift+S", {23, KeyScope::Window}},
      {"Ctrl+Z", {50, KeyScope::Window}},      {"Ctrl+Y", {51, KeyScope::Window}},
      {"Ctrl+X", {55, KeyScope::Window}},      {"Ctrl+C", {53, KeyScope::Window}},
      {"Ctrl+V", {54, KeyScope::Window}},      {"G", {146, KeyScope::Window}},
      {"Shift+G", {147, KeyScope::Window}},    {"F12", {154, KeyScope::Window}},
      {"F1", {390, KeyScope::Window}},
      {"Alt+F4", {49, KeyScope::WindowSystem}}, {"J", {332, KeyScope::EditorView}},
      {"D", {187, KeyScope::EditorView}},      {"Shift D", {188, KeyScope::EditorView}},
      {"V", {189, KeyScope::EditorView}},      {"+", {162, KeyScope::EditorView}},
      {"-", {163, KeyScope::EditorView}},      {"F1", {390, KeyScope::Window}}};
  std::map<std::string, CommandId> seen;
  for (const auto& [id, info] : Table().commands) {
    const std::string hint = KeyHintText(info.row->key);
    if (hint.empty()) continue;
    EXPECT_TRUE(seen.emplace(hint, id).second) << hint << " runs two commands";
    const auto it = expected.find(hint);
    ASSERT_NE(it, expected.end()) << hint;
    EXPECT_EQ(it->second.id, id) << hint;
    EXPECT_EQ(it->second.scope, info.row->key.scope) << hint;
    // The item's text ends in exactly that hint.
    EXPECT_TRUE(info.row->TableText().ends_with("\t" + hint)) << id;
  }
  EXPECT_EQ(seen.size(), expected.size());
  EXPECT_EQ(KeyChordText({'S', 0, true, true, false}), "Ctrl+Shift+S");
}

}  // namespace
}  // namespace kx
