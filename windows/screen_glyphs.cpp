#include "windows/screen_glyphs.h"

#include <span>

#include "model/rom_charset.h"
#include "ops/charset_pixels.h"
#include "runtime/image_scale.h"

namespace kx {

Image CharsetImage(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                   const CharsetColours& colours, CellOrder order) {
  Image image(kCharsetWidth, kCharsetHeight);
  std::span<std::uint32_t> pixels(image.Data(), static_cast<std::size_t>(image.Stride()) * image.Height());
  PixelsFromCharset(charset, inks, palette, pixels, image.Stride(), colours, order);
  for (std::uint32_t& word : pixels) word = PackPixel(word);  // the picture keeps its top byte at 0xFF
  return image;
}

Image RomCharsetImage() {
  GlyphInks inks{};
  inks.fill(kInkIndex);
  Palette whiteOnBlack{};
  whiteOnBlack[kPaperIndex] = 0x000000;
  whiteOnBlack[kInkIndex] = 0xFFFFFF;
  return CharsetImage(RomCharset(), inks, whiteOnBlack);
}

Image DoubledGlyphSheet(const Image& charsetImage) {
  return ScaleNearest(charsetImage, charsetImage.Width() * kGlyphSheetScale,
                      charsetImage.Height() * kGlyphSheetScale);
}

Rect GlyphBlock(int code, int size) {
  return {GlyphColumnOf(code) * size, GlyphRowOf(code) * size, size, size};
}

}  // namespace kx
