// What each menu command that edits the charset does to it, run through RunCommand and checked against
// bytes written out here, never derived from the command tables or the transforms under test.

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/editor_input.h"
#include "app/run_command.h"
#include "tests/app/editor_clicks.h"

namespace kx {
namespace {

using namespace testing_clicks;

// Every pixel row different, neither half nor side a mirror of the other, the bottom row not full and no
// row shared with another: each of the nineteen glyph transforms gives a different glyph from it.
constexpr Glyph kProbe{0x80, 0xC0, 0x20, 0x1E, 0x04, 0x0A, 0x30, 0x01};

// Glyph n of the labelled charset: the same seven bytes for every glyph, the last one its number. Glyphs
// differ only in their last byte, so a copy or compare that stops one byte short is seen.
constexpr Glyph Labelled(int n) { return {0xA5, 0x5A, 0x3C, 0xC3, 0x0F, 0xF0, 0x81, static_cast<std::uint8_t>(n)}; }
constexpr Glyph Inverted(Glyph g) {
  for (auto& b : g) b = static_cast<std::uint8_t>(b ^ 0xFF);
  return g;
}

Charset LabelledCharset() {
  Charset c{};
  for (int n = 0; n < kGlyphCount; ++n) PutGlyph(c, n, Labelled(n));
  return c;
}

Charset Filled(const Glyph& g) {
  Charset c{};
  for (int n = 0; n < kGlyphCount; ++n) PutGlyph(c, n, g);
  return c;
}

App AppWith(const Charset& c) {
  App app;
  app.doc.store.editor = c;
  return app;
}

struct FamilyExpectation {
  CommandId base;
  const char* name;
  Glyph probeAfter;
};

// kProbe after each family's transform.
const FamilyExpectation kFamilies[] = {
    {66, "Italicise", {0x40, 0x60, 0x10, 0x1E, 0x04, 0x0A, 0x30, 0x01}},
    {78, "Slant Right", {0x40, 0x60, 0x10, 0x1E, 0x04, 0x0A, 0x60, 0x02}},
    {90, "Slant Left", {0x00, 0x80, 0x40, 0x1E, 0x04, 0x0A, 0x18, 0x00}},
    {102, "Underline", {0x80, 0xC0, 0x20, 0x1E, 0x04, 0x0A, 0x30, 0xFF}},
    {114, "Strikethrough", {0x80, 0xC0, 0x20, 0xFF, 0x04, 0x0A, 0x30, 0x01}},
    {195, "Flip Horizontally", {0x01, 0x03, 0x04, 0x78, 0x20, 0x50, 0x0C, 0x80}},
    {207, "Flip Vertically", {0x01, 0x30, 0x0A, 0x04, 0x1E, 0x20, 0xC0, 0x80}},
    {219, "Mirror Top to Bottom", {0x80, 0xC0, 0x20, 0x1E, 0x1E, 0x20, 0xC0, 0x80}},
    {231, "Mirror Bottom to Top", {0x01, 0x30, 0x0A, 0x04, 0x04, 0x0A, 0x30, 0x01}},
    {243, "Mirror Left to Right", {0x81, 0xC3, 0x24, 0x18, 0x00, 0x00, 0x3C, 0x00}},
    {255, "Mirror Right to Left", {0x00, 0x00, 0x00, 0x7E, 0x24, 0x5A, 0x00, 0x81}},
    {267, "Slide Down", {0x01, 0x80, 0xC0, 0x20, 0x1E, 0x04, 0x0A, 0x30}},
    {279, "Slide Up", {0xC0, 0x20, 0x1E, 0x04, 0x0A, 0x30, 0x01, 0x80}},
    {291, "Slide Left", {0x01, 0x81, 0x40, 0x3C, 0x08, 0x14, 0x60, 0x02}},
    {303, "Slide Right", {0x40, 0x60, 0x10, 0x0F, 0x02, 0x05, 0x18, 0x80}},
    {319, "Rotate", {0x03, 0x02, 0x44, 0x48, 0x28, 0x18, 0x28, 0x80}},
};

TEST(CommandBytes, EveryFamilyItemTransformsTheRowsItNames) {
  // Offset from the family's base id, and which glyph rows (1 = transformed) the item walks.
  const std::pair<int, std::string_view> scopes[] = {
      {1, "10000000"},  {2, "01000000"},  {3, "00100000"},  {4, "00010000"},
      {5, "00001000"},  {6, "00000100"},  {7, "00000010"},  {8, "00000001"},
      {9, "11110000"},  {10, "00001111"}, {11, "11111111"},
  };
  for (const FamilyExpectation& f : kFamilies) {
    for (const auto& [offset, rows] : scopes) {
      App app = AppWith(Filled(kProbe));
      RunCommand(app, f.base + offset);
      for (int n = 0; n < kGlyphCount; ++n) {
        const Glyph want = rows[static_cast<std::size_t>(n / kGlyphsPerRow)] == '1' ? f.probeAfter : kProbe;
        ASSERT_EQ(GetGlyph(app.doc.store.editor, n), want) << f.name << " +" << offset << " glyph " << n;
      }
      EXPECT_EQ(app.doc.history.UndoDepth(), 1u) << f.name << " +" << offset;
      EXPECT_TRUE(app.doc.store.modified);
      // The rows walked become the operation scope.
      EXPECT_EQ(app.view.editing.scope.firstRow, static_cast<int>(rows.find('1'))) << f.name << " +" << offset;
      EXPECT_EQ(app.view.editing.scope.lastRow, static_cast<int>(rows.rfind('1'))) << f.name << " +" << offset;
    }
  }
}

TEST(CommandBytes, IndividualItemsTransformTheClickedGlyphOnly) {
  std::vector<std::pair<CommandId, Glyph>> cases;
  for (const FamilyExpectation& f : kFamilies) cases.emplace_back(f.base, f.probeAfter);
  cases.emplace_back(cmd::FillChar, Glyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
  cases.emplace_back(cmd::ReverseChar, Glyph{0x7F, 0x3F, 0xDF, 0xE1, 0xFB, 0xF5, 0xCF, 0xFE});
  cases.emplace_back(cmd::EraseChar, Glyph{});
  for (const auto& [id, after] : cases) {
    Charset start = LabelledCharset();
    PutGlyph(start, 37, kProbe);
    App app = AppWith(start);
    RunCommand(app, id);
    ClickGlyph(app, 37);
    Charset want = start;
    PutGlyph(want, 37, after);
    EXPECT_EQ(app.doc.store.editor, want) << id;
  }
}

// kProbe after the family whose base id is `base`, from the literal table above.
Glyph ProbeAfterFamily(CommandId base) {
  for (const FamilyExpectation& f : kFamilies) {
    if (f.base == base) return f.probeAfter;
  }
  ADD_FAILURE() << "no family at " << base;
  return {};
}

TEST(CommandBytes, ToolButtonsClickedOnceOrTwiceTransformTheClickedGlyph) {
  struct Case {
    GadgetId button;
    int clicks;  // a second click on the active button switches to its other variant
    Glyph after;
  };
  const Case cases[] = {
      {GadgetId::Reverse, 1, {0x7F, 0x3F, 0xDF, 0xE1, 0xFB, 0xF5, 0xCF, 0xFE}},
      {GadgetId::Fill, 1, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {GadgetId::Clear, 1, {}},
      {GadgetId::MirrorVertical, 1, ProbeAfterFamily(219)},    // top to bottom
      {GadgetId::MirrorVertical, 2, ProbeAfterFamily(231)},    // bottom to top
      {GadgetId::MirrorHorizontal, 1, ProbeAfterFamily(243)},  // left to right
      {GadgetId::MirrorHorizontal, 2, ProbeAfterFamily(255)},  // right to left
      {GadgetId::SlideHorizontal, 1, ProbeAfterFamily(303)},   // right
      {GadgetId::SlideHorizontal, 2, ProbeAfterFamily(291)},   // left
      {GadgetId::SlideVertical, 1, ProbeAfterFamily(267)},     // down
      {GadgetId::SlideVertical, 2, ProbeAfterFamily(279)},     // up
      {GadgetId::Flip, 1, ProbeAfterFamily(207)},              // vertically
      {GadgetId::Flip, 2, ProbeAfterFamily(195)},              // horizontally
      {GadgetId::Rotate, 1, ProbeAfterFamily(319)},
  };
  for (const Case& c : cases) {
    Charset start = LabelledCharset();
    PutGlyph(start, 37, kProbe);
    App app = AppWith(start);
    for (int i = 0; i < c.clicks; ++i) OnToolButton(app, c.button);
    ClickGlyph(app, 37);
    Charset want = start;
    PutGlyph(want, 37, c.after);
    EXPECT_EQ(app.doc.store.editor, want) << static_cast<int>(c.button) << " x" << c.clicks;
  }
}

// The expected charset after a command on the labelled charset, one character per glyph row:
// '0'..'7' the labelled glyphs of that row (same columns), 'a'..'h' those glyphs inverted, '.' empty
// glyphs, 'R' the ROM glyphs.
void ExpectRows(const App& app, std::string_view rows, CommandId id) {
  const Charset& c = app.doc.store.editor;
  for (int n = 0; n < kGlyphCount; ++n) {
    const int row = n / kGlyphsPerRow, column = n % kGlyphsPerRow;
    const char k = rows[static_cast<std::size_t>(row)];
    if (k == 'R') continue;  // checked by the caller against literal ROM glyphs
    const Glyph want = k == '.'             ? Glyph{}
                       : k >= 'a' && k <= 'h' ? Inverted(Labelled((k - 'a') * kGlyphsPerRow + column))
                                            : Labelled((k - '0') * kGlyphsPerRow + column);
    ASSERT_EQ(GetGlyph(c, n), want) << "command " << id << " glyph " << n;
  }
}

TEST(CommandBytes, RangeCommandsAndCopiesBetweenRows) {
  const std::pair<CommandId, std::string_view> cases[] = {
      {cmd::CopyTopRowsToBottom, "01230123"}, {cmd::CopyBottomRowsToTop, "45674567"},
      {cmd::EraseAll, "........"},            {cmd::EraseFirst128, "....4567"},
      {cmd::EraseLast128, "0123...."},        {341, ".1234567"},
      {342, "0.234567"},                      {343, "01.34567"},
      {344, "012.4567"},                      {345, "0123.567"},
      {346, "01234.67"},                      {347, "012345.7"},
      {348, "0123456."},                      {cmd::ReverseFirst128, "abcd4567"},
      {cmd::ReverseLast128, "0123efgh"},      {351, "a1234567"},
      {352, "0b234567"},                      {353, "01c34567"},
      {354, "012d4567"},                      {355, "0123e567"},
      {356, "01234f67"},                      {357, "012345g7"},
      {358, "0123456h"},                      {cmd::RestoreRomAll, "RRRRRRRR"},
      {cmd::RestoreRomFirst128, "RRRR4567"},  {cmd::RestoreRomLast128, "0123RRRR"},
  };
  for (const auto& [id, rows] : cases) {
    App app = AppWith(LabelledCharset());
    RunCommand(app, id);
    ExpectRows(app, rows, id);
    EXPECT_EQ(app.doc.history.UndoDepth(), 1u) << id;
  }
  // The ROM's "A" and its inverse, 128 places later.
  const Glyph romA{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00};
  const Glyph romInverseA{0xE7, 0xC3, 0x99, 0x81, 0x99, 0x99, 0x99, 0xFF};
  for (const auto& [id, a, inverseA] : {std::tuple{cmd::RestoreRomAll, romA, romInverseA},
                                        std::tuple{cmd::RestoreRomFirst128, romA, Labelled(129)},
                                        std::tuple{cmd::RestoreRomLast128, Labelled(1), romInverseA}}) {
    App app = AppWith(LabelledCharset());
    RunCommand(app, id);
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 1), a) << id;
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 129), inverseA) << id;
  }
}

TEST(CommandBytes, RowMemoryCopiesOneRowAndPastesItIntoAnother) {
  // Copy from row (copy - 360), paste into row (paste - 368); each pair's rows differ.
  const std::tuple<CommandId, CommandId, std::string_view> cases[] = {
      {361, 376, "01234560"}, {362, 375, "01234517"}, {363, 374, "01234267"}, {364, 373, "01233567"},
      {365, 372, "01244567"}, {366, 371, "01534567"}, {367, 370, "06234567"}, {368, 369, "71234567"},
  };
  for (const auto& [copy, paste, rows] : cases) {
    App app = AppWith(LabelledCharset());
    RunCommand(app, copy);
    RunCommand(app, paste);
    ExpectRows(app, rows, paste);
  }
}

TEST(CommandBytes, SlidesWithoutWrapMovePixelsAcrossGlyphs) {
  // Pixels (0, 0), (1, 0), (7, 0) of glyph 0 and (15, 15): the bottom-right pixel of glyph 33.
  Charset start{};
  PutGlyph(start, 0, Glyph{0xC1});
  PutGlyph(start, 33, Glyph{0, 0, 0, 0, 0, 0, 0, 0x01});
  struct Case {
    CommandId id;
    std::vector<std::pair<int, Glyph>> glyphs;  // every other glyph is empty
  };
  const Case cases[] = {
      {cmd::SlideRightNoWrap, {{0, {0x60}}, {1, {0x80}}, {34, {0, 0, 0, 0, 0, 0, 0, 0x80}}}},
      {cmd::SlideLeftNoWrap, {{0, {0x82}}, {31, {0x01}}, {33, {0, 0, 0, 0, 0, 0, 0, 0x02}}}},
      {cmd::SlideUpNoWrap, {{224, {0, 0, 0, 0, 0, 0, 0, 0xC1}}, {33, {0, 0, 0, 0, 0, 0, 0x01, 0}}}},
      {cmd::SlideDownNoWrap, {{0, {0, 0xC1}}, {65, {0x01}}}},
  };
  for (const Case& c : cases) {
    App app = AppWith(start);
    RunCommand(app, c.id);
    Charset want{};
    for (const auto& [n, g] : c.glyphs) PutGlyph(want, n, g);
    EXPECT_EQ(app.doc.store.editor, want) << c.id;
  }
}

// Row 0 of every glyph 1B (pairs 00 01 10 11); glyphs 33 and 40 have multicolour inks, the rest ink 1.
// In multicolour mode each glyph of a command's scope follows its own ink; in hi-res mode the inks change
// nothing. Glyph 32's and 33's row 0 afterwards, and the status notice.
TEST(CommandBytes, MulticolourGlyphsFollowTheirOwnInks) {
  struct Case {
    DisplayMode mode;
    CommandId id;
    bool clickGlyph33;
    std::uint8_t glyph32, glyph33;
    std::string_view notice;
  };
  constexpr auto kMc = DisplayMode::Multicolour;
  const Case cases[] = {
      {kMc, 197, false, 0xD8, 0xE4, ""},                        // Flip Horizontally Row 2
      {DisplayMode::HiRes, 197, false, 0xD8, 0xD8, ""},
      {kMc, 321, false, 0x00, 0x1B, "2 multicolour glyphs left as they were"},  // Rotate Row 2
      {kMc, 319, true, 0x1B, 0x1B, "1 multicolour glyphs left as they were"},   // the rotate tool
      {kMc, 195, true, 0x1B, 0xE4, ""},                         // the horizontal flip tool
      {kMc, cmd::SlideRightNoWrap, false, 0x8D, 0xC6, ""},
      {DisplayMode::HiRes, cmd::SlideRightNoWrap, false, 0x8D, 0x8D, ""},
      {kMc, 379, false, 0x03, 0x05, ""},                        // 2 x 1 Font From Current
  };
  for (const Case& c : cases) {
    App app = AppWith(Filled(Glyph{0x1B}));
    app.doc.store.colours.mode = c.mode;
    app.doc.store.inks[33] = 9;
    app.doc.store.inks[40] = 12;
    RunCommand(app, c.id);
    if (c.clickGlyph33) ClickGlyph(app, 33);
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 32)[0], c.glyph32) << c.id;
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 33)[0], c.glyph33) << c.id;
    EXPECT_EQ(app.shell.status.notice, c.notice) << c.id;
  }
}

TEST(CommandBytes, CompressKeepsGlyphsThatDifferOnlyInTheirLastByte) {
  App distinct = AppWith(LabelledCharset());
  RunCommand(distinct, cmd::Compress);
  EXPECT_EQ(distinct.doc.store.editor, LabelledCharset());

  Charset start = LabelledCharset();
  PutGlyph(start, 5, Labelled(2));  // the only repeat; glyph 6 then differs from glyph 2 in its last byte only
  App app = AppWith(start);
  RunCommand(app, cmd::Compress);
  for (int n = 0; n < 5; ++n) EXPECT_EQ(GetGlyph(app.doc.store.editor, n), Labelled(n)) << n;
  for (int n = 5; n < 255; ++n) ASSERT_EQ(GetGlyph(app.doc.store.editor, n), Labelled(n + 1)) << n;
  EXPECT_EQ(GetGlyph(app.doc.store.editor, 255), Glyph{});
}

TEST(CommandBytes, EachDerivedFontItemBuildsItsOwnFont) {
  struct Case {
    CommandId id;
    Glyph g0, g64, g128, g192;
  };
  const Case cases[] = {
      {cmd::Font1x2NoReverse, {0x80, 0x80, 0xC0, 0xC0, 0x20, 0x20, 0x1E, 0x1E},
       {0x04, 0x04, 0x0A, 0x0A, 0x30, 0x30, 0x01, 0x01}, Labelled(128), Labelled(192)},
      {cmd::Font1x2WithReverse, {0x80, 0x80, 0xC0, 0xC0, 0x20, 0x20, 0x1E, 0x1E},
       {0x04, 0x04, 0x0A, 0x0A, 0x30, 0x30, 0x01, 0x01}, {0x7F, 0x7F, 0x3F, 0x3F, 0xDF, 0xDF, 0xE1, 0xE1},
       {0xFB, 0xFB, 0xF5, 0xF5, 0xCF, 0xCF, 0xFE, 0xFE}},
      {cmd::Font2x1NoReverse, {0xC0, 0xF0, 0x0C, 0x03, 0x00, 0x00, 0x0F, 0x00},
       {0x00, 0x00, 0x00, 0xFC, 0x30, 0xCC, 0x00, 0x03}, Labelled(128), Labelled(192)},
      {cmd::Font2x1WithReverse, {0xC0, 0xF0, 0x0C, 0x03, 0x00, 0x00, 0x0F, 0x00},
       {0x00, 0x00, 0x00, 0xFC, 0x30, 0xCC, 0x00, 0x03}, {0x3F, 0x0F, 0xF3, 0xFC, 0xFF, 0xFF, 0xF0, 0xFF},
       {0xFF, 0xFF, 0xFF, 0x03, 0xCF, 0x33, 0xFF, 0xFC}},
      {cmd::Font2x2, {0xC0, 0xC0, 0xF0, 0xF0, 0x0C, 0x0C, 0x03, 0x03}, {0, 0, 0, 0, 0, 0, 0xFC, 0xFC},
       {0, 0, 0, 0, 0x0F, 0x0F, 0, 0}, {0x30, 0x30, 0xCC, 0xCC, 0x00, 0x00, 0x03, 0x03}},
      {cmd::Font2x2Reversed, {0x3F, 0x3F, 0x0F, 0x0F, 0xF3, 0xF3, 0xFC, 0xFC},
       {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x03, 0x03}, {0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xF0, 0xFF, 0xFF},
       {0xCF, 0xCF, 0x33, 0x33, 0xFF, 0xFF, 0xFC, 0xFC}},
  };
  for (const Case& c : cases) {
    Charset start = LabelledCharset();
    PutGlyph(start, 0, kProbe);
    App app = AppWith(start);
    RunCommand(app, c.id);
    const Charset& out = app.doc.store.editor;
    EXPECT_EQ(GetGlyph(out, 0), c.g0) << c.id;
    EXPECT_EQ(GetGlyph(out, 64), c.g64) << c.id;
    EXPECT_EQ(GetGlyph(out, 128), c.g128) << c.id;
    EXPECT_EQ(GetGlyph(out, 192), c.g192) << c.id;
    EXPECT_EQ(app.doc.history.UndoDepth(), 1u) << c.id;
  }
}

}  // namespace
}  // namespace kx
