#pragma once
// Editing state shared by the views, the tools and the commands.

namespace kx {

enum class PenKind { Set, Clear };

// What a press in the editor view does. Each tool keeps a fixed number, by which diagnostics and tests
// name it; the program relies on neither the numbers nor their gaps.
enum class Tool : int {
  DottedDraw = 0,
  ContinuousDraw = 1,
  Line = 2,
  HollowBox = 5,
  FilledBox = 6,
  FillGlyph = 11,
  ReverseGlyph = 12,
  ClearGlyph = 13,
  CopyGlyph = 14,
  PasteGlyph = 15,
  CutGlyph = 16,
  SlideGlyphDown = 17,
  SlideGlyphUp = 18,
  SlideGlyphRight = 19,
  SlideGlyphLeft = 20,
  MirrorGlyphTopToBottom = 21,
  MirrorGlyphBottomToTop = 22,
  MirrorGlyphRightToLeft = 23,
  MirrorGlyphLeftToRight = 24,
  RotateGlyph = 25,
  FlipGlyphVertical = 26,
  FlipGlyphHorizontal = 27,
  RestoreRomGlyph = 28,
  ItaliciseGlyph = 29,
  SlantGlyphRight = 30,
  SlantGlyphLeft = 31,
  UnderlineGlyph = 32,
  StrikethroughGlyph = 33,
};

// In a multicolour glyph a pen draws one bit pair (0-3) on both bits of the double-wide pixel; kFollowKind
// draws 11 with a set pen and 00 with a clear one, so the buttons start as left 11 and right 00.
inline constexpr int kFollowKind = -1;

struct Pen {
  PenKind kind = PenKind::Set;
  int index = 1;  // palette entry the pen is shown in
  int pair = kFollowKind;
};

constexpr int DrawnPair(const Pen& pen) { return pen.pair >= 0 ? pen.pair & 3 : pen.kind == PenKind::Set ? 3 : 0; }

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

// The canvas the mouse is over: it decides which hover highlights are drawn and whether the status bar
// names a glyph. Set on mouse enter, cleared on mouse leave.
enum class HoverTarget { None, EditorView, EditorPane };

struct EditingState {
  GlyphSelection selection;
  OperationScope scope;
  bool hovering = false;  // a charset pixel is under the mouse
  int hoverX = 0;         // 0..255
  int hoverY = 0;         // 0..63
  HoverTarget hoverTarget = HoverTarget::None;
  int zoomIndex = kDefaultZoomIndex;
  int scrollX = 0;        // charset pixel at the top-left of the editor view
  int scrollY = 0;
  Tool tool = Tool::ContinuousDraw;
  Pen leftPen{PenKind::Set, 1};
  Pen rightPen{PenKind::Clear, 0};
};

}  // namespace kx
