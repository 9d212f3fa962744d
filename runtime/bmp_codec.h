#pragma once
// Windows bitmap files, read and written by this program itself.
//
// Reads uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up and top-down, with the core,
// info and later headers, and bit-field masks for 16 and 32 bits (an alpha mask is composited over
// black). Palette indexes beyond the palette read as black. Run-length compressed files are refused.

#include "runtime/image_codec.h"

namespace kx {

DecodeResult DecodeBmp(std::span<const std::uint8_t> data, const ImageLimits& limits = {});
// 24 bits per pixel, bottom-up, with an info header.
Bytes EncodeBmp(const Image& img);

}  // namespace kx
