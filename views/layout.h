#pragma once
// Where the editor view, its scroll bars and the two charset panes stand inside the tab page, computed from
// the window size and the zoom level, and the mapping from a mouse position in the view to a charset pixel.

#include "model/editing_state.h"
#include "runtime/image.h"

namespace kx {

// What the layout is computed from: the main window's client size and the heights of the bars that take
// room from it.
struct WindowMetrics {
  int clientWidth = 1110;
  int clientHeight = 514;
  int menuBarHeight = 0;
  int tabHeight = 0;        // what the panel takes around its page: tab bar, frame and margin
  int statusBarHeight = 0;  // 0 without a status bar
};

// A scroll bar over `total` charset pixels of which `page` are visible at once; its position runs
// 0..total - page.
struct ScrollRange {
  int total = 0;
  int page = 0;
  int MaxPosition() const { return total - page; }
  friend bool operator==(const ScrollRange&, const ScrollRange&) = default;
};

struct ViewLayout {
  int blockSize = BlockSize(kDefaultZoomIndex);  // screen pixels per charset pixel
  Rect editorView;        // Wc x Hc, both multiples of blockSize
  Rect verticalBar;
  Rect horizontalBar;
  ScrollRange horizontal;  // over the 256 charset columns
  ScrollRange vertical;    // over the 64 charset rows
  Rect editorPane;         // 512 x 128
  Rect memoryPane;         // 512 x 128
  int ColumnsVisible() const { return editorView.w / blockSize; }
  int RowsVisible() const { return editorView.h / blockSize; }
  friend bool operator==(const ViewLayout&, const ViewLayout&) = default;
};

inline constexpr int kMinClientWidth = 1110;
inline constexpr int kMinClientHeight = 514;
inline constexpr int kPaneWidth = 512;
inline constexpr int kPaneHeight = 128;

// Sizes the editor view to whole blocks of the room left beside the tool column and above the panes (never
// more than the whole charset) and places the scroll bars and panes around it.
ViewLayout LayoutViews(const WindowMetrics& window, int zoomIndex);

struct CharsetPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const CharsetPoint&, const CharsetPoint&) = default;
};

// The charset pixel under (mx, my) in editor-view coordinates. Positions outside the view are clamped to
// its border, so the result is always a visible pixel.
CharsetPoint MouseToPixel(const ViewLayout& layout, int scrollX, int scrollY, int mx, int my);

// Clamps the scroll position to what the layout can show; a zoom change keeps the position otherwise.
void ClampScroll(const ViewLayout& layout, EditingState& editing);

}  // namespace kx
