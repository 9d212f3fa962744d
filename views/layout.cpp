#include "views/layout.h"

#include <algorithm>

#include "model/charset.h"

namespace kx {
namespace {

// Room the fixed gadgets take: the tool column and scroll bar to the left and right of the view, the
// horizontal bar and the panes below it.
constexpr int kReservedWidth = 72;
constexpr int kReservedHeight = 159;
constexpr int kViewX = 50;
constexpr int kViewY = 2;
constexpr int kBarThickness = 16;

// The largest multiple of `block` that fits in `room`, at most `limit` blocks.
int WholeBlocks(int room, int block, int limit) { return std::clamp(room / block, 0, limit) * block; }

}  // namespace

ViewLayout LayoutViews(const WindowMetrics& window, int zoomIndex) {
  ViewLayout layout;
  const int b = BlockSize(zoomIndex);
  layout.blockSize = b;
  const int availW = window.clientWidth - kReservedWidth;
  const int availH = window.clientHeight - window.menuBarHeight - window.tabHeight - window.statusBarHeight -
                     kReservedHeight;
  const int wc = WholeBlocks(availW, b, kCharsetWidth);
  const int hc = WholeBlocks(availH, b, kCharsetHeight);

  layout.editorView = {kViewX, kViewY, wc, hc};
  layout.verticalBar = {wc + kViewX + 2, kViewY, kBarThickness, hc};
  layout.horizontalBar = {kViewX, hc + kViewY + 2, wc, kBarThickness};
  layout.horizontal = {kCharsetWidth, wc / b};
  layout.vertical = {kCharsetHeight, hc / b};

  if (zoomIndex == 0) {
    layout.editorPane = {50, hc + 36, kPaneWidth, kPaneHeight};
    layout.memoryPane = {570, hc + 36, kPaneWidth, kPaneHeight};
  } else {
    // The panes centre on the view when it is wide enough; the minimum window guarantees that above 4x.
    const int centre = wc > 640 ? wc / 2 : 0;
    layout.editorPane = {centre - 480, hc + 28, kPaneWidth, kPaneHeight};
    layout.memoryPane = {centre + 35, hc + 28, kPaneWidth, kPaneHeight};
  }
  return layout;
}

CharsetPoint MouseToPixel(const ViewLayout& layout, int scrollX, int scrollY, int mx, int my) {
  const int b = layout.blockSize;
  const int cx = std::clamp(mx, 0, std::max(layout.editorView.w - 1, 0));
  const int cy = std::clamp(my, 0, std::max(layout.editorView.h - 1, 0));
  return {cx / b + scrollX, cy / b + scrollY};
}

void ClampScroll(const ViewLayout& layout, EditingState& editing) {
  editing.scrollX = std::clamp(editing.scrollX, 0, std::max(layout.horizontal.MaxPosition(), 0));
  editing.scrollY = std::clamp(editing.scrollY, 0, std::max(layout.vertical.MaxPosition(), 0));
}

}  // namespace kx
