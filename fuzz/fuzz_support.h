#pragma once
// Shared checks for the fuzz targets. A broken invariant aborts with a message, which libFuzzer (and the
// replay program under the sanitizers) report as a crash with the input that caused it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

#include "runtime/image_codec.h"

namespace kx::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

inline std::span<const std::uint8_t> Input(const std::uint8_t* data, std::size_t size) { return {data, size}; }

// A decoder either fails with a reason or gives a picture of an allowed size whose every pixel is
// opaque (alpha is composited away). Reading every pixel lets the sanitizers check the whole buffer.
inline void CheckDecoded(const DecodeResult& r) {
  if (!r.image) {
    Require(!r.error.empty(), "a failed decode says why");
    return;
  }
  const Image& img = *r.image;
  Require(ImageSizeAllowed(img.Width(), img.Height()), "decoded size within the limits");
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) Require(img.Row(y)[x] >> 24 == 0xFF, "decoded pixels are opaque");
  }
}

// Splits the input at NUL bytes; the fuzzers that need several strings take them from one input this way.
inline std::vector<std::string_view> SplitAtNul(std::span<const std::uint8_t> data) {
  const std::string_view all(reinterpret_cast<const char*>(data.data()), data.size());
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = all.find('\0', start);
    parts.push_back(all.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

}  // namespace kx::fuzz
