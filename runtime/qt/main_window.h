#pragma once

#include <QMainWindow>

#include "app/app.h"

namespace kx {

// The main window: a Qt shell that shows what the App says and hands user actions back to it.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(App& app, QWidget* parent = nullptr);

  // Copies the App's visible state (title for now) into the widgets.
  void SyncFromApp();

 private:
  App& app_;
};

}  // namespace kx
