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
    case 'o': return kSolidAlpha | 0xC8743A;  // rufous back
    case 'd': return kSolidAlpha | 0x5A3418;  // dark wing tips and spots
    case 'h': return kSolidAlpha | 0x8A9AC8;  // blue-grey head
    case 'e': return kSolidAlpha | 0x101010;
    case 'y': return kSolidAlpha | 0xF0C040;  // beak
    default: return 0;
  }
}

void DrawBird(Picture& p, int x0, int y0) {
  const int half = static_cast<int>(std::string_view(icon_art::kBirdLeftHalf[0]).size());
  for (int y = 0; y < static_cast<int>(icon_art::kBirdLeftHalf.size()); ++y) {
    for (int x = 0; x < half; ++x) {
      const std::uint32_t colour = BirdColour(icon_art::kBirdLeftHalf[y][x]);
      if (colour == 0) continue;
      for (int column : {x, 2 * half - 1 - x}) {
        FillRect(p, x0 + column * kBirdScale, y0 + y * kBirdScale, kBirdScale, kBirdScale, colour);
      }
    }
  }
}

// The C64's colour bars under the name.
constexpr std::uint32_t kStripes[] = {0x68372B, 0x9A6759, 0x6F4F25, 0xB8C76F, 0x9AD284, 0x588D43, 0x70A4B2,
                                      0x6C5EB5};

int CentredX(std::string_view text, int scale) { return (kLogoSize - static_cast<int>(text.size()) * 8 * scale) / 2; }

}  // namespace

Picture LogoPicture() {
  Picture p{kLogoSize, kLogoSize, std::vector<std::uint32_t>(kLogoSize * kLogoSize, kC64LightBlue)};
  FillRect(p, kBorder, kBorder, kLogoSize - 2 * kBorder, kLogoSize - 2 * kBorder, kC64Blue);

  const int birdWidth = 2 * static_cast<int>(std::string_view(icon_art::kBirdLeftHalf[0]).size()) * kBirdScale;
  DrawBird(p, (kLogoSize - birdWidth) / 2, 28);

  constexpr std::string_view kName = "KESTRELIX";
  DrawRomText(p, kName, CentredX(kName, 3) + 3, 131, 3, kSolidAlpha | 0x000000);
  DrawRomText(p, kName, CentredX(kName, 3), 128, 3, kWhite);

  int y = 160;
  for (std::uint32_t colour : kStripes) {
    FillRect(p, kBorder, y, kLogoSize - 2 * kBorder, 3, kSolidAlpha | colour);
    y += 3;
  }

  constexpr std::string_view kSubtitle = "CHARSET EDITOR";
  DrawRomText(p, kSubtitle, CentredX(kSubtitle, 2), 196, 2, kC64LightBlue);
  DrawRomText(p, "READY.", 22, 226, 1, kC64LightBlue);
  FillRect(p, 22, 234, 8, 8, kC64LightBlue);
  return p;
}

}  // namespace kx
