#include "model/rom_charset.h"

#include <algorithm>

extern const std::array<unsigned char, 4096> kx_rom_charset_bytes;

namespace kx {

const std::array<std::uint8_t, kRomBytes>& RomBytes() { return kx_rom_charset_bytes; }

const Charset& RomCharset() {
  static const Charset upper = [] {
    Charset c{};
    std::copy_n(kx_rom_charset_bytes.begin(), kCharsetBytes, c.begin());
    return c;
  }();
  return upper;
}

}  // namespace kx
