#include "gui/editor_run.h"
#include "windows/about_texts.h"

#include <string>

int main(int argc, char** argv) {
  // This file is compiled again whenever the program's libraries change (see CMakeLists.txt); a
  // reproducible build names the time it was given instead.
#ifdef KX_SOURCE_DATE_EPOCH
  const std::string built = kx::FormatEpochDateTime(KX_SOURCE_DATE_EPOCH);
#else
  const std::string built = kx::FormatBuildDateTime(__DATE__, __TIME__);
#endif
  return kx::RunEditor(argc, argv, {built, nullptr, {}});
}
