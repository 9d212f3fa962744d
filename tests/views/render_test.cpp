#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>

#include "model/rom_charset.h"
#include "runtime/image_draw.h"
#include "runtime/image_scale.h"
#include "views/compose_zoom.h"
#include "views/emulation.h"
#include "views/render.h"
#include "views/status_bar.h"

namespace kx {
namespace {

constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kMagenta = 0xFF00FF;
constexpr Rgb kRed = 0xFF0000;
constexpr Rgb kCyan = 0x00FFFF;

struct Scene {
  CharsetStore store = MakeStartupStore();
  Palette palette = MakePalette();
  EditingState editing;
  ViewLayout layout;
  ViewOptions options;
  ViewPictures pictures;

  explicit Scene(int zoomIndex = 1) {
    editing.zoomIndex = zoomIndex;
    layout = LayoutViews(WindowMetrics{}, zoomIndex);
    RebuildCharsetImage(pictures, store, palette);
  }
  void Hover(HoverTarget target, int x, int y) {
    editing.hoverTarget = target;
    editing.hoverX = x;
    editing.hoverY = y;
  }
  const Image& View() {
    RenderEditorView(pictures, editing, layout, palette, options);
    return pictures.editorView;
  }
  const Image& Pane() {
    RenderEditorPane(pictures, editing, layout, options);
    return pictures.editorPane;
  }
};

// The editor view composed step by step as the drawing rules describe it, with the plain image primitives:
// the char-aligned cut enlarged, the grid lines drawn one by one, the visible part cut out.
Image ReferenceView(const Scene& s) {
  const int b = s.layout.blockSize, sx = s.editing.scrollX, sy = s.editing.scrollY;
  const int w = s.layout.editorView.w, h = s.layout.editorView.h;
  const Image cut = Cut(s.pictures.charset, {sx / 8 * 8, sy / 8 * 8, w / b + 8, h / b + 8});
  Image zoom = ScaleNearest(cut, cut.Width() * b, cut.Height() * b);
  if (s.options.pixelGrid) {
    for (int k = 0; k <= 63; ++k) DrawLine(zoom, 0, k * b, 256 * b, k * b, 0x202020);
    for (int k = 0; k <= 256; ++k) DrawLine(zoom, k * b, 0, k * b, 64 * b, 0x202020);
  }
  if (s.options.charGrid) {
    for (int k = 0; k <= 31; ++k) DrawLine(zoom, k * 8 * b, 0, k * 8 * b, 64 * b, 0x404040);
    for (int k = 0; k <= 7; ++k) DrawLine(zoom, 0, k * 8 * b, 256 * b, k * 8 * b, 0x404040);
  }
  return Cut(zoom, {sx % 8 * b, sy % 8 * b, w, h});
}

TEST(EditorView, MatchesTheStepByStepCompositionAtTwoZoomsAndAnUnalignedScroll) {
  for (int zoomIndex : {1, 2}) {
    for (auto [pixel, chars] : {std::pair{true, true}, {true, false}, {false, true}}) {
      Scene s(zoomIndex);
      s.editing.scrollX = 13;  // not multiples of 8: the picture moves by whole blocks
      s.editing.scrollY = 5;
      s.options.pixelGrid = pixel;
      s.options.charGrid = chars;
      EXPECT_EQ(s.View(), ReferenceView(s)) << zoomIndex << pixel << chars;
    }
  }
}

TEST(EditorView, MatchesTheStepByStepCompositionAtTheOtherZooms) {
  for (int zoomIndex : {0, 3, 4}) {
    Scene s(zoomIndex);
    s.editing.scrollX = 13;
    s.editing.scrollY = 5;
    EXPECT_EQ(s.View(), ReferenceView(s)) << zoomIndex;
  }
}

TEST(ZoomPicture, AnyPartStartingMidBlockIsTheCutOfTheWhole) {
  Scene s;
  for (int block : {4, 8, 16}) {
    const ZoomGeometry zoom = ZoomFor(9, 3, 300, 100, block);
    const GridLines grids{true, true};
    Image whole, part;
    ComposeZoomArea(s.pictures.charset, zoom, zoom.Bounds(), grids, ScanlineOrder::None, whole);
    const Rect area{block - 2, 3, 203, 50};  // starts and ends inside a block
    ComposeZoomArea(s.pictures.charset, zoom, area, grids, ScanlineOrder::None, part);
    EXPECT_EQ(part, Cut(whole, area)) << block;
  }
}

TEST(EditorView, GridLinesFallOnBlockAndGlyphBoundaries) {
  Scene s(1);  // 8x
  s.editing.scrollX = 3;
  s.editing.scrollY = 5;
  const Image& v = s.View();
  // Column 0 of the view is charset column 3: a pixel boundary; charset column 8 is at x = 5 * 8.
  EXPECT_EQ(v.Pixel(0, 1), 0x202020u);
  EXPECT_EQ(v.Pixel(40, 1), 0x404040u);
  EXPECT_EQ(v.Pixel(1, 24), 0x404040u);  // charset row 8
  EXPECT_EQ(v.Pixel(1, 8), 0x202020u);
  EXPECT_EQ(v.Pixel(1, 1), s.pictures.charset.Pixel(3, 5));
}

TEST(EditorView, HoverCellAndOutlines) {
  Scene s(2);  // 16x
  s.Hover(HoverTarget::EditorView, 10, 12);
  s.editing.leftPen.index = 2;  // red
  const Image& v = s.View();
  EXPECT_EQ(v.Pixel(165, 197), s.palette[2]);  // inside the cell at (160, 192)
  EXPECT_EQ(v.Pixel(160, 192), kMagenta);
  EXPECT_EQ(v.Pixel(175, 207), kMagenta);
  EXPECT_EQ(v.Pixel(128, 140), kRed);  // glyph (1, 1) starts at 128
  EXPECT_EQ(v.Pixel(255, 200), kRed);

  s.options.highlights = false;  // the pixel outline goes, the glyph outline stays
  const Image& plain = s.View();
  EXPECT_EQ(plain.Pixel(160, 192), s.palette[2]);
  EXPECT_EQ(plain.Pixel(128, 140), kRed);

  s.editing.selection.startColumn = 0;  // a selection elsewhere leaves the hover as it is
  EXPECT_EQ(s.View().Pixel(128, 140), kRed);
  EXPECT_EQ(s.View().Pixel(165, 197), s.palette[2]);
}

// Over a multicolour glyph the hover cell is the whole double-wide pixel, in what the left pen's pair shows.
TEST(EditorView, HoverCellOverAMulticolourGlyphIsTwoColumnsWide) {
  Scene s(2);  // 16x
  s.store.colours = {DisplayMode::Multicolour, {6, 2, 7, 4}};
  s.store.inks[33] = 13;  // glyph (1, 1): pair 11 in green
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  for (const int x : {10, 11}) {
    s.Hover(HoverTarget::EditorView, x, 12);
    const Image& v = s.View();
    EXPECT_EQ(v.Pixel(160, 192), kMagenta) << x;  // the outline around charset pixels 10 and 11
    EXPECT_EQ(v.Pixel(191, 207), kMagenta) << x;
    EXPECT_EQ(v.Pixel(165, 197), 0x588D43u) << x;
    EXPECT_EQ(v.Pixel(185, 197), 0x588D43u) << x;
  }
  s.editing.leftPen.kind = PenKind::Clear;
  EXPECT_EQ(s.View().Pixel(185, 197), 0x352879u);  // $D021, blue
  s.store.inks[33] = 5;  // a hi-res glyph keeps the one-pixel cell in the pen's own colour
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  EXPECT_EQ(s.View().Pixel(176, 200), kMagenta);  // hovering pixel 11 alone
  EXPECT_NE(s.View().Pixel(170, 200), kMagenta);
}

// Glyph columns 1..3 and rows 0..1, made from right to left and bottom to top.
void SelectSixGlyphs(EditingState& e) { e.selection = GlyphSelection{3, 1, 1, 0, false}; }

TEST(EditorView, TheGlyphSelectionIsOutlinedInItsOwnColourOverTheHover) {
  Scene s(2);  // 16x: a glyph is 128 pixels
  SelectSixGlyphs(s.editing);
  s.options.highlights = false;
  const Image& v = s.View();
  for (auto [x, y] : {std::pair{128, 0}, {511, 0}, {128, 255}, {511, 255}, {300, 255}, {128, 100}, {511, 100}}) {
    EXPECT_EQ(v.Pixel(x, y), kCyan) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{127, 100}, {129, 100}, {300, 254}, {300, 256}, {512, 100}}) {
    EXPECT_NE(v.Pixel(x, y), kCyan) << x << "," << y;
  }
  // Glyph (1, 1) hovered: its outline shares the selection's left and bottom edges, where the selection
  // stays whole; its top and right edges lie inside the selection.
  s.Hover(HoverTarget::EditorView, 10, 12);
  const Image& hovered = s.View();
  EXPECT_EQ(hovered.Pixel(200, 128), kRed);
  EXPECT_EQ(hovered.Pixel(255, 200), kRed);
  EXPECT_EQ(hovered.Pixel(128, 200), kCyan);
  EXPECT_EQ(hovered.Pixel(200, 255), kCyan);

  s.editing.scrollX = 5;  // scrolled: everything moves left by 5 blocks
  s.editing.scrollY = 3;
  EXPECT_EQ(s.View().Pixel(128 - 80, 255 - 48), kCyan);
  EXPECT_EQ(s.View().Pixel(511 - 80, 0), kCyan);
}

TEST(EditorView, HoverOverThePaneOutlinesTheGlyphButNotTheCell) {
  Scene s(2);
  s.Hover(HoverTarget::EditorPane, 10, 12);
  const Image& v = s.View();
  EXPECT_EQ(v.Pixel(128, 140), kRed);
  EXPECT_EQ(v.Pixel(165, 197), s.pictures.charset.Pixel(10, 12));
  EXPECT_NE(v.Pixel(160, 192), kMagenta);

  s.Hover(HoverTarget::None, 10, 12);
  EXPECT_NE(s.View().Pixel(128, 140), kRed);
}

TEST(EditorView, InitialEmulationStatesChangeNothing) {
  Scene s(1);
  s.editing.scrollX = 11;
  const Image plain = ReferenceView(s);
  EXPECT_EQ(s.View(), plain);
  s.options.emulationOnGrids = false;
  EXPECT_EQ(s.View(), plain);
}

TEST(EditorView, ScanlinesDarkenEvenRowsAboveOrBelowTheGrids) {
  Scene s(2);
  s.options.scanlines = true;
  s.options.emulationOnGrids = true;
  const Image dark = s.View();
  const Image plain = [&] {
    Scene p(2);
    return Image(p.View());
  }();
  // Row 2 and row 3 of a block show the same pixels before the scanlines.
  EXPECT_EQ(dark.Pixel(5, 2), BlendRgb(plain.Pixel(5, 3), 0, kScanlineAlpha));
  EXPECT_EQ(dark.Pixel(5, 3), plain.Pixel(5, 3));
  EXPECT_EQ(dark.Pixel(5, 0), 0x303030u);  // grid row darkened too
  s.options.emulationOnGrids = false;
  const Image& crisp = s.View();
  EXPECT_EQ(crisp.Pixel(5, 0), 0x404040u);
  EXPECT_EQ(crisp.Pixel(16, 2), 0x202020u);
  EXPECT_EQ(crisp.Pixel(5, 2), dark.Pixel(5, 2));
}

TEST(EditorView, HoverCellGetsItsOwnScanlinesInsideTheCell) {
  Scene s(2);
  s.options.scanlines = true;
  s.Hover(HoverTarget::EditorView, 10, 12);
  const Image& v = s.View();
  const Rgb dark = 0xBFBFBF;  // white under a scanline
  EXPECT_EQ(v.Pixel(165, 194), dark);
  EXPECT_EQ(v.Pixel(165, 195), kWhite);
  // The row below the cell belongs to the next cell and keeps the view's own single darkening.
  EXPECT_EQ(v.Pixel(165, 208), 0x181818u);
}

TEST(EditorView, BlurWithCrispGridsOverIt) {
  Scene s(1);
  s.editing.scrollX = 9;
  s.options.crtMain = true;
  s.options.emulationOnGrids = false;
  const Image& v = s.View();
  for (int x = 0; x < v.Width(); x += 8) EXPECT_EQ(v.Pixel(x, 3), x % 64 == 56 ? 0x404040u : 0x202020u) << x;
  // Away from the grid a white-to-black edge is softened.
  bool softened = false;
  for (int x = 0; x < v.Width(); ++x) {
    const Rgb p = v.Pixel(x, 3);
    softened |= p != 0 && p != kWhite && p != 0x202020 && p != 0x404040;
  }
  EXPECT_TRUE(softened);
}

Image RandomImage(int w, int h, unsigned seed) {
  std::mt19937 random(seed);
  Image img(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) img.SetPixel(x, y, random() & 0xFFFFFF);
  return img;
}

TEST(DisplayEmulation, HalvingAndDoublingMatchTheSmoothingResampler) {
  const Image src = RandomImage(38, 22, 7);
  Image half, wide, doubled;
  ShrinkHalfSmooth(src, half);
  EXPECT_EQ(half, ScaleSmooth(src, 19, 11));
  EnlargeDoubleSmooth(half, wide, doubled);
  EXPECT_EQ(doubled, ScaleSmooth(half, 38, 22));
}

TEST(DisplayEmulation, EdgeLeavesOneColourPerPairOfPixelsAndBothEqualMain) {
  const Image src = RandomImage(40, 24, 3);
  Image half, wide;
  Image edge = src;
  ApplyDisplayEmulation(edge, ViewOptions{.crtEdge = true}, half, wide);
  for (int y = 0; y < 24; y += 2)
    for (int x = 0; x < 40; x += 2) {
      EXPECT_EQ(edge.Pixel(x + 1, y), edge.Pixel(x, y));
      EXPECT_EQ(edge.Pixel(x, y + 1), edge.Pixel(x, y));
    }
  Image main = src, both = src;
  ApplyDisplayEmulation(main, ViewOptions{.crtMain = true}, half, wide);
  ApplyDisplayEmulation(both, ViewOptions{.crtMain = true, .crtEdge = true}, half, wide);
  Image literal = ScaleSmooth(ScaleNearest(ScaleSmooth(src, 20, 12), 40, 24), 20, 12);
  EXPECT_EQ(both, ScaleSmooth(literal, 40, 24));
  EXPECT_EQ(both, main);
}

TEST(EditorPane, HighlightsFrameFadeAndHoverOutline) {
  Scene s(1);  // the view shows 129 x 44 charset pixels at (0, 0)
  s.Hover(HoverTarget::EditorPane, 10, 12);
  const Image& pane = s.Pane();
  const Image& charset = s.pictures.charset;
  EXPECT_EQ(pane.Pixel(300, 100), BlendRgb(charset.Pixel(150, 50), 0x404040, 128));
  EXPECT_EQ(pane.Pixel(101, 60), charset.Pixel(50, 30));
  EXPECT_EQ(pane.Pixel(257, 50), BlendRgb(charset.Pixel(128, 25), 0xE0E0E0, 192));
  EXPECT_EQ(pane.Pixel(16, 16), kMagenta);
  EXPECT_EQ(pane.Pixel(31, 20), kMagenta);

  s.options.highlights = false;
  EXPECT_EQ(s.Pane(), ScaleNearest(charset, 512, 128));
}

TEST(EditorPane, TheGlyphSelectionIsOutlinedWhateverTheHighlightOptions) {
  Scene s(1);
  SelectSixGlyphs(s.editing);
  s.options.highlights = false;
  const Image& pane = s.Pane();
  for (auto [x, y] : {std::pair{16, 0}, {63, 0}, {16, 31}, {63, 31}, {40, 31}, {16, 20}}) {
    EXPECT_EQ(pane.Pixel(x, y), kCyan) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{15, 20}, {17, 20}, {40, 30}, {40, 32}, {64, 20}}) {
    EXPECT_NE(pane.Pixel(x, y), kCyan) << x << "," << y;
  }
  // Over the hovered glyph's outline, under the scanlines like every highlight.
  s.options.highlights = true;
  s.options.scanlines = true;
  s.Hover(HoverTarget::EditorPane, 10, 12);
  const Image& lined = s.Pane();
  EXPECT_EQ(lined.Pixel(20, 31), kCyan);
  EXPECT_EQ(lined.Pixel(16, 30), 0x00BFBFu);
  EXPECT_EQ(lined.Pixel(31, 21), kMagenta);
  EXPECT_EQ(lined.Pixel(20, 16), 0xBF00BFu);
}

TEST(EditorPane, DimsEverythingOutsideTheVisiblePartWhereverItLies) {
  Scene s(4);  // a small visible part, scrolled into the middle of the charset
  s.editing.scrollX = 37;
  s.editing.scrollY = 20;
  const Rect shown{74, 40, 2 * s.layout.ColumnsVisible(), 2 * s.layout.RowsVisible()};
  Image reference = ScaleNearest(s.pictures.charset, 512, 128);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 512; ++x)
      if (Intersect({x, y, 1, 1}, shown).Empty()) reference.SetPixel(x, y, BlendRgb(reference.Pixel(x, y), 0x404040, 128));
  DrawOutline(reference, shown, 0xE0E0E0, 192);
  EXPECT_EQ(s.Pane(), reference);

  s.store.editor[300] ^= 0xFF;  // an edit reaches both the lit and the dimmed picture
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  EXPECT_NE(s.Pane(), reference);
}

TEST(Scanlines, DarkenEvenRowsOfThePaneAndTheSwatch) {
  Scene s(1);
  s.options.scanlines = true;
  s.options.highlights = false;
  const Image& pane = s.Pane();
  const Image plain = ScaleNearest(s.pictures.charset, 512, 128);
  for (int y = 0; y < 128; y += 2) {
    EXPECT_EQ(pane.Pixel(4, y), BlendRgb(plain.Pixel(4, y), 0, kScanlineAlpha)) << y;
    EXPECT_EQ(pane.Pixel(4, y + 1), plain.Pixel(4, y + 1)) << y;
  }
  RenderPenSwatch(s.pictures, s.editing, s.palette, s.options);
  EXPECT_EQ(s.pictures.penSwatch.Pixel(21, 10), 0xBFBFBFu);
  EXPECT_EQ(s.pictures.penSwatch.Pixel(21, 11), kWhite);
}

TEST(PenSwatch, RightPenBehindLeftPenDisc) {
  Scene s;
  s.editing.leftPen.index = 5;
  s.editing.rightPen.index = 7;
  RenderPenSwatch(s.pictures, s.editing, s.palette, s.options);
  const Image& sw = s.pictures.penSwatch;
  ASSERT_EQ(sw.Width(), 48);
  ASSERT_EQ(sw.Height(), 24);
  EXPECT_EQ(sw.Pixel(21, 10), s.palette[5]);
  EXPECT_EQ(sw.Pixel(28, 10), s.palette[5]);
  EXPECT_EQ(sw.Pixel(29, 10), s.palette[7]);
  EXPECT_EQ(sw.Pixel(47, 21), s.palette[7]);
  EXPECT_EQ(sw.Pixel(47, 22), 0u);  // the box stops two rows short
}

TEST(PenSwatch, ShowsEachPensPairColourWhileTheLastPointedGlyphIsMulticolour) {
  Scene s;
  s.store.colours = {DisplayMode::Multicolour, {6, 2, 7, 4}};
  s.Hover(HoverTarget::None, 8 + 3, 16 + 2);  // glyph 65, pointed at last
  for (auto [ink, mode, leftPair, rightPair, left, right] :
       {std::tuple{13, DisplayMode::Multicolour, kFollowKind, kFollowKind, 5, 6},  // 11 = ink - 8, 00 = $D021
        std::tuple{13, DisplayMode::Multicolour, 1, 2, 2, 7},                      // $D022, $D023
        std::tuple{8, DisplayMode::Multicolour, 3, 0, 0, 6},
        std::tuple{5, DisplayMode::Multicolour, 1, 2, 1, 0},  // a hi-res glyph: the pens' own colours
        std::tuple{13, DisplayMode::HiRes, 1, 2, 1, 0}}) {
    s.store.inks[65] = static_cast<std::uint8_t>(ink);
    s.store.colours.mode = mode;
    s.editing.leftPen.pair = leftPair;
    s.editing.rightPen.pair = rightPair;
    RebuildCharsetImage(s.pictures, s.store, s.palette);
    RenderPenSwatch(s.pictures, s.editing, s.palette, s.options);
    EXPECT_EQ(s.pictures.penSwatch.Pixel(21, 10), s.palette[left]) << ink << leftPair;
    EXPECT_EQ(s.pictures.penSwatch.Pixel(40, 20), s.palette[right]) << ink << rightPair;
    EXPECT_FALSE(PenSwatchStale(s.pictures, s.editing));
  }
  // Pointing from multicolour glyph 65 onto hi-res glyph 0 changes what the swatch must show.
  s.store.colours.mode = DisplayMode::Multicolour;
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  RenderPenSwatch(s.pictures, s.editing, s.palette, s.options);
  s.Hover(HoverTarget::EditorView, 0, 0);
  EXPECT_TRUE(PenSwatchStale(s.pictures, s.editing));
}

TEST(StatusBar, NamesTheHoveredGlyphOrShowsDashes) {
  EditingState e;
  StatusBarState status;
  const CharsetStore store = MakeStartupStore();
  e.hoverTarget = HoverTarget::EditorView;
  e.hoverX = 8 + 3;  // glyph 65: column 1, row 2
  e.hoverY = 16 + 7;
  UpdateStatusBar(status, e, store);
  EXPECT_EQ(status.charNumber, "CHAR NUMBER: 065");
  EXPECT_EQ(status.hexNumber, "$41");
  EXPECT_EQ(status.romGlyph, 65);

  e.selection.startColumn = 2;  // a selection does not stop the fields following the pointer
  e.hoverX = 0;
  UpdateStatusBar(status, e, store);
  EXPECT_EQ(status.charNumber, "CHAR NUMBER: 064");
  EXPECT_EQ(status.hexNumber, "$40");

  // The first and last glyph and ones whose hexadecimal needs letters.
  for (auto [x, y, decimal, hex] : {std::tuple{0, 0, "000", "$00"}, std::tuple{80, 0, "010", "$0A"},
                                    std::tuple{88, 40, "171", "$AB"}, std::tuple{255, 63, "255", "$FF"}}) {
    e.hoverX = x;
    e.hoverY = y;
    UpdateStatusBar(status, e, store);
    EXPECT_EQ(status.charNumber, std::string("CHAR NUMBER: ") + decimal);
    EXPECT_EQ(status.hexNumber, hex);
    EXPECT_EQ(status.pixel, "");  // hi-res glyphs: no pixel field
  }

  e.hoverTarget = HoverTarget::None;
  UpdateStatusBar(status, e, store);
  EXPECT_EQ(status.charNumber, "CHAR NUMBER:  ---");
  EXPECT_EQ(status.hexNumber, "---");
  EXPECT_FALSE(status.romGlyph);
}

TEST(StatusBar, NamesTheMulticolourPixelAndItsPairOverMulticolourGlyphsOnly) {
  CharsetStore store = MakeStartupStore();
  store.editor[65 * 8 + 5] = 0b00'01'10'11;
  store.editor[65 * 8 + 7] = 0b10'00'00'01;
  EditingState e;
  e.hoverTarget = HoverTarget::EditorPane;
  StatusBarState status;
  // Glyph 65 sits at charset pixel (8, 16); both columns of a double-wide pixel name it.
  for (auto [x, y, ink, mode, pixel] :
       {std::tuple{8, 21, 9, DisplayMode::Multicolour, "PIXEL 0,5  PAIR 00"},
        std::tuple{11, 21, 9, DisplayMode::Multicolour, "PIXEL 1,5  PAIR 01"},
        std::tuple{12, 21, 9, DisplayMode::Multicolour, "PIXEL 2,5  PAIR 10"},
        std::tuple{15, 21, 9, DisplayMode::Multicolour, "PIXEL 3,5  PAIR 11"},
        std::tuple{9, 23, 15, DisplayMode::Multicolour, "PIXEL 0,7  PAIR 10"},
        std::tuple{14, 23, 15, DisplayMode::Multicolour, "PIXEL 3,7  PAIR 01"},
        std::tuple{15, 21, 1, DisplayMode::Multicolour, ""},          // ink 0-7: a hi-res glyph
        std::tuple{15, 21, 9, DisplayMode::HiRes, ""},
        std::tuple{15, 21, 9, DisplayMode::ExtendedBackground, ""}}) {
    store.inks[65] = static_cast<std::uint8_t>(ink);
    store.colours.mode = mode;
    e.hoverX = x;
    e.hoverY = y;
    UpdateStatusBar(status, e, store);
    EXPECT_EQ(status.charNumber, "CHAR NUMBER: 065");
    EXPECT_EQ(status.pixel, pixel) << x << "," << y;
  }
  e.hoverTarget = HoverTarget::None;
  UpdateStatusBar(status, e, store);
  EXPECT_EQ(status.pixel, "");
}

TEST(MemoryPane, BlackUntilCapturedThenTheSmoothedCharset) {
  Scene s;
  ASSERT_EQ(s.pictures.memoryPane.Width(), 512);
  EXPECT_EQ(s.pictures.memoryPane, Image(512, 128));
  CaptureMemoryPane(s.pictures);
  EXPECT_EQ(s.pictures.memoryPane, ScaleSmooth(s.pictures.charset, 512, 128));
}

TEST(RomReferenceImages, GlyphsAtTwiceTheirSizeInTheStartupColours) {
  ViewPictures p;
  const Palette palette = MakePalette(Brightness::Medium);
  BuildRomReferenceImages(p, palette);
  for (int glyph : {0, 65, 255}) {
    const Image& img = p.romGlyphs[glyph];
    ASSERT_EQ(img.Width(), 16);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const bool set = (RomCharset()[glyph * 8 + y / 2] >> (7 - x / 2)) & 1;
        EXPECT_EQ(img.Pixel(x, y), set ? 0xBBBBBBu : 0u) << glyph << " " << x << "," << y;
      }
  }
}

TEST(CharsetImage, FollowsTheBytesInksAndBrightness) {
  Scene s;
  s.store.editor.fill(0);
  s.store.editor[65 * 8 + 2] = 0x81;
  s.store.inks[65] = 2;
  s.palette = MakePalette(Brightness::Low);
  RebuildCharsetImage(s.pictures, s.store, s.palette);
  const Image& c = s.pictures.charset;
  EXPECT_EQ(c.Pixel(8, 18), s.palette[2]);
  EXPECT_EQ(c.Pixel(15, 18), s.palette[2]);
  EXPECT_EQ(c.Pixel(9, 18), 0u);
  EXPECT_EQ(c.Data()[0] >> 24, 0xFFu);  // stored opaque, as the window system expects
}

}  // namespace
}  // namespace kx
