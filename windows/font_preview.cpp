#include "windows/font_preview.h"

#include "model/charset.h"
#include "runtime/image_draw.h"
#include "runtime/image_scale.h"

namespace kx {
namespace {

// One blended line on rows 0, 2, 4, ... up to and including the height (the last one falls outside an
// even-height picture and is clipped).
void DarkenEvenRows(Image& img) {
  for (int y = 0; y <= img.Height(); y += 2) {
    FillBox(img, {0, y, img.Width(), 1}, kScanlineColour, kScanlineAlpha);
  }
}

std::span<const std::uint32_t> PixelsOf(const Image& img) {
  return {img.Data(), static_cast<std::size_t>(img.Stride()) * img.Height()};
}
std::span<std::uint32_t> PixelsOf(Image& img) {
  return {img.Data(), static_cast<std::size_t>(img.Stride()) * img.Height()};
}

}  // namespace

void ComposeFontPreviewPicture(FontPreviewState& state, const Image& charsetPicture, bool scanlines) {
  ++state.version;
  Image placed(kCharsetWidth, kCharsetHeight);
  const bool fits = charsetPicture.Width() == kCharsetWidth && charsetPicture.Height() == kCharsetHeight;
  if (!fits || !ComposeFontPreview(state.kind, PixelsOf(charsetPicture), charsetPicture.Stride(),
                                   PixelsOf(placed), placed.Stride())) {
    state.picture.Reset(kFontPreviewWidth, kFontPreviewHeight);
    return;
  }
  ScaleSmoothInto(placed, kFontPreviewWidth, kFontPreviewHeight, state.picture);
  if (scanlines) DarkenEvenRows(state.picture);
}

}  // namespace kx
