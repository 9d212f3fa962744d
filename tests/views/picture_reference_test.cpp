// The editor view and the charset pane, composed whole, equal pictures worked out pixel by pixel from what
// each pixel shows (the blur passes with the smoothing resampler over the whole enlarged cut), over many
// random charsets, inks, zooms, window sizes, scroll positions, hovers, selections and option sets.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "runtime/image_draw.h"
#include "runtime/image_scale.h"
#include "views/render.h"

namespace kx {
namespace {

struct RandomScene {
  std::mt19937 random;
  CharsetStore store = MakeStartupStore();
  Palette palette = MakePalette();
  EditingState editing;
  ViewLayout layout;
  ViewOptions options;

  explicit RandomScene(unsigned seed) : random(seed) {
    for (auto& byte : store.editor) byte = static_cast<std::uint8_t>(Next(256));
    for (auto& ink : store.inks) ink = static_cast<std::uint8_t>(Next(kPaletteSize));
    palette = MakePalette(static_cast<Brightness>(Next(3)));
    editing.zoomIndex = Next(kZoomLevels);
    WindowMetrics window;
    window.clientWidth = kMinClientWidth + Next(900);
    window.clientHeight = kMinClientHeight + Next(500);
    layout = LayoutViews(window, editing.zoomIndex);
    editing.scrollX = Next(kCharsetWidth);
    editing.scrollY = Next(kCharsetHeight);
    ClampScroll(layout, editing);
    editing.hoverTarget = static_cast<HoverTarget>(Next(3));
    editing.hoverX = editing.scrollX + Next(layout.ColumnsVisible());
    editing.hoverY = editing.scrollY + Next(layout.RowsVisible());
    editing.leftPen.index = Next(kPaletteSize);
    if (Next(2)) editing.selection = {Next(kGlyphsPerRow), Next(kGlyphRows), Next(kGlyphsPerRow), Next(kGlyphRows)};
    bool* flags[] = {&options.charGrid,  &options.pixelGrid, &options.hoverChar,  &options.hoverPixel,
                     &options.paneFrame, &options.paneFade,  &options.highlights, &options.scanlines,
                     &options.crtMain,   &options.crtEdge,   &options.emulationOnGrids};
    for (bool* flag : flags) *flag = Next(2) == 1;
  }

  int Next(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

  Rgb CharsetColour(int x, int y) const {
    const int n = GlyphAtCell(x / 8, y / 8);
    return palette[GetCharsetPixel(store.editor, x, y) ? store.inks[n] % kPaletteSize : kPaperIndex];
  }

  // The selected glyphs' rectangle with glyph cells `size` pixels wide, glyph (0, 0) at (x0, y0).
  Rect SelectionBox(int size, int x0, int y0) const {
    const GlyphSelection& s = editing.selection;
    const int c0 = std::min(s.startColumn, s.endColumn), c1 = std::max(s.startColumn, s.endColumn);
    const int r0 = std::min(s.startRow, s.endRow), r1 = std::max(s.startRow, s.endRow);
    return {x0 + c0 * size, y0 + r0 * size, (c1 - c0 + 1) * size, (r1 - r0 + 1) * size};
  }

  std::string Describe() const {
    const ViewOptions& o = options;
    return "zoom " + std::to_string(editing.zoomIndex) + " view " + std::to_string(layout.editorView.w) + "x" +
           std::to_string(layout.editorView.h) + " scroll " + std::to_string(editing.scrollX) + "," +
           std::to_string(editing.scrollY) + " options " + std::to_string(o.charGrid) + std::to_string(o.pixelGrid) +
           std::to_string(o.hoverChar) + std::to_string(o.hoverPixel) + std::to_string(o.paneFrame) +
           std::to_string(o.paneFade) + std::to_string(o.highlights) + std::to_string(o.scanlines) +
           std::to_string(o.crtMain) + std::to_string(o.crtEdge) + std::to_string(o.emulationOnGrids);
  }
};

// A scanline: black blended over the pixel at a quarter strength.
Rgb Darkened(Rgb c) { return BlendRgb(c, 0x000000, 64); }

// The grid colour at zoom position (zx, zy), counted from the charset's corner, or `c` off the lines.
Rgb OverGrids(const ViewOptions& o, int block, int zx, int zy, Rgb c) {
  if (o.pixelGrid && (zx % block == 0 || zy % block == 0)) c = 0x202020;
  if (o.charGrid && (zx % (8 * block) == 0 || zy % (8 * block) == 0)) c = 0x404040;
  return c;
}

// What the blur passes make of the enlarged charset from the glyph column and row the view starts in, as
// wide and tall as the view plus a glyph, or to the charset's edge; the grids under them when they run on
// the grids. The result's (0, 0) is charset pixel (x0, y0).
Image BlurredCut(const RandomScene& s, int x0, int y0) {
  const ViewOptions& o = s.options;
  const int b = s.layout.blockSize;
  const int w = std::min(s.layout.ColumnsVisible() + 8, kCharsetWidth - x0) * b;
  const int h = std::min(s.layout.RowsVisible() + 8, kCharsetHeight - y0) * b;
  Image zoom(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Rgb c = s.CharsetColour(x0 + x / b, y0 + y / b);
      zoom.SetPixel(x, y, o.emulationOnGrids ? OverGrids(o, b, x0 * b + x, y0 * b + y, c) : c);
    }
  }
  const Image half = ScaleSmooth(zoom, w / 2, h / 2);
  return o.crtMain ? ScaleSmooth(half, w, h) : ScaleNearest(half, w, h);
}

Image ReferenceView(const RandomScene& s) {
  const ViewOptions& o = s.options;
  const int b = s.layout.blockSize, w = s.layout.editorView.w, h = s.layout.editorView.h;
  const int sx = s.editing.scrollX, sy = s.editing.scrollY;
  const bool blur = o.crtMain || o.crtEdge;
  const int x0 = sx / 8 * 8, y0 = sy / 8 * 8;
  const Image blurred = blur ? BlurredCut(s, x0, y0) : Image();
  Image img(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      // Grid lines lie on the multiples of the block and of eight blocks counted from the charset's corner.
      const int zx = sx * b + x, zy = sy * b + y;
      const bool scanline = o.scanlines && y % 2 == 0;
      Rgb c = blur ? blurred.Pixel(zx - x0 * b, zy - y0 * b) : s.CharsetColour(sx + x / b, sy + y / b);
      if (scanline && !o.emulationOnGrids) c = Darkened(c);
      if (!blur || !o.emulationOnGrids) c = OverGrids(o, b, zx, zy, c);
      if (scanline && o.emulationOnGrids) c = Darkened(c);
      img.SetPixel(x, y, c);
    }
  }
  const int hx = s.editing.hoverX, hy = s.editing.hoverY;
  if (s.editing.hoverTarget == HoverTarget::EditorView) {
    const Rect cell{(hx - sx) * b, (hy - sy) * b, b, b};
    const Rgb pen = s.palette[s.editing.leftPen.index % kPaletteSize];
    for (int y = cell.y; y < cell.y + b; ++y) {
      for (int x = cell.x; x < cell.x + b; ++x) img.SetPixel(x, y, o.scanlines && y % 2 == 0 ? Darkened(pen) : pen);
    }
    if (o.highlights && o.hoverPixel) DrawOutline(img, cell, 0xFF00FF);
  }
  if (o.hoverChar && s.editing.hoverTarget != HoverTarget::None) {
    DrawOutline(img, {hx / 8 * 8 * b - sx * b, hy / 8 * 8 * b - sy * b, 8 * b, 8 * b}, 0xFF0000);
  }
  if (s.editing.selection.Exists()) DrawOutline(img, s.SelectionBox(8 * b, -sx * b, -sy * b), 0x00FFFF);
  return img;
}

Image ReferencePane(const RandomScene& s) {
  const ViewOptions& o = s.options;
  const Rect visible{s.editing.scrollX, s.editing.scrollY, s.layout.ColumnsVisible(), s.layout.RowsVisible()};
  const bool fade = o.highlights && o.paneFade && o.paneFrame;
  Image img(kPaneWidth, kPaneHeight);
  for (int y = 0; y < kPaneHeight; ++y) {
    for (int x = 0; x < kPaneWidth; ++x) {
      const int cx = x / 2, cy = y / 2;
      const bool lit = cx >= visible.x && cx < visible.x + visible.w && cy >= visible.y && cy < visible.y + visible.h;
      const Rgb c = s.CharsetColour(cx, cy);
      img.SetPixel(x, y, fade && !lit ? BlendRgb(c, 0x404040, 128) : c);
    }
  }
  if (o.highlights && o.paneFrame) {
    DrawOutline(img, {2 * visible.x, 2 * visible.y, 2 * visible.w, 2 * visible.h}, 0xE0E0E0, 192);
  }
  if (o.highlights && o.hoverChar && s.editing.hoverTarget != HoverTarget::None) {
    DrawOutline(img, {s.editing.hoverX / 8 * 16, s.editing.hoverY / 8 * 16, 16, 16}, 0xFF00FF);
  }
  if (s.editing.selection.Exists()) DrawOutline(img, s.SelectionBox(16, 0, 0), 0x00FFFF);
  if (o.scanlines) {
    for (int y = 0; y < kPaneHeight; y += 2) {
      for (int x = 0; x < kPaneWidth; ++x) img.SetPixel(x, y, Darkened(img.Pixel(x, y)));
    }
  }
  return img;
}

TEST(PictureReference, ViewAndPaneEqualTheirPixelByPixelDefinitionInRandomStates) {
  for (unsigned seed = 1; seed <= 60; ++seed) {
    const RandomScene s(seed);
    ViewPictures pictures;
    // The random charset is drawn over the start-up one glyph by glyph, as an edit is.
    RebuildCharsetImage(pictures, MakeStartupStore(), s.palette);
    RebuildCharsetImage(pictures, s.store, s.palette);
    RenderEditorView(pictures, s.editing, s.layout, s.palette, s.options);
    RenderEditorPane(pictures, s.editing, s.layout, s.options);
    EXPECT_EQ(pictures.editorView, ReferenceView(s)) << "seed " << seed << ": " << s.Describe();
    EXPECT_EQ(pictures.editorPane, ReferencePane(s)) << "seed " << seed << ": " << s.Describe();
  }
}

}  // namespace
}  // namespace kx
