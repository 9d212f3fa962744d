#include <QApplication>

#include "app/app.h"
#include "runtime/qt/main_window.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kx::App app;
  kx::MainWindow window(app);
  kx::RefreshTitle(app);
  window.SyncFromApp();
  window.show();
  return qt.exec();
}
