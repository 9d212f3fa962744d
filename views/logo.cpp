#include <string_view>

#include "views/icon_art.h"
#include "views/icons.h"
#include "views/picture_paint.h"

namespace kx {
namespace {

constexpr int kBorder = 10;
constexpr int kBirdScale = 4;

std::uint32_t BirdColour(char c) {
  switch (c) {
    case 'o': return kOpaqueWord | 0xC8743A;  // rufous back
    case 'd': return kOpaqueWord | 0x5A3418;  // dark wing tips and spots
    case 'h': return kOpaqueWord | 0x8A9AC8;  // blue-grey head
    case 'e': return kOpaqueWord | 0x101010;
    case 'y': return kOpaqueWord | 0xF0C040;  // beak
    default: return 0;
  }
}

void DrawBird(Picture& p, int x0, int y0) {
  const Picture bird = BirdPicture();
  for (int y = 0; y < bird.height; ++y) {
    for (int x = 0; x < bird.width; ++x) {
      const std::uint32_t colour = bird.At(x, y);
      if (colour != 0) FillRect(p, x0 + x * kBirdScale, y0 + y * kBirdScale, kBirdScale, kBirdScale, colour);
    }
  }
}

// The C64's colour bars under the name.
constexpr std::uint32_t kStripes[] = {0x68372B, 0x9A6759, 0x6F4F25, 0xB8C76F, 0x9AD284, 0x588D43, 0x70A4B2,
                                      0x6C5EB5};

int CentredX(std::string_view text, int scale) { return (kLogoSize - static_cast<int>(text.size()) * 8 * scale) / 2; }

}  // namespace

Picture BirdPicture() {
  const int half = static_cast<int>(std::string_view(icon_art::kBirdLeftHalf[0]).size());
  const int height = static_cast<int>(icon_art::kBirdLeftHalf.size());
  Picture p{2 * half, height, std::vector<std::uint32_t>(static_cast<std::size_t>(2 * half * height), 0)};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < half; ++x) {
      const std::uint32_t colour = BirdColour(icon_art::kBirdLeftHalf[y][x]);
      p.pixels[static_cast<std::size_t>(y * p.width + x)] = colour;
      p.pixels[static_cast<std::size_t>(y * p.width + p.width - 1 - x)] = colour;
    }
  }
  return p;
}

Picture LogoPicture() {
  Picture p{kLogoSize, kLogoSize, std::vector<std::uint32_t>(kLogoSize * kLogoSize, kC64LightBlue)};
  FillRect(p, kBorder, kBorder, kLogoSize - 2 * kBorder, kLogoSize - 2 * kBorder, kC64Blue);

  DrawBird(p, (kLogoSize - BirdPicture().width * kBirdScale) / 2, 28);

  constexpr std::string_view kName = "KESTRELIX";
  DrawRomText(p, kName, CentredX(kName, 3) + 3, 131, 3, kOpaqueWord | 0x000000);
  DrawRomText(p, kName, CentredX(kName, 3), 128, 3, kWhite);

  int y = 160;
  for (std::uint32_t colour : kStripes) {
    FillRect(p, kBorder, y, kLogoSize - 2 * kBorder, 3, kOpaqueWord | colour);
    y += 3;
  }

  constexpr std::string_view kSubtitle = "CHARSET EDITOR";
  DrawRomText(p, kSubtitle, CentredX(kSubtitle, 2), 196, 2, kC64LightBlue);
  DrawRomText(p, "READY.", 22, 226, 1, kC64LightBlue);
  FillRect(p, 22, 234, 8, 8, kC64LightBlue);
  return p;
}

}  // namespace kx
