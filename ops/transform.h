#pragma once
// The glyph transforms by name. Every transform is a pure function of one glyph's 8 bytes, so tables of
// (transform, scope) drive the menu families, the row commands and the per-glyph tools alike.

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

// The function that carries out `t`; a value outside the enum gets one that returns the glyph unchanged.
GlyphTransformFn TransformFunction(Transform t);

// The word the menus use for the transform's family ("Italicise", "Mirror Top to Bottom", "Rotate", ...);
// "" for a value outside the enum.
const char* TransformName(Transform t);

// Glyph n of the built-in ROM charset: what "restore from ROM" puts back at index n. It needs the glyph's
// index, so it is not one of the table's transforms. n is wrapped into 0..255.
Glyph RomGlyph(int n);

inline Glyph ApplyTransform(Transform t, const Glyph& g) { return TransformFunction(t)(g); }

}  // namespace kx
