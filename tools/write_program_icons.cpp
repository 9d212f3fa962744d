// Build tool: writes the program icon for the desktop's icon theme: one PNG file per size and the same
// picture as a scalable SVG, both transparent round the tile, and the icon for charset files (a page
// carrying the icon's screen).
//   write_program_icons OUTPUT_FOLDER     writes <size>.png for every size, program.svg and charset-file.svg

#include <cstdio>
#include <string>
#include <string_view>
#include <utility>

#include "runtime/file_bytes.h"
#include "runtime/png_codec.h"
#include "views/picture_paint.h"
#include "views/program_icon.h"

namespace {

std::string Hex(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06X", static_cast<unsigned>(colour & 0xFFFFFF));
  return text;
}

// The icon's screen in the square (x, y, size) of a 256-unit drawing: a rounded light blue frame, the dark
// blue screen and the kestrel on it, each run of equal art pixels in a row one rectangle.
std::string ScreenSvg(int x, int y, int size) {
  const int frame = size / 20;
  std::string svg = "  <rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" +
                    std::to_string(size) + "\" height=\"" + std::to_string(size) + "\" rx=\"" +
                    std::to_string(size / 8) + "\" fill=\"" + Hex(kx::kC64LightBlue) + "\"/>\n";
  svg += "  <rect x=\"" + std::to_string(x + frame) + "\" y=\"" + std::to_string(y + frame) + "\" width=\"" +
         std::to_string(size - 2 * frame) + "\" height=\"" + std::to_string(size - 2 * frame) + "\" rx=\"" +
         std::to_string(size / 12) + "\" fill=\"" + Hex(kx::kC64Blue) + "\"/>\n";
  const kx::Picture bird = kx::CroppedToArt(kx::BirdPicture());
  const double cell = (size - 6.0 * frame) / bird.width;
  const double left = x + (size - cell * bird.width) / 2;
  const double top = y + (size - cell * bird.height) / 2;
  char rect[160];
  for (int row = 0; row < bird.height; ++row) {
    for (int col = 0; col < bird.width;) {
      const std::uint32_t colour = bird.At(col, row);
      int run = 1;
      while (col + run < bird.width && bird.At(col + run, row) == colour) ++run;
      if (colour != 0) {
        std::snprintf(rect, sizeof rect,
                      "  <rect x=\"%.2f\" y=\"%.2f\" width=\"%.2f\" height=\"%.2f\" fill=\"%s\"/>\n",
                      left + col * cell, top + row * cell, run * cell + 0.05, cell + 0.05, Hex(colour).c_str());
        svg += rect;
      }
      col += run;
    }
  }
  return svg;
}

std::string Svg(const std::string& body) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n" +
         body + "</svg>\n";
}

// A sheet of paper with a folded corner, the screen on it.
std::string CharsetFileSvg() {
  return Svg("  <path d=\"M40 8 H168 L216 56 V248 H40 Z\" fill=\"#F4F4F4\" stroke=\"#8A8A8A\" stroke-width=\"4\"/>\n"
             "  <path d=\"M168 8 V56 H216\" fill=\"#DADADA\" stroke=\"#8A8A8A\" stroke-width=\"4\"/>\n" +
             ScreenSvg(64, 88, 128));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: write_program_icons OUTPUT_FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (int size : kx::kProgramIconSizes) {
    // The picture's transparent corners stay transparent, as in the scalable drawing.
    const kx::Picture icon = kx::ProgramIconPicture(size);
    const auto png = kx::EncodePngWithAlpha(size, size, icon.pixels);
    const std::string path = folder + "/" + std::to_string(size) + ".png";
    if (!png || !kx::WriteFileReplacing(path, *png)) {
      std::fprintf(stderr, "write_program_icons: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  for (const auto& [name, text] : {std::pair{"program.svg", Svg(ScreenSvg(8, 8, 240))},
                                   std::pair{"charset-file.svg", CharsetFileSvg()}}) {
    if (!kx::WriteFileReplacing(folder + "/" + name, std::string_view(text))) {
      std::fprintf(stderr, "write_program_icons: cannot write %s/%s\n", folder.c_str(), name);
      return 1;
    }
  }
  return 0;
}
