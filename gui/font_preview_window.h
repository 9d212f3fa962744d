#pragma once

#include <functional>

#include <QWidget>

#include "app/app.h"

namespace kx {

class CanvasWidget;

// "Preview Auto Created Charset": a small window above the main window showing the App's preview picture.
// It does not block the main window. The App decides when it shows; Sync follows.
class FontPreviewWindow : public QWidget {
  Q_OBJECT
 public:
  FontPreviewWindow(App& app, QWidget* mainWindow);

  // Acts on the open and close requests and repaints when the picture has changed.
  void Sync();
  CanvasWidget* Canvas() const { return canvas_; }

  // Called after the close box closed the preview, so the main window can update its menus.
  std::function<void()> onClosed;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  App& app_;
  QWidget* mainWindow_;
  CanvasWidget* canvas_ = nullptr;
  unsigned shownVersion_ = 0;  // the picture's first composition is version 1
};

}  // namespace kx
