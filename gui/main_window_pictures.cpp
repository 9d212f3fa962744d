// The main window's picture gadgets follow the App's composed pictures.

#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <vector>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"
#include "gui/qt_picture.h"

namespace kx {
namespace {

// Hands the picture to its canvas when its change counter moved since the canvas last showed it; the
// canvas repaints the rectangles the compositions changed, which are then taken off the picture.
void ShowIfChanged(CanvasWidget* canvas, const Image& picture, Damage& damage, std::uint64_t version,
                   std::uint64_t& shown) {
  if (version == shown) return;
  shown = version;
  std::vector<QRect> changed;
  changed.reserve(damage.rects.size());
  for (const Rect& r : damage.rects) changed.emplace_back(r.x, r.y, r.w, r.h);
  damage.Clear();
  canvas->UpdatePicture(picture.Data(), picture.Width(), picture.Height(), picture.StrideBytes(), changed);
}

// A composed picture as a built-in one (opaque), to be shown crisp like the icons.
Picture AsPicture(const Image& image) {
  Picture p{image.Width(), image.Height(), {}};
  p.pixels.reserve(static_cast<std::size_t>(p.width) * p.height);
  for (int y = 0; y < p.height; ++y) {
    const std::uint32_t* row = image.Data() + static_cast<std::size_t>(y) * image.Stride();
    p.pixels.insert(p.pixels.end(), row, row + p.width);
  }
  return p;
}

}  // namespace

void MainWindow::SyncPictures() {
  ViewPictures& p = app_.view.pictures;
  const PictureVersions& v = p.versions;
  PictureDamage& d = p.damage;
  ShowIfChanged(editor_, p.editorView, d.editorView, v.editorView, shownVersions_.editorView);
  ShowIfChanged(editorPane_, p.editorPane, d.editorPane, v.editorPane, shownVersions_.editorPane);
  ShowIfChanged(memoryPane_, p.memoryPane, d.memoryPane, v.memoryPane, shownVersions_.memoryPane);
  ShowIfChanged(swatch_, p.penSwatch, d.penSwatch, v.penSwatch, shownVersions_.penSwatch);

  const int glyph = app_.shell.status.romGlyph.value_or(-1);
  if (glyph == shownRomGlyph_ && v.romGlyphs == shownVersions_.romGlyphs) return;
  shownRomGlyph_ = glyph;
  if (v.romGlyphs != shownVersions_.romGlyphs) romGlyphPixmaps_.fill(QPixmap());
  shownVersions_.romGlyphs = v.romGlyphs;
  const bool drawn = glyph >= 0 && glyph < kGlyphCount && !p.romGlyphs[glyph].Empty();
  if (drawn) {
    // Each glyph's pixmap is made once; the pointer passes over the same glyphs again and again.
    QPixmap& pixmap = romGlyphPixmaps_[glyph];
    if (pixmap.isNull()) pixmap = ToPixmap(AsPicture(p.romGlyphs[glyph]), shownPixelRatio_);
    statusFields_[2]->setPixmap(pixmap);
  } else {
    statusFields_[2]->setText(kEmptyStatusField);
  }
}

}  // namespace kx
