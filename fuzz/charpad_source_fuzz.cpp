// The charpad reader on arbitrary bytes.
#include "fuzz/charset_source_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kx::fuzz::CheckSourceRead(kx::SourceKind::CharPad, kx::fuzz::Input(data, size));
  return 0;
}
