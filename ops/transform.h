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

// The function that carries out `t`.
GlyphTransformFn TransformFunction(Transform t);

inline Glyph ApplyTransform(Transform t, const Glyph& g) { return TransformFunction(t)(g); }

}  // namespace kx
