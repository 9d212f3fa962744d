#pragma once
// Charsets and glyphs the operation tests start from.

#include "model/charset.h"

namespace kx::samples {

// The digit zero: no symmetry in either direction, so every flip, slide and rotation changes it.
inline constexpr Glyph kDigitZero{0x3C, 0x66, 0x6E, 0x6E, 0x60, 0x62, 0x3C, 0x00};

// Every byte different from its neighbours and every glyph different from the others.
inline Charset Patterned() {
  Charset c{};
  for (int i = 0; i < kCharsetBytes; ++i) c[i] = static_cast<std::uint8_t>(i * 37 + (i >> 8) * 11 + 1);
  return c;
}

}  // namespace kx::samples
