// The stages of importing a picture as a charset: decode whatever format it is, scale it smoothly to
// 256x64 and read the pixels back as 2048 glyph bytes. Drawing that charset and reading it again must
// give the same bytes.
#include "fuzz/fuzz_support.h"
#include "ops/charset_pixels.h"
#include "runtime/image_scale.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kx;
  const DecodeResult decoded = DecodeImage(fuzz::Input(data, size));
  fuzz::CheckDecoded(decoded);
  if (!decoded.image) return 0;

  const Image scaled = ScaleSmooth(*decoded.image, kCharsetWidth, kCharsetHeight);
  fuzz::Require(scaled.Width() == kCharsetWidth && scaled.Height() == kCharsetHeight, "scaled to 256x64");
  const std::span<const std::uint32_t> pixels(scaled.Data(), CharsetPixelsNeeded(scaled.Stride()));
  const Charset charset = CharsetFromPixels(pixels, scaled.Stride());

  Image redrawn(kCharsetWidth, kCharsetHeight);
  const std::span<std::uint32_t> out(redrawn.Data(), CharsetPixelsNeeded(redrawn.Stride()));
  fuzz::Require(PixelsFromCharset(charset, CharsetStore::DefaultInks(), MakePalette(), out, redrawn.Stride()),
                "the charset draws into a 256x64 picture");
  fuzz::Require(CharsetFromPixels(out, redrawn.Stride()) == charset, "drawn charset reads back the same");
  return 0;
}
