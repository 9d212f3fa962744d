#include "runtime/png_codec.h"

#include <png.h>

#include <bit>

namespace kx {
namespace {

// The simplified interface's 8-bit format whose byte order matches a stored 0xAARRGGBB word in memory,
// so rows decode straight into the picture; the alpha byte is then composited away.
constexpr png_uint_32 kWordFormat =
    std::endian::native == std::endian::little ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;

// Straight (not premultiplied) alpha over black, leaving the word opaque.
void CompositeOverBlack(Image& img) {
  for (int y = 0; y < img.Height(); ++y) {
    std::uint32_t* row = img.Row(y);
    for (int x = 0; x < img.Width(); ++x) {
      const std::uint32_t alpha = row[x] >> 24;
      if (alpha != 0xFF) row[x] = PackPixel(BlendRgb(0, UnpackPixel(row[x]), static_cast<int>(alpha)));
    }
  }
}

}  // namespace

DecodeResult DecodePng(std::span<const std::uint8_t> data, const ImageLimits& limits) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, data.data(), data.size())) {
    return DecodeResult::Fail(std::string("PNG: ") + png.message);
  }
  if (!ImageSizeAllowed(png.width, png.height, limits)) {
    png_image_free(&png);
    return DecodeResult::TooLarge("PNG", png.width, png.height);
  }
  png.format = kWordFormat;
  Image img;
  img.Reshape(static_cast<int>(png.width), static_cast<int>(png.height));
  if (!png_image_finish_read(&png, nullptr, img.Data(), img.StrideBytes(), nullptr)) {
    png_image_free(&png);  // normally already released by libpng; freeing twice is allowed
    return DecodeResult::Fail(std::string("PNG: ") + png.message);
  }
  if (!limits.keepAlpha) CompositeOverBlack(img);
  return {std::move(img), {}};
}

namespace {

// One pass into a buffer of the largest size the picture can take: asking libpng for the size first would
// compress the picture twice.
std::optional<Bytes> WritePng(int width, int height, png_uint_32 format, const Bytes& samples) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  png.width = static_cast<png_uint_32>(width);
  png.height = static_cast<png_uint_32>(height);
  png.format = format;
  png_alloc_size_t size = PNG_IMAGE_PNG_SIZE_MAX(png);
  Bytes out(size);
  if (!png_image_write_to_memory(&png, out.data(), &size, 0, samples.data(), 0, nullptr)) return std::nullopt;
  out.resize(size);
  return out;
}

}  // namespace

std::optional<Bytes> EncodePng(const Image& img) {
  Bytes rgb;
  rgb.reserve(static_cast<std::size_t>(img.Width()) * img.Height() * 3);
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) {
      const Rgb c = UnpackPixel(img.Row(y)[x]);
      rgb.insert(rgb.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                             static_cast<std::uint8_t>(c)});
    }
  }
  return WritePng(img.Width(), img.Height(), PNG_FORMAT_RGB, rgb);
}

std::optional<Bytes> EncodePngWithAlpha(int width, int height, std::span<const std::uint32_t> argb) {
  if (argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) return std::nullopt;
  Bytes rgba;
  rgba.reserve(argb.size() * 4);
  for (const std::uint32_t c : argb) {
    rgba.insert(rgba.end(), {static_cast<std::uint8_t>(c >> 16), static_cast<std::uint8_t>(c >> 8),
                             static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 24)});
  }
  return WritePng(width, height, PNG_FORMAT_RGBA, rgba);
}

}  // namespace kx
