#include "views/render.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <cstring>
#include <vector>
#include <span>

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

void DrawCharsetPixels(const Charset& charset, const GlyphInks& inks, const Palette& packed, Image& out,
                       const CharsetColours& colours = {}) {
  out.Reshape(kCharsetWidth, kCharsetHeight);
  PixelsFromCharset(charset, inks, packed,
                    std::span<std::uint32_t>(out.Data(), static_cast<std::size_t>(out.Stride()) * out.Height()),
                    out.Stride(), colours);
}

// Pixels x0 .. x0 + count - 1 of the row `in` doubled across: out[i] = in[(x0 + i) / 2].
void DoubleSpan(const std::uint32_t* in, int x0, int count, std::uint32_t* out) {
  if (count <= 0) return;
  int i = 0;
  if (x0 % 2 == 1) out[i++] = in[x0 / 2];  // the right half of a doubled pixel
  const std::uint32_t* from = in + (x0 + i) / 2;
  for (; i + 1 < count; i += 2) out[i] = out[i + 1] = *from++;
  if (i < count) out[i] = *from;
}

// Every pixel of `src` as a 2x2 block in `out`, which takes twice its size.
void DoubleInto(const Image& src, Image& out) {
  out.Reshape(2 * src.Width(), 2 * src.Height());
  const std::size_t rowBytes = static_cast<std::size_t>(out.Width()) * 4;
  for (int y = 0; y < src.Height(); ++y) {
    DoubleSpan(src.Row(y), 0, out.Width(), out.Row(2 * y));
    std::memcpy(out.Row(2 * y + 1), out.Row(2 * y), rowBytes);
  }
}

// For every glyph byte, its pixels from the left as words of all ones (set) or all zeros (clear).
using ByteMasks = std::array<std::array<std::uint32_t, kGlyphBytes>, 256>;
constexpr ByteMasks MakeByteMasks() {
  ByteMasks masks{};
  for (unsigned byte = 0; byte < 256; ++byte) {
    for (int x = 0; x < kGlyphBytes; ++x) masks[byte][x] = (byte >> (7 - x)) & 1 ? 0xFFFFFFFFu : 0u;
  }
  return masks;
}
constexpr ByteMasks kByteMasks = MakeByteMasks();

// A glyph row of pixels: the paper word where `mask` is clear, the ink word where it is set.
void DrawByte(const std::array<std::uint32_t, kGlyphBytes>& mask, std::uint32_t paper, std::uint32_t ink,
              std::uint32_t* out) {
  // Made in a local row and copied once, so the compiler need not fear `out` overlapping the mask.
  std::array<std::uint32_t, kGlyphBytes> row;
  for (int x = 0; x < kGlyphBytes; ++x) row[x] = paper ^ (mask[x] & (ink ^ paper));
  std::memcpy(out, row.data(), sizeof row);
}

// A multicolour glyph row: each bit pair, from the left, as two pixels of its word.
void DrawPairs(std::uint8_t bits, const std::array<std::uint32_t, 4>& words, std::uint32_t* out) {
  std::array<std::uint32_t, kGlyphBytes> row;
  for (int p = 0; p < 4; ++p) row[2 * p] = row[2 * p + 1] = words[(bits >> (6 - 2 * p)) & 3];
  std::memcpy(out, row.data(), sizeof row);
}

// Redraws glyph n of both charset images from its bytes, ink and the charset's colours.
void DrawGlyphCell(const CharsetStore& store, int n, const Palette& packed, const Palette& faded,
                   ViewPictures& p) {
  const GlyphCell cell = CellAt(n, store.colours.mode, CellOrder::Glyph);
  const std::uint8_t ink = store.inks[n];
  const int x0 = GlyphColumnOf(n) * kGlyphBytes, y0 = GlyphRowOf(n) * kGlyphBytes;
  const auto rowBits = [&](int y) {
    return cell.shown ? store.editor[static_cast<std::size_t>(n) * kGlyphBytes + y] : std::uint8_t{0};
  };
  if (IsMulticolourGlyph(store.colours.mode, ink)) {
    // The decoder's pair colours looked up once per glyph, so a row costs what a hi-res one does.
    const std::array<std::uint8_t, 4> pairs = PairColours(ink, store.colours);
    std::array<std::uint32_t, 4> lit, dim;
    for (int n = 0; n < 4; ++n) {
      lit[n] = packed[pairs[n]];
      dim[n] = faded[pairs[n]];
    }
    for (int y = 0; y < kGlyphBytes; ++y) {
      DrawPairs(rowBits(y), lit, p.charset.Row(y0 + y) + x0);
      DrawPairs(rowBits(y), dim, p.fadedCharset.Row(y0 + y) + x0);
    }
    return;
  }
  // Hi-res glyphs, the most common case by far, by byte masks.
  const int set = ink % kPaletteSize, clear = store.colours.registers[cell.background] % kPaletteSize;
  for (int y = 0; y < kGlyphBytes; ++y) {
    const auto& mask = kByteMasks[rowBits(y)];
    DrawByte(mask, packed[clear], packed[set], p.charset.Row(y0 + y) + x0);
    DrawByte(mask, faded[clear], faded[set], p.fadedCharset.Row(y0 + y) + x0);
  }
}

bool SameGlyph(const Charset& a, const Charset& b, int n) {
  return std::memcmp(a.data() + n * kGlyphBytes, b.data() + n * kGlyphBytes, kGlyphBytes) == 0;
}

// The rectangles an outline of `box` covers: the top and bottom rows, the sides between them.
std::array<Rect, 4> OutlineEdges(const Rect& box) {
  if (box.Empty()) return {};
  return {Rect{box.x, box.y, box.w, 1}, Rect{box.x, box.y + box.h - 1, box.w, box.h > 1 ? 1 : 0},
          Rect{box.x, box.y + 1, 1, box.h - 2}, Rect{box.x + box.w - 1, box.y + 1, box.w > 1 ? 1 : 0, box.h - 2}};
}

// DrawOutline, touching only the pixels inside `clip`.
void OutlineIn(Image& img, const Rect& box, const Rect& clip, Rgb colour, int alpha = kOpaque) {
  for (const Rect& edge : OutlineEdges(box)) FillBox(img, Intersect(edge, clip), colour, alpha);
}

// Where a change of `before` into `after` changes the picture: the filled box or the outline's edges of
// each, when it is shown.
void AddMarkChange(const Mark& before, const Mark& after, bool filled, std::vector<Rect>& out) {
  if (before == after) return;
  for (const Mark* m : {&before, &after}) {
    if (!m->shown) continue;
    if (filled) {
      out.push_back(m->box);
    } else {
      for (const Rect& edge : OutlineEdges(m->box)) out.push_back(edge);
    }
  }
}

Mark MarkOf(bool shown, const Rect& box, Rgb colour = 0) { return shown ? Mark{true, box, colour} : Mark{}; }

// The parts of `a` outside `b`, as up to four bands: above and below the overlap across all of `a`, left and
// right of it across the overlap's rows.
void AddRectMinus(const Rect& a, const Rect& b, std::vector<Rect>& out) {
  const Rect overlap = Intersect(a, b);
  if (overlap.Empty()) {
    if (!a.Empty()) out.push_back(a);
    return;
  }
  const int overlapBottom = overlap.y + overlap.h, overlapRight = overlap.x + overlap.w;
  if (overlap.y > a.y) out.push_back({a.x, a.y, a.w, overlap.y - a.y});
  if (a.y + a.h > overlapBottom) out.push_back({a.x, overlapBottom, a.w, a.y + a.h - overlapBottom});
  if (overlap.x > a.x) out.push_back({a.x, overlap.y, overlap.x - a.x, overlap.h});
  if (a.x + a.w > overlapRight) out.push_back({overlapRight, overlap.y, a.x + a.w - overlapRight, overlap.h});
}

// The pane frames the part of the charset the editor view shows, and may dim the rest.
bool PaneFrameShown(const ViewOptions& o) { return o.highlights && o.paneFrame; }
bool PaneFades(const ViewOptions& o) { return PaneFrameShown(o) && o.paneFade; }
Rect InPane(const Rect& charsetPixels) {
  return {2 * charsetPixels.x, 2 * charsetPixels.y, 2 * charsetPixels.w, 2 * charsetPixels.h};
}

// The charset-pixel rectangles of `dirty` in a picture where a charset pixel is `pixel` pixels wide and
// charset pixel (originX, originY) lies at the top-left, widened by `reach` on every side, clipped to
// `bounds`.
void AddPixelRects(const std::vector<Rect>& dirty, int pixel, int originX, int originY, int reach,
                   const Rect& bounds, std::vector<Rect>& out) {
  for (const Rect& d : dirty) {
    const Rect area = Intersect({(d.x - originX) * pixel - reach, (d.y - originY) * pixel - reach,
                                 d.w * pixel + 2 * reach, d.h * pixel + 2 * reach},
                                bounds);
    if (!area.Empty()) out.push_back(area);
  }
}

// The charset pixels of glyph n that differ between `a` and `b`, as one rectangle (empty when none do).
Rect ChangedPixels(const Charset& a, const Charset& b, int n, bool pairs) {
  int firstRow = kGlyphBytes, lastRow = -1;
  std::uint8_t columns = 0;
  for (int row = 0; row < kGlyphBytes; ++row) {
    const auto diff = static_cast<std::uint8_t>(a[n * kGlyphBytes + row] ^ b[n * kGlyphBytes + row]);
    if (diff == 0) continue;
    firstRow = std::min(firstRow, row);
    lastRow = row;
    columns |= diff;
  }
  if (lastRow < 0) return {};
  // A changed bit of a multicolour glyph changes its double-wide pixel, both columns.
  if (pairs) columns = static_cast<std::uint8_t>(columns | (columns & 0xAA) >> 1 | (columns & 0x55) << 1);
  int first = 0;
  while (!(columns & (0x80 >> first))) ++first;  // bit 7 is the leftmost pixel
  int last = 7;
  while (!(columns & (0x80 >> last))) --last;
  return {GlyphColumnOf(n) * 8 + first, GlyphRowOf(n) * 8 + firstRow, last - first + 1, lastRow - firstRow + 1};
}

// The glyph cells of `dirty` in a picture where glyph cells are `size` pixels wide and charset pixel
// (originX, originY) lies at the top-left, widened by `reach` on every side (how far a changed pixel
// spreads), clipped to `bounds`.
void AddGlyphCells(const std::bitset<kGlyphCount>& dirty, int size, int originX, int originY, int reach,
                   const Rect& bounds, std::vector<Rect>& out) {
  if (dirty.none()) return;
  const int pixel = size / kGlyphBytes;
  for (int n = 0; n < kGlyphCount; ++n) {
    if (!dirty[n]) continue;
    const Rect cell = Intersect({GlyphColumnOf(n) * size - originX * pixel - reach,
                                 GlyphRowOf(n) * size - originY * pixel - reach, size + 2 * reach, size + 2 * reach},
                                bounds);
    if (!cell.Empty()) out.push_back(cell);
  }
}

// Whether recomposing these rectangles one by one would cost about as much as the whole picture.
bool WorthWhole(const std::vector<Rect>& rects, const Rect& bounds) {
  long long area = 0;
  for (const Rect& r : rects) area += static_cast<long long>(r.w) * r.h;
  return rects.size() > Damage::kMaxRects || 2 * area > static_cast<long long>(bounds.w) * bounds.h;
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

// ---- The editor view ----

// The palette entry a pen shows over a glyph with this ink: in a multicolour glyph the colour of the pen's
// bit pair, elsewhere the pen's own entry.
int PenColour(const Pen& pen, std::uint8_t ink, const CharsetColours& colours) {
  if (!IsMulticolourGlyph(colours.mode, ink)) return pen.index % kPaletteSize;
  return PairColours(ink, colours)[static_cast<std::size_t>(DrawnPair(pen))];
}

EditorViewSource ViewSourceOf(const EditingState& e, const ViewLayout& layout, const Palette& palette,
                              const ViewOptions& options, const CharsetImageSource& glyphs) {
  EditorViewSource s;
  s.composed = true;
  s.width = layout.editorView.w;
  s.height = layout.editorView.h;
  s.block = layout.blockSize;
  s.scrollX = e.scrollX;
  s.scrollY = e.scrollY;
  s.options = options;
  const int b = s.block, hy = e.hoverY;
  // Over a multicolour glyph the hover cell is its double-wide pixel, in what the left pen's pair shows.
  const std::uint8_t ink = glyphs.inks[static_cast<std::size_t>(GlyphAtPixel(e.hoverX, e.hoverY))];
  const bool wide = IsMulticolourGlyph(glyphs.colours.mode, ink);
  const int hx = wide ? e.hoverX & ~1 : e.hoverX;
  s.hoverCell = MarkOf(e.hoverTarget == HoverTarget::EditorView,
                       {(hx - e.scrollX) * b, (hy - e.scrollY) * b, wide ? 2 * b : b, b},
                       palette[static_cast<std::size_t>(PenColour(e.leftPen, ink, glyphs.colours))]);
  s.hoverGlyph = MarkOf(HoverGlyphShown(e, options),
                        {hx / 8 * 8 * b - e.scrollX * b, hy / 8 * 8 * b - e.scrollY * b, 8 * b, 8 * b});
  if (e.selection.Exists()) s.selection = MarkOf(true, SelectionBox(e.selection, 8 * b, e.scrollX, e.scrollY));
  return s;
}

// The editor view picture's size: the layout's, or less where a scroll past the charset's end leaves the
// enlarged charset short of it.
Rect ViewPictureBounds(const EditorViewSource& s) {
  const ZoomGeometry zoom = ZoomFor(s.scrollX, s.scrollY, s.width, s.height, s.block);
  const Rect part = Intersect(VisiblePart(zoom, s.scrollX, s.scrollY, s.width, s.height), zoom.Bounds());
  return {0, 0, part.w, part.h};
}

bool SameViewFrame(const EditorViewSource& a, const EditorViewSource& b) {
  return a.composed && b.composed && a.width == b.width && a.height == b.height && a.block == b.block &&
         a.scrollX == b.scrollX && a.scrollY == b.scrollY && a.options == b.options;
}

// The hover cell and the outlines of `s` over the part `area` of the editor view. The cell's fill is opaque
// and comes first, so drawing them over a cell already drawn gives the same pixels.
void DrawViewMarks(ViewPictures& p, const EditorViewSource& s, const Rect& area) {
  const ViewOptions& o = s.options;
  if (s.hoverCell.shown) {
    // What a left press would paint, kept sharp over the emulation, with scanlines of its own.
    const Rect& cell = s.hoverCell.box;
    FillBox(p.editorView, Intersect(cell, area), s.hoverCell.colour);
    if (o.scanlines) DrawScanlines(p.editorView, cell, area);
    if (o.highlights && o.hoverPixel) OutlineIn(p.editorView, cell, area, kHoverPixelOutline);
  }
  if (s.hoverGlyph.shown) OutlineIn(p.editorView, s.hoverGlyph.box, area, kHoverGlyphOutline);
  if (s.selection.shown) OutlineIn(p.editorView, s.selection.box, area, kSelectionOutline);
}

// Recomposes the part `area` of the editor view (inside it) from the charset image and `s`: the enlarged
// pixels with grids and display emulation, then the hover cell and the outlines.
void ComposeViewArea(ViewPictures& p, const EditorViewSource& s, const Rect& area) {
  const ViewOptions& o = s.options;
  const ZoomGeometry zoom = ZoomFor(s.scrollX, s.scrollY, s.width, s.height, s.block);
  const Rect visible = VisiblePart(zoom, s.scrollX, s.scrollY, s.width, s.height);
  const GridLines grids{o.pixelGrid, o.charGrid};
  const Rect zoomArea{visible.x + area.x, visible.y + area.y, area.w, area.h};
  if (!o.crtMain && !o.crtEdge) {
    // Nothing blurs across the area's border: compose exactly the area, straight into the view.
    const ScanlineOrder order = !o.scanlines         ? ScanlineOrder::None
                                : o.emulationOnGrids ? ScanlineOrder::AfterGrids
                                                     : ScanlineOrder::BeforeGrids;
    ComposeZoomAreaAt(p.charset, zoom, zoomArea, grids, order, p.editorView, area.x, area.y);
  } else {
    // The blur reaches two zoom pixels around every pixel, and its pixel pairs start on even zoom
    // coordinates: compose the area with a margin that keeps that parity, run the passes on it and keep
    // the area. Where the margin meets the zoom picture's border the passes see that border, as the
    // passes over the whole picture do.
    const int x0 = (zoomArea.x - kBlurReach) & ~1, y0 = (zoomArea.y - kBlurReach) & ~1;
    const int x1 = (zoomArea.x + zoomArea.w + kBlurReach + 1) & ~1, y1 = (zoomArea.y + zoomArea.h + kBlurReach + 1) & ~1;
    const Rect work = Intersect({x0, y0, x1 - x0, y1 - y0}, zoom.Bounds());
    ComposeZoomArea(p.charset, zoom, work, o.emulationOnGrids ? grids : GridLines{}, ScanlineOrder::None, p.zoom,
                    &p.zoomRowIds);
    EmulateInto(p.zoom, o, {zoomArea.x - work.x, zoomArea.y - work.y, area.w, area.h}, p.half, p.halfWide,
                p.editorView, area.x, area.y, &p.zoomRowIds);
    if (!o.emulationOnGrids) DrawGridLines(p.editorView, area, zoom, visible.x, visible.y, grids);
  }
  DrawViewMarks(p, s, area);
}

// ---- The editor pane ----

EditorPaneSource PaneSourceOf(const EditingState& e, const ViewLayout& layout, const ViewOptions& options) {
  EditorPaneSource s;
  s.composed = true;
  s.visible = {e.scrollX, e.scrollY, layout.ColumnsVisible(), layout.RowsVisible()};
  s.options = options;
  s.hoverGlyph =
      MarkOf(options.highlights && HoverGlyphShown(e, options), {e.hoverX / 8 * 16, e.hoverY / 8 * 16, 16, 16});
  if (e.selection.Exists()) s.selection = MarkOf(true, SelectionBox(e.selection, 16, 0, 0));
  return s;
}

// Recomposes the part `area` of the pane: the charset image doubled (its dimmed twin outside the visible
// part when the options fade it), the frame, the outlines and the scanlines.
void ComposePaneArea(ViewPictures& p, const EditorPaneSource& s, const Rect& area) {
  const ViewOptions& o = s.options;
  const bool fade = PaneFades(o);
  const Rect lit = fade ? Intersect(s.visible, p.charset.Bounds()) : p.charset.Bounds();
  const std::size_t rowBytes = static_cast<std::size_t>(area.w) * 4;
  for (int y = area.y; y < area.y + area.h; ++y) {
    std::uint32_t* row = p.editorPane.Row(y) + area.x;
    if (y > area.y && y % 2 == 1) {  // the second row of a doubled charset row
      std::memcpy(row, p.editorPane.Row(y - 1) + area.x, rowBytes);
      continue;
    }
    const int cy = y / 2;
    const std::uint32_t* dim = p.fadedCharset.Row(cy);
    if (cy < lit.y || cy >= lit.y + lit.h) {
      DoubleSpan(dim, area.x, area.w, row);
      continue;
    }
    // Dimmed left of the lit columns, plain across them, dimmed right of them.
    const int x1 = area.x + area.w;
    const int litFrom = std::clamp(2 * lit.x, area.x, x1), litTo = std::clamp(2 * (lit.x + lit.w), litFrom, x1);
    DoubleSpan(dim, area.x, litFrom - area.x, row);
    DoubleSpan(p.charset.Row(cy), litFrom, litTo - litFrom, row + litFrom - area.x);
    DoubleSpan(dim, litTo, x1 - litTo, row + litTo - area.x);
  }
  if (PaneFrameShown(o)) OutlineIn(p.editorPane, InPane(s.visible), area, kPaneFrameColour, kPaneFrameAlpha);
  if (s.hoverGlyph.shown) OutlineIn(p.editorPane, s.hoverGlyph.box, area, kPaneHoverOutline);
  if (s.selection.shown) OutlineIn(p.editorPane, s.selection.box, area, kSelectionOutline);
  if (o.scanlines) DrawScanlines(p.editorPane, p.editorPane.Bounds(), area);
}

// Where a scroll or zoom of the editor view changes the pane: the frame's old and new edges and, where the
// pane dims what the view does not show, what came into the light or left it.
void AddVisibleChange(const EditorPaneSource& before, const EditorPaneSource& now, const Rect& charsetBounds,
                      std::vector<Rect>& out) {
  if (before.visible == now.visible) return;
  const ViewOptions& o = now.options;
  if (PaneFrameShown(o)) {
    AddMarkChange(MarkOf(true, InPane(before.visible)), MarkOf(true, InPane(now.visible)), false, out);
  }
  if (!PaneFades(o)) return;
  const Rect litBefore = InPane(Intersect(before.visible, charsetBounds));
  const Rect litNow = InPane(Intersect(now.visible, charsetBounds));
  AddRectMinus(litBefore, litNow, out);
  AddRectMinus(litNow, litBefore, out);
}

// Whether rects[i] lies inside another of `rects` (the first of equal ones counts as the other): an old and
// a new outline often share an edge, and the strip a frame's move lights up holds its edge.
bool InsideAnother(const std::vector<Rect>& rects, std::size_t i) {
  const Rect& r = rects[i];
  for (std::size_t j = 0; j < rects.size(); ++j) {
    const Rect& o = rects[j];
    if (j == i || (o == r && j > i)) continue;
    if (r.x >= o.x && r.y >= o.y && r.x + r.w <= o.x + o.w && r.y + r.h <= o.y + o.h) return true;
  }
  return false;
}

// Recomposes the whole picture, or only the rectangles `changed` when they are few and small; either way
// the damage records what was recomposed. Returns whether the whole picture was.
template <typename Compose>
bool Recompose(bool whole, const std::vector<Rect>& changed, const Rect& bounds, Damage& damage,
               const Compose& compose) {
  if (whole || WorthWhole(changed, bounds)) {
    compose(bounds);
    damage.Add(bounds);
    return true;
  }
  for (std::size_t i = 0; i < changed.size(); ++i) {
    const Rect part = Intersect(changed[i], bounds);
    if (part.Empty() || InsideAnother(changed, i)) continue;
    compose(part);
    damage.Add(part);
  }
  return false;
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
  ++pictures.versions.charset;
  CharsetImageSource& drawn = pictures.charsetSource;
  if (!drawn.drawn || drawn.palette != palette || drawn.colours != store.colours || pictures.charset.Empty()) {
    DrawCharsetPixels(store.editor, store.inks, PackedPalette(palette), pictures.charset, store.colours);
    // The pane's dimmed picture is the same drawing in the dimmed palette: 16 blends instead of one a pixel.
    DrawCharsetPixels(store.editor, store.inks, PackedPalette(palette, true), pictures.fadedCharset,
                      store.colours);
    drawn.allViewDirty = drawn.allPaneDirty = true;
  } else {
    // Only the glyphs whose bytes or ink changed since the last drawing.
    const Palette packed = PackedPalette(palette), faded = PackedPalette(palette, true);
    for (int n = 0; n < kGlyphCount; ++n) {
      if (SameGlyph(drawn.bytes, store.editor, n) && drawn.inks[n] == store.inks[n]) continue;
      DrawGlyphCell(store, n, packed, faded, pictures);
      // A changed ink repaints the whole glyph; changed bytes only the pixels that changed (at high zoom a
      // drawn pixel is a small part of its glyph's block).
      const Rect whole{GlyphColumnOf(n) * 8, GlyphRowOf(n) * 8, 8, 8};
      drawn.viewDirty.push_back(drawn.inks[n] != store.inks[n]
                                    ? whole
                                    : ChangedPixels(drawn.bytes, store.editor, n,
                                                    IsMulticolourGlyph(store.colours.mode, store.inks[n])));
      drawn.paneDirty.set(n);
    }
  }
  drawn.drawn = true;
  drawn.bytes = store.editor;
  drawn.inks = store.inks;
  drawn.colours = store.colours;
  drawn.palette = palette;
}

void RenderEditorView(ViewPictures& p, const EditingState& e, const ViewLayout& layout, const Palette& palette,
                      const ViewOptions& options) {
  ++p.versions.editorView;
  if (p.charset.Empty()) {  // before the first charset image: black at the right size
    p.editorView.Reset(layout.editorView.w, layout.editorView.h);
    p.viewSource = {};
    p.underHoverCell.valid = false;
    p.damage.editorView.Add(p.editorView.Bounds());
    return;
  }
  const EditorViewSource now = ViewSourceOf(e, layout, palette, options, p.charsetSource);
  EditorViewSource& before = p.viewSource;
  CharsetImageSource& glyphs = p.charsetSource;
  const Rect bounds = ViewPictureBounds(now);
  const bool whole = !SameViewFrame(before, now) || glyphs.allViewDirty || p.editorView.Bounds() != bounds;
  // Everything but the hover cell is composed from `bare`; the cell is drawn over it last, once its pixels
  // without it are kept.
  EditorViewSource bare = now;
  bare.hoverCell = {};
  UnderHoverCell& under = p.underHoverCell;
  std::vector<Rect> changed;
  if (whole) {
    p.editorView.Reshape(bounds.w, bounds.h);
    under.valid = false;
  } else {
    // The blur passes carry a changed pixel two pixels further.
    const int reach = options.crtMain || options.crtEdge ? kBlurReach : 0;
    AddPixelRects(glyphs.viewDirty, now.block, now.scrollX, now.scrollY, reach, p.editorView.Bounds(), changed);
    for (const Rect& r : changed) {
      if (!Intersect(r, under.box).Empty()) under.valid = false;
    }
    AddMarkChange(before.hoverGlyph, now.hoverGlyph, false, changed);
    AddMarkChange(before.selection, now.selection, false, changed);
  }
  const bool cellChanged = whole || before.hoverCell != now.hoverCell;
  const Rect old = before.hoverCell.shown ? Intersect(before.hoverCell.box, p.editorView.Bounds()) : Rect{};
  if (!whole && cellChanged && !old.Empty()) {
    // Where the cell was: its pixels without it, put back when kept for the outlines shown now, else
    // composed with the rest (a drawn pixel's area around it holds it).
    if (under.valid && under.box == old && under.source.hoverGlyph == bare.hoverGlyph &&
        under.source.selection == bare.selection) {
      DrawImage(p.editorView, under.pixels, old.x, old.y);
      p.damage.editorView.Add(old);
    } else {
      changed.push_back(old);
    }
  }
  const bool all = Recompose(whole, changed, p.editorView.Bounds(), p.damage.editorView,
                             [&](const Rect& area) { ComposeViewArea(p, bare, area); });
  if (now.hoverCell.shown) {
    const Rect cell = Intersect(now.hoverCell.box, p.editorView.Bounds());
    // Unless the cell stayed where it was, the picture holds no cell now: keep what it will cover.
    if (cellChanged || all) {
      CutInto(p.editorView, cell, under.pixels);
      under.valid = true;
      under.box = cell;
      under.source = bare;
    }
    bool covered = cellChanged || all;
    for (const Rect& r : changed) covered = covered || !Intersect(r, cell).Empty();
    if (covered) {
      DrawViewMarks(p, now, cell);
      p.damage.editorView.Add(cell);
    }
  }
  glyphs.viewDirty.clear();
  glyphs.allViewDirty = false;
  before = now;
}

void RenderEditorPane(ViewPictures& p, const EditingState& e, const ViewLayout& layout, const ViewOptions& options) {
  ++p.versions.editorPane;
  if (p.charset.Empty()) {
    p.editorPane.Reset(kPaneWidth, kPaneHeight);
    p.paneSource = {};
    p.damage.editorPane.Add(p.editorPane.Bounds());
    return;
  }
  const EditorPaneSource now = PaneSourceOf(e, layout, options);
  EditorPaneSource& before = p.paneSource;
  CharsetImageSource& glyphs = p.charsetSource;
  const bool whole = !before.composed || before.options != now.options || glyphs.allPaneDirty ||
                     p.editorPane.Width() != kPaneWidth;
  std::vector<Rect> changed;
  if (whole) {
    p.editorPane.Reshape(kPaneWidth, kPaneHeight);
  } else {
    AddGlyphCells(glyphs.paneDirty, 16, 0, 0, 0, p.editorPane.Bounds(), changed);
    AddVisibleChange(before, now, p.charset.Bounds(), changed);
    AddMarkChange(before.hoverGlyph, now.hoverGlyph, false, changed);
    AddMarkChange(before.selection, now.selection, false, changed);
  }
  Recompose(whole, changed, p.editorPane.Bounds(), p.damage.editorPane,
            [&](const Rect& area) { ComposePaneArea(p, now, area); });
  glyphs.paneDirty.reset();
  glyphs.allPaneDirty = false;
  before = now;
}

PenSwatchSource PenSwatchColours(const EditingState& e, const CharsetImageSource& glyphs) {
  const std::uint8_t ink = glyphs.inks[static_cast<std::size_t>(GlyphAtPixel(e.hoverX, e.hoverY))];
  return {PenColour(e.leftPen, ink, glyphs.colours), PenColour(e.rightPen, ink, glyphs.colours)};
}

bool PenSwatchStale(const ViewPictures& p, const EditingState& e) {
  return PenSwatchColours(e, p.charsetSource) != p.swatchSource;
}

void RenderPenSwatch(ViewPictures& p, const EditingState& e, const Palette& palette, const ViewOptions& options) {
  ++p.versions.penSwatch;
  p.swatchSource = PenSwatchColours(e, p.charsetSource);
  p.penSwatch.Reset(kSwatchWidth, kSwatchHeight);
  FillBox(p.penSwatch, {0, 0, 62, 22}, palette[static_cast<std::size_t>(p.swatchSource.right)]);
  FillCircle(p.penSwatch, kSwatchDiscX, kSwatchDiscY, kSwatchDiscRadius,
             palette[static_cast<std::size_t>(p.swatchSource.left)]);
  if (options.scanlines) DrawScanlines(p.penSwatch, {0, 0, 62, 25});
  p.damage.penSwatch.Add(p.penSwatch.Bounds());
}

void CaptureMemoryPane(ViewPictures& p) {
  ++p.versions.memoryPane;
  ScaleSmoothInto(p.charset, kPaneWidth, kPaneHeight, p.memoryPane);
  p.damage.memoryPane.Add(p.memoryPane.Bounds());
}

}  // namespace kx
