#pragma once

#include <functional>

#include <QObject>

#include "app/app.h"

namespace kx {

class AboutWindow;
class FontPreviewWindow;

// The font preview and About windows of the main window. The core asks for them through the App's
// requests; Sync, called after every event, carries the requests out.
class AuxiliaryWindows : public QObject {
  Q_OBJECT
 public:
  // `resync` is called when one of the windows changed the App on its own (the preview's close box).
  AuxiliaryWindows(App& app, QWidget* mainWindow, std::function<void()> resync);

  void Sync();

  FontPreviewWindow* Preview() const { return preview_; }
  AboutWindow* About() const { return about_; }

 private:
  App& app_;
  FontPreviewWindow* preview_ = nullptr;
  AboutWindow* about_ = nullptr;
};

}  // namespace kx
