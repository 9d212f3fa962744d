#include <QApplication>

#include "app/app.h"
#include "runtime/qt/main_window.h"
#include "runtime/qt/startup.h"
#include "windows/about_texts.h"

int main(int argc, char** argv) {
  QApplication qt(argc, argv);
  kx::App app;
  // This file is compiled again on every build of the program (see CMakeLists.txt).
  app.buildDateTime = kx::FormatBuildDateTime(__DATE__, __TIME__);
  const auto window = kx::StartUp(app);
  return qt.exec();
}
