// The BMP decoder on arbitrary bytes: header fields, masks, palettes and row offsets are all hostile.
#include "fuzz/fuzz_support.h"
#include "runtime/bmp_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::CheckDecoded(kx::DecodeBmp(kx::fuzz::Input(data, size)));
  return 0;
}
