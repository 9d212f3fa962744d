#pragma once
// Colours are 0x00RRGGBB throughout the program, the order pictures store them in.

#include <cstdint>

namespace kx {

using Rgb = std::uint32_t;

}  // namespace kx
