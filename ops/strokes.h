#pragma once
// Drawing into the charset's 256x64 pixel bitmap: straight lines, hollow and filled boxes, and the backup
// that lets a line or box be shown while it is dragged without keeping it.

#include "model/charset.h"
#include "model/charset_store.h"
#include "model/editing_state.h"

namespace kx {

// Sets or clears pixel (x, y); pixels outside the bitmap are left alone.
void PlotPixel(Charset& charset, int x, int y, PenKind pen);

// A line with both end points included, stepped along its longer axis with a single-precision slope; the
// other coordinate is rounded to nearest with ties to even. A zero-length line plots one pixel.
void PlotLine(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen);

// The outline of the box with corners (x0, y0) and (x1, y1), or every pixel of it when `filled`.
void PlotBox(Charset& charset, int x0, int y0, int x1, int y1, PenKind pen, bool filled);

// The same strokes drawn into the store's charset as each glyph shows them: in a hi-res glyph a pixel is set
// or cleared by the pen's kind; in a multicolour glyph a plotted pixel sets both bits of its double-wide
// pixel to the pen's pair.
void PlotPixel(CharsetStore& store, int x, int y, const Pen& pen);
void PlotLine(CharsetStore& store, int x0, int y0, int x1, int y1, const Pen& pen);
void PlotBox(CharsetStore& store, int x0, int y0, int x1, int y1, const Pen& pen, bool filled);

// The charset bytes and glyph inks as they were before a rubber-band preview was drawn.
struct StrokeBackup {
  Charset bytes{};
  GlyphInks inks{};
};

void SaveBackup(const CharsetStore& store, StrokeBackup& backup);
void RestoreBackup(CharsetStore& store, const StrokeBackup& backup);

}  // namespace kx
