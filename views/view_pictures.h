#pragma once
// Every picture the main window shows, composed off-screen, and the view options that shape them.
//
// Each picture carries a change counter that its render step increments; the window system's adapter
// repaints a canvas only when the counter moved since it last showed it.

#include <array>
#include <cstdint>

#include "model/charset.h"
#include "runtime/image.h"

namespace kx {

inline constexpr int kSwatchWidth = 48;
inline constexpr int kSwatchHeight = 24;
inline constexpr int kRomGlyphPictureSize = 16;

// The View-menu check marks the pictures depend on.
struct ViewOptions {
  bool charGrid = true;          // 146
  bool pixelGrid = true;         // 147
  bool hoverChar = true;         // 150: outline of the hovered glyph
  bool hoverPixel = true;        // 151: outline of the hovered pixel
  bool paneFrame = true;         // 152: the pane marks the part visible in the editor view
  bool paneFade = true;          // 153: ... and dims the rest
  bool highlights = true;        // 154: master switch of the pixel outline and the pane highlights
  bool scanlines = false;        // 158
  bool crtMain = false;          // 159: smooth blur
  bool crtEdge = false;          // 160: blocky softening
  bool emulationOnGrids = true;  // 161: the emulation runs after the grids are drawn
};

// How many times each picture has been recomposed.
struct PictureVersions {
  std::uint64_t charset = 0;
  std::uint64_t editorView = 0;
  std::uint64_t editorPane = 0;
  std::uint64_t memoryPane = 0;
  std::uint64_t penSwatch = 0;
  std::uint64_t romGlyphs = 0;
};

struct ViewPictures {
  Image charset;                      // 256x64, one pixel per glyph pixel
  Image editorView;                   // Wc x Hc, what the editor canvas shows
  Image editorPane;                   // 512x128
  Image memoryPane{512, 128};         // black until the first swap
  Image penSwatch;                    // 48x24
  std::array<Image, kGlyphCount> romGlyphs;  // 16x16 each, made once at start-up
  PictureVersions versions;

  // Work buffers kept between redraws so that a mouse move allocates nothing.
  Image zoom;          // the char-aligned enlarged cut, built only while a blur pass needs its margin
  Image half;          // the zoom picture at half size (blur passes)
  Image halfWide;      // the half picture enlarged across only (blur passes)
  Image fadedCharset;  // the charset image in the pane's dimmed colours, rebuilt with it
};

}  // namespace kx
