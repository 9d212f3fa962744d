#include <gtest/gtest.h>

#include <vector>

#include "ops/transform.h"
#include "tests/ops/sample_charsets.h"
#include "tests/support/transform_names.h"

namespace kx {
namespace {

constexpr Glyph kZero = samples::kDigitZero;
constexpr Glyph kLetterA{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00};
constexpr Glyph kLetterE{0x7E, 0x60, 0x60, 0x78, 0x60, 0x60, 0x7E, 0x00};
constexpr Glyph kEmpty{};
constexpr Glyph kFull{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

struct Example {
  Transform transform;
  Glyph in;
  Glyph out;
};

const std::vector<Example> kExamples = {
    {Transform::FlipHorizontal, kZero, {0x3C, 0x66, 0x76, 0x76, 0x06, 0x46, 0x3C, 0x00}},
    {Transform::FlipVertical, kZero, {0x00, 0x3C, 0x62, 0x60, 0x6E, 0x6E, 0x66, 0x3C}},
    {Transform::MirrorTopToBottom, kZero, {0x3C, 0x66, 0x6E, 0x6E, 0x6E, 0x6E, 0x66, 0x3C}},
    {Transform::MirrorBottomToTop, kZero, {0x00, 0x3C, 0x62, 0x60, 0x60, 0x62, 0x3C, 0x00}},
    {Transform::MirrorLeftToRight, kZero, {0x3C, 0x66, 0x66, 0x66, 0x66, 0x66, 0x3C, 0x00}},
    {Transform::MirrorRightToLeft, kZero, {0x3C, 0x66, 0x7E, 0x7E, 0x00, 0x42, 0x3C, 0x00}},
    {Transform::SlideUp, kZero, {0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00, 0x3C}},
    {Transform::SlideDown, kZero, {0x00, 0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C}},
    {Transform::SlideLeft, kZero, {0x78, 0xCC, 0xDC, 0xDC, 0xC0, 0xC4, 0x78, 0x00}},
    {Transform::SlideRight, kZero, {0x1E, 0x33, 0x37, 0x37, 0x30, 0x31, 0x1E, 0x00}},
    {Transform::Rotate90, kZero, {0x00, 0x3E, 0x7F, 0x41, 0x4D, 0x4F, 0x2E, 0x00}},
    {Transform::Reverse, kZero, {0xC3, 0x99, 0x91, 0x91, 0x9F, 0x9D, 0xC3, 0xFF}},
    {Transform::Italicise, kZero, {0x1E, 0x33, 0x37, 0x6E, 0x60, 0x62, 0x3C, 0x00}},
    {Transform::SlantRight, kZero, {0x1E, 0x33, 0x37, 0x6E, 0x60, 0x62, 0x78, 0x00}},
    {Transform::SlantLeft, kZero, {0x78, 0xCC, 0xDC, 0x6E, 0x60, 0x62, 0x1E, 0x00}},
    {Transform::Underline, kZero, {0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0xFF}},
    {Transform::Strikethrough, kZero, {0x3C, 0x66, 0x6E, 0xFF, 0x60, 0x62, 0x3C, 0x00}},
    {Transform::Erase, kZero, kEmpty},
    {Transform::Fill, kZero, kFull},
    {Transform::Rotate90, kLetterA, {0x00, 0x7C, 0x7E, 0x0B, 0x0B, 0x7E, 0x7C, 0x00}},
    {Transform::SlantRight, kLetterA, {0x0C, 0x1E, 0x33, 0x7E, 0x66, 0x66, 0xCC, 0x00}},
    {Transform::SlantLeft, kLetterA, {0x30, 0x78, 0xCC, 0x7E, 0x66, 0x66, 0x33, 0x00}},
    {Transform::MirrorBottomToTop, kLetterA, {0x00, 0x66, 0x66, 0x66, 0x66, 0x66, 0x66, 0x00}},
    {Transform::FlipHorizontal, kLetterE, {0x7E, 0x06, 0x06, 0x1E, 0x06, 0x06, 0x7E, 0x00}},
    {Transform::MirrorRightToLeft, kLetterE, {0x7E, 0x00, 0x00, 0x18, 0x00, 0x00, 0x7E, 0x00}},
    {Transform::Rotate90, kLetterE, {0x00, 0x7F, 0x7F, 0x49, 0x49, 0x41, 0x41, 0x00}},
    // Single rows and pixels at the edges.
    {Transform::SlideRight, {0x01}, {0x80}},
    {Transform::SlideLeft, {0x80}, {0x01}},
    {Transform::Italicise, {0x01}, {0x00}},
    {Transform::Rotate90, {0x80}, {0x01}},                    // (0, 0) -> (0, 7)
    {Transform::Rotate90, {0, 0, 0, 0, 0, 0, 0, 0x80}, {0x80}},  // (7, 0) -> (0, 0)
};

// A multicolour glyph whose rows hold every pair in several orders: 1B is pairs 00 01 10 11. Each row of
// the table is what the family does to it, written out pair by pair; rotate has no meaning on 4x8 pixels.
constexpr Glyph kMulticolour{0x1B, 0xE4, 0x6C, 0x00, 0x27, 0x93, 0x0D, 0xC0};

struct MulticolourExample {
  Transform transform;
  Glyph out;
};

const std::vector<MulticolourExample> kMulticolourExamples = {
    {Transform::Italicise, {0x06, 0x39, 0x1B, 0x00, 0x27, 0x93, 0x0D, 0xC0}},
    {Transform::SlantRight, {0x06, 0x39, 0x1B, 0x00, 0x27, 0x93, 0x34, 0x00}},
    {Transform::SlantLeft, {0x6C, 0x90, 0xB0, 0x00, 0x27, 0x93, 0x03, 0x30}},
    {Transform::Underline, {0x1B, 0xE4, 0x6C, 0x00, 0x27, 0x93, 0x0D, 0xFF}},
    {Transform::Strikethrough, {0x1B, 0xE4, 0x6C, 0xFF, 0x27, 0x93, 0x0D, 0xC0}},
    {Transform::FlipHorizontal, {0xE4, 0x1B, 0x39, 0x00, 0xD8, 0xC6, 0x70, 0x03}},
    {Transform::FlipVertical, {0xC0, 0x0D, 0x93, 0x27, 0x00, 0x6C, 0xE4, 0x1B}},
    {Transform::MirrorTopToBottom, {0x1B, 0xE4, 0x6C, 0x00, 0x00, 0x6C, 0xE4, 0x1B}},
    {Transform::MirrorBottomToTop, {0xC0, 0x0D, 0x93, 0x27, 0x27, 0x93, 0x0D, 0xC0}},
    {Transform::MirrorLeftToRight, {0x14, 0xEB, 0x69, 0x00, 0x28, 0x96, 0x00, 0xC3}},
    {Transform::MirrorRightToLeft, {0xEB, 0x14, 0x3C, 0x00, 0xD7, 0xC3, 0x7D, 0x00}},
    {Transform::SlideDown, {0xC0, 0x1B, 0xE4, 0x6C, 0x00, 0x27, 0x93, 0x0D}},
    {Transform::SlideUp, {0xE4, 0x6C, 0x00, 0x27, 0x93, 0x0D, 0xC0, 0x1B}},
    {Transform::SlideLeft, {0x6C, 0x93, 0xB1, 0x00, 0x9C, 0x4E, 0x34, 0x03}},
    {Transform::SlideRight, {0xC6, 0x39, 0x1B, 0x00, 0xC9, 0xE4, 0x43, 0x30}},
    {Transform::Rotate90, kMulticolour},
    {Transform::Reverse, {0xE4, 0x1B, 0x93, 0xFF, 0xD8, 0x6C, 0xF2, 0x3F}},
    {Transform::Erase, kEmpty},
    {Transform::Fill, kFull},
};

TEST(GlyphTransforms, MulticolourGlyphsMoveWholePairs) {
  ASSERT_EQ(kMulticolourExamples.size(), std::size_t{kTransformCount});
  for (const auto& e : kMulticolourExamples) {
    EXPECT_EQ(ApplyTransform(e.transform, GlyphMode::Multicolour, kMulticolour), e.out) << TransformName(e.transform);
    EXPECT_EQ(TransformActsOn(e.transform, GlyphMode::Multicolour), e.transform != Transform::Rotate90)
        << TransformName(e.transform);
  }
}

TEST(GlyphTransforms, Examples) {
  for (const auto& e : kExamples)
    EXPECT_EQ(ApplyTransform(e.transform, e.in), e.out) << TransformName(e.transform);
}

TEST(GlyphTransforms, EmptyGlyphChangesOnlyUnderInkingTransforms) {
  for (int i = 0; i < kTransformCount; ++i) {
    const auto t = static_cast<Transform>(i);
    const Glyph out = ApplyTransform(t, kEmpty);
    switch (t) {
      case Transform::Reverse:
      case Transform::Fill: EXPECT_EQ(out, kFull); break;
      case Transform::Underline: EXPECT_EQ(out, (Glyph{0, 0, 0, 0, 0, 0, 0, 0xFF})); break;
      case Transform::Strikethrough: EXPECT_EQ(out, (Glyph{0, 0, 0, 0xFF, 0, 0, 0, 0})); break;
      default: EXPECT_EQ(out, kEmpty) << TransformName(t);
    }
  }
}

Glyph Repeat(Transform t, Glyph g, int times) {
  for (int i = 0; i < times; ++i) g = ApplyTransform(t, g);
  return g;
}

TEST(GlyphTransforms, CyclesReturnTheGlyph) {
  const struct {
    Transform transform;
    int period;
  } cycles[] = {
      {Transform::SlideUp, 8},       {Transform::SlideDown, 8},      {Transform::SlideLeft, 8},
      {Transform::SlideRight, 8},    {Transform::Rotate90, 4},       {Transform::FlipHorizontal, 2},
      {Transform::FlipVertical, 2},  {Transform::Reverse, 2},
  };
  for (const auto& c : cycles) {
    for (const Glyph& g : {kZero, kLetterA, kLetterE})
      EXPECT_EQ(Repeat(c.transform, g, c.period), g) << TransformName(c.transform);
    // The digit has no symmetry, so a single step must change it (a cycle of identities proves nothing).
    EXPECT_NE(Repeat(c.transform, kZero, 1), kZero) << TransformName(c.transform);
  }
}

TEST(GlyphTransforms, MirrorsAreIdempotent) {
  for (auto t : {Transform::MirrorTopToBottom, Transform::MirrorBottomToTop, Transform::MirrorLeftToRight,
                 Transform::MirrorRightToLeft})
    for (const Glyph& g : {kZero, kLetterA, kLetterE}) {
      const Glyph once = ApplyTransform(t, g);
      EXPECT_EQ(ApplyTransform(t, once), once) << TransformName(t);
    }
}

TEST(GlyphTransforms, ItaliciseAndSlantsNeverWrap) {
  // Columns 0 and 7 set in every row: a wrapping shift would bring a pixel back in.
  const Glyph edges{0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81, 0x81};
  EXPECT_EQ(ApplyTransform(Transform::Italicise, edges), (Glyph{0x40, 0x40, 0x40, 0x81, 0x81, 0x81, 0x81, 0x81}));
  EXPECT_EQ(ApplyTransform(Transform::SlantRight, edges), (Glyph{0x40, 0x40, 0x40, 0x81, 0x81, 0x81, 0x02, 0x02}));
  EXPECT_EQ(ApplyTransform(Transform::SlantLeft, edges), (Glyph{0x02, 0x02, 0x02, 0x81, 0x81, 0x81, 0x40, 0x40}));
  // Rows 0-2 empty: italicise has nothing to move.
  const Glyph low{0, 0, 0, 0xFF, 0x81, 0x42, 0x24, 0x18};
  EXPECT_EQ(ApplyTransform(Transform::Italicise, low), low);
}

TEST(GlyphTransforms, UnderlineNeverClearsAPixel) {
  const Glyph underlined{0x3C, 0, 0, 0, 0, 0, 0, 0xFF};
  EXPECT_EQ(ApplyTransform(Transform::Underline, underlined), underlined);
}

TEST(GlyphTransforms, TwoRotationsAndAVerticalFlipEqualAHorizontalFlip) {
  for (const Glyph& g : {kZero, kLetterA, kLetterE})
    EXPECT_EQ(ApplyTransform(Transform::FlipVertical, Repeat(Transform::Rotate90, g, 2)),
              ApplyTransform(Transform::FlipHorizontal, g));
}

TEST(GlyphTransforms, UnknownTransformLeavesTheGlyph) {
  const auto bogus = static_cast<Transform>(kTransformCount + 3);
  EXPECT_EQ(ApplyTransform(bogus, kZero), kZero);
  EXPECT_EQ(ApplyTransform(static_cast<Transform>(-1), kZero), kZero);
  EXPECT_STREQ(TransformName(bogus), "");
}

}  // namespace
}  // namespace kx
