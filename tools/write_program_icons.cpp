// Build tool: writes the program icon as PNG files, one per size, for the desktop's icon theme.
//   write_program_icons OUTPUT_FOLDER     writes OUTPUT_FOLDER/<size>.png for every size

#include <cstdio>
#include <string>

#include "runtime/file_bytes.h"
#include "runtime/image.h"
#include "runtime/png_codec.h"
#include "views/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_program_icons OUTPUT_FOLDER\n");
    return 2;
  }
  for (int size : kx::kProgramIconSizes) {
    const kx::Picture icon = kx::ProgramIconPicture(size);
    kx::Image image(size, size);
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) image.SetPixel(x, y, icon.At(x, y) & 0xFFFFFF);
    }
    const auto png = kx::EncodePng(image);
    const std::string path = std::string(argv[1]) + "/" + std::to_string(size) + ".png";
    if (!png || !kx::WriteFileReplacing(path, *png)) {
      std::fprintf(stderr, "write_program_icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
