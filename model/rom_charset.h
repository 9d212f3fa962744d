#pragma once
// The Commodore 64 character ROM, compiled into the program.

#include <array>
#include <cstdint>

#include "model/charset.h"

namespace kx {

inline constexpr int kRomBytes = 4096;

// All 4096 bytes: the upper-case/graphics set followed by the lower-case/upper-case set.
const std::array<std::uint8_t, kRomBytes>& RomBytes();

// The upper-case/graphics set (the first 2048 bytes): the editor's start-up charset and the source of
// every "restore from ROM" operation.
const Charset& RomCharset();

}  // namespace kx
