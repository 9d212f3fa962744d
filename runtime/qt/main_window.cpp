#include "runtime/qt/main_window.h"

namespace kx {

MainWindow::MainWindow(App& app, QWidget* parent) : QMainWindow(parent), app_(app) {
  setWindowTitle(QString::fromStdString(app_.title));
  setMinimumSize(1110, 514);
  resize(1110, 514);
}

void MainWindow::SyncFromApp() { setWindowTitle(QString::fromStdString(app_.title)); }

}  // namespace kx
