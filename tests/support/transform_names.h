#pragma once
// The transforms by name, for the messages of failing tests.

#include <array>
#include <cstddef>

#include "ops/transform.h"

namespace kx {

// The word the menus use for the transform's family; "" for a value outside the enum.
inline const char* TransformName(Transform t) {
  constexpr std::array<const char*, kTransformCount> kNames{
      "Italicise", "Slant Right", "Slant Left", "Underline", "Strikethrough", "Flip Horizontally",
      "Flip Vertically", "Mirror Top to Bottom", "Mirror Bottom to Top", "Mirror Left to Right",
      "Mirror Right to Left", "Slide Down", "Slide Up", "Slide Left", "Slide Right", "Rotate", "Reverse",
      "Erase", "Fill"};
  const int i = static_cast<int>(t);
  return i >= 0 && i < kTransformCount ? kNames[static_cast<std::size_t>(i)] : "";
}

}  // namespace kx
