#pragma once
// The glyph transforms by name. Every transform is a pure function of one glyph's 8 bytes, so tables of
// (transform, scope) drive the menu families, the row commands and the per-glyph tools alike. A glyph is
// transformed in its own pixels: eight one-bit pixels per row, or four two-bit multicolour pixels.

#include <cstdint>

#include "model/charset.h"

namespace kx {

enum class Transform {
  Italicise,
  SlantRight,
  SlantLeft,
  Underline,
  Strikethrough,
  FlipHorizontal,
  FlipVertical,
  MirrorTopToBottom,
  MirrorBottomToTop,
  MirrorLeftToRight,
  MirrorRightToLeft,
  SlideDown,
  SlideUp,
  SlideLeft,
  SlideRight,
  Rotate90,
  Reverse,
  Erase,
  Fill,
};

inline constexpr int kTransformCount = static_cast<int>(Transform::Fill) + 1;

using GlyphTransformFn = Glyph (*)(const Glyph&);

// How a glyph's rows are read: eight one-bit pixels, or four multicolour pixels of two bits each (bits 7-6
// the leftmost). Horizontal moves work on whole pixels, so a multicolour pair is never split.
enum class GlyphMode : std::uint8_t { HiRes, Multicolour };

// The function that carries out `t` on a hi-res glyph; a value outside the enum gets one that returns the
// glyph unchanged.
GlyphTransformFn TransformFunction(Transform t);

// The function that carries out `t` on a glyph of `mode`. A transform without a meaning on that mode's
// pixels (rotate on 4x8 multicolour pixels) gets one that returns the glyph unchanged.
GlyphTransformFn TransformFunction(Transform t, GlyphMode mode);

// False when `t` leaves glyphs of `mode` as they were because it has no meaning on their pixels.
bool TransformActsOn(Transform t, GlyphMode mode);

// Glyph n of the built-in ROM charset: what "restore from ROM" puts back at index n. It needs the glyph's
// index, so it is not one of the table's transforms. n is wrapped into 0..255.
Glyph RomGlyph(int n);

inline Glyph ApplyTransform(Transform t, const Glyph& g) { return TransformFunction(t)(g); }
inline Glyph ApplyTransform(Transform t, GlyphMode mode, const Glyph& g) { return TransformFunction(t, mode)(g); }

}  // namespace kx
