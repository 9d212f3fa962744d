#pragma once
// The font preview: the charset with the glyphs of each derived-font letter placed together, shown at
// twice its size in a small window beside the main window while a derived font is being designed.

#include "ops/derived_font.h"
#include "runtime/image.h"

namespace kx {

inline constexpr int kFontPreviewWidth = 512;
inline constexpr int kFontPreviewHeight = 128;
inline constexpr const char* kFontPreviewTitle = "Preview Auto Created Charset";

struct FontPreviewState {
  PreviewKind kind = PreviewKind::None;
  bool windowOpen = false;
  Image picture;         // 512x128 once composed
  unsigned version = 0;  // counts every recomposition, so the window repaints only when it moved
};

// Recomposes `state.picture` of `state.kind` from the 256x64 charset picture: the cells are placed
// together, the result is enlarged with the smoothing resampler and, with `scanlines`, darkened on the
// even rows. A charset picture of another size leaves the picture black.
void ComposeFontPreviewPicture(FontPreviewState& state, const Image& charsetPicture, bool scanlines);

}  // namespace kx
