#pragma once
// PNG through libpng's simplified interface, which catches libpng's errors inside the library and
// reports them as a failed call, so no error jump crosses this program's frames.

#include "runtime/image_codec.h"

namespace kx {

DecodeResult DecodePng(std::span<const std::uint8_t> data, const ImageLimits& limits = {});
std::optional<Bytes> EncodePng(const Image& img);

}  // namespace kx
