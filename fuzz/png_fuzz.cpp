// The PNG decoder on arbitrary bytes.
#include "fuzz/fuzz_support.h"
#include "runtime/png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::CheckDecoded(kx::DecodePng(kx::fuzz::Input(data, size)));
  return 0;
}
