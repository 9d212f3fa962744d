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

namespace kx {
namespace {

// The palette as stored picture words, so that charset pixels come out opaque.
Palette PackedPalette(const Palette& palette) {
  Palette packed = palette;
  for (Rgb& c : packed) c = PackPixel(c);
  return packed;
}

void DrawCharsetPixels(const Charset& charset, const GlyphInks& inks, const Palette& palette, Image& out) {
  out.Reshape(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(charset, inks, PackedPalette(palette),
                    std::span<std::uint32_t>(out.Data(), static_cast<std::size_t>(out.Stride()) * out.Height()),
                    out.Stride());
}

// Every pixel of the part `from` of `src` as a 2x2 block at twice its position in `out`.
void DoubleInto(const Image& src, const Rect& from, Image& out) {
  const Rect part = Intersect(from, src.Bounds());
  for (int y = part.y; y < part.y + part.h; ++y) {
    const std::uint32_t* in = src.Row(y) + part.x;
    std::uint32_t* o = out.Row(2 * y) + 2 * part.x;
    for (int x = 0; x < part.w; ++x) o[2 * x] = o[2 * x + 1] = in[x];
    std::memcpy(out.Row(2 * y + 1) + 2 * part.x, o, static_cast<std::size_t>(part.w) * 8);
  }
}

// The pane with no highlights and the pane dimmed everywhere depend only on the charset image: they are
// rebuilt when it changed, and a mouse move only copies them.
void RefreshPaneCaches(ViewPictures& p) {
  if (p.paneCacheVersion == p.versions.charset) return;
  p.paneCacheVersion = p.versions.charset;
  p.plainPane.Reshape(kPaneWidth, kPaneHeight);
  DoubleInto(p.charset, p.charset.Bounds(), p.plainPane);
  p.fadedPane = p.plainPane;
  // The charset image holds few colours: blend each run of one colour once.
  std::uint32_t lastIn = 0, lastOut = 0;
  for (int y = 0; y < kPaneHeight; ++y) {
    std::uint32_t* row = p.fadedPane.Row(y);
    for (int x = 0; x < kPaneWidth; ++x) {
      if (row[x] != lastIn || x + y == 0) {
        lastIn = row[x];
        lastOut = PackPixel(BlendRgb(UnpackPixel(lastIn), kPaneFadeColour, kPaneFadeAlpha));
      }
      row[x] = lastOut;
    }
  }
}

void CopyRows(const Image& src, const Rect& area, Image& out) {
  const Rect part = Intersect(area, src.Bounds());
  for (int y = part.y; y < part.y + part.h; ++y) {
    std::memcpy(out.Row(y) + part.x, src.Row(y) + part.x, static_cast<std::size_t>(part.w) * 4);
  }
}

bool HoverGlyphShown(const EditingState& e, const ViewOptions& options) {
  return options.hoverChar && !e.selection.Exists() && e.hoverTarget != HoverTarget::None;
}

}  // namespace

void BuildRomReferenceImages(ViewPictures& pictures, const Palette& palette) {
  Image rom;
  DrawCharsetPixels(RomCharset(), CharsetStore::DefaultInks(), palette, rom);
  for (int n = 0; n < kGlyphCount; ++n) {
    Image& glyph = pictures.romGlyphs[n];
    glyph.Reshape(kRomGlyphPictureSize, kRomGlyphPictureSize);
    const Rect cell{n % kGlyphsPerRow * kGlyphBytes, n / kGlyphsPerRow * kGlyphBytes, kGlyphBytes, kGlyphBytes};
    DoubleInto(Cut(rom, cell), {0, 0, kGlyphBytes, kGlyphBytes}, glyph);
  }
  ++pictures.versions.romGlyphs;
}

void RebuildCharsetImage(ViewPictures& pictures, const CharsetStore& store, const Palette& palette) {
  DrawCharsetPixels(store.editor, store.inks, palette, pictures.charset);
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
}

void RenderEditorPane(ViewPictures& p, const EditingState& e, const ViewLayout& layout, const ViewOptions& options) {
  ++p.versions.editorPane;
  if (p.charset.Empty()) {
    p.editorPane.Reset(kPaneWidth, kPaneHeight);
    return;
  }
  RefreshPaneCaches(p);
  const Rect shown{2 * e.scrollX, 2 * e.scrollY, 2 * layout.ColumnsVisible(), 2 * layout.RowsVisible()};
  const bool fade = options.highlights && options.paneFade && options.paneFrame;
  p.editorPane = fade ? p.fadedPane : p.plainPane;
  if (fade) CopyRows(p.plainPane, shown, p.editorPane);
  if (options.highlights && options.paneFrame) DrawOutline(p.editorPane, shown, kPaneFrameColour, kPaneFrameAlpha);
  if (options.highlights && HoverGlyphShown(e, options)) {
    DrawOutline(p.editorPane, {e.hoverX / 8 * 16, e.hoverY / 8 * 16, 16, 16}, kPaneHoverOutline);
  }
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
