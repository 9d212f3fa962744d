#pragma once
// Every picture the main window shows, composed off-screen, and the view options that shape them.
//
// Each picture carries a change counter that its render step increments, and the rectangles its
// compositions changed since the adapter last took them; the adapter repaints only those rectangles.
// The render steps also keep what each picture was last composed from, so that a step recomposes only
// the parts whose look changed.

#include <array>
#include <bitset>
#include <cstdint>
#include <vector>

#include "model/charset.h"
#include "model/charset_store.h"
#include "model/palette.h"
#include "runtime/image.h"

namespace kx {

inline constexpr int kSwatchWidth = 48;
inline constexpr int kSwatchHeight = 24;
inline constexpr int kRomGlyphPictureSize = 16;

// The View-menu check marks the pictures depend on.
struct ViewOptions {
  bool charGrid = true;          // 146
  bool pixelGrid = true;         // 147
  bool hoverChar = true;         // 150: outline of the hovered glyph
  bool hoverPixel = true;        // 151: outline of the hovered pixel
  bool paneFrame = true;         // 152: the pane marks the part visible in the editor view
  bool paneFade = true;          // 153: ... and dims the rest
  bool highlights = true;        // 154: master switch of the pixel outline and the pane highlights
  bool scanlines = false;        // 158
  bool crtMain = false;          // 159: smooth blur
  bool crtEdge = false;          // 160: blocky softening
  bool emulationOnGrids = true;  // 161: the emulation runs after the grids are drawn
  friend bool operator==(const ViewOptions&, const ViewOptions&) = default;
};

// How many times each picture has been recomposed.
struct PictureVersions {
  std::uint64_t charset = 0;
  std::uint64_t editorView = 0;
  std::uint64_t editorPane = 0;
  std::uint64_t memoryPane = 0;
  std::uint64_t penSwatch = 0;
  std::uint64_t romGlyphs = 0;
};

// The rectangles of one picture that changed since its consumer last cleared them. Past a few dozen they
// fold into one rectangle around them all, so a picture nobody consumes keeps a bounded list.
struct Damage {
  std::vector<Rect> rects;

  void Add(const Rect& r) {
    if (r.Empty()) return;
    rects.push_back(r);
    if (rects.size() > kMaxRects) rects.assign(1, Bounding());
  }
  void Clear() { rects.clear(); }
  Rect Bounding() const {
    if (rects.empty()) return {};
    int x0 = rects[0].x, y0 = rects[0].y, x1 = x0 + rects[0].w, y1 = y0 + rects[0].h;
    for (const Rect& r : rects) {
      x0 = r.x < x0 ? r.x : x0;
      y0 = r.y < y0 ? r.y : y0;
      x1 = r.x + r.w > x1 ? r.x + r.w : x1;
      y1 = r.y + r.h > y1 ? r.y + r.h : y1;
    }
    return {x0, y0, x1 - x0, y1 - y0};
  }

  static constexpr std::size_t kMaxRects = 48;
};

struct PictureDamage {
  Damage editorView;
  Damage editorPane;
  Damage memoryPane;
  Damage penSwatch;
};

// What the charset image was last drawn from, and the glyphs redrawn since the view and the pane were
// last composed (`all...` when the whole image was redrawn).
struct CharsetImageSource {
  bool drawn = false;
  Charset bytes{};
  GlyphInks inks{};
  CharsetColours colours;
  Palette palette{};
  std::vector<Rect> viewDirty;  // in charset pixels: the changed pixels' bounds within each changed glyph
  std::bitset<kGlyphCount> paneDirty;
  bool allViewDirty = true;
  bool allPaneDirty = true;
};

// A highlight drawn over a picture: where, and whether it is drawn at all.
struct Mark {
  bool shown = false;
  Rect box;
  Rgb colour = 0;
  friend bool operator==(const Mark&, const Mark&) = default;
};

// What the editor view was last composed from. Anything but the marks changing means a whole composition.
struct EditorViewSource {
  bool composed = false;
  int width = 0;
  int height = 0;
  int block = 0;
  int scrollX = 0;
  int scrollY = 0;
  ViewOptions options;
  Mark hoverCell;   // filled with the left pen's colour
  Mark hoverGlyph;  // outlined
  Mark selection;   // outlined
};

// The editor view's pixels under the hover cell as they are without it, so that the cell's next move puts
// them back instead of composing them again (with every emulation pass, most of what a move cost). They
// hold for the view frame they were kept in (any other frame is composed whole, which drops them) and until
// a changed charset pixel reaches them.
struct UnderHoverCell {
  bool valid = false;
  Rect box;                 // the cell clipped to the picture
  EditorViewSource source;  // what the pixels were composed from, without the hover cell
  Image pixels;
};

// What the editor pane was last composed from.
struct EditorPaneSource {
  bool composed = false;
  Rect visible;  // the part of the charset the editor view shows, charset pixels
  ViewOptions options;
  Mark hoverGlyph;
  Mark selection;
};

// The palette entries the Pen Colour swatch was last composed with, for the left and the right pen.
struct PenSwatchSource {
  int left = -1;
  int right = -1;
  friend bool operator==(const PenSwatchSource&, const PenSwatchSource&) = default;
};

struct ViewPictures {
  Image charset;                      // 256x64, one pixel per glyph pixel
  Image editorView;                   // Wc x Hc, what the editor canvas shows
  Image editorPane;                   // 512x128
  Image memoryPane{512, 128};         // black until the first swap
  Image penSwatch;                    // 48x24
  std::array<Image, kGlyphCount> romGlyphs;  // 16x16 each, made once at start-up
  PictureVersions versions;
  PictureDamage damage;

  CharsetImageSource charsetSource;
  EditorViewSource viewSource;
  UnderHoverCell underHoverCell;
  EditorPaneSource paneSource;
  PenSwatchSource swatchSource;

  // Work buffers kept between redraws so that a mouse move allocates nothing.
  Image zoom;          // a part of the enlarged charset with the margin the blur passes read
  std::vector<int> zoomRowIds;  // which rows of `zoom` were copied from which
  Image half;          // the zoom picture at half size (blur passes)
  Image halfWide;      // the half picture enlarged across only (blur passes)
  Image fadedCharset;  // the charset image in the pane's dimmed colours, rebuilt with it
};

}  // namespace kx
