#pragma once
// Operations on fixed byte ranges of a charset and the copies through the row memory and the glyph
// clipboard. Ranges are data: the menu commands pair an operation with one of the ranges below.

#include "model/charset.h"
#include "model/charset_store.h"
#include "model/editing_state.h"
#include "ops/glyph_stores.h"

namespace kx {

struct ByteRange {
  int first = 0;  // byte offset in the charset
  int count = 0;
};

inline constexpr ByteRange kWholeCharset{0, kCharsetBytes};
inline constexpr ByteRange kFirst128Glyphs{0, kCharsetBytes / 2};             // glyph rows 1-4
inline constexpr ByteRange kLast128Glyphs{kCharsetBytes / 2, kCharsetBytes / 2};  // glyph rows 5-8

// The bytes of glyph row `row` (0..7); a row outside 0..7 gives an empty range.
constexpr ByteRange GlyphRowRange(int row) {
  return row >= 0 && row < kGlyphRows ? ByteRange{row * kRowBytes, kRowBytes} : ByteRange{};
}

// The part of `range` that lies inside the charset's 2048 bytes.
constexpr ByteRange ClampToCharset(ByteRange range) {
  const long long first = range.first < 0 ? 0 : range.first;
  long long end = static_cast<long long>(range.first) + (range.count < 0 ? 0 : range.count);
  if (end > kCharsetBytes) end = kCharsetBytes;
  if (first >= end) return {};
  return {static_cast<int>(first), static_cast<int>(end - first)};
}

enum class ByteOperation {
  Erase,       // bytes := 00
  Reverse,     // bytes XOR FF
  RestoreRom,  // bytes := the ROM charset's bytes at the same offsets
};

// Runs `op` over the bytes of `range` (clamped to the charset).
void ApplyToBytes(Charset& charset, ByteOperation op, ByteRange range);

// Copies one half of the charset onto the other; the source half is unchanged.
enum class HalfCopy { TopToBottom, BottomToTop };
void CopyHalf(Charset& charset, HalfCopy direction);

// Copies glyph row `row` (0..7) into the row memory and enables pasting from it. Returns false and
// changes nothing for a row outside 0..7.
bool CopyRowToMemory(const Charset& charset, GlyphStores& stores, int row);

// Writes the row memory into glyph row `row` (0..7); the memory keeps its content. Returns false and
// changes nothing for a row outside 0..7.
bool PasteRowFromMemory(Charset& charset, const GlyphStores& stores, int row);

// Removes every glyph that repeats an earlier one, packing the rest to the front in the order of their
// first appearance; each glyph's ink index moves with it, and every freed place at the end becomes an
// empty glyph with ink index 1. Returns how many duplicates it removed; the flags are the caller's.
int CompressCharset(CharsetStore& store);

// A left press with the copy, cut or paste tool on glyph n. Copy and cut fill the glyph clipboard (cut
// also clears the glyph), enable Paste and hand over to the paste tool; paste writes the clipboard into
// the glyph and stays. Returns the current tool afterwards. Any other tool, or a glyph outside 0..255,
// changes nothing and returns `tool`.
Tool PressGlyphClipboardTool(Charset& charset, GlyphStores& stores, Tool tool, int glyph);

}  // namespace kx
