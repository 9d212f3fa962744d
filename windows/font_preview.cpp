#include "windows/font_preview.h"

#include "views/emulation.h"

#include "model/charset.h"
#include "runtime/image_draw.h"
#include "runtime/image_scale.h"

namespace kx {
namespace {

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
  if (scanlines) DrawScanlines(state.picture, state.picture.Bounds());
}

}  // namespace kx
