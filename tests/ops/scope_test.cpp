#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "model/rom_charset.h"
#include "ops/charset_pixels.h"
#include "ops/scope.h"
#include "tests/ops/sample_charsets.h"
#include "tests/support/transform_names.h"

namespace kx {
namespace {

using samples::Patterned;

std::vector<int> ChangedGlyphs(const Charset& before, const Charset& after) {
  std::vector<int> changed;
  for (int n = 0; n < kGlyphCount; ++n)
    if (GetGlyph(before, n) != GetGlyph(after, n)) changed.push_back(n);
  return changed;
}

std::vector<int> Range(int first, int last) {
  std::vector<int> v;
  for (int n = first; n <= last; ++n) v.push_back(n);
  return v;
}

TEST(OperationScopes, RowCommandsTouchOnlyTheirRows) {
  const Charset start = Patterned();
  Charset c = start;
  ApplyToRows(c, Transform::Reverse, 7, 7);  // "Row 8"
  EXPECT_EQ(ChangedGlyphs(start, c), Range(224, 255));

  c = start;
  ApplyToRows(c, Transform::Reverse, 0, 3);  // "First 4 Rows"
  EXPECT_EQ(ChangedGlyphs(start, c), Range(0, 127));
  EXPECT_EQ(GetGlyph(c, 128), GetGlyph(start, 128));

  c = start;
  ApplyToRows(c, Transform::SlideRight, 0, 7);
  for (int n = 0; n < kGlyphCount; ++n)
    EXPECT_EQ(GetGlyph(c, n), ApplyTransform(Transform::SlideRight, GetGlyph(start, n))) << n;
}

TEST(OperationScopes, PerGlyphToolAppliesOnEveryClick) {
  Charset c{};
  PutGlyph(c, 31, Glyph{0x01});  // pixel (0, 7) of glyph 31
  ASSERT_TRUE(ApplyToGlyph(c, Transform::SlideRight, 31));
  EXPECT_EQ(GetGlyph(c, 31), Glyph{0x80});  // wraps inside its own glyph
  ASSERT_TRUE(ApplyToGlyph(c, Transform::SlideRight, 31));
  EXPECT_EQ(GetGlyph(c, 31), Glyph{0x40});

  PutGlyph(c, 5, samples::kDigitZero);
  ApplyToGlyph(c, Transform::MirrorTopToBottom, 5);
  const Glyph once = GetGlyph(c, 5);
  ApplyToGlyph(c, Transform::MirrorTopToBottom, 5);
  EXPECT_EQ(GetGlyph(c, 5), once);
}

TEST(OperationScopes, HostileScopesStayInsideTheCharset) {
  const Charset start = Patterned();
  Charset c = start;
  for (int bad : {-1, 256, 1000, INT_MIN, INT_MAX}) {
    EXPECT_FALSE(ApplyToGlyph(c, Transform::Fill, bad));
    EXPECT_FALSE(RestoreRomGlyph(c, bad));
  }
  EXPECT_EQ(c, start);

  ApplyToRows(c, Transform::Reverse, 5, 2);  // backwards: nothing
  SlideCharsetNoWrap(c, static_cast<SlideDirection>(42));
  EXPECT_EQ(c, start);
  ApplyToRows(c, Transform::Reverse, INT_MIN, -3);  // clamped to row 0
  EXPECT_EQ(ChangedGlyphs(start, c), Range(0, 31));
  c = start;
  ApplyToRows(c, Transform::Reverse, 9, INT_MAX);  // clamped to row 7
  EXPECT_EQ(ChangedGlyphs(start, c), Range(224, 255));
}

TEST(OperationScopes, RestoreRomGlyphPutsBackTheSameIndex) {
  Charset c{};
  ASSERT_TRUE(RestoreRomGlyph(c, 65));
  EXPECT_EQ(GetGlyph(c, 65), GetGlyph(RomCharset(), 65));
  EXPECT_EQ(ChangedGlyphs(Charset{}, c), std::vector<int>{65});
}

TEST(CharsetSlides, SinglePixelsCrossGlyphsAndWrapAtTheBitmapEdge) {
  const struct {
    SlideDirection direction;
    int x, y;      // charset pixel before
    int toX, toY;  // and after
  } cases[] = {
      {SlideDirection::Right, 255, 0, 0, 0},   // column 7 of glyph 31 -> column 0 of glyph 0
      {SlideDirection::Right, 7, 3, 8, 3},     // glyph 0 -> glyph 1
      {SlideDirection::Left, 0, 10, 255, 10},  // glyph 32 -> glyph 63
      {SlideDirection::Down, 6 * 8 + 2, 63, 6 * 8 + 2, 0},  // row 7 of glyph 230 -> row 0 of glyph 6
      {SlideDirection::Down, 0, 7, 0, 8},      // glyph 0 -> glyph 32
      {SlideDirection::Up, 100, 0, 100, 63},
  };
  for (const auto& s : cases) {
    Charset c{};
    SetCharsetPixel(c, s.x, s.y, true);
    SlideCharsetNoWrap(c, s.direction);
    Charset expected{};
    SetCharsetPixel(expected, s.toX, s.toY, true);
    EXPECT_EQ(c, expected) << s.x << "," << s.y;
  }
}

TEST(CharsetSlides, FullTurnsGiveTheCharsetBack) {
  const Charset start = Patterned();
  const struct {
    SlideDirection direction;
    int turn;
  } turns[] = {{SlideDirection::Right, 256}, {SlideDirection::Left, 256}, {SlideDirection::Down, 64},
               {SlideDirection::Up, 64}};
  for (const auto& t : turns) {
    Charset c = start;
    SlideCharsetNoWrap(c, t.direction);
    EXPECT_NE(c, start);  // a slide that did nothing would pass the full turn too
    for (int i = 1; i < t.turn; ++i) SlideCharsetNoWrap(c, t.direction);
    EXPECT_EQ(c, start);
  }
}

TEST(CharsetPicture, DrawsInksAndReadsBackEveryBit) {
  const Charset start = Patterned();
  GlyphInks inks = CharsetStore::DefaultInks();
  inks[33] = 2;
  inks[34] = 200;  // taken mod 16
  const Palette palette = MakePalette();
  const int stride = 300;
  std::vector<std::uint32_t> picture(CharsetPixelsNeeded(stride), 0xDEADBEEF);
  ASSERT_TRUE(PixelsFromCharset(start, inks, palette, picture, stride));

  // Glyph 33 sits at (8, 8); glyph 34 at (16, 8).
  for (int x = 8; x < 24; ++x) {
    const Rgb ink = x < 16 ? palette[2] : palette[200 % 16];
    const Rgb want = GetCharsetPixel(start, x, 8) ? ink : palette[kPaperIndex];
    EXPECT_EQ(picture[8 * stride + x], want) << x;
  }
  EXPECT_EQ(CharsetFromPixels(picture, stride), start);
}

TEST(CharsetPicture, OnlyBlackIsClear) {
  std::vector<std::uint32_t> picture(kCharsetWidth * kCharsetHeight, 0xFF000000);  // opaque black
  picture[0] = 0x00000001;                                                         // the faintest blue
  picture[255] = 0xFF808080;
  picture[63 * 256 + 255] = 0x00FFFFFF;
  Charset expected{};
  SetCharsetPixel(expected, 0, 0, true);
  SetCharsetPixel(expected, 255, 0, true);
  SetCharsetPixel(expected, 255, 63, true);
  EXPECT_EQ(CharsetFromPixels(picture, kCharsetWidth), expected);
}

TEST(CharsetPicture, RejectsBuffersTooSmallForTheirStride) {
  std::vector<std::uint32_t> picture(kCharsetWidth * kCharsetHeight - 1, 0xFFFFFF);
  EXPECT_EQ(CharsetFromPixels(picture, kCharsetWidth), Charset{});
  picture.resize(kCharsetWidth * kCharsetHeight);
  EXPECT_EQ(CharsetFromPixels(picture, 100), Charset{});  // stride narrower than a picture row
  EXPECT_EQ(CharsetFromPixels(picture, -256), Charset{});
  EXPECT_FALSE(PixelsFromCharset(Charset{}, CharsetStore::DefaultInks(), MakePalette(), picture, 257));
  EXPECT_EQ(picture[0], 0xFFFFFFu);  // untouched
}

// Glyphs 32 and 34 hi-res, 33 and 35 multicolour: each follows its own mode in one row command, and a
// transform without a multicolour meaning leaves the multicolour ones and counts them.
TEST(OperationScopes, RowOfMixedGlyphsFollowsEachGlyphsMode) {
  GlyphModes modes{};
  for (int n : {33, 35, 200}) modes[n] = GlyphMode::Multicolour;
  const Glyph start{0x1B, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80};
  struct Case {
    Transform transform;
    std::uint8_t hiResRow0, multicolourRow0;
    std::uint8_t hiResRow7, multicolourRow7;
    int leftAlone;
  };
  const Case cases[] = {
      {Transform::FlipHorizontal, 0xD8, 0xE4, 0x01, 0x02, 0},
      {Transform::SlideRight, 0x8D, 0xC6, 0x40, 0x20, 0},
      {Transform::Rotate90, 0x80, 0x1B, 0x01, 0x80, 2},
  };
  for (const Case& c : cases) {
    Charset charset{};
    for (int n = 32; n < 64; ++n) PutGlyph(charset, n, start);
    PutGlyph(charset, 200, start);
    EXPECT_EQ(ApplyToRows(charset, c.transform, 1, 1, modes), c.leftAlone) << TransformName(c.transform);
    for (int n : {32, 34}) {
      EXPECT_EQ(GetGlyph(charset, n)[0], c.hiResRow0) << TransformName(c.transform) << " glyph " << n;
      EXPECT_EQ(GetGlyph(charset, n)[7], c.hiResRow7) << TransformName(c.transform) << " glyph " << n;
    }
    for (int n : {33, 35}) {
      EXPECT_EQ(GetGlyph(charset, n)[0], c.multicolourRow0) << TransformName(c.transform) << " glyph " << n;
      EXPECT_EQ(GetGlyph(charset, n)[7], c.multicolourRow7) << TransformName(c.transform) << " glyph " << n;
    }
    EXPECT_EQ(GetGlyph(charset, 200), start) << "outside the row";
  }
}

// One pixel line of glyph row 0 with glyphs 0, 2 and 31 multicolour and the rest hi-res: every glyph moves
// by one of its own pixels, and the pixel crossing between modes keeps its colour source.
TEST(OperationScopes, CharsetSlideSidewaysNeverSplitsPairs) {
  GlyphModes modes{};
  for (int n : {0, 2, 31}) modes[n] = GlyphMode::Multicolour;
  Charset start{};
  start[0 * 8] = 0x1B;   // pairs 00 01 10 11
  start[1 * 8] = 0x81;   // hi-res, both edge pixels set
  start[2 * 8] = 0x40;   // pair 01 on the left
  start[31 * 8] = 0x02;  // pair 10 on the right
  struct Case {
    SlideDirection direction;
    std::uint8_t g0, g1, g2, g3, g30, g31;
  };
  const Case cases[] = {
      {SlideDirection::Right, 0x86, 0xC0, 0xD0, 0x00, 0x00, 0x00},
      {SlideDirection::Left, 0x6F, 0x03, 0x00, 0x00, 0x00, 0x08},
  };
  for (const Case& c : cases) {
    Charset charset = start;
    SlideCharsetNoWrap(charset, c.direction, modes);
    const std::uint8_t got[] = {charset[0], charset[8], charset[16], charset[24], charset[30 * 8], charset[31 * 8]};
    const std::uint8_t want[] = {c.g0, c.g1, c.g2, c.g3, c.g30, c.g31};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(got[i], want[i]) << static_cast<int>(c.direction) << " place " << i;
  }
}

}  // namespace
}  // namespace kx
