#include "ops/charset_pixels.h"

namespace kx {
namespace {

constexpr std::uint32_t kRgbMask = 0x00FFFFFF;

bool Fits(std::size_t size, int stride) {
  const std::size_t needed = CharsetPixelsNeeded(stride);
  return needed != 0 && size >= needed;
}

std::size_t PixelOffset(int x, int y, int stride) { return static_cast<std::size_t>(y) * stride + x; }

}  // namespace

Charset CharsetFromPixels(std::span<const std::uint32_t> pixels, int stride, Rgb clear) {
  Charset charset{};
  if (!Fits(pixels.size(), stride)) return charset;
  for (int y = 0; y < kCharsetHeight; ++y)
    for (int x = 0; x < kCharsetWidth; ++x)
      if ((pixels[PixelOffset(x, y, stride)] & kRgbMask) != (clear & kRgbMask)) SetCharsetPixel(charset, x, y, true);
  return charset;
}

std::array<std::uint8_t, 4> PairColours(std::uint8_t ink, const CharsetColours& colours) {
  const auto colour = [](int c) { return static_cast<std::uint8_t>(c % kPaletteSize); };
  return {colour(colours.registers[kBackground0]), colour(colours.registers[kMulticolour1]),
          colour(colours.registers[kMulticolour2]), colour(ink & ~kMulticolourBit)};
}

RowColours DecodeGlyphRow(std::uint8_t bits, std::uint8_t ink, const CharsetColours& colours, int background) {
  RowColours out;
  if (IsMulticolourGlyph(colours.mode, ink)) {
    const std::array<std::uint8_t, 4> pairs = PairColours(ink, colours);
    for (int p = 0; p < 4; ++p) out[2 * p] = out[2 * p + 1] = pairs[(bits >> (6 - 2 * p)) & 3];
    return out;
  }
  const auto set = static_cast<std::uint8_t>(ink % kPaletteSize);
  const auto clear = static_cast<std::uint8_t>(colours.registers[background & 3] % kPaletteSize);
  for (int x = 0; x < kGlyphBytes; ++x) out[x] = (bits >> (7 - x)) & 1 ? set : clear;
  return out;
}

GlyphCell CellAt(int n, DisplayMode mode, CellOrder order) {
  constexpr int kExtendedGlyphs = 64;
  if (mode != DisplayMode::ExtendedBackground) return {n, kBackground0, true};
  if (order == CellOrder::ScreenCode) return {n % kExtendedGlyphs, n / kExtendedGlyphs, true};
  return {n, kBackground0, n < kExtendedGlyphs};
}

bool PixelsFromCharset(const Charset& charset, const GlyphInks& inks, const Palette& palette,
                       std::span<std::uint32_t> pixels, int stride, const CharsetColours& colours,
                       CellOrder order) {
  if (!Fits(pixels.size(), stride)) return false;
  for (int n = 0; n < kGlyphCount; ++n) {
    const GlyphCell cell = CellAt(n, colours.mode, order);
    const int x0 = GlyphColumnOf(n) * kGlyphBytes, y0 = GlyphRowOf(n) * kGlyphBytes;
    for (int row = 0; row < kGlyphBytes; ++row) {
      const std::uint8_t bits = cell.shown ? charset[static_cast<std::size_t>(cell.glyph) * kGlyphBytes + row] : 0;
      const RowColours decoded = DecodeGlyphRow(bits, inks[cell.glyph], colours, cell.background);
      std::uint32_t* out = &pixels[PixelOffset(x0, y0 + row, stride)];
      for (int x = 0; x < kGlyphBytes; ++x) out[x] = palette[decoded[x]];
    }
  }
  return true;
}

}  // namespace kx
