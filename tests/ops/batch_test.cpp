#include <gtest/gtest.h>

#include <climits>

#include "model/rom_charset.h"
#include "ops/batch.h"
#include "tests/ops/sample_charsets.h"

namespace kx {
namespace {

using samples::Patterned;

// Glyph n: the same first seven bytes for every n, the last byte n. Such glyphs differ only at the end,
// so a compare that stops short merges them.
Glyph Distinct(int n) { return Glyph{0x5A, 1, 2, 3, 4, 5, 6, static_cast<std::uint8_t>(n)}; }

// Bytes outside [first, first + count) equal those of `before`.
void ExpectUntouchedOutside(const Charset& before, const Charset& after, int first, int count) {
  for (int i = 0; i < kCharsetBytes; ++i) {
    if (i < first || i >= first + count) {
      ASSERT_EQ(after[i], before[i]) << "byte " << i;
    }
  }
}

TEST(ByteRanges, OperationsChangeExactlyTheirRange) {
  const Charset start = Patterned();
  const struct {
    ByteOperation op;
    ByteRange range;
  } cases[] = {
      {ByteOperation::Erase, GlyphRowRange(1)},  // "Erase Row 2": 256-511
      {ByteOperation::Erase, kLast128Glyphs},
      {ByteOperation::Erase, kWholeCharset},
      {ByteOperation::Reverse, GlyphRowRange(2)},
      {ByteOperation::Reverse, kFirst128Glyphs},
      {ByteOperation::RestoreRom, kLast128Glyphs},
  };
  for (const auto& k : cases) {
    Charset c = start;
    ApplyToBytes(c, k.op, k.range);
    ExpectUntouchedOutside(start, c, k.range.first, k.range.count);
    for (int i = k.range.first; i < k.range.first + k.range.count; ++i) {
      const std::uint8_t want = k.op == ByteOperation::Erase     ? 0
                                : k.op == ByteOperation::Reverse ? static_cast<std::uint8_t>(start[i] ^ 0xFF)
                                                                 : RomCharset()[i];
      ASSERT_EQ(c[i], want) << i;
    }
  }
}

TEST(ByteRanges, ReversingTwiceRestores) {
  const Charset start = Patterned();
  Charset c = start;
  ApplyToBytes(c, ByteOperation::Reverse, GlyphRowRange(2));
  ApplyToBytes(c, ByteOperation::Reverse, GlyphRowRange(2));
  EXPECT_EQ(c, start);
}

TEST(ByteRanges, HostileRangesAreClampedToTheCharset) {
  EXPECT_EQ(GlyphRowRange(8).count, 0);
  EXPECT_EQ(GlyphRowRange(-1).count, 0);
  const Charset start = Patterned();
  Charset c = start;
  ApplyToBytes(c, ByteOperation::Erase, {2040, 1000});
  ExpectUntouchedOutside(start, c, 2040, 8);
  c = start;
  ApplyToBytes(c, ByteOperation::Erase, {-100, 104});
  ExpectUntouchedOutside(start, c, 0, 4);
  c = start;
  ApplyToBytes(c, ByteOperation::Reverse, {INT_MAX, INT_MAX});
  ApplyToBytes(c, ByteOperation::Reverse, {INT_MIN, INT_MAX});
  ApplyToBytes(c, ByteOperation::Reverse, {5, -3});
  EXPECT_EQ(c, start);
}

TEST(HalfCopies, CopyingBothWaysLeavesTheTopHalfTwice) {
  const Charset start = Patterned();
  Charset c = start;
  CopyHalf(c, HalfCopy::TopToBottom);
  CopyHalf(c, HalfCopy::BottomToTop);
  for (int i = 0; i < kCharsetBytes / 2; ++i) {
    ASSERT_EQ(c[i], start[i]);
    ASSERT_EQ(c[i + kCharsetBytes / 2], start[i]);
  }
}

TEST(RowMemory, CopyOncePasteAnywhere) {
  Charset c = Patterned();
  GlyphStores stores;
  EXPECT_FALSE(stores.rowPasteEnabled);
  ASSERT_TRUE(CopyRowToMemory(c, stores, 0));
  EXPECT_TRUE(stores.rowPasteEnabled);
  const Charset atCopy = c;

  ApplyToBytes(c, ByteOperation::Erase, GlyphRowRange(0));  // later change to Row 1
  ASSERT_TRUE(PasteRowFromMemory(c, stores, 7));
  ASSERT_TRUE(PasteRowFromMemory(c, stores, 0));
  for (int n = 0; n < 32; ++n) {
    EXPECT_EQ(GetGlyph(c, 224 + n), GetGlyph(atCopy, n));
    EXPECT_EQ(GetGlyph(c, n), GetGlyph(atCopy, n));
  }
}

TEST(RowMemory, RejectsRowsOutsideTheCharset) {
  Charset c = Patterned();
  const Charset start = c;
  GlyphStores stores;
  EXPECT_FALSE(CopyRowToMemory(c, stores, 8));
  EXPECT_FALSE(stores.rowPasteEnabled);
  EXPECT_FALSE(PasteRowFromMemory(c, stores, -1));
  EXPECT_FALSE(PasteRowFromMemory(c, stores, INT_MAX));
  EXPECT_EQ(c, start);
}

TEST(Compress, DistinctGlyphsAreLeftAlone) {
  CharsetStore store;
  for (int n = 0; n < kGlyphCount; ++n) PutGlyph(store.editor, n, Distinct(n));
  store.inks[7] = 3;
  const CharsetStore before = store;
  EXPECT_FALSE(CompressCharset(store));
  EXPECT_EQ(store.editor, before.editor);
  EXPECT_EQ(store.inks, before.inks);
  EXPECT_FALSE(store.modified);
}

TEST(Compress, AllEmptyStaysEmpty) {
  CharsetStore store;
  CompressCharset(store);
  EXPECT_EQ(store.editor, Charset{});
  EXPECT_EQ(store.inks, CharsetStore::DefaultInks());
}

TEST(Compress, RepeatsAreDroppedAndInksTravelWithTheirGlyphs) {
  CharsetStore store;
  for (int n = 0; n < kGlyphCount; ++n) {
    PutGlyph(store.editor, n, Distinct(n));
    store.inks[n] = static_cast<std::uint8_t>(n % 16);
  }
  PutGlyph(store.editor, 5, Distinct(2));
  PutGlyph(store.editor, 9, Distinct(2));
  const CharsetStore before = store;

  EXPECT_TRUE(CompressCharset(store));
  auto expectMoved = [&](int from, int to) {
    EXPECT_EQ(GetGlyph(store.editor, to), GetGlyph(before.editor, from)) << from << " -> " << to;
    EXPECT_EQ(store.inks[to], before.inks[from]) << from << " -> " << to;
  };
  for (int n = 0; n <= 4; ++n) expectMoved(n, n);
  for (int n = 6; n <= 8; ++n) expectMoved(n, n - 1);
  for (int n = 10; n <= 255; ++n) expectMoved(n, n - 2);
  for (int n : {254, 255}) {
    EXPECT_EQ(GetGlyph(store.editor, n), Glyph{});
    EXPECT_EQ(store.inks[n], 1);
  }
}

TEST(Compress, EmptyGlyphsAfterTheFirstAreDuplicatesToo) {
  CharsetStore store;  // all empty except two letters behind the first empty glyph
  PutGlyph(store.editor, 3, Distinct(1));
  PutGlyph(store.editor, 200, Distinct(2));
  EXPECT_TRUE(CompressCharset(store));
  EXPECT_EQ(GetGlyph(store.editor, 0), Glyph{});
  EXPECT_EQ(GetGlyph(store.editor, 1), Distinct(1));
  EXPECT_EQ(GetGlyph(store.editor, 2), Distinct(2));
  for (int n = 3; n < kGlyphCount; ++n) ASSERT_EQ(GetGlyph(store.editor, n), Glyph{}) << n;
}

TEST(GlyphClipboard, CopyHandsOverToPasteAndPasteRepeats) {
  Charset c = Patterned();
  const Charset start = c;
  GlyphStores stores;
  EXPECT_EQ(PressGlyphClipboardTool(c, stores, Tool::CopyGlyph, 10), Tool::PasteGlyph);
  EXPECT_TRUE(stores.glyphPasteEnabled);
  EXPECT_EQ(c, start);
  EXPECT_EQ(PressGlyphClipboardTool(c, stores, Tool::PasteGlyph, 20), Tool::PasteGlyph);
  EXPECT_EQ(PressGlyphClipboardTool(c, stores, Tool::PasteGlyph, 30), Tool::PasteGlyph);
  EXPECT_EQ(GetGlyph(c, 20), GetGlyph(start, 10));
  EXPECT_EQ(GetGlyph(c, 30), GetGlyph(start, 10));
}

TEST(GlyphClipboard, CutClearsTheGlyph) {
  Charset c = Patterned();
  const Glyph cut = GetGlyph(c, 40);
  GlyphStores stores;
  EXPECT_EQ(PressGlyphClipboardTool(c, stores, Tool::CutGlyph, 40), Tool::PasteGlyph);
  EXPECT_EQ(GetGlyph(c, 40), Glyph{});
  EXPECT_EQ(stores.glyphClipboard, cut);
  EXPECT_TRUE(stores.glyphPasteEnabled);
}

TEST(GlyphClipboard, PasteBeforeAnyCopyWritesAnEmptyGlyph) {
  Charset c = Patterned();
  GlyphStores stores;
  PressGlyphClipboardTool(c, stores, Tool::PasteGlyph, 3);
  EXPECT_EQ(GetGlyph(c, 3), Glyph{});
}

TEST(GlyphClipboard, OtherToolsAndBadGlyphsChangeNothing) {
  Charset c = Patterned();
  const Charset start = c;
  GlyphStores stores;
  EXPECT_EQ(PressGlyphClipboardTool(c, stores, Tool::Line, 3), Tool::Line);
  for (int bad : {-1, 256, INT_MIN, INT_MAX})
    for (Tool t : {Tool::CopyGlyph, Tool::CutGlyph, Tool::PasteGlyph})
      EXPECT_EQ(PressGlyphClipboardTool(c, stores, t, bad), t);
  EXPECT_EQ(c, start);
  EXPECT_FALSE(stores.glyphPasteEnabled);
}

}  // namespace
}  // namespace kx
