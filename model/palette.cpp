#include "model/palette.h"

namespace kx {

Rgb BrightnessColour(Brightness level) {
  switch (level) {
    case Brightness::Medium: return 0xBBBBBB;
    case Brightness::Low: return 0x777777;
    case Brightness::High: break;
  }
  return 0xFFFFFF;
}

Brightness BrightnessFromColour(Rgb colour) {
  if (colour == 0xBBBBBB) return Brightness::Medium;
  if (colour == 0x777777) return Brightness::Low;
  return Brightness::High;
}

Palette MakePalette(Brightness level) {
  return {0x000000, BrightnessColour(level), 0x68372B, 0x70A4B2, 0x6F3D86, 0x588D43,
          0x352879, 0xB8C76F, 0x6F4F25, 0x433900, 0x9A6759, 0x444444,
          0x6C6C6C, 0x9AD284, 0x6C5EB5, 0x959595};
}

}  // namespace kx
