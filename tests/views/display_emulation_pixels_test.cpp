// The television look as the user sees it: exact colours of darkened rows and of a blurred edge, for
// known inputs. The numbers are written out here, so a change of strength or of the blur's reach shows.

#include <gtest/gtest.h>

#include "views/emulation.h"
#include "views/render.h"

namespace kx {
namespace {

// An editor view at 8 screen pixels a charset pixel over a charset of `store`, without grids.
struct View {
  CharsetStore store;
  Palette palette = MakePalette();
  EditingState editing;
  ViewLayout layout = LayoutViews(WindowMetrics{}, 1);
  ViewOptions options{.charGrid = false, .pixelGrid = false};
  ViewPictures pictures;

  View() {
    editing.zoomIndex = 1;
    store.editor = {};
  }
  const Image& Render() {
    RebuildCharsetImage(pictures, store, palette);
    RenderEditorView(pictures, editing, layout, palette, options);
    return pictures.editorView;
  }
  const Image& RenderPane() {
    RebuildCharsetImage(pictures, store, palette);
    RenderEditorPane(pictures, editing, layout, options);
    return pictures.editorPane;
  }
};

constexpr Rgb kInk = 0xFFFFFF;        // a set pixel at the start brightness
constexpr Rgb kDarkInk = 0xBFBFBF;    // the same under a scanline
constexpr Rgb kBlurredEdge = 0x404040;  // black beside a white neighbour half a blur step away

TEST(DisplayEmulationPixels, ScanlinesDarkenEveryOtherRowToAFixedStrength) {
  View v;
  v.store.editor.fill(0xFF);
  v.options.scanlines = true;
  const Image& view = v.Render();
  EXPECT_EQ(view.Pixel(5, 0), kDarkInk);
  EXPECT_EQ(view.Pixel(5, 1), kInk);
  EXPECT_EQ(view.Pixel(5, 2), kDarkInk);
  v.options.highlights = false;  // no frame over the pane's corner
  const Image& pane = v.RenderPane();
  EXPECT_EQ(pane.Pixel(5, 0), kDarkInk);
  EXPECT_EQ(pane.Pixel(5, 1), kInk);

  v.options.pixelGrid = true;  // the grid's own grey, darkened with the picture
  v.options.emulationOnGrids = true;
  EXPECT_EQ(v.Render().Pixel(5, 0), 0x181818u);
  EXPECT_EQ(v.Render().Pixel(0, 5), 0x202020u);  // odd row: the grid's grey as it is
}

TEST(DisplayEmulationPixels, ScanlinesBlendBlackAtAQuarterOverEveryChannelValue) {
  // Each channel runs through all 256 values, the three channels out of step with each other.
  Image img(256, 2);
  for (int x = 0; x < 256; ++x) {
    const Rgb c = static_cast<Rgb>(x << 16 | (255 - x) << 8 | (x * 7 + 3) % 256);
    img.SetPixel(x, 0, c);
    img.SetPixel(x, 1, c);
  }
  const Image plain = img;
  DrawScanlines(img, img.Bounds());
  for (int x = 0; x < 256; ++x) {
    const Rgb c = plain.Pixel(x, 0);
    Rgb expected = 0;
    for (int shift : {0, 8, 16}) expected |= (((c >> shift) & 0xFFu) * 191 + 127) / 255 << shift;
    ASSERT_EQ(img.Pixel(x, 0), expected) << x;
    ASSERT_EQ(img.Pixel(x, 1), c) << x;
  }
}

TEST(DisplayEmulationPixels, BlurReachesAcrossTheViewsEdgeFromTheCharsetBeyondIt) {
  View v;
  // Charset column 8 (the left column of glyph column 1) and charset row 8 set; the view starts at
  // charset (9, 9), so both lie just outside it, to its left and above.
  for (int n = 1; n < kGlyphCount; n += kGlyphsPerRow) {
    for (int r = 0; r < kGlyphBytes; ++r) v.store.editor[n * kGlyphBytes + r] = 0x80;
  }
  for (int n = 32; n < 64; ++n) v.store.editor[n * kGlyphBytes] = 0xFF;
  v.editing.scrollX = 9;
  v.editing.scrollY = 9;
  v.options.crtMain = true;
  const Image& view = v.Render();
  EXPECT_EQ(view.Pixel(0, 100), kBlurredEdge);  // the first view column sees the set column beside it
  EXPECT_EQ(view.Pixel(1, 100), 0x000000u);     // the second is beyond the blur's reach
  EXPECT_EQ(view.Pixel(100, 0), kBlurredEdge);
  EXPECT_EQ(view.Pixel(100, 1), 0x000000u);
}

TEST(DisplayEmulationPixels, ScanlinesAfterTheBlurKeepTheViewsRowParity) {
  View v;
  v.store.editor.fill(0xFF);
  v.editing.scrollY = 9;
  v.options.crtMain = true;
  v.options.scanlines = true;
  const Image& view = v.Render();
  EXPECT_EQ(view.Pixel(5, 0), kDarkInk);
  EXPECT_EQ(view.Pixel(5, 1), kInk);
}

}  // namespace
}  // namespace kx
