#include <QApplication>

#include "app/app.h"
#include "runtime/qt/main_window.h"
#include "runtime/qt/startup.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kx::App app;
  const auto window = kx::StartUp(app);
  return qt.exec();
}
