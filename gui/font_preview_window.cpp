#include "gui/font_preview_window.h"

#include <utility>

#include <QCloseEvent>

#include "app/font_preview_commands.h"
#include "gui/canvas_widget.h"
#include "gui/centre_window.h"

namespace kx {

FontPreviewWindow::FontPreviewWindow(App& app, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      app_(app),
      mainWindow_(mainWindow) {
  setWindowTitle(kFontPreviewTitle);
  setFixedSize(kFontPreviewWidth, kFontPreviewHeight);
  canvas_ = new CanvasWidget(this);
  canvas_->setGeometry(0, 0, kFontPreviewWidth, kFontPreviewHeight);
  canvas_->setFocusPolicy(Qt::NoFocus);
}

void FontPreviewWindow::Sync() {
  UiRequests& r = app_.shell.requests;
  if (std::exchange(r.closeFontPreview, false) && !app_.view.preview.windowOpen) hide();
  const Image& picture = app_.view.preview.picture;
  if (app_.view.preview.windowOpen && !picture.Empty() && shownVersion_ != app_.view.preview.version) {
    // The picture keeps its buffer from one composition to the next; wrapping it again is cheap.
    canvas_->SetPicture(picture.Data(), picture.Width(), picture.Height(), picture.StrideBytes());
    shownVersion_ = app_.view.preview.version;
  }
  if (std::exchange(r.openFontPreview, false) && app_.view.preview.windowOpen) {
    CentreOn(this, mainWindow_);
    show();
    raise();
  }
}

void FontPreviewWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  if (!app_.view.preview.windowOpen) return;
  CloseFontPreview(app_);
  app_.shell.requests.closeFontPreview = false;  // this window is closing already
  if (onClosed) onClosed();
}

}  // namespace kx
