#pragma once
// Editing state shared by the views, the tools and the commands.

namespace kx {

enum class PenKind { Set, Clear };

struct Pen {
  PenKind kind = PenKind::Set;
  int index = 1;  // palette entry the pen is shown in
};

// A rectangle of glyphs in glyph units (column 0..31, row 0..7) that the glyph operations walk
// column by column, row by row.
struct OperationScope {
  int firstColumn = 0;
  int lastColumn = 0;
  int firstRow = 0;
  int lastRow = 0;
};

// The glyph selection made with Ctrl in the charset pane; startColumn -1 means none.
struct GlyphSelection {
  int startColumn = -1;
  int startRow = 0;
  int endColumn = 0;
  int endRow = 0;
  bool selecting = false;
  bool Exists() const { return startColumn >= 0; }
};

inline constexpr int kZoomLevels = 5;
inline constexpr int kDefaultZoomIndex = 1;  // 8x

// Screen pixels per charset pixel at each zoom index: 4, 8, 16, 32, 64.
constexpr int BlockSize(int zoomIndex) { return 4 << (zoomIndex < 0 ? 0 : zoomIndex >= kZoomLevels ? kZoomLevels - 1 : zoomIndex); }

struct EditingState {
  GlyphSelection selection;
  OperationScope scope;
  bool hovering = false;  // a charset pixel is under the mouse
  int hoverX = 0;         // 0..255
  int hoverY = 0;         // 0..63
  int zoomIndex = kDefaultZoomIndex;
  int scrollX = 0;        // charset pixel at the top-left of the editor view
  int scrollY = 0;
  int tool = 1;           // continuous free drawing
  Pen leftPen{PenKind::Set, 1};
  Pen rightPen{PenKind::Clear, 0};
};

}  // namespace kx
