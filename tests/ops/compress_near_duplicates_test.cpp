#include <gtest/gtest.h>

#include "ops/batch.h"

namespace kx {
namespace {

// Glyphs that agree in all but one byte are different glyphs: Compress must keep every one of them, whichever
// byte tells them apart, and still drop the exact repeat placed among them.
TEST(CompressNearDuplicates, GlyphsDifferingInOneByteAreAllKept) {
  for (int differing = 0; differing < kGlyphBytes; ++differing) {
    CharsetStore store;
    const Glyph base{0x18, 0x3C, 0x66, 0x7E, 0x66, 0x66, 0x66, 0x00};
    for (int n = 0; n < kGlyphCount; ++n) {
      Glyph g = base;
      g[differing] = static_cast<std::uint8_t>(n);
      PutGlyph(store.editor, n, g);
    }
    // Glyph 40 repeats glyph 7 exactly: the only one to go.
    PutGlyph(store.editor, 40, GetGlyph(store.editor, 7));
    const Charset before = store.editor;

    EXPECT_TRUE(CompressCharset(store)) << "byte " << differing;
    for (int n = 0; n < 40; ++n) ASSERT_EQ(GetGlyph(store.editor, n), GetGlyph(before, n)) << differing << " " << n;
    for (int n = 41; n < kGlyphCount; ++n)
      ASSERT_EQ(GetGlyph(store.editor, n - 1), GetGlyph(before, n)) << differing << " " << n;
    EXPECT_EQ(GetGlyph(store.editor, 255), Glyph{}) << differing;
  }
}

// The last glyph is compared like any other: a repeat there is dropped.
TEST(CompressNearDuplicates, ARepeatInTheLastPlaceIsDropped) {
  CharsetStore store;
  for (int n = 0; n < kGlyphCount; ++n) PutGlyph(store.editor, n, Glyph{1, 2, 3, 4, 5, 6, 7, static_cast<std::uint8_t>(n)});
  PutGlyph(store.editor, 255, GetGlyph(store.editor, 3));
  store.inks[255] = 9;
  EXPECT_TRUE(CompressCharset(store));
  EXPECT_EQ(GetGlyph(store.editor, 254), (Glyph{1, 2, 3, 4, 5, 6, 7, 254}));
  EXPECT_EQ(GetGlyph(store.editor, 255), Glyph{});
  EXPECT_EQ(store.inks[255], 1);
}

}  // namespace
}  // namespace kx
