#include "views/render.h"

#include <cstring>
#include <span>
#include <utility>

#include "model/rom_charset.h"
#include "ops/charset_pixels.h"
#include "runtime/image_draw.h"
#include "runtime/image_scale.h"
#include "views/compose_zoom.h"
#include "views/emulation.h"
#include "ops/glyph_tools.h"

namespace kx {
namespace {

// The palette as stored picture words, so that charset pixels come out opaque; `fade` gives the words of the
// pane's dimmed colours instead.
Palette PackedPalette(const Palette& palette, bool fade = false) {
  Palette packed = palette;
  for (Rgb& c : packed) c = PackPixel(fade ? BlendRgb(c, kPaneFadeColour, kPaneFadeAlpha) : c);
  return packed;
}

void DrawCharsetPixels(const Charset& charset, const GlyphInks& inks, const Palette& packed, Image& out) {
  out.Reshape(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(charset, inks, packed,
                    std::span<std::uint32_t>(out.Data(), static_cast<std::size_t>(out.Stride()) * out.Height()),
                    out.Stride());
}

// Every pixel of `in` as two pixels side by side in `out`.
void DoubleRow(const std::uint32_t* in, int count, std::uint32_t* out) {
  for (int x = 0; x < count; ++x) out[2 * x] = out[2 * x + 1] = in[x];
}

// Every pixel of `src` as a 2x2 block in `out`, which takes twice its size.
void DoubleInto(const Image& src, Image& out) {
  out.Reshape(2 * src.Width(), 2 * src.Height());
  const std::size_t rowBytes = static_cast<std::size_t>(out.Width()) * 4;
  for (int y = 0; y < src.Height(); ++y) {
    DoubleRow(src.Row(y), src.Width(), out.Row(2 * y));
    std::memcpy(out.Row(2 * y + 1), out.Row(2 * y), rowBytes);
  }
}

// The pane without highlights: the charset image doubled, its dimmed twin outside `area` (charset pixels).
void ComposePane(const Image& plain, const Image& faded, const Rect& area, Image& out) {
  out.Reshape(2 * plain.Width(), 2 * plain.Height());
  const Rect lit = Intersect(area, plain.Bounds());
  const std::size_t rowBytes = static_cast<std::size_t>(out.Width()) * 4;
  for (int y = 0; y < plain.Height(); ++y) {
    std::uint32_t* row = out.Row(2 * y);
    if (y < lit.y || y >= lit.y + lit.h || lit.Empty()) {
      DoubleRow(faded.Row(y), faded.Width(), row);
    } else {
      // Dimmed left part, lit middle, dimmed right part.
      const int edges[] = {0, lit.x, lit.x + lit.w, plain.Width()};
      for (int part = 0; part < 3; ++part) {
        const Image& src = part == 1 ? plain : faded;
        DoubleRow(src.Row(y) + edges[part], edges[part + 1] - edges[part], row + 2 * edges[part]);
      }
    }
    std::memcpy(out.Row(2 * y + 1), row, rowBytes);
  }
}

bool HoverGlyphShown(const EditingState& e, const ViewOptions& options) {
  return options.hoverChar && e.hoverTarget != HoverTarget::None;
}

// The glyph selection's rectangle in a picture where a glyph is `glyphSize` pixels wide and the charset
// pixel (originX, originY) is at the top-left.
Rect SelectionBox(const GlyphSelection& selection, int glyphSize, int originX, int originY) {
  const OperationScope r = ScopeOfSelection(selection);
  const int pixel = glyphSize / kGlyphBytes;
  return {r.firstColumn * glyphSize - originX * pixel, r.firstRow * glyphSize - originY * pixel,
          (r.lastColumn - r.firstColumn + 1) * glyphSize, (r.lastRow - r.firstRow + 1) * glyphSize};
}

}  // namespace

void BuildRomReferenceImages(ViewPictures& pictures, const Palette& palette) {
  Image rom;
  DrawCharsetPixels(RomCharset(), CharsetStore::DefaultInks(), PackedPalette(palette), rom);
  for (int n = 0; n < kGlyphCount; ++n) {
    const Rect cell{n % kGlyphsPerRow * kGlyphBytes, n / kGlyphsPerRow * kGlyphBytes, kGlyphBytes, kGlyphBytes};
    DoubleInto(Cut(rom, cell), pictures.romGlyphs[n]);
  }
  ++pictures.versions.romGlyphs;
}

void RebuildCharsetImage(ViewPictures& pictures, const CharsetStore& store, const Palette& palette) {
  DrawCharsetPixels(store.editor, store.inks, PackedPalette(palette), pictures.charset);
  // The pane's dimmed picture is the same drawing in the dimmed palette: 16 blends instead of one a pixel.
  DrawCharsetPixels(store.editor, store.inks, PackedPalette(palette, true), pictures.fadedCharset);
  ++pictures.versions.charset;
}

void RenderEditorView(ViewPictures& p, const EditingState& e, const ViewLayout& layout, const Palette& palette,
                      const ViewOptions& options) {
  ++p.versions.editorView;
  const int block = layout.blockSize;
  const int w = layout.editorView.w, h = layout.editorView.h;
  if (p.charset.Empty()) {  // before the first charset image: black at the right size
    p.editorView.Reset(w, h);
    return;
  }
  const ZoomGeometry zoom = ZoomFor(e.scrollX, e.scrollY, w, h, block);
  const Rect visible = VisiblePart(zoom, e.scrollX, e.scrollY, w, h);
  const GridLines grids{options.pixelGrid, options.charGrid};

  if (!options.crtMain && !options.crtEdge) {
    // Nothing blurs across the view's border: compose exactly the visible part.
    const ScanlineOrder order = !options.scanlines         ? ScanlineOrder::None
                                : options.emulationOnGrids ? ScanlineOrder::AfterGrids
                                                           : ScanlineOrder::BeforeGrids;
    ComposeZoomArea(p.charset, zoom, visible, grids, order, p.editorView);
  } else {
    // The blur reaches one half-size pixel (two zoom pixels) beyond every visible pixel; the margin keeps
    // the view's edges as they would be in the whole zoom picture. The margin keeps the rows' parity.
    const Rect work = Intersect({visible.x - 2, visible.y - 2, w + 4, h + 4}, zoom.Bounds());
    ComposeZoomArea(p.charset, zoom, work, options.emulationOnGrids ? grids : GridLines{}, ScanlineOrder::None,
                    p.zoom);
    ApplyDisplayEmulation(p.zoom, options, p.half, p.halfWide);
    if (work == visible) {
      std::swap(p.zoom, p.editorView);  // the whole work picture is the view: hand the buffer over
    } else {
      CutInto(p.zoom, {visible.x - work.x, visible.y - work.y, w, h}, p.editorView);
    }
    if (!options.emulationOnGrids) DrawGridLines(p.editorView, zoom, visible.x, visible.y, grids);
  }

  const int hx = e.hoverX, hy = e.hoverY;
  if (e.hoverTarget == HoverTarget::EditorView) {
    // What a left press would paint, kept sharp over the emulation, with scanlines of its own.
    const Rect cell{(hx - e.scrollX) * block, (hy - e.scrollY) * block, block, block};
    FillBox(p.editorView, cell, palette[e.leftPen.index % kPaletteSize]);
    if (options.scanlines) DrawScanlines(p.editorView, cell);
    if (options.highlights && options.hoverPixel) DrawOutline(p.editorView, cell, kHoverPixelOutline);
  }
  if (HoverGlyphShown(e, options)) {
    const Rect glyph{hx / 8 * 8 * block - e.scrollX * block, hy / 8 * 8 * block - e.scrollY * block, 8 * block,
                     8 * block};
    DrawOutline(p.editorView, glyph, kHoverGlyphOutline);
  }
  if (e.selection.Exists()) {
    DrawOutline(p.editorView, SelectionBox(e.selection, 8 * block, e.scrollX, e.scrollY), kSelectionOutline);
  }
}

void RenderEditorPane(ViewPictures& p, const EditingState& e, const ViewLayout& layout, const ViewOptions& options) {
  ++p.versions.editorPane;
  if (p.charset.Empty()) {
    p.editorPane.Reset(kPaneWidth, kPaneHeight);
    return;
  }
  const Rect visible{e.scrollX, e.scrollY, layout.ColumnsVisible(), layout.RowsVisible()};
  const Rect shown{2 * visible.x, 2 * visible.y, 2 * visible.w, 2 * visible.h};
  const bool fade = options.highlights && options.paneFade && options.paneFrame;
  ComposePane(p.charset, p.fadedCharset, fade ? visible : p.charset.Bounds(), p.editorPane);
  if (options.highlights && options.paneFrame) DrawOutline(p.editorPane, shown, kPaneFrameColour, kPaneFrameAlpha);
  if (options.highlights && HoverGlyphShown(e, options)) {
    DrawOutline(p.editorPane, {e.hoverX / 8 * 16, e.hoverY / 8 * 16, 16, 16}, kPaneHoverOutline);
  }
  if (e.selection.Exists()) DrawOutline(p.editorPane, SelectionBox(e.selection, 16, 0, 0), kSelectionOutline);
  if (options.scanlines) DrawScanlines(p.editorPane, p.editorPane.Bounds());
}

void RenderPenSwatch(ViewPictures& p, const EditingState& e, const Palette& palette, const ViewOptions& options) {
  ++p.versions.penSwatch;
  p.penSwatch.Reset(kSwatchWidth, kSwatchHeight);
  FillBox(p.penSwatch, {0, 0, 62, 22}, palette[e.rightPen.index % kPaletteSize]);
  FillCircle(p.penSwatch, 21, 10, 7, palette[e.leftPen.index % kPaletteSize]);
  if (options.scanlines) DrawScanlines(p.penSwatch, {0, 0, 62, 25});
}

void CaptureMemoryPane(ViewPictures& p) {
  ++p.versions.memoryPane;
  ScaleSmoothInto(p.charset, kPaneWidth, kPaneHeight, p.memoryPane);
}

}  // namespace kx
