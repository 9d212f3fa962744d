#include "ops/transform.h"

#include <array>

#include "model/rom_charset.h"

namespace kx {
namespace {

using Byte = std::uint8_t;

// Every byte with its bits in the opposite order, worked out once when compiling: a whole-charset flip
// reverses 2048 bytes.
constexpr std::array<Byte, 256> MakeReversedBytes() {
  std::array<Byte, 256> table{};
  for (int b = 0; b < 256; ++b) {
    for (int i = 0; i < 8; ++i) table[b] = static_cast<Byte>(table[b] | (((b >> i) & 1) << (7 - i)));
  }
  return table;
}
constexpr std::array<Byte, 256> kReversedBytes = MakeReversedBytes();

constexpr Byte ReverseBits(Byte b) { return kReversedBytes[b]; }

constexpr Byte ShiftRight(Byte b) { return static_cast<Byte>(b >> 1); }
constexpr Byte ShiftLeft(Byte b) { return static_cast<Byte>(b << 1); }
constexpr Byte RotateRight(Byte b) { return static_cast<Byte>((b >> 1) | ((b & 1) << 7)); }
constexpr Byte RotateLeft(Byte b) { return static_cast<Byte>((b << 1) | (b >> 7)); }
constexpr Byte Invert(Byte b) { return static_cast<Byte>(b ^ 0xFF); }

// Many transforms treat every row alike, or rows by their position alone.
template <typename RowFn>
Glyph EachRow(const Glyph& g, RowFn fn) {
  Glyph out{};
  for (int r = 0; r < kGlyphBytes; ++r) out[r] = fn(g[r], r);
  return out;
}

// Transforms that move whole rows: new row r = old row source(r).
template <typename SourceFn>
Glyph PickRows(const Glyph& g, SourceFn source) {
  Glyph out{};
  for (int r = 0; r < kGlyphBytes; ++r) out[r] = g[source(r) & 7];
  return out;
}

Glyph FlipHorizontal(const Glyph& g) { return EachRow(g, [](Byte b, int) { return ReverseBits(b); }); }
Glyph FlipVertical(const Glyph& g) { return PickRows(g, [](int r) { return 7 - r; }); }
Glyph MirrorTopToBottom(const Glyph& g) { return PickRows(g, [](int r) { return r < 4 ? r : 7 - r; }); }
Glyph MirrorBottomToTop(const Glyph& g) { return PickRows(g, [](int r) { return r < 4 ? 7 - r : r; }); }
Glyph MirrorLeftToRight(const Glyph& g) {
  return EachRow(g, [](Byte b, int) { return static_cast<Byte>((b & 0xF0) | (ReverseBits(b) & 0x0F)); });
}
Glyph MirrorRightToLeft(const Glyph& g) {
  return EachRow(g, [](Byte b, int) { return static_cast<Byte>((b & 0x0F) | (ReverseBits(b) & 0xF0)); });
}
Glyph SlideDown(const Glyph& g) { return PickRows(g, [](int r) { return r + 7; }); }
Glyph SlideUp(const Glyph& g) { return PickRows(g, [](int r) { return r + 1; }); }
Glyph SlideLeft(const Glyph& g) { return EachRow(g, [](Byte b, int) { return RotateLeft(b); }); }
Glyph SlideRight(const Glyph& g) { return EachRow(g, [](Byte b, int) { return RotateRight(b); }); }

// new pixel(r, c) = old pixel(7 - c, r): the old top row becomes the new rightmost column.
Glyph Rotate90(const Glyph& g) {
  Glyph out{};
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c)
      if (GlyphPixel(g, r, 7 - c)) out[r] = static_cast<Byte>(out[r] | (0x80 >> c));
  return out;
}

Glyph Reverse(const Glyph& g) { return EachRow(g, [](Byte b, int) { return Invert(b); }); }

// Italics and slants push rows by one pixel without wrapping: what leaves the cell is lost.
Glyph Italicise(const Glyph& g) { return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftRight(b) : b; }); }
Glyph SlantRight(const Glyph& g) {
  return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftRight(b) : r > 5 ? ShiftLeft(b) : b; });
}
Glyph SlantLeft(const Glyph& g) {
  return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftLeft(b) : r > 5 ? ShiftRight(b) : b; });
}
Glyph Underline(const Glyph& g) { return EachRow(g, [](Byte b, int r) { return r == 7 ? Byte{0xFF} : b; }); }
Glyph Strikethrough(const Glyph& g) { return EachRow(g, [](Byte b, int r) { return r == 3 ? Byte{0xFF} : b; }); }
Glyph Erase(const Glyph&) { return Glyph{}; }
Glyph Fill(const Glyph&) { return Glyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}; }
Glyph Unchanged(const Glyph& g) { return g; }

struct TransformEntry {
  Transform transform;
  GlyphTransformFn fn;
  const char* name;
};

// In the order of the enum; the names are the words the menus use for each family.
constexpr std::array<TransformEntry, kTransformCount> kTransforms{{
    {Transform::Italicise, Italicise, "Italicise"},
    {Transform::SlantRight, SlantRight, "Slant Right"},
    {Transform::SlantLeft, SlantLeft, "Slant Left"},
    {Transform::Underline, Underline, "Underline"},
    {Transform::Strikethrough, Strikethrough, "Strikethrough"},
    {Transform::FlipHorizontal, FlipHorizontal, "Flip Horizontally"},
    {Transform::FlipVertical, FlipVertical, "Flip Vertically"},
    {Transform::MirrorTopToBottom, MirrorTopToBottom, "Mirror Top to Bottom"},
    {Transform::MirrorBottomToTop, MirrorBottomToTop, "Mirror Bottom to Top"},
    {Transform::MirrorLeftToRight, MirrorLeftToRight, "Mirror Left to Right"},
    {Transform::MirrorRightToLeft, MirrorRightToLeft, "Mirror Right to Left"},
    {Transform::SlideDown, SlideDown, "Slide Down"},
    {Transform::SlideUp, SlideUp, "Slide Up"},
    {Transform::SlideLeft, SlideLeft, "Slide Left"},
    {Transform::SlideRight, SlideRight, "Slide Right"},
    {Transform::Rotate90, Rotate90, "Rotate"},
    {Transform::Reverse, Reverse, "Reverse"},
    {Transform::Erase, Erase, "Erase"},
    {Transform::Fill, Fill, "Fill"},
}};

constexpr bool TableFollowsEnum() {
  for (int i = 0; i < kTransformCount; ++i)
    if (static_cast<int>(kTransforms[i].transform) != i) return false;
  return true;
}
static_assert(TableFollowsEnum(), "kTransforms must list the transforms in enum order");

constexpr bool IsTransform(Transform t) {
  const int i = static_cast<int>(t);
  return i >= 0 && i < kTransformCount;
}

}  // namespace

GlyphTransformFn TransformFunction(Transform t) {
  return IsTransform(t) ? kTransforms[static_cast<int>(t)].fn : Unchanged;
}

const char* TransformName(Transform t) { return IsTransform(t) ? kTransforms[static_cast<int>(t)].name : ""; }

Glyph RomGlyph(int n) { return GetGlyph(RomCharset(), n); }

}  // namespace kx
