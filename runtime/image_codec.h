#pragma once
// Reading and writing pictures as PNG, JPEG and BMP, from and to memory and files.
//
// Reading decides the format by the first bytes of the data, never by a file name, so a PNG called
// "font.bmp" still reads. Every input is treated as hostile: the size its header declares is checked against
// the limits before anything is allocated, and damaged data gives a failure, not a crash.
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

// A charset picture is 256x64 (a dump 512x128); these bound what a decoder may allocate, the picture at 4
// bytes a pixel (64 MiB) and, for a progressive JPEG, its coefficients.
inline constexpr int kMaxImageSide = 16384;
inline constexpr long long kMaxImagePixels = 4096LL * 4096;
// Files larger than this are not read at all: a 32-bit BMP of the largest allowed size, with its headers.
inline constexpr std::size_t kMaxImageFileBytes = kMaxImagePixels * 4 + 64 * 1024;

// The largest picture a decoder may allocate, and whether a PNG's alpha is kept in each word's top byte
// (for a reader that treats transparent pixels apart) instead of being composited over black.
struct ImageLimits {
  long long maxSide = kMaxImageSide;
  long long maxPixels = kMaxImagePixels;
  bool keepAlpha = false;
};

using Bytes = std::vector<std::uint8_t>;

// What a decoder gives back: the picture, or no picture and a short reason (for diagnostics; the
// program shows its own fixed message).
struct DecodeResult {
  std::optional<Image> image;
  std::string error;
  // The size the header declared, when that is what refused the picture.
  long long refusedWidth = 0, refusedHeight = 0;

  static DecodeResult Fail(std::string why) { return {std::nullopt, std::move(why)}; }
  // "<format>: picture too large", refused by its header's size.
  static DecodeResult TooLarge(const char* format, long long width, long long height) {
    return {std::nullopt, std::string(format) + ": picture too large", width, height};
  }
};

// Whether a width x height picture may be allocated by a decoder.
bool ImageSizeAllowed(long long width, long long height, const ImageLimits& limits = {});

// The format whose signature starts `data`, if any.
std::optional<ImageFormat> DetectImageFormat(std::span<const std::uint8_t> data);

// Decodes PNG, JPEG or BMP data, whichever it is, refusing by its header a picture beyond `limits`.
DecodeResult DecodeImage(std::span<const std::uint8_t> data, const ImageLimits& limits = {});
// Reads and decodes a file.
DecodeResult ReadImageFile(const std::string& path);

// Encodes as 24-bit RGB PNG, baseline JPEG at quality 100, or 24-bit uncompressed BMP. Empty on failure.
std::optional<Bytes> EncodeImage(const Image& img, ImageFormat format);
// Encodes and writes a file so that a failed write leaves any previous file of that name intact. On
// failure `whyNot`, when given, receives the reason in words.
bool WriteImageFile(const std::string& path, const Image& img, ImageFormat format, std::string* whyNot = nullptr);

}  // namespace kx
