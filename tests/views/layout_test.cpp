#include <gtest/gtest.h>

#include "views/layout.h"

namespace kx {
namespace {

// A window whose bars take no height, so the room for the view is exactly client size minus the fixed
// gadgets (72 across, 159 down).
WindowMetrics Window(int w, int h) { return WindowMetrics{w, h, 0, 0, 0}; }

TEST(LayoutViews, HighestZoomAtMinimumWidthShowsTwoGlyphsAcross) {
  const ViewLayout l = LayoutViews(Window(kMinClientWidth, kMinClientHeight), 4);
  EXPECT_EQ(l.blockSize, 64);
  EXPECT_EQ(l.editorView.w, 1024);
  EXPECT_EQ(l.ColumnsVisible(), 16);
  EXPECT_EQ(l.horizontal.MaxPosition(), 240);
  EXPECT_EQ(l.editorView.h % 64, 0);
}

TEST(LayoutViews, LowestZoomIsCappedAtTheWholeCharsetAndScrollingCollapses) {
  const ViewLayout l = LayoutViews(Window(2000, 1000), 0);
  EXPECT_EQ(l.editorView, (Rect{50, 2, 1024, 256}));
  EXPECT_EQ(l.horizontal.MaxPosition(), 0);
  EXPECT_EQ(l.vertical.MaxPosition(), 0);
}

TEST(LayoutViews, ViewIsWholeBlocksAndBarsHugIt) {
  const WindowMetrics w{1300, 700, 21, 25, 22};
  const ViewLayout l = LayoutViews(w, 2);
  const int availH = 700 - 21 - 25 - 22 - 159;
  EXPECT_EQ(l.editorView.w, (1300 - 72) / 16 * 16);
  EXPECT_EQ(l.editorView.h, availH / 16 * 16);
  EXPECT_EQ(l.verticalBar, (Rect{l.editorView.w + 52, 2, 16, l.editorView.h}));
  EXPECT_EQ(l.horizontalBar, (Rect{50, l.editorView.h + 4, l.editorView.w, 16}));
  EXPECT_EQ(l.horizontal, (ScrollRange{256, l.editorView.w / 16}));
  EXPECT_EQ(l.vertical, (ScrollRange{64, l.editorView.h / 16}));
}

TEST(LayoutViews, PanesSitLeftAlignedAtLowestZoomAndCentredOtherwise) {
  const ViewLayout low = LayoutViews(Window(kMinClientWidth, kMinClientHeight), 0);
  EXPECT_EQ(low.editorPane, (Rect{50, low.editorView.h + 36, 512, 128}));
  EXPECT_EQ(low.memoryPane, (Rect{570, low.editorView.h + 36, 512, 128}));

  for (int zoom = 1; zoom < kZoomLevels; ++zoom) {
    const ViewLayout l = LayoutViews(Window(kMinClientWidth, kMinClientHeight), zoom);
    const int c = l.editorView.w / 2;
    ASSERT_GT(l.editorView.w, 640) << zoom;
    EXPECT_EQ(l.editorPane, (Rect{c - 480, l.editorView.h + 28, 512, 128})) << zoom;
    EXPECT_EQ(l.memoryPane, (Rect{c + 35, l.editorView.h + 28, 512, 128})) << zoom;
  }
}

TEST(MouseToPixel, LastScreenPixelMapsToLastVisibleCharsetPixel) {
  const ViewLayout l = LayoutViews(Window(kMinClientWidth, kMinClientHeight), 4);
  const int sx = l.horizontal.MaxPosition();
  const int sy = l.vertical.MaxPosition();
  const Rect& v = l.editorView;
  EXPECT_EQ(MouseToPixel(l, sx, sy, v.w - 1, v.h - 1), (CharsetPoint{255, 63}));
  // Beyond the view (the pointer is held while a button is down) it stays on the border pixel.
  EXPECT_EQ(MouseToPixel(l, sx, sy, v.w + 500, v.h + 90), (CharsetPoint{255, 63}));
  EXPECT_EQ(MouseToPixel(l, 3, 2, -40, -1), (CharsetPoint{3, 2}));
  EXPECT_EQ(MouseToPixel(l, 0, 0, 64, 127), (CharsetPoint{1, 1}));
}

TEST(ClampScroll, ZoomChangeKeepsThePositionWhereItStillFits) {
  const WindowMetrics w = Window(kMinClientWidth, kMinClientHeight);
  EditingState e;
  e.scrollX = 200;
  e.scrollY = 10;
  ClampScroll(LayoutViews(w, 4), e);
  EXPECT_EQ(e.scrollX, 200);
  ClampScroll(LayoutViews(w, 1), e);  // 129 columns visible: at most 127
  EXPECT_EQ(e.scrollX, 256 - (kMinClientWidth - 72) / 8);
  e.scrollX = -5;
  e.scrollY = 99;
  ClampScroll(LayoutViews(w, 0), e);
  EXPECT_EQ(e.scrollX, 0);
  EXPECT_EQ(e.scrollY, LayoutViews(w, 0).vertical.MaxPosition());
}

}  // namespace
}  // namespace kx
