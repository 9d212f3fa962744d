#pragma once
// Builds BMP files field by field, so tests and the fuzz seeds can make any header the decoder must
// handle, including ones no encoder writes.

#include <cstdint>
#include <vector>

#include "runtime/image_codec.h"

namespace kx {

// Writes a field; parts beyond the end are dropped (a header may be declared shorter than its fields).
inline void Put(Bytes& b, std::size_t at, std::uint32_t v, int n, bool bigEndian = false) {
  for (int i = 0; i < n && at + static_cast<std::size_t>(i) < b.size(); ++i) b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * (bigEndian ? n - 1 - i : i)));
}

struct BmpSpec {
  int width = 2;
  int height = 2;  // negative: top-down
  int bitsPerPixel = 24;
  std::uint32_t headerSize = 40;
  std::uint32_t compression = 0;
  std::vector<std::uint32_t> masks = {};   // after a 40-byte header, or inside a larger one
  std::vector<std::uint32_t> palette = {}; // 0x00RRGGBB
  std::vector<std::vector<std::uint8_t>> rows = {};// stored order, padding added here
};

inline Bytes MakeBmp(const BmpSpec& s) {
  const bool core = s.headerSize == 12;
  const std::size_t entry = core ? 3 : 4;
  const std::size_t maskBytes = s.headerSize == 40 ? s.masks.size() * 4 : 0;
  const std::size_t offset = 14 + s.headerSize + maskBytes + s.palette.size() * entry;
  Bytes b(offset);
  b[0] = 'B';
  b[1] = 'M';
  Put(b, 10, static_cast<std::uint32_t>(offset), 4);
  Put(b, 14, s.headerSize, 4);
  if (core) {
    Put(b, 18, static_cast<std::uint32_t>(s.width), 2);
    Put(b, 20, static_cast<std::uint32_t>(s.height), 2);
    Put(b, 22, 1, 2);
    Put(b, 24, static_cast<std::uint32_t>(s.bitsPerPixel), 2);
  } else {
    Put(b, 18, static_cast<std::uint32_t>(s.width), 4);
    Put(b, 22, static_cast<std::uint32_t>(s.height), 4);
    Put(b, 26, 1, 2);
    Put(b, 28, static_cast<std::uint32_t>(s.bitsPerPixel), 2);
    Put(b, 30, s.compression, 4);
    Put(b, 46, static_cast<std::uint32_t>(s.palette.size()), 4);
  }
  for (std::size_t i = 0; i < s.masks.size(); ++i) Put(b, 54 + 4 * i, s.masks[i], 4);
  for (std::size_t i = 0; i < s.palette.size(); ++i) Put(b, 14 + s.headerSize + maskBytes + i * entry, s.palette[i], 3);
  for (auto row : s.rows) {
    row.resize((row.size() + 3) & ~std::size_t{3}, 0);
    b.insert(b.end(), row.begin(), row.end());
  }
  Put(b, 2, static_cast<std::uint32_t>(b.size()), 4);
  return b;
}

}  // namespace kx
