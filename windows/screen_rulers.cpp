#include "windows/screen_rulers.h"

#include "runtime/image_draw.h"

namespace kx {
namespace {

constexpr int kDigitSize = 8;
constexpr int kFirstDigitCode = 48;  // screen code of "0"
constexpr int kTickLength = 5;
constexpr int kTickGap = 4;  // between the ticks and the digits
constexpr Rgb kRulerInk = 0xFFFFFF;

const RulerSpec& SpecOf(RulerSide side) {
  for (const RulerSpec& r : kRulers)
    if (r.side == side) return r;
  return kRulers[0];
}

void DrawDigit(Image& img, const Image& font, int digit, int x, int y) {
  DrawImage(img, font, GlyphBlock(kFirstDigitCode + digit, kDigitSize), x, y);
}

// Column rulers: one number per cell across, the ticks on the edge next to the screen.
void DrawColumnNumbers(Image& img, const Image& font, bool screenBelow) {
  const int tickY = screenBelow ? img.Height() - kTickLength : 0;
  const int tensY = screenBelow ? tickY - kTickGap - 2 * kDigitSize - 2 : kTickLength + kTickGap;
  for (int c = 0; c <= kScreenColumns; ++c) {
    const int x = c * kCellSize;
    FillBox(img, {c == kScreenColumns ? x - 1 : x, tickY, 1, kTickLength}, kRulerInk);
    if (c == kScreenColumns) break;
    DrawDigit(img, font, c / 10, x + kDigitSize / 2, tensY);
    DrawDigit(img, font, c % 10, x + kDigitSize / 2, tensY + kDigitSize + 2);
  }
}

// Row rulers: one two-digit number per cell down, the ticks on the edge next to the screen.
void DrawRowNumbers(Image& img, const Image& font, bool screenRight) {
  const int tickX = screenRight ? img.Width() - kTickLength : 0;
  const int numberX = screenRight ? tickX - kTickGap - 2 * kDigitSize : kTickLength + kTickGap;
  for (int r = 0; r <= kScreenRows; ++r) {
    const int y = r * kCellSize;
    FillBox(img, {tickX, r == kScreenRows ? y - 1 : y, kTickLength, 1}, kRulerInk);
    if (r == kScreenRows) break;
    DrawDigit(img, font, r / 10, numberX, y + kDigitSize / 2);
    DrawDigit(img, font, r % 10, numberX + kDigitSize, y + kDigitSize / 2);
  }
}

}  // namespace

Image RulerPicture(RulerSide side) {
  const Rect& area = SpecOf(side).area;
  Image img(area.w, area.h);
  const Image font = RomCharsetImage();
  switch (side) {
    case RulerSide::Top:
      DrawColumnNumbers(img, font, true);
      break;
    case RulerSide::Bottom:
      DrawColumnNumbers(img, font, false);
      break;
    case RulerSide::Left:
      DrawRowNumbers(img, font, true);
      break;
    case RulerSide::Right:
      DrawRowNumbers(img, font, false);
      break;
  }
  return img;
}

}  // namespace kx
