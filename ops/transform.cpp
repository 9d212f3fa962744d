#include "ops/transform.h"

#include <array>

#include "model/rom_charset.h"

namespace kx {
namespace {

using Byte = std::uint8_t;

// Every byte with its pixels in the opposite order, worked out once when compiling: a whole-charset flip
// reverses 2048 bytes. W is the pixel width in bits: 1 for hi-res, 2 for a multicolour pair, whose own two
// bits keep their order.
template <int W>
constexpr std::array<Byte, 256> MakeReversedPixels() {
  std::array<Byte, 256> table{};
  constexpr int kPixels = 8 / W;
  constexpr int kMask = (1 << W) - 1;
  for (int b = 0; b < 256; ++b) {
    for (int i = 0; i < kPixels; ++i)
      table[b] = static_cast<Byte>(table[b] | (((b >> (i * W)) & kMask) << ((kPixels - 1 - i) * W)));
  }
  return table;
}
template <int W>
constexpr std::array<Byte, 256> kReversedPixels = MakeReversedPixels<W>();

template <int W>
constexpr Byte ReversePixels(Byte b) { return kReversedPixels<W>[b]; }

// Moves by one pixel of W bits; the shifts lose what leaves the byte, the rotations bring it back in.
template <int W>
constexpr Byte ShiftRight(Byte b) { return static_cast<Byte>(b >> W); }
template <int W>
constexpr Byte ShiftLeft(Byte b) { return static_cast<Byte>(b << W); }
template <int W>
constexpr Byte RotateRight(Byte b) { return static_cast<Byte>((b >> W) | (b << (8 - W))); }
template <int W>
constexpr Byte RotateLeft(Byte b) { return static_cast<Byte>((b << W) | (b >> (8 - W))); }
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

template <int W>
Glyph FlipHorizontal(const Glyph& g) { return EachRow(g, [](Byte b, int) { return ReversePixels<W>(b); }); }
Glyph FlipVertical(const Glyph& g) { return PickRows(g, [](int r) { return 7 - r; }); }
Glyph MirrorTopToBottom(const Glyph& g) { return PickRows(g, [](int r) { return r < 4 ? r : 7 - r; }); }
Glyph MirrorBottomToTop(const Glyph& g) { return PickRows(g, [](int r) { return r < 4 ? 7 - r : r; }); }
// The halves are four bits wide in both modes: four hi-res pixels or two multicolour ones.
template <int W>
Glyph MirrorLeftToRight(const Glyph& g) {
  return EachRow(g, [](Byte b, int) { return static_cast<Byte>((b & 0xF0) | (ReversePixels<W>(b) & 0x0F)); });
}
template <int W>
Glyph MirrorRightToLeft(const Glyph& g) {
  return EachRow(g, [](Byte b, int) { return static_cast<Byte>((b & 0x0F) | (ReversePixels<W>(b) & 0xF0)); });
}
Glyph SlideDown(const Glyph& g) { return PickRows(g, [](int r) { return r + 7; }); }
Glyph SlideUp(const Glyph& g) { return PickRows(g, [](int r) { return r + 1; }); }
template <int W>
Glyph SlideLeft(const Glyph& g) { return EachRow(g, [](Byte b, int) { return RotateLeft<W>(b); }); }
template <int W>
Glyph SlideRight(const Glyph& g) { return EachRow(g, [](Byte b, int) { return RotateRight<W>(b); }); }

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
template <int W>
Glyph Italicise(const Glyph& g) {
  return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftRight<W>(b) : b; });
}
template <int W>
Glyph SlantRight(const Glyph& g) {
  return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftRight<W>(b) : r > 5 ? ShiftLeft<W>(b) : b; });
}
template <int W>
Glyph SlantLeft(const Glyph& g) {
  return EachRow(g, [](Byte b, int r) { return r < 3 ? ShiftLeft<W>(b) : r > 5 ? ShiftRight<W>(b) : b; });
}
Glyph Underline(const Glyph& g) { return EachRow(g, [](Byte b, int r) { return r == 7 ? Byte{0xFF} : b; }); }
Glyph Strikethrough(const Glyph& g) { return EachRow(g, [](Byte b, int r) { return r == 3 ? Byte{0xFF} : b; }); }
Glyph Erase(const Glyph&) { return Glyph{}; }
Glyph Fill(const Glyph&) { return Glyph{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}; }
Glyph Unchanged(const Glyph& g) { return g; }

// One row per transform: what it does to a hi-res glyph and to a multicolour one. The transforms that work
// on whole rows or whole bytes mean the same in both; the horizontal ones move whole pixels of their mode;
// nullptr marks a transform without a meaning on 4x8 pixels.
struct TransformEntry {
  Transform transform;
  GlyphTransformFn hiRes;
  GlyphTransformFn multicolour;
};

// In the order of the enum.
constexpr std::array<TransformEntry, kTransformCount> kTransforms{{
    {Transform::Italicise, Italicise<1>, Italicise<2>},
    {Transform::SlantRight, SlantRight<1>, SlantRight<2>},
    {Transform::SlantLeft, SlantLeft<1>, SlantLeft<2>},
    {Transform::Underline, Underline, Underline},
    {Transform::Strikethrough, Strikethrough, Strikethrough},
    {Transform::FlipHorizontal, FlipHorizontal<1>, FlipHorizontal<2>},
    {Transform::FlipVertical, FlipVertical, FlipVertical},
    {Transform::MirrorTopToBottom, MirrorTopToBottom, MirrorTopToBottom},
    {Transform::MirrorBottomToTop, MirrorBottomToTop, MirrorBottomToTop},
    {Transform::MirrorLeftToRight, MirrorLeftToRight<1>, MirrorLeftToRight<2>},
    {Transform::MirrorRightToLeft, MirrorRightToLeft<1>, MirrorRightToLeft<2>},
    {Transform::SlideDown, SlideDown, SlideDown},
    {Transform::SlideUp, SlideUp, SlideUp},
    {Transform::SlideLeft, SlideLeft<1>, SlideLeft<2>},
    {Transform::SlideRight, SlideRight<1>, SlideRight<2>},
    {Transform::Rotate90, Rotate90, nullptr},
    {Transform::Reverse, Reverse, Reverse},
    {Transform::Erase, Erase, Erase},
    {Transform::Fill, Fill, Fill},
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

GlyphTransformFn TransformFunction(Transform t) { return TransformFunction(t, GlyphMode::HiRes); }

GlyphTransformFn TransformFunction(Transform t, GlyphMode mode) {
  if (!IsTransform(t)) return Unchanged;
  const TransformEntry& entry = kTransforms[static_cast<int>(t)];
  const GlyphTransformFn fn = mode == GlyphMode::Multicolour ? entry.multicolour : entry.hiRes;
  return fn ? fn : Unchanged;
}

bool TransformActsOn(Transform t, GlyphMode mode) {
  if (!IsTransform(t)) return false;
  const TransformEntry& entry = kTransforms[static_cast<int>(t)];
  return (mode == GlyphMode::Multicolour ? entry.multicolour : entry.hiRes) != nullptr;
}

Glyph RomGlyph(int n) { return GetGlyph(RomCharset(), n); }

}  // namespace kx
