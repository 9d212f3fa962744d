// The JPEG decoder on arbitrary bytes: errors and truncation inside libjpeg jump back through its error
// handler, which must leave nothing behind.
#include "fuzz/fuzz_support.h"
#include "runtime/jpeg_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::CheckDecoded(kx::DecodeJpeg(kx::fuzz::Input(data, size)));
  return 0;
}
