#pragma once
// Reading and writing pictures as PNG, JPEG and BMP, from and to memory and files.
//
// Reading decides the format by the first bytes of the data, never by a file name, so a PNG called
// "font.bmp" still reads. Every input is treated as hostile: sizes are checked against kMaxImageSide and
// kMaxImagePixels before anything is allocated, and damaged data gives a failure, not a crash.
//
// Alpha is composited over black, so transparent pixels read as clear pixels (black is a clear pixel in a
// charset picture).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/image.h"

namespace kx {

enum class ImageFormat { Png, Jpeg, Bmp };

inline constexpr int kMaxImageSide = 16384;
inline constexpr long long kMaxImagePixels = 64LL * 1024 * 1024;
// Files larger than this are not read at all (a BMP of the largest allowed size is 256 MiB).
inline constexpr std::size_t kMaxImageFileBytes = 320u * 1024 * 1024;

using Bytes = std::vector<std::uint8_t>;

// What a decoder gives back: the picture, or no picture and a short reason (for diagnostics; the
// program shows its own fixed message).
struct DecodeResult {
  std::optional<Image> image;
  std::string error;

  static DecodeResult Fail(std::string why) { return {std::nullopt, std::move(why)}; }
};

// Whether a width x height picture may be allocated by a decoder.
bool ImageSizeAllowed(long long width, long long height);

// The format whose signature starts `data`, if any.
std::optional<ImageFormat> DetectImageFormat(std::span<const std::uint8_t> data);

// Decodes PNG, JPEG or BMP data, whichever it is.
DecodeResult DecodeImage(std::span<const std::uint8_t> data);
// Reads and decodes a file.
DecodeResult ReadImageFile(const std::string& path);

// Encodes as 24-bit RGB PNG, baseline JPEG at quality 100, or 24-bit uncompressed BMP. Empty on failure.
std::optional<Bytes> EncodeImage(const Image& img, ImageFormat format);
// Encodes and writes a file so that a failed write leaves any previous file of that name intact. On
// failure `whyNot`, when given, receives the reason in words.
bool WriteImageFile(const std::string& path, const Image& img, ImageFormat format, std::string* whyNot = nullptr);

}  // namespace kx
