#include <gtest/gtest.h>

#include <cstdint>

#include "app/app.h"
#include "app/run_command.h"

namespace kx {
namespace {

// What the charset-wide menu commands leave in the editor charset, each from a start that tells the wrong
// command apart: halves that differ, a lone pixel away from every edge, a single top-left pixel.

// Every byte of [first, first + count) equals `value`.
void ExpectBytes(const Charset& c, int first, int count, std::uint8_t value, const char* what) {
  for (int i = first; i < first + count; ++i) ASSERT_EQ(c[i], value) << what << ", byte " << i;
}

Charset Halves(std::uint8_t top, std::uint8_t bottom) {
  Charset c{};
  for (int i = 0; i < kCharsetBytes; ++i) c[i] = i < 1024 ? top : bottom;
  return c;
}

TEST(CommandResults, HalfCopiesAndBatchRangesChangeTheHalfTheyName) {
  const struct {
    CommandId id;
    std::uint8_t top;
    std::uint8_t bottom;
  } cases[] = {
      {cmd::CopyTopRowsToBottom, 0x11, 0x11},  {cmd::CopyBottomRowsToTop, 0x2E, 0x2E},
      {cmd::EraseAll, 0x00, 0x00},             {cmd::EraseFirst128, 0x00, 0x2E},
      {cmd::EraseLast128, 0x11, 0x00},         {cmd::ReverseFirst128, 0xEE, 0x2E},
      {cmd::ReverseLast128, 0x11, 0xD1},
  };
  for (const auto& c : cases) {
    App app;
    app.doc.store.editor = Halves(0x11, 0x2E);
    RunCommand(app, c.id);
    ExpectBytes(app.doc.store.editor, 0, 1024, c.top, "top half");
    ExpectBytes(app.doc.store.editor, 1024, 1024, c.bottom, "bottom half");
    EXPECT_TRUE(app.doc.history.CanUndo()) << c.id;
  }
}

TEST(CommandResults, CharsetSlidesMoveALonePixelOneStepTheirWay) {
  // The pixel at x 8, y 8: glyph 33, its first byte, leftmost bit.
  const struct {
    CommandId id;
    int byte;
    std::uint8_t value;
  } cases[] = {
      {cmd::SlideDownNoWrap, 265, 0x80},   // y 9: the glyph's second byte
      {cmd::SlideUpNoWrap, 15, 0x80},      // y 7: glyph 1, its last byte
      {cmd::SlideLeftNoWrap, 256, 0x01},   // x 7: glyph 32, rightmost bit
      {cmd::SlideRightNoWrap, 264, 0x40},  // x 9
  };
  for (const auto& c : cases) {
    App app;
    app.doc.store.editor = Charset{};
    app.doc.store.editor[264] = 0x80;
    RunCommand(app, c.id);
    Charset want{};
    want[static_cast<std::size_t>(c.byte)] = c.value;
    EXPECT_EQ(app.doc.store.editor, want) << c.id;
  }
}

TEST(CommandResults, DerivedFontsEnlargeAndReverseAsTheirItemsSay) {
  // Glyph 0 holds only its top-left pixel; every other glyph is empty.
  const struct {
    CommandId id;
    Glyph glyph0;
    std::uint8_t firstHalfRest;   // every byte of glyphs 1-127
    std::uint8_t secondHalfRest;  // every byte of glyphs 129-255
    Glyph glyph128;
  } cases[] = {
      {cmd::Font1x2NoReverse, {0x80, 0x80, 0, 0, 0, 0, 0, 0}, 0x00, 0x00, Glyph{}},
      {cmd::Font1x2WithReverse, {0x80, 0x80, 0, 0, 0, 0, 0, 0}, 0x00, 0xFF,
       {0x7F, 0x7F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {cmd::Font2x1NoReverse, {0xC0, 0, 0, 0, 0, 0, 0, 0}, 0x00, 0x00, Glyph{}},
      {cmd::Font2x1WithReverse, {0xC0, 0, 0, 0, 0, 0, 0, 0}, 0x00, 0xFF,
       {0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
      {cmd::Font2x2, {0xC0, 0xC0, 0, 0, 0, 0, 0, 0}, 0x00, 0x00, Glyph{}},
      {cmd::Font2x2Reversed, {0x3F, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, 0xFF, 0xFF,
       {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const auto& c : cases) {
    App app;
    app.doc.store.editor = Charset{};
    app.doc.store.editor[0] = 0x80;
    RunCommand(app, c.id);
    const Charset& got = app.doc.store.editor;
    EXPECT_EQ(GetGlyph(got, 0), c.glyph0) << c.id;
    EXPECT_EQ(GetGlyph(got, 128), c.glyph128) << c.id;
    ExpectBytes(got, 8, 1016, c.firstHalfRest, "glyphs 1-127");
    ExpectBytes(got, 1032, 1016, c.secondHalfRest, "glyphs 129-255");
  }
}

// The "Entire Charset" item of each transform family, on a charset of one lopsided glyph:
//   #####... / #...#... / #....#.. / #.....#. / .#.....# / ..#....# / ...#..## / .....##.
TEST(CommandResults, EachFamilyRunsItsOwnTransform) {
  const Glyph lopsided{0xF8, 0x88, 0x84, 0x82, 0x41, 0x21, 0x13, 0x06};
  const struct {
    CommandId id;
    const char* family;
    Glyph after;
  } cases[] = {
      {77, "Italics", {0x7C, 0x44, 0x42, 0x82, 0x41, 0x21, 0x13, 0x06}},
      {89, "Slant Right", {0x7C, 0x44, 0x42, 0x82, 0x41, 0x21, 0x26, 0x0C}},
      {101, "Slant Left", {0xF0, 0x10, 0x08, 0x82, 0x41, 0x21, 0x09, 0x03}},
      {113, "Underline", {0xF8, 0x88, 0x84, 0x82, 0x41, 0x21, 0x13, 0xFF}},
      {125, "Strikethrough", {0xF8, 0x88, 0x84, 0xFF, 0x41, 0x21, 0x13, 0x06}},
      {206, "Flip Horizontally", {0x1F, 0x11, 0x21, 0x41, 0x82, 0x84, 0xC8, 0x60}},
      {218, "Flip Vertically", {0x06, 0x13, 0x21, 0x41, 0x82, 0x84, 0x88, 0xF8}},
      {230, "Mirror Top to Bottom", {0xF8, 0x88, 0x84, 0x82, 0x82, 0x84, 0x88, 0xF8}},
      {242, "Mirror Bottom to Top", {0x06, 0x13, 0x21, 0x41, 0x41, 0x21, 0x13, 0x06}},
      {254, "Mirror Left to Right", {0xFF, 0x81, 0x81, 0x81, 0x42, 0x24, 0x18, 0x00}},
      {266, "Mirror Right to Left", {0x18, 0x18, 0x24, 0x42, 0x81, 0x81, 0xC3, 0x66}},
      {278, "Slide Down", {0x06, 0xF8, 0x88, 0x84, 0x82, 0x41, 0x21, 0x13}},
      {290, "Slide Up", {0x88, 0x84, 0x82, 0x41, 0x21, 0x13, 0x06, 0xF8}},
      {302, "Slide Left", {0xF1, 0x11, 0x09, 0x05, 0x82, 0x42, 0x26, 0x0C}},
      {314, "Slide Right", {0x7C, 0x44, 0x42, 0x41, 0xA0, 0x90, 0x89, 0x03}},
      {330, "Rotate", {0x0F, 0x11, 0x21, 0x41, 0x03, 0x84, 0xC8, 0x70}},
  };
  for (const auto& c : cases) {
    App app;
    for (int n = 0; n < kGlyphCount; ++n) PutGlyph(app.doc.store.editor, n, lopsided);
    RunCommand(app, c.id);
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 0), c.after) << c.family;
    EXPECT_EQ(GetGlyph(app.doc.store.editor, 255), c.after) << c.family;
  }
}

TEST(CommandResults, EachViewToggleFlipsOnlyItsOwnOption) {
  const struct {
    CommandId id;
    bool ViewOptions::*option;
  } cases[] = {
      {cmd::ScanlineEmulation, &ViewOptions::scanlines},     {cmd::CrtEmulationMain, &ViewOptions::crtMain},
      {cmd::CrtEmulationEdge, &ViewOptions::crtEdge},        {cmd::CrtEmulationOnGrids, &ViewOptions::emulationOnGrids},
      {cmd::ShowCharGrid, &ViewOptions::charGrid},           {cmd::ShowPixelGrid, &ViewOptions::pixelGrid},
      {cmd::ShowHighlights, &ViewOptions::highlights},       {cmd::HoverCharHighlight, &ViewOptions::hoverChar},
      {cmd::HoverPixelHighlight, &ViewOptions::hoverPixel},  {cmd::PreviewHighlightsEditor, &ViewOptions::paneFrame},
      {cmd::PreviewOutsideFade, &ViewOptions::paneFade},
  };
  for (const auto& c : cases) {
    App app;
    const ViewOptions before = app.view.options;
    RunCommand(app, c.id);
    for (const auto& other : cases) {
      const bool flipped = other.option == c.option;
      EXPECT_EQ(app.view.options.*other.option, flipped != (before.*other.option)) << c.id << " / " << other.id;
    }
  }
}

}  // namespace
}  // namespace kx
