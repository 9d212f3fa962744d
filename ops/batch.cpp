#include "ops/batch.h"

#include <algorithm>

#include "model/palette.h"
#include "model/rom_charset.h"

namespace kx {
namespace {

constexpr bool IsGlyphNumber(int n) { return n >= 0 && n < kGlyphCount; }

}  // namespace

void ApplyToBytes(Charset& charset, ByteOperation op, ByteRange range) {
  const ByteRange r = ClampToCharset(range);
  const auto& rom = RomCharset();
  for (int i = r.first; i < r.first + r.count; ++i) {
    switch (op) {
      case ByteOperation::Erase: charset[i] = 0; break;
      case ByteOperation::Reverse: charset[i] = static_cast<std::uint8_t>(charset[i] ^ 0xFF); break;
      case ByteOperation::RestoreRom: charset[i] = rom[i]; break;
    }
  }
}

void CopyHalf(Charset& charset, HalfCopy direction) {
  const bool down = direction == HalfCopy::TopToBottom;
  const ByteRange from = down ? kFirst128Glyphs : kLast128Glyphs;
  const ByteRange to = down ? kLast128Glyphs : kFirst128Glyphs;
  std::copy_n(charset.begin() + from.first, from.count, charset.begin() + to.first);
}

bool CopyRowToMemory(const Charset& charset, GlyphStores& stores, int row) {
  const ByteRange r = GlyphRowRange(row);
  if (r.count == 0) return false;
  std::copy_n(charset.begin() + r.first, r.count, stores.rowMemory.begin());
  stores.rowPasteEnabled = true;
  return true;
}

bool PasteRowFromMemory(Charset& charset, const GlyphStores& stores, int row) {
  const ByteRange r = GlyphRowRange(row);
  if (r.count == 0) return false;
  std::copy_n(stores.rowMemory.begin(), r.count, charset.begin() + r.first);
  return true;
}

int CompressCharset(CharsetStore& store) {
  Charset& charset = store.editor;
  int count = kGlyphCount;
  for (int j = 0; j < count; ++j) {
    const Glyph kept = GetGlyph(charset, j);
    // Walk the later glyphs; each copy of glyph j is dropped by closing the gap behind it, so the glyph
    // that slides into place k is compared next.
    for (int k = j + 1; k < count;) {
      if (GetGlyph(charset, k) != kept) {
        ++k;
        continue;
      }
      for (int i = k + 1; i < count; ++i) {
        PutGlyph(charset, i - 1, GetGlyph(charset, i));
        store.inks[i - 1] = store.inks[i];
      }
      --count;
      PutGlyph(charset, count, Glyph{});
      store.inks[count] = kInkIndex;
    }
  }
  return kGlyphCount - count;
}

Tool PressGlyphClipboardTool(Charset& charset, GlyphStores& stores, Tool tool, int glyph) {
  if (!IsGlyphNumber(glyph)) return tool;
  switch (tool) {
    case Tool::CopyGlyph:
    case Tool::CutGlyph:
      stores.glyphClipboard = GetGlyph(charset, glyph);
      if (tool == Tool::CutGlyph) PutGlyph(charset, glyph, Glyph{});
      stores.glyphPasteEnabled = true;
      return Tool::PasteGlyph;
    case Tool::PasteGlyph:
      PutGlyph(charset, glyph, stores.glyphClipboard);
      return Tool::PasteGlyph;
    default:
      return tool;
  }
}

}  // namespace kx
