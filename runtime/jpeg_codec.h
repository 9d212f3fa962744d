#pragma once
// JPEG through libjpeg.

#include "runtime/image_codec.h"

namespace kx {

// Truncated data fails (libjpeg alone would pad it with grey and call it a success).
DecodeResult DecodeJpeg(std::span<const std::uint8_t> data, const ImageLimits& limits = {});
std::optional<Bytes> EncodeJpeg(const Image& img, int quality = 100);

}  // namespace kx
