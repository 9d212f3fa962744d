#include "gui/editor_run.h"
#include "windows/about_texts.h"

int main(int argc, char** argv) {
  // This file is compiled again whenever the program's libraries change (see CMakeLists.txt).
  return kx::RunEditor(argc, argv, {kx::FormatBuildDateTime(__DATE__, __TIME__), nullptr, {}});
}
