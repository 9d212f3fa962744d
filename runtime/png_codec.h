#pragma once
// PNG through libpng's simplified interface, which catches libpng's errors inside the library and
// reports them as a failed call, so no error jump crosses this program's frames.

#include "runtime/image_codec.h"

namespace kx {

DecodeResult DecodePng(std::span<const std::uint8_t> data, const ImageLimits& limits = {});
std::optional<Bytes> EncodePng(const Image& img);
// A picture with transparency: `argb` holds width x height words 0xAARRGGBB (straight alpha), row by row.
std::optional<Bytes> EncodePngWithAlpha(int width, int height, std::span<const std::uint32_t> argb);

}  // namespace kx
