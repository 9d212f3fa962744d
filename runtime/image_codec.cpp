#include "runtime/image_codec.h"

#include <algorithm>
#include <array>

#include "runtime/bmp_codec.h"
#include "runtime/file_bytes.h"
#include "runtime/jpeg_codec.h"
#include "runtime/png_codec.h"

namespace kx {
namespace {

struct Signature {
  ImageFormat format;
  std::array<std::uint8_t, 8> bytes;
  std::size_t length;
};

constexpr std::array<Signature, 3> kSignatures{{
    {ImageFormat::Png, {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}, 8},
    {ImageFormat::Jpeg, {0xFF, 0xD8, 0xFF}, 3},
    {ImageFormat::Bmp, {'B', 'M'}, 2},
}};

}  // namespace

bool ImageSizeAllowed(long long width, long long height, const ImageLimits& limits) {
  return width > 0 && height > 0 && width <= limits.maxSide && height <= limits.maxSide &&
         width * height <= limits.maxPixels;
}

std::optional<ImageFormat> DetectImageFormat(std::span<const std::uint8_t> data) {
  for (const Signature& s : kSignatures) {
    if (data.size() >= s.length && std::equal(s.bytes.begin(), s.bytes.begin() + s.length, data.begin())) {
      return s.format;
    }
  }
  return std::nullopt;
}

DecodeResult DecodeImage(std::span<const std::uint8_t> data, const ImageLimits& limits) {
  const std::optional<ImageFormat> format = DetectImageFormat(data);
  if (!format) return DecodeResult::Fail("not a PNG, JPEG or BMP picture");
  switch (*format) {
    case ImageFormat::Png: return DecodePng(data, limits);
    case ImageFormat::Jpeg: return DecodeJpeg(data, limits);
    case ImageFormat::Bmp: return DecodeBmp(data, limits);
  }
  return DecodeResult::Fail("unknown format");
}

DecodeResult ReadImageFile(const std::string& path) {
  const FileRead file = ReadFileBytes(path, kMaxImageFileBytes);
  if (file.status != FileReadStatus::Ok) return DecodeResult::Fail("cannot read the file, or it is too large");
  return DecodeImage(file.Data());
}

std::optional<Bytes> EncodeImage(const Image& img, ImageFormat format) {
  if (img.Empty()) return std::nullopt;
  switch (format) {
    case ImageFormat::Png: return EncodePng(img);
    case ImageFormat::Jpeg: return EncodeJpeg(img);
    case ImageFormat::Bmp: return EncodeBmp(img);
  }
  return std::nullopt;
}

bool WriteImageFile(const std::string& path, const Image& img, ImageFormat format, std::string* whyNot) {
  const std::optional<Bytes> data = EncodeImage(img, format);
  int error = 0;
  if (data && WriteFileReplacing(path, *data, &error)) return true;
  if (whyNot != nullptr) *whyNot = data ? WriteErrorText(error) : "The picture could not be encoded";
  return false;
}

}  // namespace kx
