// The main window's picture gadgets follow the App's composed pictures.

#include <QLabel>
#include <QPixmap>

#include "gui/canvas_widget.h"
#include "gui/main_window.h"

namespace kx {
namespace {

// Wraps the picture's pixels when its change counter moved since the canvas last showed it.
void ShowIfChanged(CanvasWidget* canvas, const Image& picture, std::uint64_t version, std::uint64_t& shown) {
  if (version == shown) return;
  shown = version;
  canvas->SetPicture(picture.Data(), picture.Width(), picture.Height(), picture.StrideBytes());
}

QPixmap ToPixmap(const Image& picture) {
  const QImage wrapped(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                       picture.StrideBytes(), QImage::Format_RGB32);
  return QPixmap::fromImage(wrapped);  // copies the pixels
}

}  // namespace

void MainWindow::SyncPictures() {
  const ViewPictures& p = app_.view.pictures;
  const PictureVersions& v = p.versions;
  ShowIfChanged(editor_, p.editorView, v.editorView, shownVersions_.editorView);
  ShowIfChanged(editorPane_, p.editorPane, v.editorPane, shownVersions_.editorPane);
  ShowIfChanged(memoryPane_, p.memoryPane, v.memoryPane, shownVersions_.memoryPane);
  ShowIfChanged(swatch_, p.penSwatch, v.penSwatch, shownVersions_.penSwatch);

  const int glyph = app_.shell.status.romGlyph.value_or(-1);
  if (glyph == shownRomGlyph_ && v.romGlyphs == shownVersions_.romGlyphs) return;
  shownRomGlyph_ = glyph;
  shownVersions_.romGlyphs = v.romGlyphs;
  const bool drawn = glyph >= 0 && glyph < kGlyphCount && !p.romGlyphs[glyph].Empty();
  if (drawn) {
    statusFields_[2]->setPixmap(ToPixmap(p.romGlyphs[glyph]));
  } else {
    statusFields_[2]->setText(kEmptyStatusField);
  }
}

}  // namespace kx
